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
#include "zonetime/clocklines.h"
#include "zonetime/hands.h"
#include "zonetime/rowtexts.h"
#include "zonetime/zoneclockset.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

// Long enough to tell a pause in a drag from its end, short enough that the place is kept
// before the user turns to something else.
constexpr std::chrono::milliseconds DragSettleTime{500};

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

/// The settings with no more clock entries than make the columns a window can be wide enough to
/// show: the rest would cost memory and a tick each second for nothing.
SettingsState withShowableClocks(SettingsState settings)
{
    int columns = 0;
    for (qsizetype index = 0; index < settings.clockList.size(); ++index) {
        if (CityEntry::fromLine(settings.clockList[index]) &&
            ++columns > ClockGeometry::MaxColumns) {
            settings.clockList.resize(index);
            break;
        }
    }
    return settings;
}

/// The minutes one notch of the wheel moves the clocks with `modifiers` held.
int wheelStep(Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ControlModifier)
        return LookAhead::Day;
    return modifiers & Qt::ShiftModifier ? LookAhead::Hour : LookAhead::QuarterHour;
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

ClockWindow::ClockWindow(const SettingsState &allSettings, const AppFolder &folder,
                         const Clock &clock, const ZoneTable &zones, DialogOpenQuery dialogOpen,
                         QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool)
    , m_clock(clock)
    , m_dialogOpen(std::move(dialogOpen))
    , m_alwaysOnTop(allSettings.displayOptions.alwaysOnTop)
    , m_hideTrayIcon(allSettings.displayOptions.hideSysTrayIcon)
    , m_settingsFileExists(QFileInfo::exists(folder.settingsFile()))
{
    setObjectName(u"clockWindow"_s);
    setWindowTitle(u"Kerani"_s);
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, StripColours::Window);
    setPalette(colours);
    setAutoFillBackground(true);

    const SettingsState settings = withShowableClocks(allSettings);
    const QDateTime builtAt = m_clock.now();
    m_zoneClocks = std::make_unique<ZoneClockSet>(settings, QLocale(), builtAt, zones);
    m_handSprites = std::make_unique<HandSprites>();
    buildColumns(settings, folder, builtAt);
    buildStrip(settings.displayOptions);
    setFixedSize(m_layout.windowSize.expandedTo(QSize(1, 1)));
    m_aheadBadge = new QLabel(this);
    m_aheadBadge->setObjectName(u"lookAheadBadge"_s);
    // Its own pale colours, whatever the desktop's palette.
    QPalette badgeColours = m_aheadBadge->palette();
    badgeColours.setColor(QPalette::Window, StripColours::AheadTimeRow);
    badgeColours.setColor(QPalette::WindowText,
                          StripColours::textColourOn(StripColours::AheadTimeRow));
    m_aheadBadge->setPalette(badgeColours);
    m_aheadBadge->setAutoFillBackground(true);
    m_aheadBadge->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_aheadBadge->setMargin(1);
    m_aheadBadge->hide();
    watch(m_aheadBadge);

    m_returnTimer.setSingleShot(true);
    connect(&m_returnTimer, &QTimer::timeout, this, &ClockWindow::returnTimerElapsed);

    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ClockWindow::tick);
    m_dragSettle.setSingleShot(true);
    m_dragSettle.setInterval(DragSettleTime);
    connect(&m_dragSettle, &QTimer::timeout, this, &ClockWindow::finishDrag);
    connect(this, &ClockWindow::moveRequested, this, &ClockWindow::startDrag);
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
    QHash<QString, QPixmap> flagPictures; // one picture per flag file, shared by its columns

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

        // Each column's elements lie in a see-through box of their own: a paint then walks a few
        // boxes and, inside one, a few elements, instead of a window of thousands of siblings.
        QRect bounds = place.face | place.cityLabel | place.timeLabel | place.dateLabel |
                       place.oppositeDateLabel;
        auto *box = new QWidget(this);
        box->setObjectName(u"clockColumn"_s);
        box->setGeometry(bounds);
        const QPoint origin = bounds.topLeft();

        // Labels lie beneath the faces and flags: create them first.
        column.city = new CellLabel(u"cityLabel"_s, *m_cityRow, box);
        column.city->setGeometry(place.cityLabel.translated(-origin));
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
            auto *label = new CellLabel(name, row, box);
            label->setGeometry(rect.translated(-origin));
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
            column.face = new FaceWidget(*m_facePicture, hands, *m_handSprites, box);
            column.face->setGeometry(place.face.translated(-origin));
            watch(column.face);
        }

        if (flag) {
            auto found = flagPictures.constFind(*flag);
            if (found == flagPictures.constEnd())
                found =
                    flagPictures.insert(*flag, QPixmap::fromImage(FlagFolder::loadPicture(*flag)));
            if (!found->isNull()) {
                auto *flagBox = new FlagBox(*found, box);
                flagBox->setGeometry(place.flag.translated(-origin));
                watch(flagBox);
            }
        }
        m_columns.append(column);
    }
    m_cityRow->fit();
    m_timeRow->fit(timeSamples(options.timeFormat));
    m_aheadTimeRow = m_timeRow->recoloured(StripColours::AheadTimeRow);
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
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == Qt::RightButton) {
            // The menu may copy the looked-ahead times: the wait starts again.
            if (m_lookAhead.isActive()) {
                m_lookAhead.hold(m_clock.now());
                m_returnTimer.start(LookAhead::ReturnAfterMs);
            }
            Q_EMIT menuRequested(press->globalPosition().toPoint());
            return true;
        }
        if (leftButton(*press))
            return true;
        break;
    }
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        if (leftButton(*static_cast<QMouseEvent *>(event)))
            return true;
        break;
    case QEvent::Wheel:
        turnWheel(*static_cast<QWheelEvent *>(event));
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool ClockWindow::leftButton(const QMouseEvent &event)
{
    const QPoint at = event.globalPosition().toPoint();
    if (event.type() == QEvent::MouseButtonPress) {
        if (event.button() != Qt::LeftButton)
            return false;
        if (!m_lookAhead.isActive()) {
            Q_EMIT moveRequested();
            return true;
        }
        m_clickStart = at;
        return true;
    }
    if (!m_clickStart)
        return false;
    if (event.type() == QEvent::MouseMove) {
        if ((at - *m_clickStart).manhattanLength() < QApplication::startDragDistance())
            return true;
        m_clickStart.reset();
        Q_EMIT moveRequested(); // a drag: the window moves and the clocks stay ahead
        return true;
    }
    m_clickStart.reset();
    backToNow();
    return true;
}

