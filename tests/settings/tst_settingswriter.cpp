#include "settings/settingswriter.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What a save that writes nothing answers.
enum class Status { NoSettingsFile, Failed };

// The choices of a dialog where every value differs from its default.
OptionsSave sampleSave(std::optional<QString> localCity, const QString &backgroundCode)
{
    return {localCity,
            {.alwaysOnTop = false,
             .hideSysTrayIcon = true,
             .displayClock = true,
             .displayTime = true,
             .displayDate = false,
             .displayOppositeDate = true,
             .followDst = true,
             .keepPosition = true,
             .timeFormat = TimeFormat::Hours24Seconds,
             .dateFormat = DateFormat::YearMonthDay,
             .oppositeDateFormat = DateFormat::MonthDayYear,
             .oppositeDateShift = OppositeDateShift::OneDayOn,
             .faceStyle = FaceStyle::Style3,
             .background = backgroundKindOf(backgroundCode),
             .backgroundPicture = u"/home/u/sea.bmp"_s,
             .solidColour = QColor(0, 0, 255),
             .gradientColour = QColor(255, 0, 0),
             .gradientDirection = GradientDirection::BottomUp,
             .topColour = QColor(0, 0, 0),
             .bottomColour = QColor(255, 255, 255)}};
}

const QByteArray kSettings = "[Settings]\r\nClocks=00\r\n";
const QByteArray kOptionsKeys =
    "[Options]\r\nHide_SysTray_Icon=1\r\nAlways_On_Top=0\r\nDisplay_Clock=1\r\n"
    "Display_Time=1\r\nTimeFormat=3\r\nDisplay_Date=0\r\nDateFormat=2\r\nDisplay_OpsDate=1\r\n"
    "OpsDateFormat=1\r\nOpsDateDiff=3\r\nFollow_DST=1\r\nKeep_Position=1\r\n";
const QByteArray kStyleKeysWithoutBackGround =
    "[Clocks_Style]\r\nClock_Picture=2\r\nBGPicture=/home/u/sea.bmp\r\nSolid=16711680\r\n"
    "OneColor=255\r\nOneColorDir=1\r\nTwoColors1=0\r\nTwoColors2=16777215\r\n";

QStringList clockLines(int count)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines.append(u"City "_s + QString::number(n));
    return lines;
}

} // namespace

