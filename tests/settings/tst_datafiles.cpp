#include "settings/datafiles.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Bytes no text conversion would keep: CR, LF, NUL, invalid UTF-8.
const QByteArray kFactorySettings = "[Settings]\r\nClocks=01\r\n[Clock_01]\r\n"
                                    "Country/City=Z\xfcrich!+01:00!CHE.bmp\r\n\0\xff\r"_ba;
const QByteArray kFactoryCities = "Cairo!+02:00!EGY.bmp\nLima!-05:00!PER.bmp\n"_ba;
const QByteArray kUserSettings = "[Settings]\r\nClocks=00\r\n"_ba;
const QByteArray kUserCities = "Oslo!+01:00!NOR.bmp\r\n"_ba;

enum class Outcome { Present, Restored, Failed, FailedWithoutReason };
using Outcomes = std::pair<Outcome, Outcome>; // Kerani.ini, Cities.txt

Outcome outcome(const FileResult<DataFileRestore> &restored)
{
    if (!restored)
        return restored.error().isEmpty() ? Outcome::FailedWithoutReason : Outcome::Failed;
    return restored.value() == DataFileRestore::Present ? Outcome::Present : Outcome::Restored;
}

} // namespace

class TestDataFiles final : public QObject {
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

    void restore_data()
    {
        QTest::addColumn<bool>("ini");
        QTest::addColumn<bool>("bak");
        QTest::addColumn<bool>("cities");
        QTest::addColumn<bool>("citiesBak");
        QTest::addColumn<Outcomes>("expected");

        QTest::newRow("both missing")
            << false << true << false << true << Outcomes{Outcome::Restored, Outcome::Restored};
        QTest::newRow("only the city list missing")
            << true << true << false << true << Outcomes{Outcome::Present, Outcome::Restored};
        QTest::newRow("no factory copies")
            << false << false << false << false << Outcomes{Outcome::Failed, Outcome::Failed};
        QTest::newRow("one factory copy missing")
            << false << false << false << true << Outcomes{Outcome::Failed, Outcome::Restored};
        QTest::newRow("present files need no factory copies")
            << true << false << true << false << Outcomes{Outcome::Present, Outcome::Present};
    }

    void restore()
    {
        QFETCH(bool, ini);
        QFETCH(bool, bak);
        QFETCH(bool, cities);
        QFETCH(bool, citiesBak);
        QFETCH(Outcomes, expected);

        struct DataFile {
            QString path, factoryPath;
            QByteArray user, factory;
            bool present, hasFactory;
            Outcome outcome;
        };
        const DataFile files[] = {{m_folder->settingsFile(), m_folder->factorySettingsFile(),
                                   kUserSettings, kFactorySettings, ini, bak, expected.first},
                                  {m_folder->cityListFile(), m_folder->factoryCityListFile(),
                                   kUserCities, kFactoryCities, cities, citiesBak,
                                   expected.second}};
        for (const DataFile &file : files) {
            if (file.present)
                QVERIFY(TestFiles::writeBytes(file.path, file.user));
            if (file.hasFactory)
                QVERIFY(TestFiles::writeBytes(file.factoryPath, file.factory));
        }

        const DataFilesRestored restored = restoreMissingDataFiles(*m_folder);
        QCOMPARE(Outcomes(outcome(restored.settings), outcome(restored.cityList)), expected);

        for (const DataFile &file : files) {
            const bool restored = file.outcome == Outcome::Restored;
            QCOMPARE(QFileInfo::exists(file.path), file.present || restored);
            QCOMPARE(TestFiles::readBytes(file.path),
                     file.present ? file.user : (restored ? file.factory : QByteArray()));
            // The factory copies are only ever read.
            QCOMPARE(QFileInfo::exists(file.factoryPath), file.hasFactory);
            QCOMPARE(TestFiles::readBytes(file.factoryPath),
                     file.hasFactory ? file.factory : QByteArray());
        }
    }

    void folderNamedLikeTheSettingsFileIsKept()
    {
        QVERIFY(QDir(m_dir->path()).mkdir(u"Kerani.ini"_s));
        QVERIFY(TestFiles::writeBytes(m_dir->filePath(u"Kerani.ini/keep.txt"_s), "mine"));
        QVERIFY(TestFiles::writeBytes(m_folder->factorySettingsFile(), kFactorySettings));

        QCOMPARE(restoreMissingDataFiles(*m_folder).settings, DataFileRestore::Present);
        QVERIFY(QFileInfo(m_folder->settingsFile()).isDir());
        QCOMPARE(TestFiles::readBytes(m_dir->filePath(u"Kerani.ini/keep.txt"_s)), "mine"_ba);
    }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
