#include "app/dialogs.h"

#include "app/application.h"
#include "cities/cityeditor.h"
#include "clocklist/clocklisteditor.h"
#include "options/optionsdialog.h"

void registerDialogs(Application &app)
{
    // Each dialog gets what it uses from the application; the settings it reads are the ones in
    // force, and a Save of the clock list or the options makes the application reload them.
    app.setDialogFactory(Application::Dialog::ClockList, [](Application &owner) {
        auto *editor = new ClockListEditor(owner.appFolder(), owner.settings(), owner.messages());
        QObject::connect(editor, &ClockListEditor::saveFinished, &owner,
                         &Application::reloadSettings);
        return editor;
    });
    app.setDialogFactory(Application::Dialog::CityEditor, [](Application &owner) {
        return new CityEditor(owner.appFolder(), owner.settings(), owner.messages());
    });
    app.setDialogFactory(Application::Dialog::Options, [](Application &owner) {
        auto *dialog =
            new OptionsDialog(owner.appFolder(), owner.settings(), owner.clock(), owner.messages());
        QObject::connect(dialog, &OptionsDialog::saveFinished, &owner,
                         &Application::reloadSettings);
        return dialog;
    });
}
