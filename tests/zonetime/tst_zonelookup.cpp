#include "settings/cityentry.h"
#include "zonetime/flagterritory.h"
#include "zonetime/zonelookup.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDateTime January(QDate(2024, 1, 15), QTime(12, 0), Qt::UTC);
const QDateTime July(QDate(2024, 7, 15), QTime(12, 0), Qt::UTC);

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

    QTest::newRow("New York in July: the standard offset counts")
        << u"New York!-05:00!USA.bmp"_s << July << "America/New_York"_ba;
    QTest::newRow("name and flag in any case")
        << u"NEW YORK!-05:00!usa.bmp"_s << January << "America/New_York"_ba;
    QTest::newRow("name of a three-part zone")
        << u"Ushuaia!-03:00!ARG.bmp"_s << January << "America/Argentina/Ushuaia"_ba;
    QTest::newRow("no name matches: the first zone of the offset")
        << u"Washington!-05:00!USA.bmp"_s << January << "America/Detroit"_ba;
    QTest::newRow("a name at another offset does not count")
        << u"New York!-06:00!USA.bmp"_s << January << "America/Chicago"_ba;
    QTest::newRow("the summer offset is no standard offset")
        << u"New York!-04:00!USA.bmp"_s << July << QByteArray();
    QTest::newRow("no zone of the country has the offset")
        << u"Home!+03:00!USA.bmp"_s << January << QByteArray();
    QTest::newRow("a user's own flag") << u"Home!+03:00!XXX.bmp"_s << January << QByteArray();
}

void TestZoneLookup::find()
{
    QFETCH(QString, line);
    QFETCH(QDateTime, at);
    QFETCH(QByteArray, zone);

    const std::optional<CityEntry> city = CityEntry::fromLine(line);
    QVERIFY(city);
    ZoneLookup lookup(at);
    const std::optional<QTimeZone> found = lookup.find(*city);
    QCOMPARE(found ? found->id() : QByteArray(), zone);
    // A second city of the same country is answered from the kept zones, the same way.
    const std::optional<QTimeZone> again = lookup.find(*city);
    QCOMPARE(again ? again->id() : QByteArray(), zone);
}

QTEST_GUILESS_MAIN(TestZoneLookup)
#include "tst_zonelookup.moc"
