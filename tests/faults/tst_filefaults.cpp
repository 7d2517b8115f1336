// Every reader and writer of the application folder against what fails or is no plain file. A
// reader that blocks on a pipe hangs this test (CTest's TIMEOUT ends it). The disk faults are a
// tiny tmpfs, filled up or made read-only (root ignores file permissions), in a mount namespace of
// this process alone.

#include "cities/citylistfile.h"
#include "cities/flagfolder.h"
#include "settings/datafiles.h"
#include "settings/picturefile.h"
#include "settings/regularfile.h"
#include "settings/settingsloader.h"
#include "settings/settingswriter.h"
#include "support/testfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Before QTest's main, while the process has one thread (unshare refuses otherwise): a mount
// namespace of its own, as root or inside a user namespace of its own.
const bool kMountsAvailable = [] {
    const auto write = [](const char *path, const QByteArray &text) {
        QFile file(QString::fromLatin1(path));
        return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(text) > 0;
    };
    if (::unshare(CLONE_NEWNS) != 0) {
        const QByteArray uid = QByteArray::number(::getuid()), gid = QByteArray::number(::getgid());
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return false;
        write("/proc/self/setgroups", "deny");
        if (!write("/proc/self/uid_map", "0 " + uid + " 1") ||
            !write("/proc/self/gid_map", "0 " + gid + " 1"))
            return false;
    }
    return ::mount("none", "/", "none", MS_REC | MS_PRIVATE, nullptr) == 0;
}();

/// Every file under a folder with its bytes (none for what is no regular file: a pipe would block
/// the read), and every folder (name ending in "/").
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QFileInfo entry = it.nextFileInfo();
        QFile file(entry.filePath());
        files.insert(
            QDir(folder).relativeFilePath(entry.filePath()) + (entry.isDir() ? u"/"_s : u""_s),
            entry.isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return files;
}

const QString Cairo = u"Cairo!+02:00!EGY.bmp"_s;
const QString Lima = u"Lima!-05:00!PER.bmp"_s;
const QString Oslo = u"Oslo!+01:00!NOR.bmp"_s;

/// Kerani.ini with two clocks and a city list, or only their factory copies.
bool writeDataFiles(const AppFolder &folder, bool factoryCopies)
{
    const QByteArray cities = (Cairo + u"\r\n"_s + Lima).toUtf8();
    const QByteArray settings =
        "[Settings]\r\nClocks=01\r\n[Clock_01]\r\nCountry/City=" + Cairo.toUtf8();
    return TestFiles::writeBytes(
               factoryCopies ? folder.factorySettingsFile() : folder.settingsFile(), settings) &&
           TestFiles::writeBytes(
               factoryCopies ? folder.factoryCityListFile() : folder.cityListFile(), cities);
}

// A filler file until not one more byte fits.
bool fill(const QString &path)
{
    QFile filler(path);
    const QByteArray block(4096, 'f');
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    while (filler.write(block) == block.size()) {
    }
    return filler.write("f", 1) != 1;
}

enum class Fault { FactoryCopies, ReadOnlyDisk, FullDisk };
enum class Operation { SaveOptions, SaveClockList, SaveCity, DeleteCity, Restore };

std::pair<bool, QString> run(Operation operation, const AppFolder &folder) // failed, message
{
    const auto outcome = [](const auto &result) { return std::pair(!result, result.error()); };
    switch (operation) {
    case Operation::SaveOptions:
        return outcome(saveOptions(folder, {Oslo, {}}));
    case Operation::SaveClockList:
        return outcome(saveClockList(folder, 1, {Oslo, Cairo, Lima}));
    case Operation::SaveCity:
        return outcome(CityListFile(folder).save({u"Kyiv"_s, u"+02:00"_s, u"UKR.bmp"_s}));
    case Operation::DeleteCity:
        return outcome(CityListFile(folder).remove(u"Lima"));
    case Operation::Restore: {
        const DataFilesRestored restored = restoreMissingDataFiles(folder);
        return {!restored.settings && !restored.cityList, restored.settings.error()};
    }
    }
    return {};
}

} // namespace