class TestSettingsWriter final : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppFolder> m_folder;

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_folder = std::make_unique<AppFolder>(m_dir->path());
    }

    void options_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<std::optional<QString>>("localCity");
        QTest::addColumn<QString>("backgroundCode");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("every key, in order")
            << kSettings << std::optional(u"Cairo!+02:00!EGY.bmp"_s) << u"grt2"_s
            << kSettings + "Local=Cairo!+02:00!EGY.bmp\r\n" + kOptionsKeys +
                   kStyleKeysWithoutBackGround + "BackGround=grt2\r\n";
        QTest::newRow("no city: Local not written")
            << kSettings << std::optional<QString>() << u"non"_s
            << kSettings + kOptionsKeys + kStyleKeysWithoutBackGround + "BackGround=non\r\n";
        QTest::newRow("codes are case-sensitive")
            << kSettings << std::optional<QString>() << u"NON"_s
            << kSettings + kOptionsKeys + kStyleKeysWithoutBackGround;
        // The keys already there, in another order, case and spacing: only the values change, and a
        // stored BackGround code that has no button stays as it is.
        QTest::newRow("hand-made file changed in place")
            << QByteArray("[clocks_style]\nbackground = grt9\nSolid=1\n\n[OPTIONS]\nOpsDateDiff=0\n"
                          "Always_On_Top=1\n")
            << std::optional<QString>() << u"grt9"_s
            << QByteArray("[clocks_style]\nbackground = grt9\nSolid=16711680\nClock_Picture=2\r\n"
                          "BGPicture=/home/u/sea.bmp\r\nOneColor=255\r\nOneColorDir=1\r\n"
                          "TwoColors1=0\r\nTwoColors2=16777215\r\n\n[OPTIONS]\nOpsDateDiff=3\n"
                          "Always_On_Top=0\nHide_SysTray_Icon=1\r\nDisplay_Clock=1\r\n"
                          "Display_Time=1\r\nTimeFormat=3\r\nDisplay_Date=0\r\nDateFormat=2\r\n"
                          "Display_OpsDate=1\r\nOpsDateFormat=1\r\nFollow_DST=1\r\n"
                          "Keep_Position=1\r\n");
    }

    void options()
    {
        QFETCH(QByteArray, before);
        QFETCH(std::optional<QString>, localCity);
        QFETCH(QString, backgroundCode);
        QFETCH(QByteArray, expected);

        QVERIFY(TestFiles::writeBytes(m_folder->settingsFile(), before));
        const FileResult<OptionsSaved> result =
            saveOptions(*m_folder, sampleSave(localCity, backgroundCode));
        QCOMPARE(result, OptionsSaved::Saved);
        QCOMPARE(TestFiles::readBytes(m_folder->settingsFile()), expected);
    }

    void clockList_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("oldCount");
        QTest::addColumn<int>("newCount");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("two over three: old sections deleted, new ones at the end")
            << QByteArray("[Settings]\r\nClocks=03\r\n[Clock_01]\r\nCountry/City=a\r\n[Options]\r\n"
                          "[Clock_02]\r\nCountry/City=b\r\n[Clock_03]\r\nCountry/City=c\r\n")
            << 3 << 2
            << QByteArray(
                   "[Settings]\r\nClocks=02\r\n[Options]\r\n[Clock_01]\r\nCountry/City=City 1\r\n"
                   "[Clock_02]\r\nCountry/City=City 2\r\n");
        QTest::newRow("missing file is created")
            << QByteArray() << 0 << 1
            << QByteArray("[Settings]\r\nClocks=01\r\n[Clock_01]\r\nCountry/City=City 1\r\n");
        QTest::newRow("sections beyond the old count stay")
            << QByteArray("[Settings]\r\nClocks=1\r\n[Clock_01]\r\nCountry/City=a\r\n[Clock_02]\r\n"
                          "Country/City=b\r\n")
            << 1 << 1
            << QByteArray(
                   "[Settings]\r\nClocks=01\r\n[Clock_02]\r\nCountry/City=b\r\n[Clock_01]\r\n"
                   "Country/City=City 1\r\n");
        QTest::newRow("negative old count deletes nothing")
            << QByteArray("[Clock_01]\r\nCountry/City=a\r\n") << -5 << 1
            << QByteArray("[Clock_01]\r\nCountry/City=City 1\r\n[Settings]\r\nClocks=01\r\n");
    }

    void clockList()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, oldCount);
        QFETCH(int, newCount);
        QFETCH(QByteArray, expected);

        if (!before.isNull())
            QVERIFY(TestFiles::writeBytes(m_folder->settingsFile(), before));
        QVERIFY(saveClockList(*m_folder, oldCount, clockLines(newCount)));
        QCOMPARE(TestFiles::readBytes(m_folder->settingsFile()), expected);
    }

    void keptPlace_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("screens");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<PlaceKept>("result");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray others = "[Settings]\r\nClocks=00\r\n[Options]\r\nKeep_Position=1\r\n";
        const auto slot = [](int n, const QByteArray &screens,
                             const QByteArray &place) -> QByteArray {
            const QByteArray number = QByteArray::number(n);
            return "Screens_" + number + "=" + screens + "\r\nPlace_" + number + "=" + place +
                   "\r\n";
        };
        const QByteArray section = "[Window_Position]\r\n";
        QTest::newRow("first place: a new section, nothing else changes")
            << others << u"A"_s << QPoint(-10, 20) << PlaceKept::Written
            << others + section + slot(1, "A", "-10,20");
        QTest::newRow("another arrangement goes first")
            << others + section + slot(1, "A", "1,2") << u"B"_s << QPoint(3, 4)
            << PlaceKept::Written << others + section + slot(1, "B", "3,4") + slot(2, "A", "1,2");
        QTest::newRow("a known arrangement moves up; the least recent of five goes")
            << section + slot(1, "A", "1,1") + slot(2, "B", "2,2") + slot(3, "C", "3,3") +
                   slot(4, "D", "4,4")
            << u"E"_s << QPoint(5, 5) << PlaceKept::Written
            << section + slot(1, "E", "5,5") + slot(2, "A", "1,1") + slot(3, "B", "2,2") +
                   slot(4, "C", "3,3");
        QTest::newRow("same place again: the file is not touched")
            << others + section + slot(1, "A", "1,2") << u"A"_s << QPoint(1, 2)
            << PlaceKept::Unchanged << others + section + slot(1, "A", "1,2");
        QTest::newRow("no Kerani.ini: none is made")
            << QByteArray() << u"A"_s << QPoint(1, 2) << PlaceKept::NoSettingsFile << QByteArray();
    }
    void keptPlace()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, screens);
        QFETCH(QPoint, place);
        QFETCH(QByteArray, expected);

        const QString path = m_folder->settingsFile();
        if (!before.isNull())
            QVERIFY(TestFiles::writeBytes(path, before) && TestFiles::backdate(path));
        const QDateTime written = TestFiles::modified(path);
        const FileResult<PlaceKept> result = saveKeptPlace(*m_folder, {screens, place});
        QTEST(result.valueOr(PlaceKept::NoSettingsFile), "result");
        QVERIFY(result);
        QCOMPARE(TestFiles::readBytes(path), expected);
        QCOMPARE(QFileInfo::exists(path), !before.isNull());
        if (expected == before)
            QCOMPARE(TestFiles::modified(path), written);
    }

    void savesThatWriteNothing_data()
    {
        // Files that cannot be written are the fault tests' part; these saves are refused first.
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<bool>("optionsSave");
        QTest::addColumn<Status>("expected");

        QTest::newRow("options: no Kerani.ini") << false << true << Status::NoSettingsFile;
        QTest::newRow("options: line break in a value") << true << true << Status::Failed;
        QTest::newRow("clocks: line break in a value") << true << false << Status::Failed;
    }

    void savesThatWriteNothing()
    {
        QFETCH(bool, fileExists);
        QFETCH(bool, optionsSave);
        QFETCH(Status, expected);

        const QByteArray before = "[Settings]\r\nClocks=01\r\n[Clock_01]\r\nCountry/City=a\r\n";
        if (fileExists)
            QVERIFY(TestFiles::writeBytes(m_folder->settingsFile(), before));
        OptionsSave options = sampleSave(u"Cairo!+02:00!EGY.bmp"_s, u"grt2"_s);
        QStringList clocks = clockLines(2);
        if (fileExists) {
            options.options.backgroundPicture = u"/tmp/a\n[Settings]\nClocks=99"_s;
            clocks[1] = u"x\r\n[Settings]"_s;
        }

        if (optionsSave) {
            const FileResult<OptionsSaved> result = saveOptions(*m_folder, options);
            QCOMPARE(result == OptionsSaved::NoSettingsFile, expected == Status::NoSettingsFile);
            QCOMPARE(result.error().isEmpty(), expected != Status::Failed);
        } else {
            const FileResult<> result = saveClockList(*m_folder, 1, clocks);
            QVERIFY(!result);
            QVERIFY(!result.error().isEmpty());
        }
        if (fileExists)
            QCOMPARE(TestFiles::readBytes(m_folder->settingsFile()), before);
        else
            QCOMPARE(QDir(m_dir->path())
                         .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList());
    }
};

QTEST_GUILESS_MAIN(TestSettingsWriter)
#include "tst_settingswriter.moc"
