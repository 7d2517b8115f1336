#include "settings/appfolder.h"
#include "zonetime/zonetable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Kind = ZoneTable::Listing::Kind;

class TestZoneTable final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fromText_data();
    void fromText();
    void read_data();
    void read();
};

void TestZoneTable::fromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("used"); // false: the whole table is rejected

    const QString good = u"Dublin!+00:00!IRL.bmp\tEurope/Dublin\r\n"
                         u"Antarctica!+00:00!ATA.bmp\t\r\n"_s;
    QTest::newRow("CR LF") << good << true;
    QTest::newRow("LF, CR, blank lines, no last line end")
        << u"\nDublin!+00:00!IRL.bmp\tEurope/Dublin\r\rAntarctica!+00:00!ATA.bmp\t"_s << true;
    QTest::newRow("the same line twice, same zone")
        << good + u"Dublin!+00:00!IRL.bmp\tEurope/Dublin\n"_s << true;
    QTest::newRow("a line without a tab") << good + u"Paris!+01:00!FRA.bmp\n"_s << false;
    QTest::newRow("too short to be a city line") << good + u"Paris\tEurope/Paris\n"_s << false;
    QTest::newRow("a zone with a blank")
        << good + u"Paris!+01:00!FRA.bmp\tEurope/Pa ris"_s << false;
    QTest::newRow("the same line, another zone")
        << good + u"Dublin!+00:00!IRL.bmp\tEurope/London"_s << false;
}

void TestZoneTable::fromText()
{
    QFETCH(QString, text);
    QFETCH(bool, used);

    const ZoneTable table = ZoneTable::fromText(text);
    const ZoneTable::Listing dublin = table.find(u"Dublin!+00:00!IRL.bmp");
    const ZoneTable::Listing antarctica = table.find(u"Antarctica!+00:00!ATA.bmp");
    if (!used) {
        QVERIFY(table.isEmpty());
        QCOMPARE(dublin.kind, Kind::NotListed);
        return;
    }
    QCOMPARE(dublin, (ZoneTable::Listing{Kind::Zone, "Europe/Dublin"_ba}));
    QCOMPARE(antarctica.kind, Kind::FixedOffset);
    // Lines are compared whole and exactly.
    QCOMPARE(table.find(u"DUBLIN!+00:00!IRL.bmp").kind, Kind::NotListed);
    QCOMPARE(table.find(u"Dublin!+01:00!IRL.bmp").kind, Kind::NotListed);
}

void TestZoneTable::read_data()
{
    QTest::addColumn<QByteArray>("content"); // written as Zones.txt
    QTest::addColumn<bool>("asFolder");      // Zones.txt is a folder instead
    QTest::addColumn<Kind>("kind");

    const QByteArray line = "Z\xC3\xBCrich!+01:00!CHE.bmp\tEurope/Zurich\r\n"_ba;
    QTest::newRow("UTF-8") << line << false << Kind::Zone;
    QTest::newRow("missing") << QByteArray() << false << Kind::NotListed;
    QTest::newRow("a folder") << QByteArray() << true << Kind::NotListed;
    QTest::newRow("larger than the cap")
        << line.repeated(ZoneTable::MaxFileBytes / line.size() + 1) << false << Kind::NotListed;
}

void TestZoneTable::read()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, asFolder);
    QFETCH(Kind, kind);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = AppFolder(dir.path()).zoneTableFile();
    if (asFolder) {
        QVERIFY(QDir().mkdir(path));
    } else if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }
    QCOMPARE(ZoneTable::read(AppFolder(dir.path())).find(u"Zürich!+01:00!CHE.bmp").kind, kind);
}

QTEST_GUILESS_MAIN(TestZoneTable)
#include "tst_zonetable.moc"
