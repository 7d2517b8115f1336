#include "app/settingsloader.h"
#include "app/settingswriter.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Status = SettingsSaveResult::Status;

// The choices of a dialog where every value differs from its default.
OptionsSave sampleSave()
{
    OptionsSave save;
    save.localCity = u"Cairo!+02:00!EGY.bmp"_s;
    DisplayOptions &o = save.options;
    o.hideSysTrayIcon = true;
    o.alwaysOnTop = false;
    o.displayClock = true;
    o.displayTime = true;
    o.timeFormat = 3;
    o.displayDate = false;
    o.dateFormat = 2;
    o.displayOpsDate = true;
    o.opsDateFormat = 1;
    o.opsDateDiff = 3;
    o.followDst = true;
    o.clockPicture = 2;
    o.bgPicture = u"/home/u/sea.bmp"_s;
    o.solid = u"16711680"_s;
    o.oneColor = u"255"_s;
    o.oneColorDir = 1;
    o.twoColors1 = u"0"_s;
    o.twoColors2 = u"-1"_s;
    o.backGround = u"grt2"_s;
    return save;
}

const QString kOptionsKeys =
    u"[Options]\r\nHide_SysTray_Icon=1\r\nAlways_On_Top=0\r\nDisplay_Clock=1\r\n"
    u"Display_Time=1\r\nTimeFormat=3\r\nDisplay_Date=0\r\nDateFormat=2\r\nDisplay_OpsDate=1\r\n"
    u"OpsDateFormat=1\r\nOpsDateDiff=3\r\nFollow_DST=1\r\n"_s;
const QString kStyleKeysWithoutBackGround =
    u"[Clocks_Style]\r\nClock_Picture=2\r\nBGPicture=/home/u/sea.bmp\r\nSolid=16711680\r\n"
    u"OneColor=255\r\nOneColorDir=1\r\nTwoColors1=0\r\nTwoColors2=-1\r\n"_s;

QString clockLine(int n)
{
    return u"City "_s + QString::number(n) + u"!+01:00!AAA.bmp"_s;
}

} // namespace

class TestSettingsWriter final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void optionsWriteOrder_data();
    void optionsWriteOrder();
    void optionsInPlace();
    void optionsWithoutSettingsFileWriteNothing();
    void clockList_data();
    void clockList();
    void clockListPast99();
    void clockListRoundTrip();
    void failedSaves_data();
    void failedSaves();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppFolder> m_folder;
};

void TestSettingsWriter::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = std::make_unique<AppFolder>(m_dir->path());
}

void TestSettingsWriter::optionsWriteOrder_data()
{
    QTest::addColumn<std::optional<QString>>("localCity");
    QTest::addColumn<QString>("backGround");
    QTest::addColumn<QString>("expected");

    const QString before = u"[Settings]\r\nClocks=00\r\n"_s;
    QTest::newRow("every key") << std::optional(u"Cairo!+02:00!EGY.bmp"_s) << u"grt2"_s
                               << u"[Settings]\r\nClocks=00\r\nLocal=Cairo!+02:00!EGY.bmp\r\n"_s +
                                      kOptionsKeys + kStyleKeysWithoutBackGround +
                                      u"BackGround=grt2\r\n"_s;
    QTest::newRow("no city: Local not written")
        << std::optional<QString>() << u"non"_s
        << before + kOptionsKeys + kStyleKeysWithoutBackGround + u"BackGround=non\r\n"_s;
    QTest::newRow("no background button: BackGround not written")
        << std::optional<QString>() << u"00"_s
        << before + kOptionsKeys + kStyleKeysWithoutBackGround;
    QTest::newRow("codes are case-sensitive")
        << std::optional<QString>() << u"NON"_s
        << before + kOptionsKeys + kStyleKeysWithoutBackGround;
}

void TestSettingsWriter::optionsWriteOrder()
{
    QFETCH(std::optional<QString>, localCity);
    QFETCH(QString, backGround);
    QFETCH(QString, expected);

    QVERIFY(TestFiles::writeBytes(m_folder->settingsFile(), "[Settings]\r\nClocks=00\r\n"));
    OptionsSave save = sampleSave();
    save.localCity = localCity;
    save.options.backGround = backGround;

    const SettingsSaveResult result = saveOptions(*m_folder, save);
    QCOMPARE(result.status, Status::Saved);
    QVERIFY(result.error.isEmpty());
    QCOMPARE(QString::fromUtf8(TestFiles::readBytes(m_folder->settingsFile())), expected);
}

