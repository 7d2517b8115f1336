#include "settings/settingsloader.h"
#include "support/testfiles.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kCairo = u"Cairo!+02:00!EGY.bmp"_s;
const QString kOslo = u"Oslo!+01:00!NOR.bmp"_s;
const QString kLima = u"Lima!-05:00!PER.bmp"_s;

SettingsState withClocks(qint16 count, QStringList clocks)
{
    SettingsState state;
    state.clockCount = count;
    state.clockList = std::move(clocks);
    return state;
}

// Every key with a value that differs from its default, so that a key read from the wrong
// section or into the wrong field shows.
const QString kEveryKey = u"[Settings]\r\nLocal=Cairo!+02:00!EGY.bmp\r\nClocks=02\r\n"
                          u"[Clock_01]\r\nCountry/City=Oslo!+01:00!NOR.bmp\r\n"
                          u"[Clock_02]\r\nCountry/City=Lima!-05:00!PER.bmp\r\n"
                          u"[Options]\r\nHide_SysTray_Icon=1\r\nAlways_On_Top=1\r\n"
                          u"Display_Clock=1\r\nDisplay_Time=1\r\nTimeFormat=3\r\n"
                          u"Display_Date=1\r\nDateFormat=2\r\nDisplay_OpsDate=1\r\n"
                          u"OpsDateFormat=1\r\nOpsDateDiff=4\r\nFollow_DST=1\r\n"
                          u"Keep_Position=1\r\n"
                          u"[Clocks_Style]\r\nClock_Picture=4\r\nBGPicture=/pics/sea.bmp\r\n"
                          u"Solid=255\r\nOneColor=65280\r\nOneColorDir=1\r\nTwoColors1=16711680\r\n"
                          u"TwoColors2=-1\r\nBackGround=grt2\r\n"
                          u"[Window_Position]\r\nScreens_1=0,0,800,600\r\nPlace_1=10,-20\r\n"_s;

SettingsState everyKey()
{
    SettingsState state = withClocks(2, {kOslo, kLima});
    state.localCity = kCairo;
    DisplayOptions &o = state.displayOptions;
    o.hideSysTrayIcon = o.alwaysOnTop = true;
    o.displayClock = o.displayTime = o.displayDate = o.displayOppositeDate = o.followDst = true;
    o.keepPosition = true;
    o.timeFormat = TimeFormat::Hours24Seconds;
    o.dateFormat = DateFormat::YearMonthDay;
    o.oppositeDateFormat = DateFormat::MonthDayYear;
    o.oppositeDateShift = OppositeDateShift::TwoDaysOn;
    o.faceStyle = FaceStyle::Style5;
    o.backgroundPicture = u"/pics/sea.bmp"_s;
    o.solidColour = QColor(255, 0, 0);
    o.gradientColour = QColor(0, 255, 0);
    o.gradientDirection = GradientDirection::BottomUp;
    o.topColour = QColor(0, 0, 255);
    o.bottomColour = QColor(255, 255, 255);
    o.background = BackgroundKind::TwoColourGradient;
    state.keptPlaces = {{u"0,0,800,600"_s, QPoint(10, -20)}};
    return state;
}

// Which rule each key follows: exact-one flags take only "1", numeric flags any number but 0,
// positions are rounded and clamped and held whatever they are, colours are colour numbers, and
// background codes match exactly. Kept places need both keys, two whole numbers within a million
// pixels and an arrangement not named before, in the first four slots.
const QString kRules =
    u"[Options]\nDisplay_Clock=01\nDisplay_Time=\" 1\"\nDisplay_Date='1 '\nDisplay_OpsDate=2\n"
    u"Follow_DST=01\nKeep_Position=1.0\nAlways_On_Top=01\nHide_SysTray_Icon=  3x\nTimeFormat=2.5\n"
    u"DateFormat=99999\nOpsDateFormat=-99999\nOpsDateDiff=3.5\n[Clocks_Style]\n"
    u"Clock_Picture=0.51\nOneColorDir=&H10\nSolid=-1\nOneColor=&HFF\nBackGround=GRT1\n"
    u"[Window_Position]\nScreens_1=A\nPlace_1=1,x\nScreens_2=B\nPlace_2= 5 , -6\nScreens_3=B\n"
    u"Place_3=7,7\nScreens_4=C\nPlace_4=1000001,0\nPlace_5=1,1\nScreens_5=D\n"_s;

