#include "clockwindow/clockwindow.h"

#include "cities/flagfolder.h"
#include "clockwindow/celllabel.h"
#include "clockwindow/facepicture.h"
#include "clockwindow/facewidget.h"
#include "clockwindow/flagbox.h"
#include "clockwindow/handsprites.h"
#include "clockwindow/menulauncher.h"
#include "clockwindow/stripcolours.h"
#include "clockwindow/striprow.h"
#include "clockwindow/stripwidget.h"
#include "settings/cityentry.h"
#include "zonetime/hands.h"
#include "zonetime/rowtexts.h"
#include "zonetime/zoneclockset.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

// Wake a little after the second boundary so that the clock read then is safely in the new
// second, whatever the timer's own slack.
constexpr int TickMarginMs = 5;

/// Whether a window without clocks looks for a tray again at `now`: every few seconds, since
/// asking may cost a round trip to the session bus.
bool isTrayCheckDue(const QDateTime &now)
{
    constexpr int TrayCheckSeconds = 5;
    return now.time().second() % TrayCheckSeconds == 0;
}

QDateTime minuteOf(const QDateTime &now)
{
    const QTime time = now.time();
    return now.addMSecs(-(time.second() * 1000 + time.msec()));
}

} // namespace

struct ClockWindow::Column {
    qsizetype entry = 0; // index in the clock list
    QString name;
    FaceWidget *face = nullptr;
    CellLabel *city = nullptr;
    CellLabel *time = nullptr;
    CellLabel *date = nullptr;
    CellLabel *oppositeDate = nullptr;
};

ClockWindow::ClockWindow(const SettingsState &settings, const AppFolder &folder, const Clock &clock,
                         const ZoneTable &zones, DialogOpenQuery dialogOpen, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool)
    , m_clock(clock)
    , m_dialogOpen(std::move(dialogOpen))
    , m_alwaysOnTop(settings.displayOptions.alwaysOnTop)
    , m_hideTrayIcon(settings.displayOptions.hideSysTrayIcon)
    , m_settingsFileExists(QFileInfo::exists(folder.settingsFile()))
{
    setObjectName(u"clockWindow"_s);
    setWindowTitle(u"Kerani"_s);
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, StripColours::Window);
    setPalette(colours);
    setAutoFillBackground(true);

    const QDateTime builtAt = m_clock.now();
    m_zoneClocks = std::make_unique<ZoneClockSet>(settings, QLocale(), builtAt, zones);
    m_handSprites = std::make_unique<HandSprites>();
    buildColumns(settings, folder, builtAt);
    buildStrip(settings.displayOptions);
    setFixedSize(m_layout.windowSize.expandedTo(QSize(1, 1)));

    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ClockWindow::tick);
    connect(this, &ClockWindow::moveRequested, this, [this] {
        if (QWindow *window = windowHandle())
            window->startSystemMove();
    });
    // Without a settings file nothing ticks: the window shows its bare faces.
    if (m_settingsFileExists)
        startTicking();
}

ClockWindow::~ClockWindow() = default;

