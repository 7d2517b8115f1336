#include "clockwindow/celllabel.h"
#include "clockwindow/clockwindow.h"
#include "clockwindow/facewidget.h"
#include "clockwindow/stripcolours.h"
#include "settings/appfolder.h"
#include "settings/settingsstate.h"
#include "zonetime/zonetable.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QColor Key(255, 0, 255);

/// An application folder with a settings file, a round test face and one flag.
class TestFolder {
public:
    TestFolder()
    {
        QDir root(m_dir.path());
        root.mkdir(u"clocks"_s);
        root.mkdir(u"flags"_s);
        QFile ini(folder().settingsFile());
        (void)ini.open(QIODevice::WriteOnly);

        QImage face(78, 78, QImage::Format_RGB32);
        face.fill(Key);
        QPainter painter(&face);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRect(1, 1, 75, 75));
        painter.end();
        face.save(folder().clocksFolder() + u"/clk01.bmp"_s);

        QImage flag(16, 11, QImage::Format_RGB32);
        flag.fill(Qt::green);
        flag.save(folder().flagsFolder() + u"/EGY.bmp"_s);
    }
    AppFolder folder() const { return AppFolder(m_dir.path()); }

private:
    QTemporaryDir m_dir;
};

SettingsState state(QStringList clocks, qint16 timeFormat = 3)
{
    SettingsState settings;
    settings.localCity = u"Home!+00:00!EGY.bmp"_s;
    settings.clockCount = qint16(clocks.size());
    settings.clockList = std::move(clocks);
    DisplayOptions &options = settings.displayOptions;
    options.displayClock = true;
    options.displayTime = true;
    options.displayDate = true;
    options.displayOppositeDate = true;
    options.timeFormat = TimeFormat(timeFormat);
    options.dateFormat = DateFormat::YearMonthDay;
    options.oppositeDateFormat = DateFormat::YearMonthDay;
    options.oppositeDateShift = OppositeDateShift::None;
    options.background = BackgroundKind::None;
    return settings;
}

/// Where an element of the window lies, in window pixels.
QRect inWindow(const QWidget *element)
{
    return {element->mapTo(element->window(), QPoint()), element->size()};
}

QStringList labelTexts(const QWidget &window, const QString &name)
{
    QStringList texts;
    for (const CellLabel *label : window.findChildren<CellLabel *>(name))
        texts.append(label->text());
    return texts;
}

/// The row colour behind a cell of the strip.
QColor rowColour(const QString &cellName)
{
    if (cellName == u"cityLabel"_s)
        return StripColours::CityRow;
    if (cellName == u"timeLabel"_s)
        return StripColours::TimeRow;
    return cellName == u"dateLabel"_s ? StripColours::DateRow : StripColours::OppositeDateRow;
}

/// Whether a pixel shows ink on `background`: a tint of a few levels where a glyph's smoothed
/// edge brushes a pixel is no ink, a cut stroke is.
bool isInk(QRgb pixel, QColor background)
{
    constexpr int VisibleLevels = 24;
    return qAbs(qRed(pixel) - background.red()) > VisibleLevels ||
           qAbs(qGreen(pixel) - background.green()) > VisibleLevels ||
           qAbs(qBlue(pixel) - background.blue()) > VisibleLevels;
}

/// What is wrong with a grabbed cell, or nothing: ink in the clear pixel inside its border (the
/// text touches the border or is cut by it) or at `textRight` (a flag lies beyond), no ink at
/// all, or ink that hardly stands out from the row colour.
QString cellFaults(const QImage &cell, QColor background, int textRight)
{
    const int right = cell.width() - 2;
    const int bottom = cell.height() - 2;
    double contrast = 1;
    for (int y = 1; y <= bottom; ++y) {
        for (int x = 1; x <= right; ++x) {
            const QRgb pixel = cell.pixel(x, y) & 0xFFFFFF;
            const bool ring = x == 1 || x == right || y == 1 || y == bottom || x == textRight;
            if (ring && isInk(pixel, background))
                return u"ink at %1,%2"_s.arg(x).arg(y);
            contrast = qMax(contrast, StripColours::contrastRatio(QColor(pixel), background));
        }
    }
    if (contrast == 1)
        return u"no text"_s;
    // The guidelines ask 4.5 of small text; the strip's dark text on pale rows gives far more.
    return contrast < 7 ? u"text contrasts %1 : 1"_s.arg(contrast) : QString();
}

} // namespace

