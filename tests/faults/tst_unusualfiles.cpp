// Every reader and writer of the application folder against what is not a plain file: a pipe or a
// device where a file should be (never waited on, never read without end), files above the size
// limits, pictures above the picture limits, and links, which writes follow to their targets.
//
// A reader that blocks on a pipe hangs this test: CTest's TIMEOUT ends it. One that reads a device
// without end meets the address-space limit set below and fails at once instead of exhausting
// the machine's memory.

#include "cities/citylistfile.h"
#include "cities/flagfolder.h"
#include "faultdisk.h"
#include "settings/datafiles.h"
#include "settings/picturefile.h"
#include "settings/regularfile.h"
#include "settings/settingsloader.h"
#include "settings/settingswriter.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
using namespace FaultFiles;

namespace {

#ifdef Q_OS_UNIX
[[maybe_unused]] const bool kAddressSpaceLimited = [] {
    const rlimit limit{1024L * 1024 * 1024, 1024L * 1024 * 1024};
    return ::setrlimit(RLIMIT_AS, &limit) == 0;
}();
#endif

enum class Reader {
    Settings,        // Kerani.ini: loaded, then a Save
    FactorySettings, // Kerani.bak, with no Kerani.ini, restored at start-up
    CityList,        // Cities.txt read by a dialog
    CitySave,        // Cities.txt read by a city editor Save
    FactoryCityList, // Cities.bak, with no Cities.txt, restored at start-up
    FacePicture,     // clocks/clk01.bmp
    FlagPicture,     // flags/EGY.bmp
};

enum class Unusual { Pipe, DeviceLink };

QString pathRead(const AppFolder &folder, Reader reader)
{
    switch (reader) {
    case Reader::Settings:
        return folder.settingsFile();
    case Reader::FactorySettings:
        return folder.factorySettingsFile();
    case Reader::CityList:
    case Reader::CitySave:
        return folder.cityListFile();
    case Reader::FactoryCityList:
        return folder.factoryCityListFile();
    case Reader::FacePicture:
        return folder.faceFile(FaceStyle(0));
    case Reader::FlagPicture:
        return folder.flagsFolder() + u"/EGY.bmp"_s;
    }
    return {};
}

bool makeUnusual(const QString &path, Unusual kind)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
#ifdef Q_OS_UNIX
    if (kind == Unusual::Pipe)
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#endif
    return kind == Unusual::DeviceLink && QFile::link(u"/dev/zero"_s, path);
}

// What the path is: "link" or "other" (a pipe), never a regular file a write has put there.
QString kindOf(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? u"link"_s : info.isFile() ? u"file"_s : u"other"_s;
}

// A picture file of the given size; one bit a pixel in PNG, so that even large ones are small.
bool writePicture(const QString &path, QSize size, const char *format = "PNG")
{
    QImage picture(size, QImage::Format_Mono);
    picture.fill(1);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && picture.save(path, format);
}

} // namespace