void TestSettingsWriter::optionsInPlace()
{
    // A file shaped by hand: every key present in another order, case and spacing. Only the
    // values change; an unknown stored BackGround code stays as it is.
    const QByteArray before =
        "[clocks_style]\nbackground = grt9\nSolid=1\n\n[OPTIONS]\nOpsDateDiff=0\n"
        "Always_On_Top=1\n";
    QVERIFY(TestFiles::writeBytes(m_folder->settingsFile(), before));
    OptionsSave save = sampleSave();
    save.localCity.reset();
    save.options.backGround = u"grt9"_s;

    QCOMPARE(saveOptions(*m_folder, save).status, Status::Saved);
    QCOMPARE(TestFiles::readBytes(m_folder->settingsFile()),
             QByteArray("[clocks_style]\nbackground = grt9\nSolid=16711680\nClock_Picture=2\r\n"
                        "BGPicture=/home/u/sea.bmp\r\nOneColor=255\r\nOneColorDir=1\r\n"
                        "TwoColors1=0\r\nTwoColors2=-1\r\n\n[OPTIONS]\nOpsDateDiff=3\n"
                        "Always_On_Top=0\nHide_SysTray_Icon=1\r\nDisplay_Clock=1\r\n"
                        "Display_Time=1\r\nTimeFormat=3\r\nDisplay_Date=0\r\nDateFormat=2\r\n"
                        "Display_OpsDate=1\r\nOpsDateFormat=1\r\nFollow_DST=1\r\n"));
}

void TestSettingsWriter::optionsWithoutSettingsFileWriteNothing()
{
    const SettingsSaveResult result = saveOptions(*m_folder, sampleSave());
    QCOMPARE(result.status, Status::NoSettingsFile);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

void TestSettingsWriter::clockList_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("oldCount");
    QTest::addColumn<int>("newCount");
    QTest::addColumn<QByteArray>("expected");

    QByteArray eight = "[Settings]\r\nLocal=L\r\nClocks=08\r\n";
    for (int n = 1; n <= 8; ++n)
        eight += "[Clock_0" + QByteArray::number(n) + "]\r\nCountry/City=old\r\n";
    eight += "[Options]\r\nDisplay_Clock=1\r\n";
    QByteArray five = "[Settings]\r\nLocal=L\r\nClocks=05\r\n[Options]\r\nDisplay_Clock=1\r\n";
    for (int n = 1; n <= 5; ++n) {
        five += "[Clock_0" + QByteArray::number(n) + "]\r\nCountry/City=City " +
                QByteArray::number(n) + "!+01:00!AAA.bmp\r\n";
    }
    QTest::newRow("five over eight") << eight << 8 << 5 << five;

    QTest::newRow("missing file is created")
        << QByteArray() << 0 << 2
        << QByteArray("[Settings]\r\nClocks=02\r\n[Clock_01]\r\nCountry/City=City 1!+01:00!"
                      "AAA.bmp\r\n[Clock_02]\r\nCountry/City=City 2!+01:00!AAA.bmp\r\n");
    QTest::newRow("sections beyond the old count stay")
        << QByteArray("[Settings]\r\nClocks=1\r\n[Clock_01]\r\nCountry/City=a\r\n[Clock_02]\r\n"
                      "Country/City=b\r\n")
        << 1 << 1
        << QByteArray("[Settings]\r\nClocks=01\r\n[Clock_02]\r\nCountry/City=b\r\n[Clock_01]\r\n"
                      "Country/City=City 1!+01:00!AAA.bmp\r\n");
    QTest::newRow("negative old count deletes nothing")
        << QByteArray("[Clock_01]\r\nCountry/City=a\r\n") << -5 << 1
        << QByteArray("[Clock_01]\r\nCountry/City=City 1!+01:00!AAA.bmp\r\n[Settings]\r\n"
                      "Clocks=01\r\n");
}