class TestClockWindow final : public QObject {
    Q_OBJECT

    TestFolder m_folder;
    QDateTime m_now;

    std::unique_ptr<ClockWindow> makeWindow(const SettingsState &settings,
                                            const ZoneTable &zones = {})
    {
        return std::make_unique<ClockWindow>(settings, m_folder.folder(),
                                             Clock([this] { return m_now; }), zones,
                                             [] { return false; });
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() { m_now = QDateTime(QDate(2024, 7, 7), QTime(14, 5, 9), Qt::UTC); }

    void elementsArePlacedByTheLayout()
    {
        const auto window =
            makeWindow(state({u"Cairo!+02:00!EGY.bmp"_s, u"Lima!-05:00!PER.bmp"_s}));
        QCOMPARE(window->size(), QSize(156, 144));
        const QList<CellLabel *> times = window->findChildren<CellLabel *>(u"timeLabel"_s);
        QCOMPARE(times.size(), 2);
        QCOMPARE(inWindow(times[1]), QRect(77, 94, 79, 17));
        QCOMPARE(window->findChildren<QWidget *>(u"clockFace"_s).size(), 2);
        // Peru has no flag in the folder: its column simply has none.
        const QList<QWidget *> flags = window->findChildren<QWidget *>(u"flagBox"_s);
        QCOMPARE(flags.size(), 1);
        QCOMPARE(inWindow(flags[0]), QRect(58, 80, 18, 13));
        const auto *city = window->findChildren<CellLabel *>(u"cityLabel"_s).at(0);
        QCOMPARE(city->text(), u"Cairo"_s);
        QCOMPARE(city->toolTip(), u"Cairo (+02:00)"_s);
    }

    void shortClockEntriesGetNoColumn()
    {
        const auto window = makeWindow(state({u"00"_s, u"Cairo!+02:00!EGY.bmp"_s}));
        QCOMPARE(window->findChildren<CellLabel *>(u"cityLabel"_s).size(), 1);
        QCOMPARE(window->width(), 78);
    }

    void timeTexts_data()
    {
        QTest::addColumn<qint16>("format");
        QTest::addColumn<QTime>("utc");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("AM/PM") << qint16(0) << QTime(14, 5, 9)
                               << QStringList{u"04:05 PM"_s, u"09:35 PM"_s};
        QTest::newRow("24Hour") << qint16(1) << QTime(14, 5, 9)
                                << QStringList{u"16:05"_s, u"21:35"_s};
        QTest::newRow("Long AM/PM")
            << qint16(2) << QTime(14, 5, 9) << QStringList{u"04:05:09 PM"_s, u"09:35:09 PM"_s};
        QTest::newRow("Long 24Hour")
            << qint16(3) << QTime(14, 5, 9) << QStringList{u"16:05:09"_s, u"21:35:09"_s};
        QTest::newRow("just after midnight, AM/PM")
            << qint16(0) << QTime(22, 5, 0) << QStringList{u"12:05 AM"_s, u"05:35 AM"_s};
    }
    void timeTexts()
    {
        QFETCH(qint16, format);
        QFETCH(QTime, utc);
        m_now.setTime(utc);
        // Two zones 5 h 30 min apart tick in the same pass.
        const auto window =
            makeWindow(state({u"Cairo!+02:00!EGY.bmp"_s, u"Delhi!+07:30!IND.bmp"_s}, format));
        QTEST(labelTexts(*window, u"timeLabel"_s), "texts");
    }

    void ticksJustAfterEverySecond()
    {
        m_now = QDateTime(QDate(2024, 7, 7), QTime(10, 0, 0, 250), Qt::UTC);
        const auto window = makeWindow(state({u"Cairo!+02:00!EGY.bmp"_s}));
        QVERIFY(window->isTicking());
        m_now = m_now.addMSecs(760);
        window->tick();
        QCOMPARE(labelTexts(*window, u"timeLabel"_s), QStringList{u"12:00:01"_s});
        window->stopTicking();
        QVERIFY(!window->isTicking());
    }

    void datesFollowTheMinute()
    {
        m_now = QDateTime(QDate(2024, 7, 6), QTime(21, 59, 59), Qt::UTC);
        const auto window = makeWindow(state({u"Cairo!+02:00!EGY.bmp"_s}));
        QCOMPARE(labelTexts(*window, u"dateLabel"_s), QStringList{u"2024/07/06"_s});
        QCOMPARE(labelTexts(*window, u"oppositeDateLabel"_s), QStringList{u"1445/12/30"_s});
        // Midnight in Cairo: the next tick falls in a new minute of the computer's clock.
        m_now = m_now.addSecs(1);
        window->tick();
        QCOMPARE(labelTexts(*window, u"dateLabel"_s), QStringList{u"2024/07/07"_s});
        QCOMPARE(labelTexts(*window, u"oppositeDateLabel"_s), QStringList{u"1446/01/01"_s});
    }

    void followDstChangesTimesDatesAndTooltips()
    {
        // The computer in Berlin; a second before New York leaves summer time, 02:00 there. The
        // zone table puts Home in Riyadh's zone.
        const QTimeZone berlin("Europe/Berlin");
        m_now = QDateTime(QDate(2024, 11, 3), QTime(5, 59, 59), Qt::UTC).toTimeZone(berlin);
        SettingsState settings = state({u"New York!-05:00!USA.bmp"_s, u"Home!+03:00!XXX.bmp"_s});
        settings.displayOptions.followDst = true;
        const auto window =
            makeWindow(settings, ZoneTable::fromText(u"Home!+03:00!XXX.bmp\tAsia/Riyadh"_s));
        const auto tips = [&window] {
            QStringList texts;
            for (const CellLabel *label : window->findChildren<CellLabel *>(u"cityLabel"_s))
                texts.append(label->toolTip());
            return texts;
        };
        const QString home = u"Home (+03:00, now +03:00 Asia/Riyadh)\n+2 h"_s;
        QCOMPARE(labelTexts(*window, u"timeLabel"_s), (QStringList{u"01:59:59"_s, u"08:59:59"_s}));
        QCOMPARE(labelTexts(*window, u"dateLabel"_s),
                 (QStringList{u"2024/11/03"_s, u"2024/11/03"_s}));
        QCOMPARE(tips(), (QStringList{u"New York (-05:00, now -04:00 America/New_York)\n"
                                      u"\u22125 h\n"
                                      u"Clocks go back on Sun 3 Nov 2024 at 02:00, to -05:00"_s,
                                      home}));

        m_now = m_now.addSecs(1);
        window->tick();
        QCOMPARE(labelTexts(*window, u"timeLabel"_s), (QStringList{u"01:00:00"_s, u"09:00:00"_s}));
        QCOMPARE(
            tips(),
            (QStringList{u"New York (-05:00, now -05:00 America/New_York)\n\u22126 h"_s, home}));
    }

    void handsAreDrawnFromTheTables()
    {
        // 12:15:30 at the clock: second hand to (38, 68), minute hand to (68, 38).
        m_now.setTime(QTime(10, 15, 30));
        const auto window = makeWindow(state({u"Cairo!+02:00!EGY.bmp"_s}));
        auto *face = window->findChild<FaceWidget *>(u"clockFace"_s);
        QVERIFY(face);
        const QImage picture = face->grab().toImage();
        QCOMPARE(QColor(picture.pixel(38, 66)), QColor(255, 0, 0));
        QCOMPARE(QColor(picture.pixel(66, 38)), QColor(0, 0, 0));
        // The key-coloured corner is outside the face's shape.
        QVERIFY(!face->mask().isEmpty());
        QVERIFY(!face->mask().contains(QPoint(0, 0)));
        QVERIFY(face->mask().contains(QPoint(38, 38)));
    }

    void darkStylesHaveGreyHands()
    {
        SettingsState settings = state({u"Cairo!+02:00!EGY.bmp"_s});
        settings.displayOptions.faceStyle = FaceStyle::Style3; // no such face file: a blank face
        m_now.setTime(QTime(10, 15, 30));
        const auto window = makeWindow(settings);
        auto *face = window->findChild<FaceWidget *>(u"clockFace"_s);
        QVERIFY(face->mask().isEmpty());
        const QImage picture = face->grab().toImage();
        QCOMPARE(QColor(picture.pixel(66, 38)), QColor(159, 159, 159));
        QCOMPARE(QColor(picture.pixel(2, 2)), QColor(Qt::white));
    }

    void stripBackgrounds_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QColor>("top");
        QTest::addColumn<QColor>("bottom");
        QTest::newRow("solid") << u"sld"_s << u"backgroundStrip"_s << QColor(0, 0, 255)
                               << QColor(0, 0, 255);
        QTest::newRow("two colours")
            << u"grt2"_s << u"backgroundStrip"_s << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("one colour")
            << u"grt1"_s << u"backgroundStrip"_s << QColor(252, 0, 0) << QColor(255 - 3 * 78, 0, 0);
        QTest::newRow("unknown kind")
            << u"xyz"_s << u"backgroundStrip"_s << QColor(Qt::white) << QColor(Qt::white);
    }
    void stripBackgrounds()
    {
        QFETCH(QString, kind);
        QFETCH(QString, objectName);
        SettingsState settings = state({u"Cairo!+02:00!EGY.bmp"_s});
        DisplayOptions &options = settings.displayOptions;
        options.background = backgroundKindOf(kind);
        options.solidColour = QColor(0, 0, 255);
        options.gradientColour = QColor(255, 0, 0);
        options.topColour = QColor(Qt::white);
        options.bottomColour = QColor(Qt::black);
        const auto window = makeWindow(settings);
        QWidget *strip = window->findChild<QWidget *>(objectName);
        QVERIFY(strip);
        const QImage picture = strip->grab().toImage();
        QTEST(QColor(picture.pixel(1, 0)), "top");
        QTEST(QColor(picture.pixel(1, 77)), "bottom");
    }

