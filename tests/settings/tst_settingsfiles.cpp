// The user's files: their places, Kerani.ini's encodings, what each Save writes, the restore of the
// data files. (What is no regular file, or cannot be written: see tests/faults.)
#include "settings/appfolder.h"
#include "settings/datafiles.h"
#include "settings/profilefile.h"
#include "settings/settingsloader.h"
#include "settings/settingswriter.h"
#include "support/testfiles.h"

#include <QDir>
#include <QImage>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kCairo = u"Cairo!+02:00!EGY.bmp"_s;

// The choices of a dialog where every value differs from its default.
OptionsSave sampleSave(std::optional<QString> localCity, const QString &backgroundCode)
{
    DisplayOptions o;
    o.hideSysTrayIcon = o.displayClock = o.displayTime = o.displayOppositeDate = true;
    o.followDst = o.keepPosition = true;
    o.timeFormat = TimeFormat::Hours24Seconds;
    o.dateFormat = DateFormat::YearMonthDay;
    o.oppositeDateFormat = DateFormat::MonthDayYear;
    o.oppositeDateShift = OppositeDateShift::OneDayOn;
    o.faceStyle = FaceStyle::Style3;
    o.background = backgroundKindOf(backgroundCode);
    o.backgroundPicture = u"/home/u/sea.bmp"_s;
    o.solidColour = QColor(0, 0, 255);
    o.gradientColour = QColor(255, 0, 0);
    o.gradientDirection = GradientDirection::BottomUp;
    o.bottomColour = QColor(255, 255, 255);
    return {std::move(localCity), o};
}

const QByteArray kSettings = "[Settings]\r\nClocks=00\r\n";
const QByteArray kOptionsKeys =
    "[Options]\r\nHide_SysTray_Icon=1\r\nAlways_On_Top=0\r\nDisplay_Clock=1\r\n"
    "Display_Time=1\r\nTimeFormat=3\r\nDisplay_Date=0\r\nDateFormat=2\r\nDisplay_OpsDate=1\r\n"
    "OpsDateFormat=1\r\nOpsDateDiff=3\r\nFollow_DST=1\r\nKeep_Position=1\r\n";
const QByteArray kStyleKeys = // without BackGround
    "[Clocks_Style]\r\nClock_Picture=2\r\nBGPicture=/home/u/sea.bmp\r\nSolid=16711680\r\n"
    "OneColor=255\r\nOneColorDir=1\r\nTwoColors1=0\r\nTwoColors2=16777215\r\n";

} // namespace

