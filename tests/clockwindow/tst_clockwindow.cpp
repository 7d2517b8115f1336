// What the clock window adds to its model parts, and the strip read under a dark theme.

#include "clockwindow/celllabel.h"
#include "clockwindow/clockwindow.h"
#include "clockwindow/stripcolours.h"
#include "clockwindow/striprow.h"
#include "settings/appfolder.h"
#include "settings/settingsstate.h"
#include "zonetime/zonetable.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLabel>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Cairo = u"Cairo!+02:00!EGY.bmp"_s;

SettingsState state(QStringList clocks, TimeFormat timeFormat = TimeFormat(3))
{
    SettingsState settings;
    settings.clockCount = qint16(clocks.size());
    settings.clockList = std::move(clocks);
    DisplayOptions &options = settings.displayOptions;
    options.displayClock = options.displayTime = true;
    options.displayDate = options.displayOppositeDate = true;
    options.timeFormat = timeFormat;
    options.dateFormat = options.oppositeDateFormat = DateFormat::YearMonthDay;
    options.oppositeDateShift = OppositeDateShift::None;
    return settings;
}

QStringList texts(const QWidget &window, const QString &name)
{
    QStringList found;
    for (const CellLabel *label : window.findChildren<CellLabel *>(name))
        found.append(label->text());
    return found;
}

/// What is wrong with a grabbed cell on `background`, or nothing: ink (more than a smoothed edge's
/// tint) on the clear pixel inside its border, no ink, or ink that hardly stands out.
QString cellFaults(const QImage &cell, QColor background)
{
    const int right = cell.width() - 2;
    const int bottom = cell.height() - 2;
    double contrast = 1;
    for (int y = 1; y <= bottom; ++y) {
        for (int x = 1; x <= right; ++x) {
            const QColor pixel = cell.pixelColor(x, y);
            const bool ink = std::max({qAbs(pixel.red() - background.red()),
                                       qAbs(pixel.green() - background.green()),
                                       qAbs(pixel.blue() - background.blue())}) > 24;
            if (ink && (x == 1 || x == right || y == 1 || y == bottom))
                return u"ink at %1,%2"_s.arg(x).arg(y);
            contrast = qMax(contrast, StripColours::contrastRatio(pixel, background));
        }
    }
    // No text at all contrasts 1; the guidelines ask 4.5 of small text, dark on pale gives more.
    return contrast < 7 ? u"text contrasts %1 : 1"_s.arg(contrast) : QString();
}

} // namespace