    void missingPictureMeansNoBackground()
    {
        SettingsState settings = state({u"Cairo!+02:00!EGY.bmp"_s});
        settings.displayOptions.background = BackgroundKind::Picture;
        settings.displayOptions.backgroundPicture = u"/no/such/picture.bmp"_s;
        const auto window = makeWindow(settings);
        QVERIFY(!window->findChild<QWidget *>(u"backgroundPicture"_s));
        QVERIFY(!window->findChild<QWidget *>(u"backgroundStrip"_s));
    }

    void mousePresses()
    {
        const auto window = makeWindow(state({u"Cairo!+02:00!EGY.bmp"_s}));
        QSignalSpy menu(window.get(), &ClockWindow::menuRequested);
        QSignalSpy move(window.get(), &ClockWindow::moveRequested);
        QWidget *flag = window->findChild<QWidget *>(u"flagBox"_s);
        QWidget *date = window->findChild<QWidget *>(u"dateLabel"_s);
        QTest::mousePress(flag, Qt::RightButton);
        QCOMPARE(menu.size(), 1);
        QTest::mousePress(date, Qt::LeftButton);
        QCOMPARE(move.size(), 1);
        QTest::mousePress(date, Qt::MiddleButton);
        QTest::mousePress(window.get(), Qt::LeftButton); // the bare background does nothing
        QCOMPARE(menu.size() + move.size(), 2);
    }