class TestSettingsFiles final : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppFolder> m_folder;
    QString m_ini;

    [[nodiscard]] QString at(const QString &relative) const { return m_dir->filePath(relative); }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_folder = std::make_unique<AppFolder>(m_dir->path());
        m_ini = m_folder->settingsFile();
    }

    void encodingsReadAndSaveAsUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("saved"); // after Clocks is set to 02

        const QString text = u"[Settings]\r\nLocal=Z\u00FCrich\r\nClocks=01\r\n"_s;
        const QByteArray utf8 = text.toUtf8();
        const QByteArray le =
            "\xff\xfe" + QByteArray(QStringEncoder(QStringEncoder::Utf16LE)(text));
        const QByteArray savedUtf8 = "[Settings]\r\nLocal=Z\xc3\xbcrich\r\nClocks=02\r\n";
        QTest::newRow("UTF-8 with byte-order mark") << "\xef\xbb\xbf" + utf8 << savedUtf8;
        QTest::newRow("Windows-1252") << text.toLatin1() << savedUtf8;
        QTest::newRow("UTF-16 little-endian with byte-order mark") << le << savedUtf8;
        QTest::newRow("UTF-16 big-endian with byte-order mark")
            << "\xfe\xff" + QByteArray(QStringEncoder(QStringEncoder::Utf16BE)(text)) << savedUtf8;
        // A high surrogate with nothing after it cannot be written as UTF-8: it is replaced.
        QTest::newRow("UTF-16 ending in a lone high surrogate")
            << le + "\x00\xd8"_ba << savedUtf8 + "\xef\xbf\xbd";
        // What follows a NUL is no part of the line as read, and is kept as it is.
        QTest::newRow("NUL ends a line")
            << "[Settings]\r\nLocal=Z\xc3\xbcrich\0junk=1\r\nClocks=01\r\n"_ba
            << "[Settings]\r\nLocal=Z\xc3\xbcrich\0junk=1\r\nClocks=02\r\n"_ba;
        QTest::newRow("^Z at the end of the file")
            << "[Settings]\r\nLocal=Z\xc3\xbcrich\r\nClocks=01\x1a\x1a"_ba
            << "[Settings]\r\nLocal=Z\xc3\xbcrich\r\nClocks=02"_ba;
    }
    void encodingsReadAndSaveAsUtf8()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(TestFiles::writeBytes(m_ini, bytes) && TestFiles::backdate(m_ini));
        const QDateTime written = TestFiles::modified(m_ini);
        ProfileFile file = ProfileFile::open(m_ini);
        QCOMPARE(file.document().value(u"Settings", u"Local"), u"Z\u00FCrich"_s);
        // A save that changes no value leaves the file untouched, in whatever encoding it is.
        QVERIFY(file.document().setValue(u"Settings", u"Clocks", u"01"_s));
        QCOMPARE(file.save(), ProfileFile::Saved::Unchanged);
        QCOMPARE(TestFiles::modified(m_ini), written);
        QCOMPARE(TestFiles::readBytes(m_ini), bytes);
        QVERIFY(file.document().setValue(u"Settings", u"Clocks", u"02"_s));
        QCOMPARE(file.save(), ProfileFile::Saved::Written);
        QTEST(TestFiles::readBytes(m_ini), "saved");
    }

    void eachMissingDataFileRestoredOnItsOwn()
    {
        // Bytes no text conversion would keep; each file restored, or kept, on its own.
        const AppFolder folder = *m_folder;
        const QByteArray factory = "[Settings]\r\nClocks=00\r\n\0\xff\r"_ba;
        const QByteArray user = "Oslo!+01:00!NOR.bmp\r\n";
        QVERIFY(TestFiles::writeBytes(folder.factorySettingsFile(), factory));
        QVERIFY(TestFiles::writeBytes(folder.cityListFile(), user));
        DataFilesRestored restored = ::restoreMissingDataFiles(folder);
        QCOMPARE(restored.settings, DataFileRestore::Restored);
        QCOMPARE(restored.cityList, DataFileRestore::Present); // no factory copy needed
        QCOMPARE(TestFiles::readBytes(folder.settingsFile()), factory);
        QCOMPARE(TestFiles::readBytes(folder.cityListFile()), user);
    }

    // An application folder "app" (the program beside Kerani.bak) and an install under a prefix
    // ("usr/bin" and "usr/share/kerani"), with $XDG_CONFIG_HOME "cfg" and $XDG_DATA_HOME "dat".
    void places_data()
    {
        QTest::addColumn<QString>("program");      // the program's folder; "+": a Kerani.ini in it
        QTest::addColumn<QString>("configHome");   // empty: "cfg"; a relative one is ignored
        QTest::addColumn<QString>("mode");         // $KERANI_MODE
        QTest::addColumn<QStringList>("expected"); // Kerani.ini, Cities.txt, Kerani.bak folders
        const QString app = u"app"_s, bin = u"usr/bin"_s, data = u"dat/kerani"_s;
        const QStringList perUser = {u"cfg/kerani"_s, data, u"usr/share/kerani"_s};
        QTest::newRow("writable application folder")
            << app << QString() << QString() << QStringList{app, app, app};
        QTest::newRow("installed under a prefix") << bin << QString() << QString() << perUser;
        QTest::newRow("relative XDG_CONFIG_HOME is ignored")
            << bin << u"../cfg"_s << QString()
            << QStringList{u"home/.config/kerani"_s, data, perUser[2]};
        QTest::newRow("Kerani.ini beside an installed program")
            << bin + u'+' << QString() << QString() << QStringList{bin, bin, bin};
        QTest::newRow("per user by choice")
            << app + u'+' << QString() << u"user"_s << QStringList{perUser[0], data, app};
    }
    void places()
    {
        QFETCH(QString, program);
        QFETCH(QString, configHome);
        QFETCH(QString, mode);
        QFETCH(QStringList, expected);
        QVERIFY(QDir().mkpath(at(u"usr/bin"_s)));
        for (const QString &folder : {u"usr/share/kerani"_s, u"app"_s})
            QVERIFY(QDir().mkpath(at(folder)) &&
                    TestFiles::writeBytes(at(folder + u"/Kerani.bak"_s), "[Settings]\r\n"));
        if (program.endsWith(u'+')) {
            program.chop(1);
            QVERIFY(TestFiles::writeBytes(at(program + u"/Kerani.ini"_s), {}));
        }
        const AppFolder folder = AppFolder::forProgram(
            at(program),
            {at(u"home"_s), configHome.isEmpty() ? at(u"cfg"_s) : configHome, at(u"dat"_s), mode});
        QCOMPARE(folder.mode(),
                 expected[0] == expected[1] ? AppFolder::Mode::Portable : AppFolder::Mode::PerUser);
        QCOMPARE(folder.settingsFile(), at(expected[0] + u"/Kerani.ini"_s));
        QCOMPARE(folder.cityListFile(), at(expected[1] + u"/Cities.txt"_s));
        QCOMPARE(folder.factorySettingsFile(), at(expected[2] + u"/Kerani.bak"_s));
        QCOMPARE(folder.flagFolders().last(), at(expected[2] + u"/flags"_s));
    }

    void pictureBackgroundThatDoesNotLoad()
    {
        // The clock window shows none, so the options dialog shows "None" and its Save writes it.
        QVERIFY(QImage(4, 4, QImage::Format_RGB32).save(at(u"sea.bmp"_s)));
        for (const auto &[name, kind] : {std::pair(u"sea.bmp"_s, BackgroundKind::Picture),
                                         std::pair(u"gone.bmp"_s, BackgroundKind::None)}) {
            QVERIFY(TestFiles::writeBytes(m_ini, "[Clocks_Style]\r\nBackGround=pic\r\nBGPicture=" +
                                                     at(name).toUtf8()));
            QCOMPARE(loadSettings(*m_folder).displayOptions.background, kind);
        }
    }

    void options()
    {
        // Every key, in order, into a file that has none of them; what was written reads back
        // as it was chosen. With no city, Local is not written; nor is a code of no known kind.
        QVERIFY(TestFiles::writeBytes(m_ini, kSettings));
        const OptionsSave save = sampleSave(kCairo, u"grt2"_s);
        QCOMPARE(saveOptions(*m_folder, save), OptionsSaved::Saved);
        QCOMPARE(TestFiles::readBytes(m_ini), kSettings + "Local=Cairo!+02:00!EGY.bmp\r\n" +
                                                  kOptionsKeys + kStyleKeys +
                                                  "BackGround=grt2\r\n");
        QVERIFY(loadSettings(*m_folder).displayOptions == save.options);
        QVERIFY(TestFiles::writeBytes(m_ini, kSettings));
        QCOMPARE(saveOptions(*m_folder, sampleSave({}, u"NON"_s)), OptionsSaved::Saved);
        QCOMPARE(TestFiles::readBytes(m_ini), kSettings + kOptionsKeys + kStyleKeys);
    }

    void clockList()
    {
        // The old count's sections go, wherever they are; sections beyond it stay; the new ones
        // go at the end.
        QVERIFY(TestFiles::writeBytes(
            m_ini, "[Settings]\r\nClocks=02\r\n[Clock_01]\r\nCountry/City=a\r\n[Options]\r\n"
                   "[Clock_02]\r\nCountry/City=b\r\n[Clock_03]\r\nCountry/City=c\r\n"));
        QVERIFY(saveClockList(*m_folder, 2, {u"Oslo"_s}));
        QCOMPARE(TestFiles::readBytes(m_ini),
                 "[Settings]\r\nClocks=01\r\n[Options]\r\n[Clock_03]\r\nCountry/City=c\r\n"
                 "[Clock_01]\r\nCountry/City=Oslo\r\n"_ba);
    }

    void keptPlace()
    {
        // A new arrangement goes first and the least recent of five goes; the same place again
        // leaves the file untouched.
        const QString path = m_ini;
        const auto slot = [](int n, const char *screens, const char *place) -> QByteArray {
            const QByteArray number = QByteArray::number(n);
            return "Screens_" + number + "=" + screens + "\r\nPlace_" + number + "=" + place +
                   "\r\n";
        };
        const QByteArray before = "[Window_Position]\r\n" + slot(1, "A", "1,1") +
                                  slot(2, "B", "2,2") + slot(3, "C", "3,3") + slot(4, "D", "4,4");
        const QByteArray after = "[Window_Position]\r\n" + slot(1, "E", "5,-5") +
                                 slot(2, "A", "1,1") + slot(3, "B", "2,2") + slot(4, "C", "3,3");
        QVERIFY(TestFiles::writeBytes(path, before));
        QCOMPARE(saveKeptPlace(*m_folder, {u"E"_s, QPoint(5, -5)}), PlaceKept::Written);
        QCOMPARE(TestFiles::readBytes(path), after);
        QVERIFY(TestFiles::backdate(path));
        const QDateTime written = TestFiles::modified(path);
        QCOMPARE(saveKeptPlace(*m_folder, {u"E"_s, QPoint(5, -5)}), PlaceKept::Unchanged);
        QCOMPARE(TestFiles::modified(path), written);
    }

    void savesThatWriteNothing()
    {
        // No Kerani.ini: the options Save and a kept place make none, and say so.
        QCOMPARE(saveOptions(*m_folder, sampleSave(kCairo, u"grt2"_s)),
                 OptionsSaved::NoSettingsFile);
        QCOMPARE(saveKeptPlace(*m_folder, {u"A"_s, QPoint(1, 2)}), PlaceKept::NoSettingsFile);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
        QVERIFY(saveClockList(*m_folder, 0, {})); // the clock list Save makes one
        QCOMPARE(TestFiles::readBytes(m_ini), kSettings);
        // A value that would break its line: refused with a reason, the file unchanged.
        const QByteArray before = "[Settings]\r\nClocks=01\r\n[Clock_01]\r\nCountry/City=a\r\n";
        QVERIFY(TestFiles::writeBytes(m_ini, before));
        OptionsSave options = sampleSave(kCairo, u"grt2"_s);
        options.options.backgroundPicture = u"/tmp/a\n[Settings]\nClocks=99"_s;
        const FileResult<OptionsSaved> saved = saveOptions(*m_folder, options);
        QVERIFY(!saved && !saved.error().isEmpty());
        QCOMPARE(TestFiles::readBytes(m_ini), before);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