void ClockWindow::wheelEvent(QWheelEvent *event)
{
    turnWheel(*event);
}

void ClockWindow::turnWheel(const QWheelEvent &event)
{
    // Some systems turn a wheel with Shift held into a sideways one.
    const QPoint angle = event.angleDelta();
    const int turn = angle.y() != 0 ? angle.y() : angle.x();
    const QDateTime now = m_clock.now();
    const bool moved = m_lookAhead.turn(turn, wheelStep(event.modifiers()), now);
    if (m_lookAhead.isActive())
        m_returnTimer.start(LookAhead::ReturnAfterMs);
    else
        m_returnTimer.stop();
    if (moved)
        showLookAhead();
}

void ClockWindow::backToNow()
{
    m_clickStart.reset();
    m_returnTimer.stop();
    if (m_lookAhead.reset())
        showLookAhead();
}

void ClockWindow::returnTimerElapsed()
{
    const QDateTime now = m_clock.now();
    // An open menu keeps the clocks where they are: it may be about to copy them.
    if (QApplication::activePopupWidget())
        m_lookAhead.hold(now);
    if (m_lookAhead.expire(now)) {
        showLookAhead();
        return;
    }
    // The timer and the computer clock disagree by a little: look again shortly.
    constexpr int RecheckMs = 500;
    if (m_lookAhead.isActive())
        m_returnTimer.start(RecheckMs);
}

void ClockWindow::showLookAhead()
{
    const bool ahead = m_lookAhead.isActive();
    for (const Column &column : m_columns) {
        if (column.time)
            column.time->setRow(ahead ? *m_aheadTimeRow : *m_timeRow);
    }
    if (ahead) {
        const QString offset = LookAhead::offsetText(m_lookAhead.minutes());
        setToolTip(tr("The clocks show %1 from now. Click or press Esc to see now.").arg(offset));
        m_aheadBadge->setText(offset);
        placeAheadBadge();
        m_aheadBadge->setToolTip(toolTip());
    } else {
        setToolTip(QString());
        m_aheadBadge->hide();
    }
    if (m_settingsFileExists) {
        const QDateTime shown = m_lookAhead.shown(m_clock.now());
        updateTimes(shown);
        updateDates(shown);
    }
}

