#include "app/application.h"

#include "app/aboutbox.h"
#include "cities/cityeditor.h"
#include "clocklist/clocklisteditor.h"
#include "clockwindow/clockwindow.h"
#include "clockwindow/windowplacement.h"
#include "options/optionsdialog.h"
#include "settings/settingsloader.h"
#include "settings/settingswriter.h"
#include "ui/appicon.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QUrl>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcApp, "kerani.app", QtWarningMsg)

Application::Application(AppFolder folder, Clock clock, MessagePresenter &messages, QObject *parent)
    : QObject(parent)
    , m_folder(std::move(folder))
    , m_clock(std::move(clock))
    , m_messages(messages)
    , m_zoneTable(ZoneTable::read(m_folder))
{
    createMainMenu();
}

Application::~Application()
{
    closeClockWindow();
    for (auto &[kind, dialog] : m_dialogs)
        delete dialog.data();
    delete m_aboutBox.data();
}

void Application::createMainMenu()
{
    m_mainMenu = std::make_unique<QMenu>(tr("File"));
    m_mainMenu->setObjectName(u"mainMenu"_s);
    const auto addItem = [](QMenu *menu, const QString &name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    connect(addItem(m_mainMenu.get(), u"newClockAction"_s, tr("&New Clock...")),
            &QAction::triggered, this, [this] { showDialog(Dialog::ClockList); });
    connect(addItem(m_mainMenu.get(), u"addCityAction"_s, tr("&Add Country/City...")),
            &QAction::triggered, this, [this] { showDialog(Dialog::CityEditor); });
    m_mainMenu->addSeparator();
    connect(addItem(m_mainMenu.get(), u"copyTimesAction"_s, tr("&Copy Times")), &QAction::triggered,
            this, [this] {
                if (m_clockWindow)
                    m_clockWindow->copyTimes();
            });
    connect(addItem(m_mainMenu.get(), u"optionsAction"_s, tr("&Options...")), &QAction::triggered,
            this, [this] { showDialog(Dialog::Options); });
    m_mainMenu->addSeparator();
    QMenu *helpMenu = m_mainMenu->addMenu(tr("&Help"));
    helpMenu->setObjectName(u"helpMenu"_s);
    helpMenu->menuAction()->setObjectName(u"helpMenuAction"_s);
    connect(addItem(helpMenu, u"contentsAction"_s, tr("&Contents")), &QAction::triggered, this,
            &Application::showHelp);
    helpMenu->addSeparator();
    connect(addItem(helpMenu, u"aboutAction"_s, tr("&About...")), &QAction::triggered, this,
            &Application::showAbout);
    m_mainMenu->addSeparator();
    connect(addItem(m_mainMenu.get(), u"exitAction"_s, tr("E&xit")), &QAction::triggered, this,
            &Application::exit);
}

void Application::loadSettings()
{
    m_settings = ::loadSettings(m_folder);
    if (m_clockWindow)
        return;

    addTrayIcon();
    m_clockWindow = new ClockWindow(m_settings, m_folder, m_clock, m_zoneTable,
                                    [this] { return isDialogOpen(); });
    connect(m_clockWindow, &ClockWindow::menuRequested, this, &Application::showMainMenu);
    connect(m_clockWindow, &ClockWindow::dragFinished, this, &Application::keepWindowPlace);
    m_clockWindow->showAt(
        clockWindowPlace(ScreenArrangement::current(), m_clockWindow->size(), m_settings));
    Q_EMIT settingsLoaded();
}

void Application::keepWindowPlace(const QPoint &topLeft)
{
    if (!m_settings.displayOptions.keepPosition)
        return;
    const KeptPlace place{ScreenArrangement::current().text(), topLeft};
    // The place is read back from the file at the next build. Not kept is all a failure
    // means: no message at every drag.
    const FileResult<PlaceKept> kept = saveKeptPlace(m_folder, place);
    if (!kept)
        qCInfo(lcApp) << "the window's place was not kept:" << kept.error();
}

void Application::closeClockWindow()
{
    if (!m_clockWindow)
        return;
    m_clockWindow->stopTicking();
    delete m_clockWindow.data();
}

void Application::reloadSettings()
{
    closeClockWindow();
    loadSettings();
}

bool Application::isDialogOpen() const
{
    if (m_aboutBox && m_aboutBox->isVisible())
        return true;
    for (const auto &[kind, dialog] : m_dialogs) {
        if (dialog && dialog->isVisible())
            return true;
    }
    return false;
}

void Application::setDialogFactory(Dialog dialog, DialogFactory factory)
{
    m_factories[dialog] = std::move(factory);
}

QWidget *Application::dialog(Dialog dialog) const
{
    const auto found = m_dialogs.find(dialog);
    return found == m_dialogs.end() ? nullptr : found->second.data();
}

void Application::showDialog(Dialog kind)
{
    QPointer<QWidget> &dialog = m_dialogs[kind];
    if (!dialog) {
        const auto factory = m_factories.find(kind);
        if (factory == m_factories.end() || !factory->second)
            return;
        dialog = factory->second(*this);
        if (!dialog)
            return;
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        placeDialog(dialog);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void Application::placeDialog(QWidget *dialog) const
{
    // On the screen of the pointer, centred, and never under the clock window.
    dialog->adjustSize();
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect frame(QPoint(0, 0), dialog->frameSize());
    frame.moveCenter(available.center());
    if (m_clockWindow && m_clockWindow->isVisible()) {
        const QRect clocks = m_clockWindow->frameGeometry();
        if (frame.intersects(clocks))
            frame.moveTop(clocks.bottom() + 24);
    }
    frame.moveBottom(qMin(frame.bottom(), available.bottom()));
    frame.moveTop(qMax(frame.top(), available.top()));
    dialog->move(frame.topLeft());
}

void Application::addTrayIcon()
{
    if (!m_aboutBox)
        m_aboutBox = new AboutBox;
    if (!m_trayIcon) {
        m_trayIcon = new QSystemTrayIcon(appIcon(), this);
        m_trayIcon->setObjectName(u"trayIcon"_s);
        m_trayIcon->setToolTip(tr("Kerani v%1").arg(QStringLiteral(KERANI_VERSION)));
        // Only the right button opens the menu; left clicks and double clicks do nothing.
        connect(m_trayIcon, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Context)
                        showMainMenu(QCursor::pos());
                });
    }
    if (m_settings.displayOptions.hideSysTrayIcon) {
        m_trayIcon->hide();
        m_trayIconShown = false;
    } else if (!m_trayIconShown) {
        m_trayIcon->show();
        m_trayIconShown = true;
    }
}

void Application::removeTrayIcon()
{
    if (m_trayIcon && !m_settings.displayOptions.hideSysTrayIcon)
        m_trayIcon->hide();
}

void Application::showMainMenu(const QPoint &globalPos)
{
    if (m_clockWindow) {
        // The menu is the way back to a window that was closed or minimised.
        m_clockWindow->restore();
        m_clockWindow->raise();
        m_clockWindow->activateWindow();
    }
    m_mainMenu->popup(globalPos);
}

void Application::showHelp()
{
    // A missing help file or viewer is not reported.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(m_folder.helpFile())))
        qCInfo(lcApp) << "could not open the help file" << m_folder.helpFile();
}

void Application::showAbout()
{
    if (!m_aboutBox)
        m_aboutBox = new AboutBox;
    // Placed once: a box the user moved stays where it was put, also when shown again.
    if (!m_aboutBoxPlaced) {
        placeDialog(m_aboutBox);
        m_aboutBoxPlaced = true;
    }
    m_aboutBox->show();
    m_aboutBox->raise();
    m_aboutBox->activateWindow();
}

void Application::exit()
{
    removeTrayIcon();
    closeClockWindow();
    QCoreApplication::exit(0);
}

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
        auto *dialog = new OptionsDialog(owner.appFolder(), owner.settings(), owner.clock(),
                                         owner.zoneTable(), owner.messages());
        QObject::connect(dialog, &OptionsDialog::saveFinished, &owner,
                         &Application::reloadSettings);
        return dialog;
    });
}