class TestClockWindow final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QDateTime m_now;
    bool m_dialogOpen = false;

    AppFolder folder() const { return AppFolder(m_dir.path()); }

    std::unique_ptr<ClockWindow> makeWindow(const SettingsState &settings)
    {
        return std::make_unique<ClockWindow>(settings, folder(), Clock([this] { return m_now; }),
                                             ZoneTable(), [this] { return m_dialogOpen; });
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QFile(folder().settingsFile()).open(QIODevice::WriteOnly); // without one nothing ticks
    }
    void init() { m_now = QDateTime(QDate(2024, 7, 7), QTime(14, 5, 9), Qt::UTC); }

    void oneTickUpdatesEveryColumn()
    {
        // Midnight in Riyadh: the tick that brings it turns every column's time, and its date.
        m_now = QDateTime(QDate(2024, 7, 6), QTime(20, 59, 59), Qt::UTC);
        const auto window = makeWindow(state({Cairo, u"Riyadh!+03:00!SAU.bmp"_s}));
        QCOMPARE(texts(*window, u"timeLabel"_s), (QStringList{u"22:59:59"_s, u"23:59:59"_s}));
        m_now = m_now.addSecs(1);
        window->tick();
        QCOMPARE(texts(*window, u"timeLabel"_s), (QStringList{u"23:00:00"_s, u"00:00:00"_s}));
        QCOMPARE(texts(*window, u"dateLabel"_s), (QStringList{u"2024/07/06"_s, u"2024/07/07"_s}));
        QCOMPARE(texts(*window, u"oppositeDateLabel"_s)[1], u"1446/01/01"_s);
        // Every cell tells a screen reader its city with what the column shows now.
        for (const char *cell : {"clockFace", "cityLabel", "timeLabel", "dateLabel"}) {
            QCOMPARE(window->findChildren<QWidget *>(QLatin1StringView(cell))[1]->accessibleName(),
                     u"Riyadh, 00:00:00, 2024/07/07, 1446/01/01"_s);
        }
    }

    void computerClockJumps_data()
    {
        QTest::addColumn<QDateTime>("to");
        // Cairo's time, date and opposite date; a date before its calendar's first year or after
        // 9999 shows nothing.
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("an hour back")
            << QDateTime(QDate(2024, 7, 7), QTime(13, 5, 9, 900), Qt::UTC)
            << QStringList{u"15:05:09"_s, u"2024/07/07"_s, u"1446/01/01"_s};
        QTest::newRow("to the year 1") << QDateTime(QDate(1, 1, 1), QTime(0, 0, 0, 900), Qt::UTC)
                                       << QStringList{u"02:00:00"_s, u"0001/01/01"_s, QString()};
        QTest::newRow("past the year 9999")
            << QDateTime(QDate(9999, 12, 31), QTime(23, 0, 0, 900), Qt::UTC)
            << QStringList{u"01:00:00"_s, QString(), u"9666/04/04"_s};
    }
    void computerClockJumps()
    {
        QFETCH(QDateTime, to);
        QFETCH(QStringList, shown);
        const auto window = makeWindow(state({Cairo}));
        const auto texts3 = [&] {
            return texts(*window, u"timeLabel"_s) + texts(*window, u"dateLabel"_s) +
                   texts(*window, u"oppositeDateLabel"_s);
        };
        const QStringList before = texts3();
        const QDateTime start = m_now;
        m_now = to;
        window->tick();
        QCOMPARE(texts3(), shown);
        // The window's own timer, armed for the next second of the new reading, ticks in time.
        m_now = m_now.addSecs(1);
        const QString next = QTime::fromString(shown[0]).addSecs(1).toString(u"HH:mm:ss"_s);
        QTRY_COMPARE_WITH_TIMEOUT(texts(*window, u"timeLabel"_s), QStringList{next}, 1000);
        // Set back, the clock shows its old reading again, dates and all.
        m_now = start;
        window->tick();
        QCOMPARE(texts3(), before);
    }

    void tickRepaintsLeaveWhatAFreshWindowShows()
    {
        // A tick repaints only what changed: the screen then shows what a window built anew shows.
        const auto screenOf = [](ClockWindow &window) {
            window.show();
            if (!QTest::qWaitForWindowExposed(&window))
                return QImage();
            QCoreApplication::processEvents();
            return window.screen()->grabWindow(window.winId()).toImage();
        };
        const SettingsState settings = state({Cairo, u"Delhi!+05:30!IND.bmp"_s}, TimeFormat(2));
        m_now.setTime(QTime(9, 58, 59));
        const auto ticking = makeWindow(settings);
        QVERIFY(!screenOf(*ticking).isNull());
        // A second, a minute, an hour, and AM turning to PM in Cairo.
        for (const QTime time : {QTime(9, 59, 0), QTime(9, 59, 1), QTime(10, 0, 0),
                                 QTime(11, 59, 59), QTime(12, 0, 0)}) {
            m_now.setTime(time);
            ticking->tick();
            const QImage shown = screenOf(*ticking);
            QCOMPARE(shown, screenOf(*makeWindow(settings)));
        }
    }

    void withoutClocksOrTrayIconALauncherOpensTheMenu()
    {
        SettingsState settings = state({});
        settings.displayOptions.hideSysTrayIcon = true;
        const auto window = makeWindow(settings);
        window->showAt(QPoint(0, 0));
        auto *launcher = window->findChild<QWidget *>(u"menuLauncher"_s);
        QVERIFY(!window->isVisible() && launcher && launcher->isVisible());
        QSignalSpy menu(window.get(), &ClockWindow::menuRequested);
        QTest::mouseClick(launcher, Qt::LeftButton);
        QCOMPARE(menu.size(), 1);
    }

    void columnsNoWindowCanShowAreNotBuilt()
    {
        // A window is at most 32767 pixels wide; a line that is no city takes no column.
        QStringList clocks{u"no city"_s};
        for (int i = 0; i < ClockGeometry::MaxColumns + 5; ++i)
            clocks.append(i % 2 ? Cairo : u"Lima!-05:00!PER.bmp"_s);
        const auto window = makeWindow(state(clocks));
        m_now = m_now.addSecs(1);
        window->tick();
        const QStringList times = texts(*window, u"timeLabel"_s);
        QCOMPARE(times.size(), ClockGeometry::MaxColumns);
        QCOMPARE(times.first() + times.last(), u"09:05:1016:05:10"_s);
    }

    void closingMinimisesStackingAndTheMenuKeys()
    {
        SettingsState settings = state({Cairo});
        settings.displayOptions.alwaysOnTop = true;
        const auto window = makeWindow(settings);
        window->showAt(QPoint(10, 20));
        // The menu from the keyboard, at the window: Menu and Shift+F10, not F10 or Ctrl+Shift+F10.
        QSignalSpy menu(window.get(), &ClockWindow::menuRequested);
        QTest::keyClick(window.get(), Qt::Key_Menu);
        QTest::keyClick(window.get(), Qt::Key_F10);
        QTest::keyClick(window.get(), Qt::Key_F10, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(menu.size(), 1);
        QTest::keyClick(window.get(), Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(menu.size(), 2);
        QCOMPARE(menu[1][0].toPoint(), QPoint(10, 20));
        // Asked to close (Alt+F4), the window hides as a minimised one does, until the next tick.
        QCloseEvent close;
        QCoreApplication::sendEvent(window->windowHandle(), &close);
        QVERIFY(!close.isAccepted() && window->windowHandle()->handle() && window->isHidden());
        m_dialogOpen = true; // the program's dialog stays above the window
        window->tick();
        QVERIFY(window->isVisible() && !window->isMinimized() && window->pos() == QPoint(10, 20));
        QVERIFY(!window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        m_dialogOpen = false;
        window->tick();
        QVERIFY(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void stripReadsUnderADarkThemeAndALargeFont_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("points");
        QTest::newRow("German, 11 pt") << QLocale(QLocale::German, QLocale::Germany) << 11;
        QTest::newRow("Spanish, 14 pt") << QLocale(QLocale::Spanish, QLocale::Spain) << 14;
        QTest::newRow("Arabic, 12 pt") << QLocale(QLocale::Arabic, QLocale::Egypt) << 12;
    }
    void stripReadsUnderADarkThemeAndALargeFont()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, points);
        const QPalette light = QApplication::palette();
        const QFont desktop = QApplication::font();
        QApplication::setPalette(QPalette(QColor(42, 46, 50))); // light text on dark windows
        QFont large = desktop;
        large.setPointSize(points);
        QApplication::setFont(large);
        QLocale::setDefault(locale);
        const auto restore = qScopeGuard([&] {
            QApplication::setPalette(light);
            QApplication::setFont(desktop);
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        });
        // 12:00:01 PM is the longest Spanish time; long dates, long names.
        m_now.setTime(QTime(10, 0, 1));
        SettingsState settings =
            state({u"Los Angeles!-08:00!EGY.bmp"_s, Cairo, u"Wellington!+12:00!XXX.bmp"_s},
                  TimeFormat(2));
        settings.displayOptions.dateFormat = DateFormat::Long;
        settings.displayOptions.oppositeDateFormat = DateFormat::Long;
        const auto window = makeWindow(settings);
        const QMap<QString, QColor> rowColours{{u"cityLabel"_s, QColor(239, 239, 239)},
                                               {u"timeLabel"_s, QColor(255, 255, 192)},
                                               {u"dateLabel"_s, QColor(192, 255, 255)},
                                               {u"oppositeDateLabel"_s, QColor(192, 255, 192)}};
        for (CellLabel *cell : window->findChildren<CellLabel *>()) {
            const QString faults =
                cellFaults(cell->grab().toImage(), rowColours.value(cell->objectName()));
            QVERIFY2(faults.isEmpty(), qPrintable(cell->text() + u": "_s + faults));
            QVERIFY2(!cell->isElided(), qPrintable(cell->text()));
        }
    }

    void wheelLooksAheadUntilAClickOrEscape()
    {
        const auto window = makeWindow(state({Cairo}, TimeFormat(2)));
        QWidget *face = window->findChild<QWidget *>(u"clockFace"_s);
        auto *time = window->findChild<CellLabel *>(u"timeLabel"_s);
        const QLabel *badge = window->findChild<QLabel *>(u"lookAheadBadge"_s);
        const auto turn = [&](int notches, Qt::KeyboardModifiers modifiers) {
            QWheelEvent wheel({5, 5}, face->mapToGlobal(QPointF(5, 5)), {}, {0, 120 * notches},
                              Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(face, &wheel);
        };
        const auto shows = [&](const QString &offset, const QString &copy) {
            QCOMPARE(badge->isVisibleTo(window.get()), !offset.isEmpty());
            if (!offset.isEmpty())
                QCOMPARE(badge->text(), offset);
            QCOMPARE(time->grab().toImage().pixelColor(3, 3),
                     offset.isEmpty() ? QColor(255, 255, 192) : QColor(255, 208, 160));
            QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), copy);
        };
        turn(2, Qt::NoModifier);
        turn(1, Qt::ShiftModifier);
        shows(u"+1 h 30"_s, u"Cairo  05:35:09 PM  2024/07/07  1446/01/01"_s);
        turn(-1, Qt::ControlModifier);
        shows(u"\u221222 h 30"_s, u"Cairo  05:35:09 PM  2024/07/06  1445/12/30"_s);
        QTest::keyClick(window.get(), Qt::Key_Escape);
        shows(QString(), u"Cairo  04:05:09 PM  2024/07/07  1446/01/01"_s);
        turn(1, Qt::NoModifier);
        QTest::mouseClick(face, Qt::LeftButton);
        shows(QString(), u"Cairo  04:05:09 PM  2024/07/07  1446/01/01"_s);
    }

    void rowsOfChangingSingleLinesDrawFromPieces()
    {
        const auto pieces = [](StripRow::Kind kind) {
            return StripRow(kind, QApplication::font(), Qt::white).pieces() != nullptr;
        };
        QVERIFY(pieces(StripRow::Kind::Ticking) && pieces(StripRow::Kind::Dates));
        QVERIFY(!pieces(StripRow::Kind::Names) && !pieces(StripRow::Kind::LongDates));
    }
};

QTEST_MAIN(TestClockWindow)
#include "tst_clockwindow.moc"