class TestUnusualFiles final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readersRefuseWhatIsNoRegularFile_data()
    {
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<Unusual>("kind");
        const char *const readers[] = {"Kerani.ini",      "Kerani.bak", "Cities.txt read",
                                       "Cities.txt Save", "Cities.bak", "face picture",
                                       "flag picture"};
        for (int reader = 0; reader <= int(Reader::FlagPicture); ++reader) {
            QTest::addRow("%s is a pipe", readers[reader]) << Reader(reader) << Unusual::Pipe;
            QTest::addRow("%s links to /dev/zero", readers[reader])
                << Reader(reader) << Unusual::DeviceLink;
        }
    }
    void readersRefuseWhatIsNoRegularFile()
    {
#ifndef Q_OS_UNIX
        QSKIP("pipes and /dev/zero are Unix things");
#endif
        QFETCH(Reader, reader);
        QFETCH(Unusual, kind);
        QTemporaryDir dir;
        const AppFolder folder(dir.path());
        const QString path = pathRead(folder, reader);
        QVERIFY(makeUnusual(path, kind));
        const QString before = kindOf(path);

        switch (reader) {
        case Reader::Settings:
            QCOMPARE(loadSettings(folder), SettingsState{});
            QVERIFY(!saveClockList(folder, 0, {Oslo})); // never replaced by a file
            break;
        case Reader::FactorySettings:
            QVERIFY(!restoreMissingDataFiles(folder).settings);
            QVERIFY(!QFileInfo::exists(folder.settingsFile()));
            break;
        case Reader::CityList:
            QVERIFY(!CityListFile(folder).read());
            break;
        case Reader::CitySave: {
            const auto saved = CityListFile(folder).save({u"Kyiv"_s, u"+02:00"_s, u"UKR.bmp"_s});
            QVERIFY(!saved);
            QVERIFY(!saved.error().isEmpty());
            break;
        }
        case Reader::FactoryCityList:
            QVERIFY(!restoreMissingDataFiles(folder).cityList);
            QVERIFY(!QFileInfo::exists(folder.cityListFile()));
            break;
        case Reader::FacePicture:
            QVERIFY(readPicture(path).isNull());
            break;
        case Reader::FlagPicture:
            QVERIFY(FlagFolder::loadPicture(path).isNull());
            break;
        }
        QCOMPARE(kindOf(path), before);
        QVERIFY(!QFileInfo::exists(folder.scratchFile()));
    }

    void sizeLimits()
    {
        QTemporaryDir dir;
        const AppFolder folder(dir.path());
        // Settings above the limit read as none: the key before the padding is not read.
        QFile settings(folder.settingsFile());
        QVERIFY(settings.open(QIODevice::WriteOnly));
        QVERIFY(settings.write("[Options]\r\nDisplay_Clock=1\r\n") > 0);
        QVERIFY(settings.resize(AppFolder::MaxSettingsFileBytes + 1)); // sparse: no room taken
        settings.close();
        QVERIFY(!loadSettings(folder).displayOptions.displayClock);
        QVERIFY(settings.resize(AppFolder::MaxSettingsFileBytes));
        QVERIFY(loadSettings(folder).displayOptions.displayClock);

        // The limit counts the bytes read, not the size a file claims: a /proc file claims none.
        const QString claimsNoSize = u"/proc/self/status"_s;
        if (!QFileInfo(claimsNoSize).isFile() || QFileInfo(claimsNoSize).size() != 0)
            QSKIP("no /proc file that claims a size of 0");
        const FileResult<QByteArray> whole = RegularFile::read(claimsNoSize, 1024 * 1024);
        QVERIFY2(whole, qPrintable(whole.error()));
        QVERIFY(RegularFile::read(claimsNoSize, whole->size() + 64));
        QVERIFY(!RegularFile::read(claimsNoSize, 16));
    }

    void pictureLimits_data()
    {
        QTest::addColumn<bool>("flag");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("read"); // invalid: refused

        QTest::newRow("flag scaled down to its box at 3x")
            << true << QSize(480, 330) << QSize(48, 33);
        QTest::newRow("flag keeps its proportions") << true << QSize(960, 200) << QSize(48, 10);
        QTest::newRow("small flag as it is") << true << QSize(16, 11) << QSize(16, 11);
        QTest::newRow("picture at both limits")
            << false << QSize(10000, 2500) << QSize(10000, 2500);
        QTest::newRow("side above the limit") << false << QSize(10001, 1) << QSize();
        QTest::newRow("pixels above the limit") << false << QSize(5001, 5000) << QSize();
        QTest::newRow("flag of too many pixels") << true << QSize(5001, 5000) << QSize();
    }
    void pictureLimits()
    {
        QFETCH(bool, flag);
        QFETCH(QSize, size);
        QFETCH(QSize, read);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"flags/EGY.bmp"_s);
        QVERIFY(writePicture(path, size, size.width() > 1000 ? "PNG" : "BMP"));
        const QImage picture = flag ? FlagFolder::loadPicture(path) : readPicture(path);
        QCOMPARE(picture.size(), read.isValid() ? read : QSize(0, 0));
    }

    void writesFollowLinks_data()
    {
        QTest::addColumn<bool>("cityList"); // else Kerani.ini
        QTest::addColumn<QString>("link");  // the link's target, as the link holds it
        QTest::addColumn<bool>("dangling");

        for (const bool cityList : {false, true}) {
            const char *file = cityList ? "Cities.txt" : "Kerani.ini";
            QTest::addRow("%s links to another folder", file)
                << cityList << u"../elsewhere/data"_s << false;
            QTest::addRow("%s is a chain of two links", file)
                << cityList << u"../elsewhere/second"_s << false;
            QTest::addRow("%s is a dangling link", file)
                << cityList << u"../elsewhere/gone"_s << true;
        }
    }
    void writesFollowLinks()
    {
        QFETCH(bool, cityList);
        QFETCH(QString, link);
        QFETCH(bool, dangling);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"app"_s) && QDir(dir.path()).mkdir(u"elsewhere"_s));
        const AppFolder folder(dir.filePath(u"app"_s));
        const QString data = dir.filePath(u"elsewhere/data"_s);
        const QString path = cityList ? folder.cityListFile() : folder.settingsFile();
        const QByteArray old = cityList ? (Cairo + u"\r\n"_s).toUtf8() : settingsText({Cairo});
        QVERIFY(TestFiles::writeBytes(data, old));
        QVERIFY(QFile::link(u"data"_s, dir.filePath(u"elsewhere/second"_s)));
        QVERIFY(::symlink(QFile::encodeName(link).constData(),
                          QFile::encodeName(path).constData()) == 0);
        const auto listing = [&dir] {
            return QDir(dir.filePath(u"app"_s)).entryList(QDir::AllEntries | QDir::System) +
                   QDir(dir.filePath(u"elsewhere"_s)).entryList(QDir::AllEntries | QDir::System);
        };
        const QStringList before = listing();

        QString failure;
        if (cityList) {
            const auto saved = CityListFile(folder).save({u"Oslo"_s, u"+01:00"_s, u"NOR.bmp"_s});
            failure = saved ? QString() : saved.error();
        } else {
            const FileResult<> saved = saveClockList(folder, 1, {Oslo});
            failure = saved ? QString() : saved.error();
        }
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(listing(), before); // nothing made, no scratch file left anywhere
        if (dangling) {
            QVERIFY2(!failure.isEmpty(), "a write through a dangling link made a file");
            return;
        }
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QByteArray now = TestFiles::readBytes(data);
        QVERIFY(now.contains(Oslo.toUtf8()));
        QCOMPARE(now.contains(Cairo.toUtf8()), cityList);
    }
};

QTEST_GUILESS_MAIN(TestUnusualFiles)
#include "tst_unusualfiles.moc"
