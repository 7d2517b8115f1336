#pragma once

#include "clockwindow/clocklayout.h"
#include "settings/appfolder.h"
#include "settings/settingsstate.h"
#include "zonetime/clock.h"

#include <QDateTime>
#include <QList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class CellLabel;
class FacePicture;
class FaceWidget;
class FlagBox;
class HandSprites;
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
class ClockWindow final : public QWidget {
    Q_OBJECT

public:
    using DialogOpenQuery = std::function<bool()>;

    /// `zones` (the factory cities' zones) is used only while the window is built.
    ClockWindow(const SettingsState &settings, const AppFolder &folder, const Clock &clock,
                const ZoneTable &zones, DialogOpenQuery dialogOpen, QWidget *parent = nullptr);
    ~ClockWindow() override;

    [[nodiscard]] const ClockLayout &layout() const { return m_layout; }

    /// Places the window touching the top edge, centred on the primary screen, and shows it.
    void showAtTopCentre();
    /// Where showAtTopCentre() puts a window of this width on a screen of that width.
    [[nodiscard]] static QPoint topCentre(int screenWidth, int windowWidth);

    /// Runs one tick now: hands and time texts of every column, dates when due, stacking.
    void tick();
    void stopTicking();
    [[nodiscard]] bool isTicking() const { return m_timer.isActive(); }
    [[nodiscard]] bool wantsOnTop() const { return m_onTop; }

Q_SIGNALS:
    /// A right press on one of the window's elements.
    void menuRequested(const QPoint &globalPos);
    /// A left press on one of the window's elements: the window should follow the mouse.
    void moveRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

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
    void watch(QWidget *element);
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
    std::unique_ptr<StripRow> m_dateRow;
    std::unique_ptr<StripRow> m_oppositeDateRow;
    std::unique_ptr<HandSprites> m_handSprites;
    std::unique_ptr<FacePicture> m_facePicture;
    QList<Column> m_columns;
    MenuLauncher *m_menuLauncher = nullptr; // only while there is no clock and no tray icon
    bool m_launcherWanted = false;          // shown without clocks: the launcher may be needed
    QTimer m_timer;
    QDateTime m_datesMinute; // the computer clock's minute the date rows were made in
    bool m_settingsFileExists = false;
    bool m_onTop = false;
    bool m_hiddenByMinimise = false;
};
