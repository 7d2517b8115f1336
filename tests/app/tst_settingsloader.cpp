#include "app/settingsloader.h"
#include "testfiles.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kCairo = u"Cairo!+02:00!EGY.bmp"_s;
const QString kOslo = u"Oslo!+01:00!NOR.bmp"_s;
const QString kLima = u"Lima!-05:00!PER.bmp"_s;

SettingsState defaults()
{
    return SettingsState{};
}

SettingsState withClocks(qint16 count, QStringList clocks)
{
    SettingsState state;
    state.clockCount = count;
    state.clockList = std::move(clocks);
    return state;
}

} // namespace

class TestSettingsLoader final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fromText_data();
    void fromText();
    void everyKey();
    void hugeClockCount();
    void unreadableFilesReadAsDefaults_data();
    void unreadableFilesReadAsDefaults();
};

void TestSettingsLoader::fromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<SettingsState>("expected");

    QTest::newRow("empty file") << u""_s << defaults();
    {
        SettingsState state = withClocks(1, {kCairo});
        state.localCity = kOslo;
        QTest::newRow("no Options or Clocks_Style sections") << (u"[Settings]\r\nLocal="_s + kOslo +
                                                                 u"\r\nClocks=01\r\n[Clock_01]\r\n"
                                                                 u"Country/City="_s +
                                                                 kCairo + u"\r\n"_s)
                                                             << state;
    }
    QTest::newRow("clock sections in any order")
        << (u"[Clock_03]\nCountry/City="_s + kLima + u"\n[Clock_01]\nCountry/City="_s + kCairo +
            u"\n[Settings]\nClocks=03\n[Clock_02]\nCountry/City="_s + kOslo + u"\n"_s)
        << withClocks(3, {kCairo, kOslo, kLima});
    {
        QString text = u"[Settings]\nClocks=10\n"_s;
        QStringList clocks;
        for (int i = 1; i <= 10; ++i) {
            const QString city = u"City "_s + QString::number(i) + u"!+01:00!AAA.bmp"_s;
            text += u"[Clock_"_s + (i < 10 ? u"0"_s : QString()) + QString::number(i) +
                    u"]\nCountry/City="_s + city + u"\n"_s;
            clocks.append(city);
        }
        // A tenth clock under a three-digit name must not be taken for Clock_10.
        text += u"[Clock_010]\nCountry/City=wrong!+00:00!XXX.bmp\n"_s;
        QTest::newRow("ten clocks, Clock_01 to Clock_10") << text << withClocks(10, clocks);
    }
    QTest::newRow("one-digit count") << u"[Settings]\nClocks=2\n[Clock_02]\nCountry/City=x\n"_s
                                     << withClocks(2, {u"00"_s, u"x"_s});
    QTest::newRow("count beyond the sections gives 00 entries")
        << (u"[Settings]\nClocks=03\n[Clock_01]\nCountry/City="_s + kCairo + u"\n"_s)
        << withClocks(3, {kCairo, u"00"_s, u"00"_s});
    QTest::newRow("sections beyond the count are not read")
        << (u"[Settings]\nClocks=01\n[Clock_01]\nCountry/City="_s + kCairo +
            u"\n[Clock_02]\nCountry/City="_s + kOslo + u"\n"_s)
        << withClocks(1, {kCairo});
    QTest::newRow("clock section without its key")
        << u"[Settings]\nClocks=1\n[Clock_01]\n"_s << withClocks(1, {u"00"_s});
    QTest::newRow("zero clocks") << u"[Settings]\nClocks=00\n[Clock_01]\nCountry/City=x\n"_s
                                 << withClocks(0, {});
    QTest::newRow("negative count is no clocks")
        << u"[Settings]\nClocks=-5\n[Clock_01]\nCountry/City=x\n"_s << withClocks(0, {});
    {
        SettingsState state;
        state.localCity = QString(254, u'n');
        QTest::newRow("300-character Local")
            << (u"[Settings]\nLocal="_s + QString(300, u'n') + u"\n"_s) << state;
    }
    {
        SettingsState state;
        state.displayOptions.alwaysOnTop = true;
        state.displayOptions.hideSysTrayIcon = true;
        QTest::newRow("01 is false as an exact-one flag, true as a numeric flag")
            << u"[Options]\nDisplay_Clock=01\nDisplay_Time=\" 1\"\nDisplay_Date='1 '\n"
               u"Display_OpsDate=2\nAlways_On_Top=01\nHide_SysTray_Icon=  3x\nFollow_DST=01\n"_s
            << state;
    }
    {
        SettingsState state;
        state.displayOptions.followDst = true;
        QTest::newRow("Follow_DST 1") << u"[Options]\nfollow_dst = 1\n"_s << state;
        QTest::newRow("Follow_DST 0") << u"[Options]\nFollow_DST=0\n"_s << defaults();
        SettingsState older;
        older.displayOptions.displayClock = true;
        older.displayOptions.opsDateDiff = 2;
        QTest::newRow("an older file without Follow_DST reads as off")
            << u"[Options]\r\nDisplay_Clock=1\r\nOpsDateDiff=2\r\n"_s << older;
        QTest::newRow("Follow_DST in another section is not read")
            << u"[Settings]\nFollow_DST=1\n[Clocks_Style]\nFollow_DST=1\n"_s << defaults();
    }
    {
        SettingsState state;
        state.displayOptions.solid = u"-1"_s;
        state.displayOptions.oneColor = u"&HFF"_s;
        state.displayOptions.backGround = u"GRT1"_s;
        QTest::newRow("texts stay as they are")
            << u"[Clocks_Style]\nSolid=-1\nOneColor=&HFF\nBackGround=GRT1\n"_s << state;
    }
    {
        SettingsState state;
        state.displayOptions.timeFormat = 2;
        state.displayOptions.dateFormat = 32767;
        state.displayOptions.opsDateFormat = -32768;
        state.displayOptions.opsDateDiff = 4;
        state.displayOptions.clockPicture = 1;
        state.displayOptions.oneColorDir = 16;
        QTest::newRow("whole numbers rounded and clamped")
            << u"[Options]\nTimeFormat=2.5\nDateFormat=99999\nOpsDateFormat=-99999\n"
               u"OpsDateDiff=3.5\n[Clocks_Style]\nClock_Picture=0.51\nOneColorDir=&H10\n"_s
            << state;
    }
}