void TestSettingsWriter::clockList()
{
    QFETCH(QByteArray, before);
    QFETCH(int, oldCount);
    QFETCH(int, newCount);
    QFETCH(QByteArray, expected);

    if (!before.isNull())
        QVERIFY(TestFiles::writeBytes(m_folder->settingsFile(), before));
    QStringList clocks;
    for (int n = 1; n <= newCount; ++n)
        clocks.append(clockLine(n));

    const SettingsSaveResult result = saveClockList(*m_folder, oldCount, clocks);
    QCOMPARE(result.status, Status::Saved);
    QCOMPARE(TestFiles::readBytes(m_folder->settingsFile()), expected);
}

void TestSettingsWriter::clockListPast99()
{
    QStringList clocks;
    for (int n = 1; n <= 101; ++n)
        clocks.append(clockLine(n));
    QCOMPARE(saveClockList(*m_folder, 0, clocks).status, Status::Saved);

    const QString text = QString::fromUtf8(TestFiles::readBytes(m_folder->settingsFile()));
    QVERIFY(text.startsWith(u"[Settings]\r\nClocks=101\r\n[Clock_01]\r\n"_s));
    QVERIFY(text.contains(u"\r\n[Clock_09]\r\nCountry/City=City 9!+01:00!AAA.bmp\r\n[Clock_10]\r\n"
                          u"Country/City=City 10!"_s));
    QVERIFY(text.endsWith(u"[Clock_99]\r\nCountry/City=City 99!+01:00!AAA.bmp\r\n[Clock_100]\r\n"
                          u"Country/City=City 100!+01:00!AAA.bmp\r\n[Clock_101]\r\n"
                          u"Country/City=City 101!+01:00!AAA.bmp\r\n"_s));
}

void TestSettingsWriter::clockListRoundTrip()
{
    // Write 12 clocks, then 3 over them, and read back what the clock window will see.
    QStringList twelve;
    for (int n = 1; n <= 12; ++n)
        twelve.append(clockLine(n));
    QCOMPARE(saveClockList(*m_folder, 0, twelve).status, Status::Saved);
    QCOMPARE(loadSettings(*m_folder).clockList, twelve);

    const QStringList three = {clockLine(7), clockLine(7), clockLine(1)};
    QCOMPARE(saveClockList(*m_folder, 12, three).status, Status::Saved);
    const SettingsState state = loadSettings(*m_folder);
    QCOMPARE(state.clockCount, qint16(3));
    QCOMPARE(state.clockList, three);
    QVERIFY(
        !QString::fromUtf8(TestFiles::readBytes(m_folder->settingsFile())).contains(u"Clock_12"_s));
}

void TestSettingsWriter::failedSaves_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<bool>("optionsSave");

    QTest::newRow("options: Kerani.ini is a folder") << u"folder"_s << true;
    QTest::newRow("clocks: Kerani.ini is a folder") << u"folder"_s << false;
    QTest::newRow("options: line break in a value") << u"line break"_s << true;
    QTest::newRow("clocks: line break in a value") << u"line break"_s << false;
    QTest::newRow("clocks: application folder gone") << u"gone"_s << false;
}

void TestSettingsWriter::failedSaves()
{
    QFETCH(QString, situation);
    QFETCH(bool, optionsSave);

    const QByteArray before = "[Settings]\r\nClocks=01\r\n[Clock_01]\r\nCountry/City=a\r\n";
    AppFolder folder = *m_folder;
    if (situation == u"folder")
        QVERIFY(QDir(m_dir->path()).mkdir(u"Kerani.ini"_s));
    else
        QVERIFY(TestFiles::writeBytes(m_folder->settingsFile(), before));
    if (situation == u"gone")
        folder = AppFolder(m_dir->filePath(u"gone"_s));

    OptionsSave options = sampleSave();
    QStringList clocks = {clockLine(1), clockLine(2)};
    if (situation == u"line break") {
        options.options.bgPicture = u"/tmp/a\n[Settings]\nClocks=99"_s;
        clocks[1] = u"x\r\n[Settings]"_s;
    }

    const SettingsSaveResult result =
        optionsSave ? saveOptions(folder, options) : saveClockList(folder, 1, clocks);
    QCOMPARE(result.status, Status::Failed);
    QVERIFY(!result.error.isEmpty());
    if (situation == u"folder")
        QVERIFY(QFileInfo(m_folder->settingsFile()).isDir());
    else
        QCOMPARE(TestFiles::readBytes(m_folder->settingsFile()), before);
}

QTEST_GUILESS_MAIN(TestSettingsWriter)
#include "tst_settingswriter.moc"