void ClockWindow::buildColumns(const SettingsState &settings, const AppFolder &folder,
                               const QDateTime &now)
{
    // Entries too short to be city lines get no column.
    QList<CityEntry> entries;
    QList<qsizetype> entryIndexes;
    for (qsizetype index = 0; index < settings.clockList.size(); ++index) {
        if (auto entry = CityEntry::fromLine(settings.clockList[index])) {
            entries.append(*entry);
            entryIndexes.append(index);
        }
    }
    const DisplayOptions &options = settings.displayOptions;
    m_layout = computeClockLayout(options, int(entries.size()));

    m_facePicture = std::make_unique<FacePicture>();
    if (options.displayClock && m_settingsFileExists)
        *m_facePicture = FacePicture::load(folder.faceFile(options.faceStyle));
    const QColor hands = handColour(options.faceStyle);
    const FlagFolder flags = FlagFolder::scan(folder.flagFolders());

    const auto dateKind = [](DateFormat format) {
        return format == DateFormat::Long ? StripRow::Kind::LongDates : StripRow::Kind::Dates;
    };
    // Each row sizes its text for the desktop's font, whatever the size of that font.
    m_cityRow = std::make_unique<StripRow>(StripRow::Kind::Names, font(), StripColours::CityRow);
    m_timeRow = std::make_unique<StripRow>(StripRow::Kind::Ticking, font(), StripColours::TimeRow);
    m_dateRow =
        std::make_unique<StripRow>(dateKind(options.dateFormat), font(), StripColours::DateRow);
    m_oppositeDateRow = std::make_unique<StripRow>(dateKind(options.oppositeDateFormat), font(),
                                                   StripColours::OppositeDateRow);

    for (qsizetype i = 0; i < entries.size(); ++i) {
        const CityEntry &entry = entries[i];
        const ColumnLayout &place = m_layout.columns[i];
        Column column;
        column.entry = entryIndexes[i];
        column.name = entry.name;
        const std::optional<QString> flag = flags.picturePath(entry.flagFile);

        // Labels lie beneath the faces and flags: create them first.
        column.city = new CellLabel(u"cityLabel"_s, *m_cityRow, this);
        column.city->setGeometry(place.cityLabel);
        column.city->setToolTipShowsElidedText(false); // its tooltip holds the whole name
        if (flag) // the name ends a pixel clear of the flag's frame
            column.city->setTextRightLimit(place.flag.left() - place.cityLabel.left() - 1);
        column.city->setText(entry.name);
        column.city->setToolTip(m_zoneClocks->cityToolTip(column.entry, now).value_or(QString()));
        watch(column.city);

        const auto addRow = [&](const QString &name, StripRow &row, const QRect &rect, bool visible,
                                bool rightToLeft) -> CellLabel * {
            if (!visible)
                return nullptr;
            auto *label = new CellLabel(name, row, this);
            label->setGeometry(rect);
            label->setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LayoutDirectionAuto);
            watch(label);
            return label;
        };
        column.time = addRow(u"timeLabel"_s, *m_timeRow, place.timeLabel, m_layout.timeVisible,
                             m_layout.timeRightToLeft);
        column.date = addRow(u"dateLabel"_s, *m_dateRow, place.dateLabel, m_layout.dateVisible,
                             m_layout.dateRightToLeft);
        column.oppositeDate =
            addRow(u"oppositeDateLabel"_s, *m_oppositeDateRow, place.oppositeDateLabel,
                   m_layout.oppositeDateVisible, m_layout.oppositeDateRightToLeft);

        if (m_layout.faceRowVisible) {
            column.face = new FaceWidget(*m_facePicture, hands, *m_handSprites, this);
            column.face->setGeometry(place.face);
            watch(column.face);
        }

        if (flag) {
            const QPixmap picture = QPixmap::fromImage(FlagFolder::loadPicture(*flag));
            if (!picture.isNull()) {
                auto *box = new FlagBox(picture, this);
                box->setGeometry(place.flag);
                watch(box);
            }
        }
        m_columns.append(column);
    }
    m_cityRow->fit();
    m_timeRow->fit(timeSamples(options.timeFormat));
}

QStringList ClockWindow::timeSamples(TimeFormat timeFormat)
{
    // A morning and an afternoon time: every digit is measured at its widest anyway.
    const TimeText times(timeFormat, QLocale());
    QStringList samples;
    for (const QTime time : {QTime(10, 0, 0), QTime(22, 0, 0)}) {
        if (const std::optional<QString> text = times.text(time))
            samples.append(*text);
    }
    return samples;
}

void ClockWindow::buildStrip(const DisplayOptions &options)
{
    StripFill fill = stripFillFor(options);
    if (!m_layout.faceRowVisible || std::holds_alternative<StripFill::None>(fill.kind))
        return;

    // A picture background is named as such; every other kind is the band behind the faces.
    const bool picture = std::holds_alternative<StripFill::Picture>(fill.kind);
    auto *strip = new StripWidget(picture ? u"backgroundPicture"_s : u"backgroundStrip"_s,
                                  std::move(fill), this);
    strip->setGeometry(m_layout.strip);
    strip->lower();
    watch(strip);
}

void ClockWindow::watch(QWidget *element)
{
    element->installEventFilter(this);
}

bool ClockWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::RightButton) {
            Q_EMIT menuRequested(press->globalPosition().toPoint());
            return true;
        }
        if (press->button() == Qt::LeftButton) {
            Q_EMIT moveRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ClockWindow::changeEvent(QEvent *event)
{
    // A minimised clock window hides; the next tick shows it again.
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        m_hiddenByMinimise = true;
        QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
    }
    QWidget::changeEvent(event);
}

QPoint ClockWindow::topCentre(int screenWidth, int windowWidth)
{
    return {screenWidth / 2 - windowWidth / 2, 0};
}