    void tickRepaintsLeaveWhatAFreshWindowShows()
    {
        // Each tick repaints only the moved hands and the changed pieces of the texts; what is on
        // the screen afterwards must be exactly what a window built at that moment shows.
        const auto screenOf = [](ClockWindow &window) {
            window.show();
            if (!QTest::qWaitForWindowExposed(&window))
                return QImage();
            QCoreApplication::processEvents();
            return window.screen()->grabWindow(window.winId()).toImage();
        };
        const SettingsState settings =
            state({u"Cairo!+02:00!EGY.bmp"_s, u"Delhi!+05:30!IND.bmp"_s}, 2);
        m_now = QDateTime(QDate(2024, 7, 7), QTime(9, 58, 59), Qt::UTC);
        const auto ticking = makeWindow(settings);
        QVERIFY(!screenOf(*ticking).isNull());
        // A second, a minute, an hour, and AM turning to PM.
        for (const QTime time : {QTime(9, 59, 0), QTime(9, 59, 1), QTime(10, 0, 0),
                                 QTime(11, 59, 59), QTime(12, 0, 0)}) {
            m_now.setTime(time);
            ticking->tick();
            const QImage shown = screenOf(*ticking);
            const auto fresh = makeWindow(settings);
            QCOMPARE(shown, screenOf(*fresh));
        }
    }