void ClockWindow::placeAheadBadge()
{
    // A font as large as the desktop's that still fits the window.
    QFont badgeFont = font();
    m_aheadBadge->setFont(badgeFont);
    constexpr qreal SmallestPoints = 6;
    while (m_aheadBadge->sizeHint().width() > width() && badgeFont.pointSizeF() > SmallestPoints) {
        badgeFont.setPointSizeF(qMax(SmallestPoints, badgeFont.pointSizeF() - 1));
        m_aheadBadge->setFont(badgeFont);
    }
    m_aheadBadge->resize(m_aheadBadge->sizeHint().boundedTo(size()));
    m_aheadBadge->move(0, 0);
    m_aheadBadge->show();
    m_aheadBadge->raise();
}

QString ClockWindow::timesText() const
{
    QStringList lines;
    for (const ClockFields &fields : clockFields(*m_zoneClocks, m_lookAhead.shown(m_clock.now())))
        lines.append(copyLine(fields));
    return lines.join(u'\n');
}

void ClockWindow::copyTimes() const
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(timesText());
}

void ClockWindow::changeEvent(QEvent *event)
{
    // A minimised clock window hides; the next tick shows it again.
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        m_hiddenByMinimise = true;
        QMetaObject::invokeMethod(this, &ClockWindow::hideIfMinimised, Qt::QueuedConnection);
    }
    QWidget::changeEvent(event);
}

void ClockWindow::hideIfMinimised()
{
    // Restored in the meantime (from the menu): it stays.
    if (isMinimized())
        hide();
}

void ClockWindow::closeEvent(QCloseEvent *event)
{
    // Closed, the window would be gone with nothing to bring it back when there is no tray: a
    // close request (Alt+F4, the window manager's close) hides it as minimising does, until the
    // next tick or the menu. It hides at once rather than asking the window manager to minimise
    // it, whose answer could come after the menu has shown the window again.
    event->ignore();
    m_hiddenByMinimise = true;
    hide();
}

void ClockWindow::keyPressEvent(QKeyEvent *event)
{
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey) {
        event->accept();
        Q_EMIT menuRequested(mapToGlobal(QPoint(0, 0)));
    } else if (event->matches(QKeySequence::Copy)) {
        event->accept();
        copyTimes();
    } else if (event->key() == Qt::Key_Escape && m_lookAhead.isActive()) {
        event->accept();
        backToNow();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void ClockWindow::restore()
{
    m_hiddenByMinimise = false;
    // Without clocks there is nothing to bring back; the launcher stands in for the window.
    if (!m_columns.isEmpty() && (isHidden() || isMinimized()))
        showNormal();
}

void ClockWindow::setDragSettleTime(std::chrono::milliseconds time)
{
    m_dragSettle.setInterval(time);
}

void ClockWindow::startDrag()
{
    if (!m_dragged) {
        m_dragged = true;
        m_restingPlace = pos();
    }
    if (QWindow *window = windowHandle())
        window->startSystemMove();
}

void ClockWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // Moves before the first press are the window's own placing, or the window manager's.
    if (m_dragged)
        m_dragSettle.start();
}

void ClockWindow::finishDrag()
{
    if (pos() == m_restingPlace)
        return;
    m_restingPlace = pos();
    Q_EMIT dragFinished(m_restingPlace);
}

void ClockWindow::showAt(const QPoint &topLeft)
{
    move(topLeft);
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
    const bool trayIconShows = !m_hideTrayIcon && QSystemTrayIcon::isSystemTrayAvailable();
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
    const QDateTime shown = m_lookAhead.shown(now);
    updateTimes(shown);
    // Dates are remade after every build and whenever the shown minute changes, so a zone
    // passing midnight shows its new date within a minute even when a tick came late.
    if (minuteOf(shown) != m_datesMinute)
        updateDates(shown);
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
