#include "settings/appfolder.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

/// Which places the program uses, from what lies beside it and from the environment, in
/// temporary folders: an application folder "app" (the program beside Kerani.bak) and an install
/// under a prefix ("usr/bin" and "usr/share/kerani").
class TestAppFolder final : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    [[nodiscard]] QString at(const QString &relative) const
    {
        return relative.isEmpty() ? QString() : m_dir->filePath(relative);
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir(m_dir->path()).mkpath(u"usr/bin"_s));
        QVERIFY(QDir(m_dir->path()).mkpath(u"usr/share/kerani"_s));
        QVERIFY(QDir(m_dir->path()).mkpath(u"app"_s));
        QVERIFY(TestFiles::writeBytes(at(u"app/Kerani.bak"_s), "[Settings]\r\n"));
        QVERIFY(TestFiles::writeBytes(at(u"usr/share/kerani/Kerani.bak"_s), "[Settings]\r\n"));
    }

    void places_data()
    {
        QTest::addColumn<QString>("program");     // the program's folder
        QTest::addColumn<bool>("settingsBeside"); // a Kerani.ini in it
        QTest::addColumn<QString>("configHome");  // $XDG_CONFIG_HOME, relative to the temp folder
        QTest::addColumn<QString>("mode");        // $KERANI_MODE
        QTest::addColumn<AppFolder::Mode>("expectedMode");
        QTest::addColumn<QString>("config"); // the expected folders
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("factory");

        using M = AppFolder::Mode;
        const QString app = u"app"_s;
        const QString bin = u"usr/bin"_s;
        const QString share = u"usr/share/kerani"_s;
        const QString cfg = u"cfg"_s;
        const QString userConfig = u"cfg/kerani"_s;
        const QString userData = u"dat/kerani"_s;
        QTest::newRow("writable application folder")
            << app << false << cfg << QString() << M::Portable << app << app << app;
        QTest::newRow("installed under a prefix")
            << bin << false << cfg << QString() << M::PerUser << userConfig << userData << share;
        QTest::newRow("no XDG_CONFIG_HOME") << bin << false << QString() << QString() << M::PerUser
                                            << u"home/.config/kerani"_s << userData << share;
        QTest::newRow("relative XDG_CONFIG_HOME is ignored")
            << bin << false << u"../cfg"_s << QString() << M::PerUser << u"home/.config/kerani"_s
            << userData << share;
        QTest::newRow("Kerani.ini beside an installed program")
            << bin << true << cfg << QString() << M::Portable << bin << bin << bin;
        QTest::newRow("per user by choice")
            << app << true << cfg << u"user"_s << M::PerUser << userConfig << userData << app;
        QTest::newRow("portable by choice")
            << bin << false << cfg << u"portable"_s << M::Portable << bin << bin << bin;
    }

    void places()
    {
        QFETCH(QString, program);
        QFETCH(bool, settingsBeside);
        QFETCH(QString, configHome);
        QFETCH(QString, mode);
        QFETCH(AppFolder::Mode, expectedMode);
        QFETCH(QString, config);
        QFETCH(QString, data);
        QFETCH(QString, factory);

        if (settingsBeside)
            QVERIFY(TestFiles::writeBytes(at(program + u"/Kerani.ini"_s), {}));
        // Relative XDG values are given as they are, not joined to the temporary folder.
        const QString configValue = configHome.startsWith(u'.') ? configHome : at(configHome);
        const AppFolder::Environment environment{at(u"home"_s), configValue, at(u"dat"_s), mode};
        const AppFolder folder = AppFolder::forProgram(at(program), environment);

        QCOMPARE(folder.mode(), expectedMode);
        QCOMPARE(folder.path(), at(config));
        QCOMPARE(folder.settingsFile(), at(config + u"/Kerani.ini"_s));
        QCOMPARE(folder.cityListFile(), at(data + u"/Cities.txt"_s));
        QCOMPARE(folder.scratchFile(), at(data + u"/Temp.txt"_s));
        QCOMPARE(folder.flagsFolder(), at(data + u"/flags"_s));
        QCOMPARE(folder.factorySettingsFile(), at(factory + u"/Kerani.bak"_s));
        QCOMPARE(folder.helpFile(), at(factory + u"/kerani.html"_s));
        QStringList flagFolders{at(data + u"/flags"_s)};
        if (data != factory)
            flagFolders.append(at(factory + u"/flags"_s));
        QCOMPARE(folder.flagFolders(), flagFolders);
    }

    void cannotSave_data()
    {
        // A file where the folder should be: it cannot be made, whoever runs the test.
        QTest::addColumn<bool>("configBlocked");
        QTest::addColumn<bool>("dataBlocked");

        QTest::newRow("both folders made") << false << false;
        QTest::newRow("nothing can be made") << true << true;
        QTest::newRow("the settings' folder blocked") << true << false;
        QTest::newRow("the city list's folder blocked") << false << true;
    }

    void cannotSave()
    {
        QFETCH(bool, configBlocked);
        QFETCH(bool, dataBlocked);

        const AppFolder::Environment environment{at(u"home"_s), at(u"cfg"_s), at(u"dat"_s), {}};
        const AppFolder folder = AppFolder::forProgram(at(u"usr/bin"_s), environment);
        const auto prepare = [](bool blocked, const QString &userFile) {
            const QString folderPath = QFileInfo(userFile).path();
            if (blocked)
                return QDir().mkpath(QFileInfo(folderPath).path()) &&
                       TestFiles::writeBytes(folderPath, "in the way");
            return QDir().mkpath(folderPath) && TestFiles::writeBytes(userFile, "mine");
        };
        QVERIFY(prepare(configBlocked, folder.settingsFile()));
        QVERIFY(prepare(dataBlocked, folder.cityListFile()));

        const AppFolder running = folder.readingFactoryCopiesOfMissingFiles();
        QCOMPARE(running.settingsFile(),
                 configBlocked ? folder.factorySettingsFile() : folder.settingsFile());
        QCOMPARE(running.cityListFile(),
                 dataBlocked ? folder.factoryCityListFile() : folder.cityListFile());
        QCOMPARE(running.scratchFile(), folder.scratchFile()); // never beside a factory copy

        const std::optional<QString> message = running.cannotSaveMessage();
        QCOMPARE(message.has_value(), configBlocked || dataBlocked);
        if (message) {
            const QString named = configBlocked ? at(u"cfg/kerani"_s) : at(u"dat/kerani"_s);
            QVERIFY2(message->contains(QDir::toNativeSeparators(named)), qPrintable(*message));
            QCOMPARE(message->contains(u"factory settings"_s), configBlocked);
        }
    }
};

QTEST_GUILESS_MAIN(TestAppFolder)
#include "tst_appfolder.moc"
