// Every writer of the application folder against disks and folders that fail: a folder where a
// file should be, a folder that is missing, a read-only disk and a full one. A failed save says
// so and leaves every file as it was, byte for byte, with no scratch or temporary file behind.
// Also the sizes a user can reach: a 10 MB city list and a thousand clocks.

#include "cities/citylistfile.h"
#include "faultdisk.h"
#include "settings/datafiles.h"
#include "settings/profilefile.h"
#include "settings/settingsloader.h"
#include "settings/settingswriter.h"

#include <QDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace FaultFiles;

namespace {

// Before QTest's main: a mount namespace can only be entered while the process has one thread.
[[maybe_unused]] const bool kMountsAvailable = FaultDisk::mountsAvailable();

enum class Operation { SaveOptions, SaveClockList, SaveCity, DeleteCity };

struct Outcome {
    bool failed = false;
    QString message;
};

template<typename T> Outcome outcomeOf(const FileResult<T> &result)
{
    return {!result, result.error()};
}

Outcome run(Operation operation, const AppFolder &folder)
{
    switch (operation) {
    case Operation::SaveOptions: {
        OptionsSave save{Oslo, {}};
        save.options.alwaysOnTop = save.options.displayClock = true;
        save.options.background = BackgroundKind::Solid;
        return outcomeOf(saveOptions(folder, save));
    }
    case Operation::SaveClockList:
        return outcomeOf(saveClockList(folder, 2, {Oslo, Cairo, Lima}));
    case Operation::SaveCity:
        return outcomeOf(CityListFile(folder).save({u"Kyiv"_s, u"+02:00"_s, u"UKR.bmp"_s}));
    case Operation::DeleteCity:
        return outcomeOf(CityListFile(folder).remove(u"Lima"));
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

        using Op = Operation;
        const auto rows = [](const char *fault, Fault value, const QList<Operation> &operations) {
            static const char *const names[] = {"options Save", "clock list Save", "city Save",
                                                "city Delete"};
            for (const Operation operation : operations)
                QTest::addRow("%s, %s", fault, names[int(operation)]) << value << operation;
        };
        const QList<Op> all = {Op::SaveOptions, Op::SaveClockList, Op::SaveCity, Op::DeleteCity};
        rows("Kerani.ini is a folder", Fault::SettingsIsFolder,
             {Op::SaveOptions, Op::SaveClockList});
        rows("Temp.txt is a folder", Fault::ScratchIsFolder, {Op::SaveCity, Op::DeleteCity});
        rows("Cities.txt is a folder", Fault::CityListIsFolder, {Op::SaveCity, Op::DeleteCity});
        // The options Save writes only into an existing Kerani.ini: see missingFolder.
        rows("folder under a missing folder", Fault::FolderMissing,
             {Op::SaveClockList, Op::SaveCity, Op::DeleteCity});
        rows("read-only disk", Fault::ReadOnlyDisk, all);
        rows("full disk", Fault::FullDisk, all);
    }
    void failedSaveChangesNothing()
    {
        QFETCH(Fault, fault);
        QFETCH(Operation, operation);
        Scene scene(fault);
        if (const std::optional<QString> reason = scene.unavailable())
            QSKIP(qPrintable(*reason));
        if (const std::optional<QString> problem = scene.prepare())
            QFAIL(qPrintable(*problem));

        const auto before = FaultDisk::snapshot(scene.root());
        const Outcome outcome = run(operation, scene.folder());
        QVERIFY2(outcome.failed, "the save reported success");
        QVERIFY2(!outcome.message.isEmpty(), "the failure has no message for the user");
        // Old content byte for byte, no truncated file, no scratch or temporary file left.
        QCOMPARE(FaultDisk::snapshot(scene.root()), before);

        if (fault == Fault::FullDisk) {
            // With room again the same save goes through.
            QVERIFY(scene.makeRoom());
            const Outcome retried = run(operation, scene.folder());
            QVERIFY2(!retried.failed, qPrintable(retried.message));
            QVERIFY(FaultDisk::snapshot(scene.root()) != before);
        }
    }

    void factoryCopiesAreNeverSaved_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::newRow("options Save") << Operation::SaveOptions;
        QTest::newRow("clock list Save") << Operation::SaveClockList;
        QTest::newRow("city Save") << Operation::SaveCity;
        QTest::newRow("city Delete") << Operation::DeleteCity;
    }
    void factoryCopiesAreNeverSaved()
    {
        // Installed for everyone, with a factory folder that happens to be writable and the
        // user's folders that cannot be made (a file where the home folder should be): the run
        // reads the factory copies, and a Save must not overwrite them.
        QFETCH(Operation, operation);
        QTemporaryDir dir;
        const QString home = dir.filePath(u"home"_s);
        QVERIFY(TestFiles::writeBytes(home, "in the way"));
        QVERIFY(QDir(dir.path()).mkpath(u"usr/bin"_s) &&
                QDir(dir.path()).mkpath(u"usr/share/kerani"_s));
        const AppFolder installed =
            AppFolder::forProgram(dir.filePath(u"usr/bin"_s), {home, {}, {}, {}});
        QVERIFY(writeDataFiles(installed, true));
        const AppFolder running = installed.readingFactoryCopiesOfMissingFiles();

        const auto before = FaultDisk::snapshot(dir.path());
        const Outcome outcome = run(operation, running);
        QVERIFY2(outcome.failed, "a factory copy was saved");
        const QString factoryCopy =
            operation == Operation::SaveOptions || operation == Operation::SaveClockList
                ? installed.factorySettingsFile()
                : installed.factoryCityListFile();
        QVERIFY2(outcome.message.contains(QDir::toNativeSeparators(factoryCopy)),
                 qPrintable(outcome.message));
        QCOMPARE(FaultDisk::snapshot(dir.path()), before);
    }

