// Every writer of the application folder against disks and folders that fail: a folder where a
// file should be, a folder that is missing, a read-only disk and a full one. A failed save says
// so and leaves every file as it was, byte for byte, with no scratch or temporary file behind.
// Also the sizes a user can reach: a 10 MB city list and a thousand clocks.

#include "app/appfolder.h"
#include "app/profilefile.h"
#include "app/settingsloader.h"
#include "app/settingswriter.h"
#include "app/startup.h"
#include "cities/citylistfile.h"
#include "faultdisk.h"

#include <QDir>
#include <QTest>

#include <memory>
#include <variant>

using namespace Qt::StringLiterals;

namespace {

// Before QTest's main: a mount namespace can only be entered while the process has one thread.
[[maybe_unused]] const bool kMountsAvailable = FaultDisk::mountsAvailable();

const QString Cairo = u"Cairo!+02:00!EGY.bmp"_s;
const QString Lima = u"Lima!-05:00!PER.bmp"_s;
const QString Oslo = u"Oslo!+01:00!NOR.bmp"_s;

QByteArray settingsText(const QStringList &clocks)
{
    QByteArray text = "[Settings]\r\nLocal=" + Cairo.toUtf8() +
                      "\r\nClocks=" + QByteArray::number(clocks.size()).rightJustified(2, '0') +
                      "\r\n";
    for (qsizetype i = 0; i < clocks.size(); ++i) {
        text += "[Clock_" + QByteArray::number(i + 1).rightJustified(2, '0') +
                "]\r\nCountry/City=" + clocks[i].toUtf8() + "\r\n";
    }
    return text + "[Options]\r\nAlways_On_Top=0\r\nDisplay_Clock=1\r\nDisplay_Time=1\r\n"
                  "[Clocks_Style]\r\nBackGround=non\r\n";
}

// A few kilobytes, so that a rewrite needs more room than a full disk has left.
QByteArray cityListText()
{
    QByteArray text = (Cairo + u"\r\n"_s + Lima + u"\r\n"_s + Oslo + u"\r\n"_s).toUtf8();
    for (int i = 0; i < 200; ++i)
        text += "Town " + QByteArray::number(i) + "!+03:00!XYZ.bmp\r\n";
    return text;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

enum class Fault {
    SettingsIsFolder, // Kerani.ini is a folder
    ScratchIsFolder,  // Temp.txt is a folder
    CityListIsFolder, // Cities.txt is a folder
    FolderMissing,    // the application folder lies under a folder that does not exist
    ReadOnlyDisk,
    FullDisk,
};

enum class Operation { SaveOptions, SaveClockList, SaveCity, DeleteCity };

/// An application folder with a settings file and a city list, and the fault put on it.
class Scene final {
public:
    explicit Scene(Fault fault)
        : m_fault(fault)
    {
        if (fault == Fault::ReadOnlyDisk || fault == Fault::FullDisk) {
            m_disk = std::make_unique<FaultDisk::TinyDisk>(256 * 1024);
            m_root = m_disk->path();
        } else {
            m_dir = std::make_unique<QTemporaryDir>();
            m_root = m_dir->path();
        }
        m_folder = fault == Fault::FolderMissing ? m_root + u"/missing/Kerani"_s : m_root;
    }

    /// What the folder holds before the fault: the two data files, or only their factory copies
    /// (as on a first start).
    enum class Content { DataFiles, FactoryCopies };

    /// Why this fault cannot be made on this machine (no tiny disk can be mounted), if so.
    [[nodiscard]] std::optional<QString> unavailable() const
    {
        if (m_disk && !m_disk->isMounted())
            return u"cannot mount a tiny disk here: "_s + m_disk->problem();
        return std::nullopt;
    }

    /// Prepares the folder and puts the fault on it; returns what went wrong, if anything did.
    [[nodiscard]] std::optional<QString> prepare(Content content = Content::DataFiles)
    {
        if (const std::optional<QString> reason = unavailable())
            return reason;
        if (m_fault == Fault::FolderMissing)
            return std::nullopt;
        const AppFolder app = folder();
        const bool factory = content == Content::FactoryCopies;
        if (!writeBytes(factory ? app.factorySettingsFile() : app.settingsFile(),
                        settingsText({Cairo, Lima})) ||
            !writeBytes(factory ? app.factoryCityListFile() : app.cityListFile(), cityListText()))
            return u"the folder cannot be prepared"_s;
        QDir root(m_root);
        switch (m_fault) {
        case Fault::SettingsIsFolder:
            if (!root.remove(u"Kerani.ini"_s) || !root.mkpath(u"Kerani.ini/inside"_s))
                return u"no folder Kerani.ini"_s;
            break;
        case Fault::ScratchIsFolder:
            if (!root.mkpath(u"Temp.txt/inside"_s))
                return u"no folder Temp.txt"_s;
            break;
        case Fault::CityListIsFolder:
            if (!root.remove(u"Cities.txt"_s) || !root.mkpath(u"Cities.txt/inside"_s))
                return u"no folder Cities.txt"_s;
            break;
        case Fault::ReadOnlyDisk:
            if (!m_disk->makeReadOnly())
                return u"the disk cannot be made read-only"_s;
            break;
        case Fault::FullDisk:
            if (!m_disk->fill())
                return u"the disk cannot be filled"_s;
            break;
        case Fault::FolderMissing:
            break;
        }
        return std::nullopt;
    }

    [[nodiscard]] AppFolder folder() const { return AppFolder(m_folder); }
    [[nodiscard]] QString root() const { return m_root; }

    /// Takes the filler off a full disk.
    bool makeRoom() { return QFile::remove(m_root + u"/.filler"_s); }

private:
    Fault m_fault;
    std::unique_ptr<FaultDisk::TinyDisk> m_disk;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_root;
    QString m_folder;
};

struct Outcome {
    bool failed = false;
    QString message;
};

Outcome run(Operation operation, const AppFolder &folder)
{
    switch (operation) {
    case Operation::SaveOptions: {
        OptionsSave save{Oslo, {}};
        save.options.alwaysOnTop = true;
        save.options.displayClock = true;
        save.options.backGround = u"sld"_s;
        const SettingsSaveResult result = saveOptions(folder, save);
        return {result.status == SettingsSaveResult::Status::Failed, result.error};
    }
    case Operation::SaveClockList: {
        const SettingsSaveResult result = saveClockList(folder, 2, {Oslo, Cairo, Lima});
        return {result.status == SettingsSaveResult::Status::Failed, result.error};
    }
    case Operation::SaveCity: {
        const auto result =
            CityListFile(folder).save(CityEntry{u"Kyiv"_s, u"+02:00"_s, u"UKR.bmp"_s});
        const auto *failure = std::get_if<CityListFile::Failure>(&result);
        return {failure != nullptr, failure ? failure->message : QString()};
    }
    case Operation::DeleteCity: {
        const auto result = CityListFile(folder).remove(u"Lima");
        const auto *failure = std::get_if<CityListFile::Failure>(&result);
        return {failure != nullptr, failure ? failure->message : QString()};
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

        const QList<std::pair<const char *, Operation>> settings = {
            {"options Save", Operation::SaveOptions},
            {"clock list Save", Operation::SaveClockList}};
        const QList<std::pair<const char *, Operation>> cities = {
            {"city Save", Operation::SaveCity}, {"city Delete", Operation::DeleteCity}};
        const QList<std::pair<const char *, Operation>> all = settings + cities;
        const auto rows = [](const char *fault, Fault value,
                             const QList<std::pair<const char *, Operation>> &operations) {
            for (const auto &[name, operation] : operations)
                QTest::addRow("%s, %s", fault, name) << value << operation;
        };
        rows("Kerani.ini is a folder", Fault::SettingsIsFolder, settings);
        rows("Temp.txt is a folder", Fault::ScratchIsFolder, cities);
        rows("Cities.txt is a folder", Fault::CityListIsFolder, cities);
        rows("folder under a missing folder", Fault::FolderMissing,
             {{"clock list Save", Operation::SaveClockList},
              {"city Save", Operation::SaveCity},
              {"city Delete", Operation::DeleteCity}});
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
        if (const std::optional<QString> problem = scene.prepare(Scene::Content::FactoryCopies))
            QFAIL(qPrintable(*problem));
        const auto before = FaultDisk::snapshot(scene.root());
        QCOMPARE(restoreMissingDataFiles(scene.folder()),
                 (DataFilesRestored{DataFileRestore::Failed, DataFileRestore::Failed}));
        QCOMPARE(FaultDisk::snapshot(scene.root()), before);
    }

    void settingsFolderReadsAsDefaults()
    {
        Scene scene(Fault::SettingsIsFolder);
        QVERIFY(!scene.prepare());
        QCOMPARE(ProfileFile::open(scene.folder().settingsFile()).state(),
                 ProfileFile::State::Unreadable);
        QCOMPARE(loadSettings(scene.folder()), SettingsState{});
    }

    void missingFolderReadsAsDefaultsAndCreatesNothing()
    {
        Scene scene(Fault::FolderMissing);
        QVERIFY(!scene.prepare());
        QCOMPARE(loadSettings(scene.folder()), SettingsState{});
        QVERIFY(!CityListFile(scene.folder()).read());
        // The options Save writes only into an existing file: nothing to tell, nothing made.
        const SettingsSaveResult result = saveOptions(scene.folder(), {Oslo, {}});
        QCOMPARE(result.status, SettingsSaveResult::Status::NoSettingsFile);
        QVERIFY(FaultDisk::snapshot(scene.root()).isEmpty());
    }

    void tenMegabyteCityList()
    {
        QTemporaryDir dir;
        const AppFolder folder(dir.path());
        QByteArray text;
        text.reserve(11 * 1024 * 1024);
        int count = 0;
        while (text.size() < 10 * 1024 * 1024) {
            text +=
                "City " + QByteArray::number(count).rightJustified(6, '0') + "!+01:00!ABC.bmp\r\n";
            ++count;
        }
        QVERIFY(writeBytes(folder.cityListFile(), text));

        const std::optional<QList<CityLine>> lines = CityListFile(folder).read();
        QVERIFY(lines);
        QCOMPARE(lines->size(), count);
        QCOMPARE(lines->back().entry.name,
                 u"City "_s + QString::number(count - 1).rightJustified(6, u'0'));

        const auto saved =
            CityListFile(folder).save(CityEntry{u"Aachen"_s, u"+01:00"_s, u"DEU.bmp"_s});
        QVERIFY(std::holds_alternative<CityListRewrite::SaveRewrite>(saved));
        QCOMPARE(CityListFile(folder).read()->size(), count + 1);
        const auto removed = CityListFile(folder).remove(u"City 000000");
        QVERIFY(std::get<CityListRewrite::DeleteRewrite>(removed).found());
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
        const auto saved =
            CityListFile(folder).save(CityEntry{u"Kyiv"_s, u"+02:00"_s, u"UKR.bmp"_s});
        QVERIFY(std::holds_alternative<CityListFile::Failure>(saved));
        QVERIFY(
            std::holds_alternative<CityListFile::Failure>(CityListFile(folder).remove(u"Cairo")));
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
        QVERIFY(writeBytes(folder.settingsFile(), settingsText(clocks)));

        const SettingsState state = loadSettings(folder);
        QCOMPARE(state.clockCount, 1000);
        QCOMPARE(state.clockList, clocks);

        QStringList reversed(clocks.crbegin(), clocks.crend());
        QCOMPARE(saveClockList(folder, 1000, reversed).status, SettingsSaveResult::Status::Saved);
        QCOMPARE(loadSettings(folder).clockList, reversed);
        // Fewer clocks: the count and the first sections change, the sections beyond the new
        // count are gone with the old ones.
        QCOMPARE(saveClockList(folder, 1000, {Oslo}).status, SettingsSaveResult::Status::Saved);
        const SettingsState one = loadSettings(folder);
        QCOMPARE(one.clockList, QStringList{Oslo});
        QVERIFY(!ProfileFile::open(folder.settingsFile()).document().hasSection(u"Clock_1000"));
    }
};

QTEST_GUILESS_MAIN(TestFileFaults)
#include "tst_filefaults.moc"
