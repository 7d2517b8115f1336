#include "settings/cityentry.h"
#include "zonetime/flagterritory.h"
#include "zonetime/zonelookup.h"
#include "zonetime/zonetable.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDateTime January(QDate(2024, 1, 15), QTime(12, 0), Qt::UTC);
const QDateTime July(QDate(2024, 7, 15), QTime(12, 0), Qt::UTC);

// A zone table as the factory's: a line with its zone, a line with none, and a zone this system
// does not know.
const ZoneTable Table = ZoneTable::fromText(u"Ottawa!-05:00!CAN.bmp\tAmerica/Toronto\n"
                                            u"Antarctica!+00:00!ATA.bmp\t\n"
                                            u"Bonn!+01:00!DEU.bmp\tEurope/Atlantis\n"_s);

} // namespace

class TestZoneLookup final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void flagTerritory_data();
    void flagTerritory();
    void shippedFlagCodesAreCountries();
    void zoneCityNames_data();
    void zoneCityNames();
    void find_data();
    void find();
};

void TestZoneLookup::flagTerritory_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<std::optional<QLocale::Territory>>("territory");

    QTest::newRow("USA") << u"USA"_s << std::optional(QLocale::UnitedStates);
    QTest::newRow("alpha-2 differs from alpha-3")
        << u"ALA"_s << std::optional(QLocale::AlandIslands);
    QTest::newRow("any case") << u"eGy"_s << std::optional(QLocale::Egypt);
    QTest::newRow("a user's own flag") << u"XXX"_s << std::optional<QLocale::Territory>();
    QTest::newRow("alpha-2 is no flag code") << u"US"_s << std::optional<QLocale::Territory>();
    QTest::newRow("empty") << QString() << std::optional<QLocale::Territory>();
}

void TestZoneLookup::flagTerritory()
{
    QFETCH(QString, code);
    QFETCH(std::optional<QLocale::Territory>, territory);
    QCOMPARE(territoryOfFlagCode(code), territory);
}

void TestZoneLookup::shippedFlagCodesAreCountries()
{
    QFile cities(QStringLiteral(KERANI_SOURCE_DATA_DIR "/Cities.bak"));
    QVERIFY(cities.open(QIODevice::ReadOnly));
    int lines = 0;
    for (const QByteArray &line : cities.readAll().split('\n')) {
        const std::optional<CityEntry> entry =
            CityEntry::fromLine(QString::fromUtf8(line).trimmed());
        if (!entry)
            continue;
        ++lines;
        QVERIFY2(territoryOfFlagCode(entry->flagCode()), qPrintable(entry->toLine()));
    }
    QVERIFY(lines > 200);
}

void TestZoneLookup::zoneCityNames_data()
{
    QTest::addColumn<QByteArray>("id");
    QTest::addColumn<QString>("name");

    QTest::newRow("two parts") << "America/New_York"_ba << u"New York"_s;
    QTest::newRow("three parts") << "America/Argentina/Buenos_Aires"_ba << u"Buenos Aires"_s;
    QTest::newRow("one part") << "UTC"_ba << u"UTC"_s;
}

void TestZoneLookup::zoneCityNames()
{
    QFETCH(QByteArray, id);
    QTEST(zoneCityName(id), "name");
}

void TestZoneLookup::find_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QDateTime>("at");
    QTest::addColumn<QByteArray>("zone"); // empty: none found
    QTest::addColumn<QByteArrayList>("disagreeing");

    const auto row = [](const char *name, const QString &line, const QDateTime &at,
                        const QByteArray &zone, const QByteArrayList &disagreeing = {}) {
        QTest::newRow(name) << line << at << zone << disagreeing;
    };
    row("the table's zone", u"Ottawa!-05:00!CAN.bmp"_s, January, "America/Toronto"_ba);
    row("the table's none, though Troll fits", u"Antarctica!+00:00!ATA.bmp"_s, July, {});
    row("a zone this system lacks: matched as any city", u"Bonn!+01:00!DEU.bmp"_s, January,
        "Europe/Berlin"_ba);
    row("a listed line only when the same: Troll fits", u"ANTARCTICA!+00:00!ATA.bmp"_s, July,
        "Antarctica/Troll"_ba);

    row("New York in July: the standard offset fits", u"New York!-05:00!USA.bmp"_s, July,
        "America/New_York"_ba);
    row("name and flag in any case", u"NEW YORK!-05:00!usa.bmp"_s, January, "America/New_York"_ba);
    row("name of a three-part zone", u"Ushuaia!-03:00!ARG.bmp"_s, January,
        "America/Argentina/Ushuaia"_ba);
    row("Dublin in July: its winter offset fits, though the database calls it a saving",
        u"Dublin!+00:00!IRL.bmp"_s, July, "Europe/Dublin"_ba);
    row("a zone named for the city wins over disagreeing ones", u"Toronto!-05:00!CAN.bmp"_s,
        January, "America/Toronto"_ba);
    row("no name fits, the zones agree all year: the first of them", u"Washington!-05:00!USA.bmp"_s,
        January, "America/Detroit"_ba);
    row("a name at another offset does not count", u"New York!-06:00!USA.bmp"_s, January,
        "America/Chicago"_ba);
    row("no name fits, the zones disagree: fixed offset", u"Kanata!-05:00!CAN.bmp"_s, July, {},
        {"America/Atikokan"_ba, "America/Iqaluit"_ba, "America/Toronto"_ba});
    row("Lindeman Island, unlisted: six zones fit and disagree",
        u"Lindeman Island!+10:00!AUS.bmp"_s, January, {},
        {"Antarctica/Macquarie"_ba, "Australia/Brisbane"_ba, "Australia/Hobart"_ba,
         "Australia/Lindeman"_ba, "Australia/Melbourne"_ba, "Australia/Sydney"_ba});
    row("the summer offset does not fit", u"New York!-04:00!USA.bmp"_s, July, {});
    row("no zone of the country has the offset", u"Home!+03:00!USA.bmp"_s, January, {});
    row("a user's own flag", u"Home!+03:00!XXX.bmp"_s, January, {});
}

void TestZoneLookup::find()
{
    QFETCH(QString, line);
    QFETCH(QDateTime, at);
    QFETCH(QByteArray, zone);
    QFETCH(QByteArrayList, disagreeing);

    const std::optional<CityEntry> city = CityEntry::fromLine(line);
    QVERIFY(city);
    ZoneLookup lookup(at, Table);
    for (int pass = 0; pass < 2; ++pass) {
        // A second city of the same country is answered from the kept zones, the same way.
        const ZoneMatch found = lookup.find(*city);
        QCOMPARE(found.zone ? found.zone->id() : QByteArray(), zone);
        QCOMPARE(found.disagreeing, disagreeing);
    }
}

QTEST_GUILESS_MAIN(TestZoneLookup)
#include "tst_zonelookup.moc"