void ClockWindow::showAtTopCentre()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.topLeft() + topCentre(area.width(), m_layout.windowSize.width()));
    }
    // A window of no clocks shows nothing at all, not even a sliver of itself.
    if (m_columns.isEmpty()) {
        m_launcherWanted = true;
        updateMenuLauncher();
        return;
    }
    show();
    raise();
    activateWindow();
    updateStacking();
}

void ClockWindow::startTicking()
{
    m_datesMinute = QDateTime();
    tick();
}

void ClockWindow::stopTicking()
{
    m_timer.stop();
}

void ClockWindow::updateMenuLauncher()
{
    // Without clocks the window is not there to be clicked: when no tray icon shows either, a
    // small launcher opens the menu. A tray that comes or goes is noticed within a few seconds.
    const bool trayIconShows =
        !m_hideTrayIcon && QSystemTrayIcon::isSystemTrayAvailable();
    if (trayIconShows) {
        if (m_menuLauncher)
            m_menuLauncher->hide();
        return;
    }
    if (!m_menuLauncher) {
        m_menuLauncher = new MenuLauncher(this);
        connect(m_menuLauncher, &MenuLauncher::menuRequested, this, &ClockWindow::menuRequested);
    }
    if (!m_menuLauncher->isVisible())
        m_menuLauncher->showAtTopCentre();
}

void ClockWindow::tick()
{
    const QDateTime now = m_clock.now();
    if (m_launcherWanted && isTrayCheckDue(now))
        updateMenuLauncher();
    updateStacking();
    updateTimes(now);
    // Dates are remade after every build and whenever the computer clock's minute changes, so a
    // zone passing midnight shows its new date within a minute even when a tick came late.
    if (minuteOf(now) != m_datesMinute)
        updateDates(now);
    scheduleNextTick(now);
}

void ClockWindow::scheduleNextTick(const QDateTime &now)
{
    const int untilNextSecond = 1000 - now.time().msec();
    m_timer.start(untilNextSecond + TickMarginMs);
}

void ClockWindow::updateTimes(const QDateTime &now)
{
    const QList<ColumnTick> ticks = m_zoneClocks->tick(now);
    for (const Column &column : m_columns) {
        const ColumnTick &tick = ticks[column.entry];
        if (column.face)
            column.face->setHands(tick.hands.second, tick.hands.minute, tick.hands.hour);
        if (column.time && tick.timeText)
            column.time->setText(*tick.timeText);
        nameForScreenReaders(column);
    }
}

void ClockWindow::nameForScreenReaders(const Column &column)
{
    // Every cell of a column says its city with what the column shows, so a screen reader that
    // lands on a time or a date also tells whose it is: "Tokyo, 07:35:21 AM, 07/12/2026".
    QString name = column.name;
    for (const CellLabel *cell : {column.time, column.date, column.oppositeDate}) {
        if (cell && !cell->text().isEmpty())
            name += u", "_s + cell->text();
    }
    for (QWidget *cell : std::initializer_list<QWidget *>{column.face, column.city, column.time,
                                                          column.date, column.oppositeDate}) {
        if (cell && cell->accessibleName() != name)
            cell->setAccessibleName(name);
    }
}

void ClockWindow::updateDates(const QDateTime &now)
{
    m_datesMinute = minuteOf(now);
    const QList<ColumnDates> dates = m_zoneClocks->dates(now);
    for (const Column &column : m_columns) {
        // A followed zone's tooltip tells its offset now, which changes with summer time.
        const std::optional<QString> tip = m_zoneClocks->cityToolTip(column.entry, now);
        if (tip && *tip != column.city->toolTip())
            column.city->setToolTip(*tip);
        if (column.date)
            column.date->setText(dates[column.entry].date);
        if (column.oppositeDate)
            column.oppositeDate->setText(dates[column.entry].oppositeDate);
        nameForScreenReaders(column);
    }
    m_dateRow->fit();
    m_oppositeDateRow->fit();
}

void ClockWindow::updateStacking()
{
    if (m_hiddenByMinimise) {
        m_hiddenByMinimise = false;
        showNormal();
    }
    const bool wanted = m_alwaysOnTop && !(m_dialogOpen && m_dialogOpen());
    if (wanted == m_onTop)
        return;
    m_onTop = wanted;
    // Change the flag on the native window only when the wanted state changes: re-applying
    // window flags makes windows flicker.
    if (QWindow *window = windowHandle()) {
        window->setFlag(Qt::WindowStaysOnTopHint, wanted);
        if (wanted)
            window->raise();
    } else {
        // The first tick runs before the window is shown: the flag goes with it when it is.
        setWindowFlag(Qt::WindowStaysOnTopHint, wanted);
    }
}