    void startUpRestoreOnAFailingDisk_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::newRow("read-only disk") << Fault::ReadOnlyDisk;
        QTest::newRow("full disk") << Fault::FullDisk;
    }
    void startUpRestoreOnAFailingDisk()
    {
        // An empty Kerani.ini left by a restore that failed would never be restored again.
        QFETCH(Fault, fault);
        Scene scene(fault);
        if (const std::optional<QString> reason = scene.unavailable())
            QSKIP(qPrintable(*reason));
        if (const std::optional<QString> problem = scene.prepare(true))
            QFAIL(qPrintable(*problem));
        const auto before = FaultDisk::snapshot(scene.root());
        const DataFilesRestored restored = restoreMissingDataFiles(scene.folder());
        QVERIFY(!restored.settings && !restored.cityList);
        QCOMPARE(FaultDisk::snapshot(scene.root()), before);
    }

    void settingsFolderReadsAsDefaults()
    {
        Scene scene(Fault::SettingsIsFolder);
        QVERIFY(!scene.prepare());
        QCOMPARE(loadSettings(scene.folder()), SettingsState{});
    }

    void missingFolder()
    {
        Scene scene(Fault::FolderMissing);
        QCOMPARE(loadSettings(scene.folder()), SettingsState{});
        QVERIFY(!CityListFile(scene.folder()).read());
        // The options Save writes only into an existing file: nothing to tell, nothing made.
        QCOMPARE(saveOptions(scene.folder(), {Oslo, {}}), OptionsSaved::NoSettingsFile);
        QVERIFY(FaultDisk::snapshot(scene.root()).isEmpty());
    }

    void tenMegabyteCityList()
    {
        QTemporaryDir dir;
        const AppFolder folder(dir.path());
        QByteArray text;
        text.reserve(11 * 1024 * 1024);
        int count = 0;
        for (; text.size() < 10 * 1024 * 1024; ++count)
            text +=
                "City " + QByteArray::number(count).rightJustified(6, '0') + "!+01:00!ABC.bmp\r\n";
        QVERIFY(TestFiles::writeBytes(folder.cityListFile(), text));

        const FileResult<QList<CityLine>> lines = CityListFile(folder).read();
        QVERIFY(lines);
        QCOMPARE(lines->size(), count);
        QCOMPARE(lines->back().entry.name,
                 u"City "_s + QString::number(count - 1).rightJustified(6, u'0'));

        const auto saved = CityListFile(folder).save({u"Aachen"_s, u"+01:00"_s, u"DEU.bmp"_s});
        QVERIFY(saved);
        QCOMPARE(CityListFile(folder).read()->size(), count + 1);
        const auto removed = CityListFile(folder).remove(u"City 000000");
        QVERIFY(removed && removed->found());
        QCOMPARE(CityListFile(folder).read()->size(), count);
        QVERIFY(!QFile::exists(folder.scratchFile()));
    }

    void oversizedCityListIsRefusedUntouched()
    {
        QTemporaryDir dir;
        const AppFolder folder(dir.path());
        QFile file(folder.cityListFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(Cairo.toUtf8() + "\r\n"));
        QVERIFY(file.resize(CityListFile::MaxFileSize + 1)); // sparse: takes no room on disk
        file.close();

        QVERIFY(!CityListFile(folder).read());
        QVERIFY(
            outcomeOf(CityListFile(folder).save({u"Kyiv"_s, u"+02:00"_s, u"UKR.bmp"_s})).failed);
        QVERIFY(outcomeOf(CityListFile(folder).remove(u"Cairo")).failed);
        QCOMPARE(QFileInfo(folder.cityListFile()).size(), CityListFile::MaxFileSize + 1);
        QVERIFY(!QFile::exists(folder.scratchFile()));
    }

    void thousandClocks()
    {
        QTemporaryDir dir;
        const AppFolder folder(dir.path());
        QStringList clocks;
        for (int i = 0; i < 1000; ++i)
            clocks.append(u"City %1!%2!ABC.bmp"_s.arg(i).arg(i % 2 ? u"+05:30"_s : u"-03:00"_s));
        QVERIFY(TestFiles::writeBytes(folder.settingsFile(), settingsText(clocks)));
        QCOMPARE(loadSettings(folder).clockList, clocks);

        const QStringList reversed(clocks.crbegin(), clocks.crend());
        QVERIFY(saveClockList(folder, 1000, reversed));
        QCOMPARE(loadSettings(folder).clockList, reversed);
        // Fewer clocks: the sections beyond the new count are gone with the old ones.
        QVERIFY(saveClockList(folder, 1000, {Oslo}));
        QCOMPARE(loadSettings(folder).clockList, QStringList{Oslo});
        QVERIFY(!ProfileFile::open(folder.settingsFile()).document().hasSection(u"Clock_1000"));
    }
};

QTEST_GUILESS_MAIN(TestFileFaults)
#include "tst_filefaults.moc"
