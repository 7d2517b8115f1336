#pragma once

#include "app/aboutbox.h"
#include "clockwindow/clockwindow.h"
#include "settings/appfolder.h"
#include "settings/settingsstate.h"
#include "zonetime/clock.h"
#include "zonetime/zonetable.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>

class MessagePresenter;
class QMenu;
class QSystemTrayIcon;
class QWidget;

/// The running program: owns the settings state, the one clock window, the tray icon with the
/// main menu, the About box and the dialogs. Everything runs on the one UI thread.
class Application final : public QObject {
    Q_OBJECT

public:
    /// The dialogs the main menu opens, by the name of their window.
    enum class Dialog { ClockList, CityEditor, Options };
    using DialogFactory = std::function<QWidget *(Application &)>;

    Application(AppFolder folder, Clock clock, MessagePresenter &messages,
                QObject *parent = nullptr);
    ~Application() override;

    /// Reads the whole settings file into the state, then builds and shows the clock window if
    /// none is loaded.
    void loadSettings();

    /// Stops the clock window's ticking and destroys it; the next loadSettings() builds a new one.
    void closeClockWindow();

    /// After a Save: closes the clock window, reads the settings again and builds a new window.
    void reloadSettings();

    [[nodiscard]] const AppFolder &appFolder() const { return m_folder; }
    /// The settings in force. The reference stays valid for the application's life; a reload
    /// replaces what it holds.
    [[nodiscard]] const SettingsState &settings() const { return m_settings; }
    [[nodiscard]] const Clock &clock() const { return m_clock; }
    /// The shipped zone table, read once per run.
    [[nodiscard]] const ZoneTable &zoneTable() const { return m_zoneTable; }
    [[nodiscard]] MessagePresenter &messages() { return m_messages; }
    [[nodiscard]] ClockWindow *clockWindow() const { return m_clockWindow; }
    [[nodiscard]] QMenu *mainMenu() const { return m_mainMenu.get(); }
    [[nodiscard]] QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    [[nodiscard]] AboutBox *aboutBox() const { return m_aboutBox; }

    /// Whether a dialog that the clock window could cover is on the screen.
    [[nodiscard]] bool isDialogOpen() const;

    void setDialogFactory(Dialog dialog, DialogFactory factory);
    /// Shows the dialog without waiting, creating it the first time; an open dialog is brought to
    /// the front as it is.
    void showDialog(Dialog dialog);
    /// The dialog if it exists (for tests and for the dialogs themselves).
    [[nodiscard]] QWidget *dialog(Dialog dialog) const;

    void showMainMenu(const QPoint &globalPos);
    void showHelp();
    void showAbout();
    /// Removes the tray icon, closes the clock window and ends the program without saving.
    void exit();

Q_SIGNALS:
    /// The settings were read again and a new clock window was built.
    void settingsLoaded();

private:
    void createMainMenu();
    void addTrayIcon();
    void removeTrayIcon();
    void placeDialog(QWidget *dialog) const;
    /// Keeps where the user dragged the clock window, when the options ask for it.
    void keepWindowPlace(const QPoint &topLeft);

    AppFolder m_folder;
    Clock m_clock;
    MessagePresenter &m_messages;
    SettingsState m_settings;
    const ZoneTable m_zoneTable; // read once per run
    bool m_trayIconShown = false;
    QPointer<ClockWindow> m_clockWindow;
    QPointer<AboutBox> m_aboutBox;
    bool m_aboutBoxPlaced = false;
    std::unique_ptr<QMenu> m_mainMenu;
    QSystemTrayIcon *m_trayIcon = nullptr;
    std::map<Dialog, DialogFactory> m_factories;
    std::map<Dialog, QPointer<QWidget>> m_dialogs;
};

/// Lets the main menu open the clock list editor, the city editor and the options dialog, each
/// given what it uses from the application, with a Save of the clock list or the options wired to
/// reloadSettings().
void registerDialogs(Application &app);