void TestSettingsLoader::fromText()
{
    QFETCH(QString, text);
    QFETCH(SettingsState, expected);

    const SettingsState state = loadSettings(ProfileDocument::fromText(text));
    QCOMPARE(state.localCity, expected.localCity);
    QCOMPARE(state.clockCount, expected.clockCount);
    QCOMPARE(state.clockList, expected.clockList);
    QVERIFY(state.displayOptions == expected.displayOptions);
    QCOMPARE(state.clockList.size(), qsizetype(state.clockCount));
}

void TestSettingsLoader::everyKey()
{
    // Every key of the file, each with a value that differs from its default, so that a key read
    // from the wrong section or into the wrong field shows.
    const QString text = u"[Settings]\r\nLocal=Cairo!+02:00!EGY.bmp\r\nClocks=02\r\n"
                         u"[Clock_01]\r\nCountry/City=Oslo!+01:00!NOR.bmp\r\n"
                         u"[Clock_02]\r\nCountry/City=Lima!-05:00!PER.bmp\r\n"
                         u"[Options]\r\nHide_SysTray_Icon=1\r\nAlways_On_Top=1\r\n"
                         u"Display_Clock=1\r\nDisplay_Time=1\r\nTimeFormat=3\r\n"
                         u"Display_Date=1\r\nDateFormat=2\r\nDisplay_OpsDate=1\r\n"
                         u"OpsDateFormat=1\r\nOpsDateDiff=4\r\nFollow_DST=1\r\n"
                         u"[Clocks_Style]\r\nClock_Picture=4\r\nBGPicture=/pics/sea.bmp\r\n"
                         u"Solid=255\r\nOneColor=65280\r\nOneColorDir=1\r\nTwoColors1=16711680\r\n"
                         u"TwoColors2=-1\r\nBackGround=grt2\r\n"_s;

    SettingsState expected;
    expected.localCity = kCairo;
    expected.clockCount = 2;
    expected.clockList = {kOslo, kLima};
    DisplayOptions &o = expected.displayOptions;
    o.hideSysTrayIcon = o.alwaysOnTop = true;
    o.displayClock = o.displayTime = o.displayDate = o.displayOpsDate = true;
    o.timeFormat = 3;
    o.dateFormat = 2;
    o.opsDateFormat = 1;
    o.opsDateDiff = 4;
    o.followDst = true;
    o.clockPicture = 4;
    o.bgPicture = u"/pics/sea.bmp"_s;
    o.solid = u"255"_s;
    o.oneColor = u"65280"_s;
    o.oneColorDir = 1;
    o.twoColors1 = u"16711680"_s;
    o.twoColors2 = u"-1"_s;
    o.backGround = u"grt2"_s;

    QVERIFY(loadSettings(ProfileDocument::fromText(text)) == expected);
}

void TestSettingsLoader::hugeClockCount()
{
    // 40000 does not fit 16 bits: clamped to 32767 entries, all missing; must stay quick and small.
    const SettingsState state = loadSettings(ProfileDocument::fromText(
        u"[Settings]\nClocks=40000\n[Clock_32767]\nCountry/City=last\n"_s));
    QCOMPARE(state.clockCount, qint16(32767));
    QCOMPARE(state.clockList.size(), 32767);
    QCOMPARE(state.clockList.front(), u"00"_s);
    QCOMPARE(state.clockList.back(), u"last"_s);
}

void TestSettingsLoader::unreadableFilesReadAsDefaults_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << u"missing"_s;
    QTest::newRow("folder") << u"folder"_s;
    QTest::newRow("binary garbage") << u"garbage"_s;
}

void TestSettingsLoader::unreadableFilesReadAsDefaults()
{
    QFETCH(QString, kind);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const AppFolder folder(dir.path());
    if (kind == u"folder") {
        QVERIFY(QDir(dir.path()).mkdir(u"Kerani.ini"_s));
    } else if (kind == u"garbage") {
        QByteArray bytes(64 * 1024, Qt::Uninitialized);
        QRandomGenerator generator(12345); // fixed seed: the same bytes on every run
        for (char &byte : bytes) {
            // No brackets, so no section can appear by chance.
            do {
                byte = char(generator.bounded(256));
            } while (byte == '[');
        }
        QVERIFY(TestFiles::writeBytes(folder.settingsFile(), bytes));
    }
    QVERIFY(loadSettings(folder) == SettingsState{});
}

QTEST_GUILESS_MAIN(TestSettingsLoader)
#include "tst_settingsloader.moc"
