#include "app/commandline.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Factory settings only: a run reads them as a start-up that cannot restore Kerani.ini would.
const QByteArray FactorySettings =
    "[Settings]\r\nClocks=02\r\n[Clock_01]\r\nCountry/City=Sydney!+10:00!AUS.bmp\r\n"
    "[Clock_02]\r\nCountry/City=Home!+03:00!XXX.bmp\r\n[Options]\r\nDisplay_Time=1\r\n"
    "TimeFormat=3\r\nDisplay_Date=1\r\nDateFormat=2\r\nFollow_DST=1\r\n"_ba;
const QByteArray ZoneTableText = "Sydney!+10:00!AUS.bmp\tAustralia/Sydney\r\n"_ba;

} // namespace

class TestCommandLine final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void instants_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("instant"); // invalid: refused

        const QDateTime change(QDate(2026, 3, 29), QTime(0, 59, 59), Qt::UTC);
        QTest::newRow("UTC") << u"2026-03-29T00:59:59Z"_s << change;
        QTest::newRow("offset") << u"2026-03-29T02:59:59+02:00"_s << change;
        QTest::newRow("no offset: no instant") << u"2026-03-29T00:59:59"_s << QDateTime();
        QTest::newRow("a date alone") << u"2026-03-29"_s << QDateTime();
        QTest::newRow("no such day") << u"2026-02-30T00:00:00Z"_s << QDateTime();
        QTest::newRow("before the year 1000") << u"0999-12-31T23:59:59Z"_s << QDateTime();
        QTest::newRow("words") << u"tomorrow"_s << QDateTime();
    }
    void instants()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, instant);
        QCOMPARE(CommandLine::parseInstant(text).value_or(QDateTime()), instant);
    }

    void textRunsOnlyForTheirOptions()
    {
        QVERIFY(!CommandLine::wantsTextRun({u"kerani"_s}));
        QVERIFY(!CommandLine::wantsTextRun({u"kerani"_s, u"-platform"_s, u"offscreen"_s}));
        QVERIFY(CommandLine::wantsTextRun({u"kerani"_s, u"--print"_s}));
        QVERIFY(CommandLine::wantsTextRun({u"kerani"_s, u"--at=2026-01-01T00:00:00Z"_s}));
        QVERIFY(CommandLine::wantsTextRun({u"kerani"_s, u"-h"_s}));
    }

    void runs_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");    // what standard output holds, or begins with
        QTest::addColumn<QString>("errors"); // a text the error output holds

        // Sydney follows its zone (summer time, +11:00), Home keeps its fixed offset.
        QTest::newRow("print at an instant")
            << QStringList{u"--print"_s, u"--at"_s, u"2026-03-29T01:00:00Z"_s} << 0
            << u"Sydney\t12:00:00\t2026/03/29\t\tAustralia/Sydney\n"
               u"Home\t04:00:00\t2026/03/29\t\t\n"_s
            << QString();
        QTest::newRow("print now") << QStringList{u"--print"_s} << 0
                                   << u"Sydney\t11:00:00\t2026/07/01\t\tAustralia/Sydney\n"
                                      u"Home\t04:00:00\t2026/07/01\t\t\n"_s
                                   << QString();
        QTest::newRow("bad --at") << QStringList{u"--print"_s, u"--at=2026-03-29T00:59:59"_s} << 2
                                  << QString() << u"not '2026-03-29T00:59:59'"_s;
        QTest::newRow("--at without --print") << QStringList{u"--at=2026-03-29T00:59:59Z"_s} << 2
                                              << QString() << u"--at goes with --print"_s;
        QTest::newRow("unknown option")
            << QStringList{u"--print"_s, u"--colour"_s} << 2 << QString() << u"colour"_s;
        QTest::newRow("help") << QStringList{u"--help"_s} << 0 << u"Usage:"_s << QString();
    }
    void runs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, errors);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(TestFiles::writeBytes(dir.filePath(u"Kerani.bak"_s), FactorySettings));
        QVERIFY(TestFiles::writeBytes(dir.filePath(u"Zones.txt"_s), ZoneTableText));
        const QStringList files = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);

        QString written;
        QString complaints;
        QTextStream outStream(&written);
        QTextStream errorStream(&complaints);
        const QDateTime now(QDate(2026, 7, 1), QTime(1, 0), Qt::UTC);
        QCOMPARE(CommandLine::run(QStringList{u"kerani"_s} + arguments, AppFolder(dir.path()), now,
                                  outStream, errorStream),
                 status);
        QVERIFY2(written.startsWith(out) && (written.isEmpty() == out.isEmpty()),
                 qPrintable(written));
        QVERIFY2(complaints.contains(errors) && complaints.isEmpty() == errors.isEmpty(),
                 qPrintable(complaints));
        // Nothing restored, locked or written.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), files);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
