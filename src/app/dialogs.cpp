#include "app/dialogs.h"

#include "app/application.h"
#include "cities/cityeditor.h"
#include "clocklist/clocklisteditor.h"
#include "options/optionsdialog.h"

void registerDialogs(Application &app)
{
    app.setDialogFactory(Application::Dialog::ClockList,
                         [](Application &owner) { return new ClockListEditor(owner); });
    app.setDialogFactory(Application::Dialog::CityEditor,
                         [](Application &owner) { return new CityEditor(owner); });
    app.setDialogFactory(Application::Dialog::Options,
                         [](Application &owner) { return new OptionsDialog(owner); });
}
