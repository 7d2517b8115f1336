#pragma once

#include "clockwindow/clocklayout.h"
#include "clockwindow/lookahead.h"
#include "settings/appfolder.h"
#include "settings/settingsstate.h"
#include "zonetime/clock.h"

#include <QDateTime>
#include <QList>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class CellLabel;
class FacePicture;
class FaceWidget;
class FlagBox;
class HandSprites;
class QLabel;
class MenuLauncher;
class StripRow;
class StripWidget;
class ZoneClockSet;
class ZoneTable;

/// The one borderless window with a column per clock: face, city name with flag, time, date and
/// opposite date. Built whole from the settings state; a change of settings builds a new one.
///
/// One timer, re-armed just after every wall-clock second, updates every column in one pass, so
/// all columns change together and never drift.
///
/// The mouse wheel moves every clock ahead or back (LookAhead) for a while: the time row then takes
/// another colour and a badge tells how far from now the clocks are. A plain click, Escape or ten
/// seconds without a turn bring them back; a second timer runs only during that wait.
class ClockWindow final : public QWidget {
    Q_OBJECT

public:
    using DialogOpenQuery = std::function<bool()>;

    /// `zones` (the factory cities' zones) is used only while the window is built.
    ClockWindow(const SettingsState &settings, const AppFolder &folder, const Clock &clock,
                const ZoneTable &zones, DialogOpenQuery dialogOpen, QWidget *parent = nullptr);
    ~ClockWindow() override;

    [[nodiscard]] const ClockLayout &layout() const { return m_layout; }

    /// Puts the window's top-left corner there and shows it.
    void showAt(const QPoint &topLeft);
    /// Shows a window that was hidden or minimised again, where it was.
    void restore();

    /// How long the window must stay still after a drag before dragFinished() tells its place.
    void setDragSettleTime(std::chrono::milliseconds time);

    /// Runs one tick now: hands and time texts of every column, dates when due, stacking.
    void tick();
    void stopTicking();
    [[nodiscard]] bool isTicking() const { return m_timer.isActive(); }
    [[nodiscard]] bool wantsOnTop() const { return m_onTop; }

    /// The clocks as text, a line each: city and the texts of the shown rows, at the time the
    /// window shows (ahead when it looks ahead).
    [[nodiscard]] QString timesText() const;
    /// Puts timesText() on the clipboard.
    void copyTimes() const;

Q_SIGNALS:
    /// A right press on one of the window's elements.
    void menuRequested(const QPoint &globalPos);
    /// A left press on one of the window's elements: the window should follow the mouse.
    void moveRequested();
    /// The window came to rest at a new place after the user pressed on it to drag it.
    void dragFinished(const QPoint &topLeft);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    struct Column;

    void buildStrip(const DisplayOptions &options);
    void buildColumns(const SettingsState &settings, const AppFolder &folder, const QDateTime &now);
    void startTicking();
    void scheduleNextTick(const QDateTime &now);
    void updateTimes(const QDateTime &now);
    void updateDates(const QDateTime &now);
    void updateStacking();
    void updateMenuLauncher();
    void turnWheel(const QWheelEvent &event);
    void backToNow();
    void returnTimerElapsed();
    /// Shows the clocks at the time the look-ahead asks, and the look that says whether it is now.
    void showLookAhead();
    void placeAheadBadge();
    /// A left press: at now it moves the window; looking ahead a click goes back to now and only
    /// a drag moves the window. Returns whether the event was used.
    bool leftButton(const QMouseEvent &event);
    void watch(QWidget *element);
    void startDrag();
    void finishDrag();
    void hideIfMinimised();
    static void nameForScreenReaders(const Column &column);
    /// Time texts that stand for every text of the time row in `timeFormat`.
    [[nodiscard]] static QStringList timeSamples(TimeFormat timeFormat);

    Clock m_clock;
    DialogOpenQuery m_dialogOpen;
    bool m_alwaysOnTop = false;
    bool m_hideTrayIcon = false; // the settings hide the tray icon
    ClockLayout m_layout;
    std::unique_ptr<ZoneClockSet> m_zoneClocks;
    std::unique_ptr<StripRow> m_cityRow;
    std::unique_ptr<StripRow> m_timeRow;
    std::unique_ptr<StripRow> m_aheadTimeRow; // the time row's look while looking ahead
    std::unique_ptr<StripRow> m_dateRow;
    std::unique_ptr<StripRow> m_oppositeDateRow;
    std::unique_ptr<HandSprites> m_handSprites;
    std::unique_ptr<FacePicture> m_facePicture;
    QList<Column> m_columns;
    MenuLauncher *m_menuLauncher = nullptr; // only while there is no clock and no tray icon
    bool m_launcherWanted = false;          // shown without clocks: the launcher may be needed
    QTimer m_timer;
    LookAhead m_lookAhead;
    QTimer m_returnTimer; // runs only while looking ahead
    QLabel *m_aheadBadge = nullptr;
    std::optional<QPoint> m_clickStart; // a left press looking ahead, until it is a click or drag
    QDateTime m_datesMinute;            // the computer clock's minute the date rows were made in
    bool m_settingsFileExists = false;
    bool m_onTop = false;
    bool m_hiddenByMinimise = false;
    // The window manager moves the window in a drag, and the release of the button never reaches
    // the window: a drag has ended when the window has stayed still for a moment.
    QTimer m_dragSettle;
    bool m_dragged = false; // a left press asked for a drag: from now on moves are the user's
    QPoint m_restingPlace;  // where the window was when it last came to rest
};