    void closeRequestHidesUntilTheNextTick()
    {
        // As the window manager asks (Alt+F4): the window is not closed but hidden, as a
        // minimised one is, until the next tick.
        const auto window = makeWindow(state({u"Cairo!+02:00!EGY.bmp"_s}));
        window->showAt(QPoint(10, 20));
        QCloseEvent close;
        QCoreApplication::sendEvent(window->windowHandle(), &close);
        QVERIFY(!close.isAccepted());
        QVERIFY(window->windowHandle()->handle());
        QVERIFY(window->isHidden());
        window->tick();
        QVERIFY(window->isVisible() && !window->isMinimized());
        QCOMPARE(window->pos(), QPoint(10, 20));
    }

    void menuKeys_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("opens");
        QTest::newRow("Menu") << Qt::Key_Menu << Qt::KeyboardModifiers() << true;
        QTest::newRow("Shift+F10")
            << Qt::Key_F10 << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
        QTest::newRow("F10") << Qt::Key_F10 << Qt::KeyboardModifiers() << false;
        QTest::newRow("Ctrl+Shift+F10")
            << Qt::Key_F10 << (Qt::ControlModifier | Qt::ShiftModifier) << false;
    }
    void menuKeys()
    {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, opens);
        const auto window = makeWindow(state({u"Cairo!+02:00!EGY.bmp"_s}));
        window->showAt(QPoint(30, 40));
        QSignalSpy menu(window.get(), &ClockWindow::menuRequested);
        QTest::keyClick(window.get(), key, modifiers);
        QCOMPARE(menu.size(), opens ? 1 : 0);
        if (opens)
            QCOMPARE(menu[0][0].toPoint(), QPoint(30, 40)); // at the window
    }

    void dragEndsWhenTheWindowRests()
    {
        const auto window = makeWindow(state({u"Cairo!+02:00!EGY.bmp"_s}));
        window->setDragSettleTime(std::chrono::milliseconds(0));
        window->showAt(QPoint(10, 20));
        QSignalSpy finished(window.get(), &ClockWindow::dragFinished);
        const auto settled = [] {
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
        };
        window->move(50, 60); // no press: the window's own placing
        settled();
        QTest::mousePress(window->findChild<QWidget *>(u"dateLabel"_s), Qt::LeftButton);
        settled(); // pressed, not moved
        QCOMPARE(finished.size(), 0);
        // The window manager moves the window in steps; it comes to rest at the last one.
        window->move(70, 80);
        window->move(90, 100);
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(finished[0][0].toPoint(), QPoint(90, 100));
        window->move(90, 100);
        settled(); // back where it rested: nothing new
        QCOMPARE(finished.size(), 1);
    }

    void stripReadsUnderADarkThemeAndALargeFont_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("points");
        QTest::newRow("English, 14 pt") << QLocale(QLocale::English, QLocale::UnitedStates) << 14;
        QTest::newRow("German, 11 pt") << QLocale(QLocale::German, QLocale::Germany) << 11;
        QTest::newRow("Spanish, 14 pt") << QLocale(QLocale::Spanish, QLocale::Spain) << 14;
        QTest::newRow("Arabic, 12 pt") << QLocale(QLocale::Arabic, QLocale::Egypt) << 12;
    }
    void stripReadsUnderADarkThemeAndALargeFont()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, points);
        const QPalette lightPalette = QApplication::palette();
        const QFont desktopFont = QApplication::font();
        QPalette dark = lightPalette;
        dark.setColor(QPalette::Window, QColor(42, 46, 50));
        dark.setColor(QPalette::WindowText, QColor(252, 252, 252));
        dark.setColor(QPalette::Text, QColor(252, 252, 252));
        QApplication::setPalette(dark);
        QFont large = desktopFont;
        large.setPointSize(points);
        QApplication::setFont(large);
        QLocale::setDefault(locale);
        const auto restore = qScopeGuard([&] {
            QApplication::setPalette(lightPalette);
            QApplication::setFont(desktopFont);
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        });

        // 12:00:01 PM is the longest Spanish time; long dates, a long name beside a flag.
        m_now.setTime(QTime(10, 0, 1));
        SettingsState settings = state({u"Los Angeles!-08:00!EGY.bmp"_s, u"Cairo!+02:00!EGY.bmp"_s,
                                        u"Wellington!+12:00!XXX.bmp"_s},
                                       2);
        settings.displayOptions.dateFormat = DateFormat::Long;
        settings.displayOptions.oppositeDateFormat = DateFormat::Long;
        const auto window = makeWindow(settings);
        for (CellLabel *cell : window->findChildren<CellLabel *>()) {
            const QRect flag = [&] {
                for (const QWidget *box : window->findChildren<QWidget *>(u"flagBox"_s)) {
                    if (inWindow(box).intersects(inWindow(cell)))
                        return inWindow(box).translated(-inWindow(cell).topLeft());
                }
                return QRect();
            }();
            const int textRight = flag.isNull() ? -1 : flag.left() - 1;
            const QString faults =
                cellFaults(cell->grab().toImage(), rowColour(cell->objectName()), textRight);
            QVERIFY2(faults.isEmpty(),
                     qPrintable(cell->objectName() + u" \""_s + cell->text() + u"\": "_s + faults));
            QVERIFY2(!cell->isElided(), qPrintable(cell->text()));
        }
    }

    void wheelLooksAheadUntilAClickOrEscape()
    {
        const auto window = makeWindow(state({u"Cairo!+02:00!EGY.bmp"_s}, 2));
        QSignalSpy move(window.get(), &ClockWindow::moveRequested);
        QWidget *face = window->findChild<QWidget *>(u"clockFace"_s);
        auto *time = window->findChild<CellLabel *>(u"timeLabel"_s);
        const QLabel *badge = window->findChild<QLabel *>(u"lookAheadBadge"_s);
        const auto turn = [&](int notches, Qt::KeyboardModifiers modifiers) {
            QWheelEvent wheel(QPointF(5, 5), face->mapToGlobal(QPointF(5, 5)), QPoint(),
                              QPoint(0, 120 * notches), Qt::NoButton, modifiers, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(face, &wheel);
        };
        const auto shows = [&](const QString &offset, const QString &copy) {
            QCOMPARE(badge->isVisibleTo(window.get()), !offset.isEmpty());
            if (!offset.isEmpty())
                QCOMPARE(badge->text(), offset);
            QCOMPARE(time->grab().toImage().pixelColor(3, 3),
                     offset.isEmpty() ? StripColours::TimeRow : StripColours::AheadTimeRow);
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
        QCOMPARE(move.size(), 0); // a click that ends looking ahead moves nothing
    }

    void cellsNameTheirCityForScreenReaders()
    {
        const auto window = makeWindow(state({u"Cairo!+02:00!EGY.bmp"_s}, 2));
        const QString name = u"Cairo, 04:05:09 PM, 2024/07/07, 1446/01/01"_s;
        for (const char *cell :
             {"clockFace", "cityLabel", "timeLabel", "dateLabel", "oppositeDateLabel"})
            QCOMPARE(window->findChild<QWidget *>(QLatin1StringView(cell))->accessibleName(), name);
    }

    void withoutClocksOnlyAMenuLauncherShows()
    {
        SettingsState settings = state({});
        settings.displayOptions.hideSysTrayIcon = true; // and so no tray icon to click either
        const auto window = makeWindow(settings);
        window->showAt(QPoint(0, 0));
        QVERIFY(!window->isVisible());
        QWidget *launcher = window->findChild<QWidget *>(u"menuLauncher"_s);
        QVERIFY(launcher && launcher->isVisible());
        QSignalSpy menu(window.get(), &ClockWindow::menuRequested);
        QTest::mouseClick(launcher, Qt::LeftButton);
        QTest::keyClick(launcher, Qt::Key_Menu);
        QCOMPARE(menu.size(), 2);
    }
};

QTEST_MAIN(TestClockWindow)
#include "tst_clockwindow.moc"