SettingsState rules()
{
    SettingsState state;
    DisplayOptions &o = state.displayOptions;
    o.alwaysOnTop = o.hideSysTrayIcon = true;
    o.timeFormat = TimeFormat::AmPmSeconds;
    o.dateFormat = DateFormat(32767);
    o.oppositeDateFormat = DateFormat(-32768);
    o.oppositeDateShift = OppositeDateShift::TwoDaysOn;
    o.faceStyle = FaceStyle::Style2;
    o.gradientDirection = GradientDirection(16);
    o.solidColour = QColor(255, 255, 255);
    o.gradientColour = QColor(255, 0, 0);
    o.background = std::nullopt;
    state.keptPlaces = {{u"B"_s, QPoint(5, -6)}};
    return state;
}

} // namespace

class TestSettingsLoader final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<SettingsState>("expected");

        QTest::newRow("empty file") << u""_s << SettingsState{};
        QTest::newRow("every key") << kEveryKey << everyKey();
        QTest::newRow("rule of each key") << kRules << rules();
        QTest::newRow("clock sections in any order")
            << (u"[Clock_03]\nCountry/City="_s + kLima + u"\n[Clock_01]\nCountry/City="_s + kCairo +
                u"\n[Settings]\nClocks=03\n[Clock_02]\nCountry/City="_s + kOslo + u"\n"_s)
            << withClocks(3, {kCairo, kOslo, kLima});
        // A clock without its section or key reads as "00"; sections beyond the count are not read.
        QTest::newRow("count, not sections, makes the list")
            << (u"[Settings]\nClocks=3\n[Clock_01]\nCountry/City="_s + kCairo +
                u"\n[Clock_02]\n[Clock_04]\nCountry/City=x\n"_s)
            << withClocks(3, {kCairo, u"00"_s, u"00"_s});
        QTest::newRow("negative count is no clocks")
            << u"[Settings]\nClocks=-5\n[Clock_01]\nCountry/City=x\n"_s << withClocks(0, {});
    }

    void fromText()
    {
        QFETCH(QString, text);
        QFETCH(SettingsState, expected);

        const SettingsState state = loadSettings(ProfileDocument::fromText(text));
        QCOMPARE(state.localCity, expected.localCity);
        QCOMPARE(state.clockCount, expected.clockCount);
        QCOMPARE(state.clockList, expected.clockList);
        QVERIFY(state.displayOptions == expected.displayOptions);
        QVERIFY(state.keptPlaces == expected.keptPlaces);
    }

    // The clock window shows no background for a picture that does not load, so the options
    // dialog shows "None" for it and its Save writes "non".
    void pictureBackgroundThatDoesNotLoad_data()
    {
        QTest::addColumn<QString>("picture"); // in the folder; empty: none
        QTest::addColumn<std::optional<BackgroundKind>>("background");
        QTest::newRow("a picture") << u"sea.bmp"_s << std::optional(BackgroundKind::Picture);
        QTest::newRow("no such file") << QString() << std::optional(BackgroundKind::None);
        QTest::newRow("not a picture") << u"text.bmp"_s << std::optional(BackgroundKind::None);
    }
    void pictureBackgroundThatDoesNotLoad()
    {
        QFETCH(QString, picture);
        QTemporaryDir dir;
        const AppFolder folder(dir.path());
        QImage sea(4, 4, QImage::Format_RGB32);
        sea.fill(Qt::blue);
        QVERIFY(sea.save(dir.filePath(u"sea.bmp"_s)));
        QVERIFY(TestFiles::writeBytes(dir.filePath(u"text.bmp"_s), "text"));
        const QString path = dir.filePath(picture.isEmpty() ? u"gone.bmp"_s : picture);
        QVERIFY(TestFiles::writeBytes(
            folder.settingsFile(),
            "[Clocks_Style]\r\nBackGround=pic\r\nBGPicture=" + path.toUtf8() + "\r\n"));

        const SettingsState state = loadSettings(folder);
        QTEST(state.displayOptions.background, "background");
        QCOMPARE(state.displayOptions.backgroundPicture, path);
        // Only the file's own text, without looking at the picture, is what it says.
        QCOMPARE(loadSettings(ProfileDocument::fromText(
                                  QString::fromUtf8(TestFiles::readBytes(folder.settingsFile()))))
                     .displayOptions.background,
                 BackgroundKind::Picture);
    }

    void hugeClockCount()
    {
        // 40000 does not fit 16 bits: clamped to 32767 entries, all missing; must stay quick and
        // small.
        const SettingsState state = loadSettings(ProfileDocument::fromText(
            u"[Settings]\nClocks=40000\n[Clock_32767]\nCountry/City=last\n"_s));
        QCOMPARE(state.clockCount, qint16(32767));
        QCOMPARE(state.clockList.size(), 32767);
        QCOMPARE(state.clockList.front(), u"00"_s);
        QCOMPARE(state.clockList.back(), u"last"_s);
    }
};

QTEST_GUILESS_MAIN(TestSettingsLoader)
#include "tst_settingsloader.moc"
