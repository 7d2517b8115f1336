#include "app/commandline.h"
#include "app/singleinstance.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray FactorySettings =
    "[Settings]\r\nClocks=02\r\n[Clock_01]\r\nCountry/City=Sydney!+10:00!AUS.bmp\r\n"
    "[Clock_02]\r\nCountry/City=Home!+03:00!XXX.bmp\r\n[Options]\r\nDisplay_Time=1\r\n"
    "TimeFormat=3\r\nDisplay_Date=1\r\nDateFormat=2\r\nFollow_DST=1\r\n"_ba;

} // namespace

class TestStartUp final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QTemporaryDir m_locks;

    SingleInstance::Outcome acquire(const QString &folder)
    {
        return SingleInstance(folder, m_locks.path()).tryAcquire();
    }

private Q_SLOTS:
    void oneInstanceAtATime()
    {
        AppFolder folder(m_dir.path());
        QVERIFY(TestFiles::writeBytes(folder.factorySettingsFile(), FactorySettings));
        {
            SingleInstance first(folder.path(), m_locks.path());
            QVERIFY(startUp(folder, first));
            QCOMPARE(TestFiles::readBytes(folder.settingsFile()), FactorySettings); // restored
            QVERIFY(QFile::remove(folder.settingsFile()));
            SingleInstance second(folder.path(), m_locks.path());
            QVERIFY(!startUp(folder, second));
            QVERIFY(!QFileInfo::exists(folder.settingsFile())); // the second touched nothing
            // Held however old the lock file, for every spelling of the folder, and no other.
            QVERIFY(TestFiles::backdate(first.lockFilePath()));
            QCOMPARE(acquire(m_dir.path() + u"/../"_s + QFileInfo(m_dir.path()).fileName()),
                     SingleInstance::Outcome::HeldByOther);
            QCOMPARE(acquire(m_locks.path()), SingleInstance::Outcome::Acquired);
        }
        QCOMPARE(acquire(m_dir.path()), SingleInstance::Outcome::Acquired); // released at the end
    }

    void noLockFolderStillRuns()
    {
        // No lock folder can be made: the program runs without a lock rather than not at all.
        QVERIFY(TestFiles::writeBytes(m_locks.filePath(u"file"_s), "x"));
        SingleInstance instance(m_dir.path(), m_locks.filePath(u"file/locks"_s));
        QCOMPARE(instance.tryAcquire(), SingleInstance::Outcome::Unavailable);
        AppFolder folder(m_dir.path());
        QVERIFY(startUp(folder, instance));
    }

    void instants()
    {
        const QDateTime change(QDate(2026, 3, 29), QTime(0, 59, 59), Qt::UTC);
        const QDateTime last(QDate(9999, 12, 31), QTime(23, 59, 59), Qt::UTC);
        // Only an instant with Z or an offset, in the years 1000 to 9999.
        const std::pair<QString, QDateTime> texts[] = {
            {u"2026-03-29T00:59:59Z"_s, change}, {u"2026-03-29T02:59:59+02:00"_s, change},
            {u"9999-12-31T23:59:59Z"_s, last},   {u"2026-03-29T00:59:59"_s, {}},
            {u"0999-12-31T23:59:59Z"_s, {}},     {u"2026-02-30T00:00:00Z"_s, {}}};
        for (const auto &[text, instant] : texts)
            QCOMPARE(CommandLine::parseInstant(text).value_or(QDateTime()), instant);
    }

    void textRuns()
    {
        QTemporaryDir dir;
        QVERIFY(TestFiles::writeBytes(dir.filePath(u"Kerani.bak"_s), FactorySettings));
        QVERIFY(TestFiles::writeBytes(dir.filePath(u"Zones.txt"_s),
                                      "Sydney!+10:00!AUS.bmp\tAustralia/Sydney\r\n"));
        const QStringList files = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
        SingleInstance running(dir.path(), m_locks.path()); // another instance runs
        QCOMPARE(running.tryAcquire(), SingleInstance::Outcome::Acquired);
        const auto run = [&dir](const QStringList &arguments) {
            QString out, errors;
            QTextStream outStream(&out), errorStream(&errors);
            const int status = CommandLine::run(QStringList{u"kerani"_s} + arguments,
                                                AppFolder(dir.path()), {}, outStream, errorStream);
            return QString(QString::number(status) + u'|' + out + u'|' + errors);
        };
        QCOMPARE(run({u"--print"_s, u"--at"_s, u"2026-03-29T01:00:00Z"_s}),
                 u"0|Sydney\t12:00:00\t2026/03/29\t\tAustralia/Sydney\n"
                 u"Home\t04:00:00\t2026/03/29\t\t\n|"_s);
        const QString badAt = run({u"--print"_s, u"--at=2026-03-29T00:59:59"_s});
        QVERIFY(badAt.startsWith(u"2||") && badAt.contains(u": --at needs an instant"));
        QVERIFY(run({u"--at=2026-03-29T00:59:59Z"_s}).contains(u"--at goes with --print"));
        QVERIFY(run({u"--help"_s}).startsWith(u"0|Usage:"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), files); // no writes
        QVERIFY(!CommandLine::wantsTextRun({u"kerani"_s, u"-platform"_s, u"offscreen"_s}));
        QVERIFY(CommandLine::wantsTextRun({u"kerani"_s, u"--at=2026-01-01T00:00:00Z"_s}));
    }
};

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
