#include "app/singleinstance.h"
#include "support/testfiles.h"

#include <QDir>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Bytes no text conversion would keep: CR, LF, NUL, invalid UTF-8.
const QByteArray kFactorySettings = "[Settings]\r\nClocks=01\r\n[Clock_01]\r\n"
                                    "Country/City=Z\xfcrich!+01:00!CHE.bmp\r\n\0\xff\r"_ba;
const QByteArray kFactoryCities = "Cairo!+02:00!EGY.bmp\nLima!-05:00!PER.bmp\n"_ba;

} // namespace

class TestStartUp final : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_locks;
    std::unique_ptr<AppFolder> m_folder;

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_locks = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid() && m_locks->isValid());
        m_folder = std::make_unique<AppFolder>(m_dir->path());
    }

    void perUserFilesFromFactoryCopies_data()
    {
        QTest::addColumn<bool>("homeWritable");
        QTest::newRow("first start") << true;
        QTest::newRow("nothing can be written") << false;
    }

    void perUserFilesFromFactoryCopies()
    {
        QFETCH(bool, homeWritable);
        // Installed under a prefix: the program in usr/bin, the factory copies in
        // usr/share/kerani. A file where the home folder should be stops every folder in it.
        const QString factory = m_dir->filePath(u"usr/share/kerani"_s);
        QVERIFY(QDir().mkpath(m_dir->filePath(u"usr/bin"_s)) && QDir().mkpath(factory));
        QVERIFY(TestFiles::writeBytes(factory + u"/Kerani.bak"_s, kFactorySettings));
        QVERIFY(TestFiles::writeBytes(factory + u"/Cities.bak"_s, kFactoryCities));
        const QString home = m_dir->filePath(u"home"_s);
        if (!homeWritable)
            QVERIFY(TestFiles::writeBytes(home, "in the way"));
        AppFolder folder = AppFolder::forProgram(m_dir->filePath(u"usr/bin"_s), {home, {}, {}, {}});

        SingleInstance instance(folder.path(), m_locks->path());
        QVERIFY(startUp(folder, instance));

        const QString settings = home + u"/.config/kerani/Kerani.ini"_s;
        const QString cities = home + u"/.local/share/kerani/Cities.txt"_s;
        QCOMPARE(TestFiles::readBytes(settings), homeWritable ? kFactorySettings : QByteArray());
        QCOMPARE(TestFiles::readBytes(cities), homeWritable ? kFactoryCities : QByteArray());
        QCOMPARE(QFileInfo(folder.flagsFolder()).isDir(), homeWritable);
        // What the program then reads.
        QCOMPARE(folder.settingsFile(), homeWritable ? settings : factory + u"/Kerani.bak"_s);
        QCOMPARE(folder.cityListFile(), homeWritable ? cities : factory + u"/Cities.bak"_s);
        QCOMPARE(folder.cannotSaveMessage().has_value(), !homeWritable);
    }

    void oneInstanceAtATime()
    {
        QVERIFY(TestFiles::writeBytes(m_folder->factorySettingsFile(), kFactorySettings));
        {
            SingleInstance first(m_folder->path(), m_locks->path());
            QVERIFY(startUp(*m_folder, first));
            QCOMPARE(TestFiles::readBytes(m_folder->settingsFile()), kFactorySettings);
            QVERIFY(QFile::remove(m_folder->settingsFile()));

            SingleInstance second(m_folder->path(), m_locks->path());
            QVERIFY(!startUp(*m_folder, second));
            // The second start touched nothing.
            QVERIFY(!QFileInfo::exists(m_folder->settingsFile()));
            QCOMPARE(first.tryAcquire(), SingleInstance::Outcome::Acquired);

            // However old the lock file is, a running holder keeps it.
            QVERIFY(TestFiles::backdate(first.lockFilePath()));
            QCOMPARE(SingleInstance(m_folder->path(), m_locks->path()).tryAcquire(),
                     SingleInstance::Outcome::HeldByOther);
        }
        // Released when the instance ends.
        QCOMPARE(SingleInstance(m_folder->path(), m_locks->path()).tryAcquire(),
                 SingleInstance::Outcome::Acquired);
    }

    void lockIsPerApplicationFolder()
    {
        QTemporaryDir other;
        SingleInstance first(m_folder->path(), m_locks->path());
        SingleInstance elsewhere(other.path(), m_locks->path());
        QCOMPARE(first.tryAcquire(), SingleInstance::Outcome::Acquired);
        QCOMPARE(elsewhere.tryAcquire(), SingleInstance::Outcome::Acquired);
        QVERIFY(first.lockFilePath() != elsewhere.lockFilePath());

        // Another spelling of the same folder is the same folder.
        const QString detour =
            m_folder->path() + u"/../"_s + QFileInfo(m_folder->path()).fileName();
        SingleInstance same(detour + u"/"_s, m_locks->path());
        QCOMPARE(same.lockFilePath(), first.lockFilePath());
        QCOMPARE(same.tryAcquire(), SingleInstance::Outcome::HeldByOther);
    }

    void staleLockDoesNotBlock()
    {
        // Make a genuine lock file, release it, and put it back as a crashed process would leave
        // it: the same content, but naming a process that no longer runs.
        const QString path = SingleInstance(m_folder->path(), m_locks->path()).lockFilePath();
        QByteArray content;
        {
            QLockFile lock(path);
            QVERIFY(lock.tryLock(0));
            content = TestFiles::readBytes(path);
        }
        QVERIFY(!content.isEmpty());
        const qsizetype firstLineEnd = content.indexOf('\n');
        content.replace(0, firstLineEnd, "2147483646"); // beyond any process id in use
        QVERIFY(TestFiles::writeBytes(path, content));

        SingleInstance instance(m_folder->path(), m_locks->path());
        QCOMPARE(instance.tryAcquire(), SingleInstance::Outcome::Acquired);
    }

    void noLockFolderStillRuns()
    {
        // The lock folder cannot be made: a file stands where it should be.
        const QString blocked = m_locks->filePath(u"file"_s);
        QVERIFY(TestFiles::writeBytes(blocked, "x"));
        SingleInstance instance(m_folder->path(), blocked + u"/locks"_s);
        QCOMPARE(instance.tryAcquire(), SingleInstance::Outcome::Unavailable);
        QVERIFY(startUp(*m_folder, instance)); // runs without a lock rather than not at all
    }
};

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