class TestFileFaults final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failedSaveChangesNothing_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<Operation>("operation");
        const char *const operations[] = {"options Save", "clock list Save", "city Save",
                                          "city Delete", "start-up restore"};
        for (const auto &[name, fault] : {std::pair("factory copies read", Fault::FactoryCopies),
                                          std::pair("read-only disk", Fault::ReadOnlyDisk),
                                          std::pair("full disk", Fault::FullDisk)}) {
            for (int operation = 0; operation <= int(Operation::Restore); ++operation) {
                if (fault != Fault::FactoryCopies || operation != int(Operation::Restore))
                    QTest::addRow("%s, %s", name, operations[operation])
                        << fault << Operation(operation);
            }
        }
    }
    void failedSaveChangesNothing()
    {
        QFETCH(Fault, fault);
        QFETCH(Operation, operation);
        QTemporaryDir dir;
        const QString root = dir.path();
        const QByteArray mountPoint = QFile::encodeName(root);
        const bool disk = fault != Fault::FactoryCopies;
        if (disk && !kMountsAvailable)
            QSKIP("no mount namespace of its own here, so no tiny disk");
        QVERIFY(!disk || ::mount("tmpfs", mountPoint, "tmpfs", MS_NOSUID | MS_NODEV,
                                 "size=262144,mode=0755") == 0);
        const auto unmount = qScopeGuard([&] {
            if (disk)
                ::umount2(mountPoint, MNT_DETACH);
        });
        const AppFolder folder = [&] {
            if (fault != Fault::FactoryCopies)
                return AppFolder(root);
            // Installed; the user's folders cannot be made (a file is where home should be).
            QDir(root).mkpath(u"usr/bin"_s);
            QDir(root).mkpath(u"usr/share/kerani"_s);
            TestFiles::writeBytes(root + u"/home"_s, "in the way");
            return AppFolder::forProgram(root + u"/usr/bin"_s, {root + u"/home"_s, {}, {}, {}})
                .readingFactoryCopiesOfMissingFiles();
        }();
        // A restore that failed must leave no empty Kerani.ini, which would never be restored.
        QVERIFY(writeDataFiles(folder,
                               fault == Fault::FactoryCopies || operation == Operation::Restore));
        QVERIFY(fault != Fault::ReadOnlyDisk ||
                ::mount("tmpfs", mountPoint, "tmpfs", MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV,
                        nullptr) == 0);
        QVERIFY(fault != Fault::FullDisk || fill(root + u"/.filler"_s));

        const auto before = snapshot(root);
        const auto [failed, message] = run(operation, folder);
        QVERIFY2(failed && !message.isEmpty(), "a success, or a failure without a message");
        if (fault == Fault::FactoryCopies) // the user is told the factory copy is not saved
            QVERIFY2(message.contains(u".bak"_s) && folder.cannotSaveMessage(),
                     qPrintable(message));
        QCOMPARE(snapshot(root), before);
        if (fault == Fault::FullDisk) { // with room again the same save goes through
            QVERIFY(QFile::remove(root + u"/.filler"_s));
            const auto [failedAgain, why] = run(operation, folder);
            QVERIFY2(!failedAgain, qPrintable(why));
            QVERIFY(snapshot(root) != before);
        }
    }

    void readersRefuseWhatIsNoRegularFile_data()
    {
        QTest::addColumn<QString>("files");
        QTest::addColumn<bool>("pipe"); // else a link to /dev/zero
        for (const char *files :
             {"Kerani.ini", "Kerani.bak and Cities.bak", "Cities.txt", "face and flag pictures"}) {
            QTest::addRow("%s: pipes", files) << QString::fromLatin1(files) << true;
            QTest::addRow("%s: links to /dev/zero", files) << QString::fromLatin1(files) << false;
        }
    }
    void readersRefuseWhatIsNoRegularFile()
    {
        QFETCH(QString, files);
        QFETCH(bool, pipe);
        QTemporaryDir dir;
        const AppFolder folder(dir.path());
        const QString flag = folder.flagsFolder() + u"/EGY.bmp"_s;
        const QMap<QString, QStringList> paths = {
            {u"Kerani.ini"_s, {folder.settingsFile()}},
            {u"Kerani.bak and Cities.bak"_s,
             {folder.factorySettingsFile(), folder.factoryCityListFile()}},
            {u"Cities.txt"_s, {folder.cityListFile()}},
            {u"face and flag pictures"_s, {folder.faceFile(FaceStyle(0)), flag}}};
        for (const QString &path : paths.value(files)) {
            QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
            QVERIFY(pipe ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                         : QFile::link(u"/dev/zero"_s, path));
        }
        const auto before = snapshot(dir.path());

        if (files == u"Kerani.ini") {
            QCOMPARE(loadSettings(folder), SettingsState{});
            QVERIFY(!saveClockList(folder, 0, {Oslo})); // never replaced by a file
        } else if (files == u"Cities.txt") {
            QVERIFY(!CityListFile(folder).read());
            QVERIFY(!CityListFile(folder)
                         .save({u"Kyiv"_s, u"+02:00"_s, u"UKR.bmp"_s})
                         .error()
                         .isEmpty());
        } else if (files.startsWith(u"Kerani.bak")) {
            const DataFilesRestored restored = restoreMissingDataFiles(folder);
            QVERIFY(!restored.settings && !restored.cityList);
        } else {
            QVERIFY(readPicture(folder.faceFile(FaceStyle(0))).isNull());
            QVERIFY(FlagFolder::loadPicture(flag).isNull());
        }
        for (const QString &path : paths.value(files))
            QVERIFY(QFileInfo(path).isSymLink() != pipe && !QFileInfo(path).isFile());
        QCOMPARE(snapshot(dir.path()), before); // nothing made or replaced
    }

    void sizeLimits()
    {
        // Above the limit a file reads as none: the line before the (sparse) padding is not read.
        QTemporaryDir dir;
        const AppFolder folder(dir.path());
        QFile settings(folder.settingsFile());
        QVERIFY(settings.open(QIODevice::WriteOnly) &&
                settings.write("[Options]\r\nDisplay_Clock=1\r\n"));
        QVERIFY(settings.resize(AppFolder::MaxSettingsFileBytes + 1));
        QVERIFY(!loadSettings(folder).displayOptions.displayClock);
        QVERIFY(settings.resize(AppFolder::MaxSettingsFileBytes));
        QVERIFY(loadSettings(folder).displayOptions.displayClock);
        // The limit counts the bytes read, not the size a file claims: a /proc file claims none.
        const QString claimsNoSize = u"/proc/self/status"_s;
        QCOMPARE(QFileInfo(claimsNoSize).size(), qint64(0));
        const FileResult<QByteArray> whole = RegularFile::read(claimsNoSize, 1024 * 1024);
        QVERIFY2(whole, qPrintable(whole.error()));
        QVERIFY(RegularFile::read(claimsNoSize, whole->size() + 64));
        QVERIFY(!RegularFile::read(claimsNoSize, 16));
    }

    void pictureLimits()
    {
        // Refused above the limits before a pixel is decoded; a flag is scaled to its box (3x).
        QTemporaryDir dir;
        const auto read = [&dir](QSize size, bool flag) {
            const QString path = dir.filePath(u"EGY.bmp"_s);
            QImage picture(size, QImage::Format_Mono); // one bit a pixel in PNG: small files
            picture.fill(1);
            return picture.save(path, "PNG")
                       ? (flag ? FlagFolder::loadPicture(path) : readPicture(path)).size()
                       : QSize();
        };
        QCOMPARE(read(QSize(10000, 2500), false), QSize(10000, 2500)); // at both limits
        QCOMPARE(read(QSize(10001, 1), false), QSize(0, 0));
        QCOMPARE(read(QSize(5001, 5000), true), QSize(0, 0));
        QCOMPARE(read(QSize(960, 200), true), QSize(48, 10));
    }

    void writesFollowLinks()
    {
        // Through a chain of two links the target gets the new text; through a dangling link the
        // write fails. Either way the link stays and no file is made, here or beside the target.
        for (const bool cityList : {false, true}) {
            for (const QString &link : {u"../elsewhere/second"_s, u"../elsewhere/gone"_s}) {
                QTemporaryDir dir;
                QVERIFY(QDir(dir.path()).mkdir(u"app"_s) && QDir(dir.path()).mkdir(u"elsewhere"_s));
                const AppFolder folder(dir.filePath(u"app"_s));
                const QString path = cityList ? folder.cityListFile() : folder.settingsFile();
                QVERIFY(TestFiles::writeBytes(dir.filePath(u"elsewhere/data"_s), Cairo.toUtf8()));
                QVERIFY(QFile::link(u"data"_s, dir.filePath(u"elsewhere/second"_s)));
                QVERIFY(::symlink(qPrintable(link), QFile::encodeName(path).constData()) == 0);
                const auto before = snapshot(dir.path());
                const auto [failed, message] =
                    run(cityList ? Operation::SaveCity : Operation::SaveClockList, folder);
                QVERIFY(QFileInfo(path).isSymLink());
                const auto after = snapshot(dir.path());
                QCOMPARE(after.keys(), before.keys());
                QVERIFY2(failed == link.endsWith(u"gone"), qPrintable(link + u' ' + message));
                QCOMPARE(after.value(u"elsewhere/data"_s).contains(cityList ? "Kyiv" : "Oslo"),
                         !failed);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestFileFaults)
#include "tst_filefaults.moc"
