// Writes the factory city list: every country of ISO 3166-1, every capital and every city that
// names a zone of the system's time-zone database, each with its zone's standard offset and the
// country's flag code; and beside it the zone table, which names for each line the zone it stands
// for. Usage: kerani_makecities [--zone-tab FILE] [--iso FILE] CITIES ZONES

#include "isocountries.h"
#include "settings/cityentry.h"
#include "worldtables.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QTimeZone>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

/// Offsets are taken at fixed instants, so the list depends on the tzdata release only. A line
/// carries its standard (winter) offset: the one its clock keeps all year unless it follows its
/// zone's summer time.
const QDateTime JanuaryInstant(QDate(2025, 1, 15), QTime(12, 0), Qt::UTC);
const QDateTime JulyInstant(QDate(2025, 7, 15), QTime(12, 0), Qt::UTC);

constexpr int MinOffsetMinutes = -12 * 60;
constexpr int MaxOffsetMinutes = 14 * 60;
constexpr qsizetype MaxNameLength = 50; // what the city editor accepts

struct ZoneRow {
    QString alpha2;
    QString zone;
};

struct Candidate {
    QString name;
    QString zone;    // time-zone id whose standard offset the line carries
    QString follows; // the zone the line stands for in the zone table; empty: none, fixed offset
    const IsoCountry *country;
};

/// One line of the city list and the zone it stands for.
struct CityRow {
    QString line;
    QString follows;
};

/// The zone of a country's own line and its capital's line.
struct CountryZone {
    QString zone;    // gives the offset
    QString follows; // empty when the territory has no single zone
};

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "kerani_makecities: %s\n", qPrintable(message));
    std::exit(1);
}

/// The rows of zone.tab: country code, coordinates, zone id, comment.
QList<ZoneRow> loadZoneTab(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(u"cannot read "_s + path);
    QList<ZoneRow> rows;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() < 3)
            fail(u"odd line in "_s + path + u": "_s + line);
        rows.append({fields[0], fields[2]});
    }
    return rows;
}

/// The zone's standard (winter) offset in minutes: the smaller of its offsets at the two
/// reference instants, one in each half of the year, so southern summer time is left out as
/// well as northern. (QTimeZone::standardTimeOffset() cannot serve: tzdata describes Irish
/// winter time as a negative daylight saving, which makes it report +01:00 for Dublin.)
int standardOffsetMinutes(const QString &zoneId)
{
    const QTimeZone zone(zoneId.toUtf8());
    if (!zone.isValid())
        fail(u"the system does not know the zone "_s + zoneId);
    const int seconds =
        std::min(zone.offsetFromUtc(JanuaryInstant), zone.offsetFromUtc(JulyInstant));
    if (seconds % 60 != 0)
        fail(zoneId + u" has an offset of odd seconds"_s);
    return seconds / 60;
}

/// "+05:45", "-03:30"
QString zoneOffsetText(const QString &zoneId)
{
    const int minutes = standardOffsetMinutes(zoneId);
    if (minutes < MinOffsetMinutes || minutes > MaxOffsetMinutes)
        fail(zoneId + u" has an offset out of range"_s);
    const int magnitude = qAbs(minutes);
    return QString(minutes < 0 ? u'-' : u'+') + u"%1:%2"_s.arg(magnitude / 60, 2, 10, QChar(u'0'))
                                                    .arg(magnitude % 60, 2, 10, QChar(u'0'));
}

/// The zone a country's own entry and its capital use. A country with a capital follows the
/// capital's zone. A territory without one follows its only zone; with none (Bouvet Island) or
/// several (Antarctica) it has no single zone: the capital table's zone gives only its offset.
CountryZone countryZone(const IsoCountry &country, const WorldTables::Capital &capital,
                        const QList<ZoneRow> &zones)
{
    QStringList own;
    for (const ZoneRow &row : zones) {
        if (row.alpha2 != country.alpha2)
            continue;
        if (capital.zone.isEmpty() && !capital.name.isEmpty() &&
            WorldTables::zoneCityName(row.zone) == capital.name)
            return {row.zone, row.zone};
        own.append(row.zone);
    }
    if (!capital.zone.isEmpty()) {
        const bool single = !capital.name.isEmpty() || own.size() == 1;
        return {capital.zone, single ? capital.zone : QString()};
    }
    if (own.size() != 1)
        fail(country.alpha2 + u" needs its capital's zone in the table ("_s +
             QString::number(own.size()) + u" zones)"_s);
    return {own.first(), own.first()};
}

QString lineOf(const Candidate &candidate)
{
    return candidate.name + u'!' + zoneOffsetText(candidate.zone) + u'!' +
           candidate.country->alpha3.toUpper() + u".bmp"_s;
}

/// Countries first, then capitals, then zone cities: when two places share a name, the earlier
/// keeps it and the later is told apart by its country ("San Juan, Argentina"). Places whose
/// lines are identical (a capital named like its country) are listed once; they must stand for
/// the same zone.
QList<CityRow> uniqueRows(const QList<Candidate> &candidates)
{
    QMap<QString, CityRow> rowsByName; // lower-cased name -> row
    for (Candidate candidate : candidates) {
        QString line = lineOf(candidate);
        const auto existing = rowsByName.constFind(candidate.name.toLower());
        if (existing != rowsByName.cend()) {
            if (existing->line == line) {
                if (existing->follows != candidate.follows)
                    fail(line + u" stands for two zones: "_s + existing->follows + u", "_s +
                         candidate.follows);
                continue;
            }
            candidate.name += u", "_s + WorldTables::countryName(*candidate.country);
            line = lineOf(candidate);
            if (rowsByName.contains(candidate.name.toLower()))
                fail(u"two places named "_s + candidate.name);
        }
        if (candidate.name.size() > MaxNameLength)
            fail(u"name too long: "_s + candidate.name);
        rowsByName.insert(candidate.name.toLower(), {line, candidate.follows});
    }
    return rowsByName.values();
}

/// Grouped by first character code, as the city editor keeps the file; alphabetical within.
void sortLikeTheEditor(QList<CityRow> &rows)
{
    std::sort(rows.begin(), rows.end(), [](const CityRow &rowA, const CityRow &rowB) {
        const QString &a = rowA.line;
        const QString &b = rowB.line;
        if (a.front() != b.front())
            return a.front().unicode() < b.front().unicode();
        const QStringView nameA = QStringView(a).chopped(CityEntry::TailLength);
        const QStringView nameB = QStringView(b).chopped(CityEntry::TailLength);
        const int folded = nameA.compare(nameB, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

QList<Candidate> collectCandidates(const QList<IsoCountry> &countries, const QList<ZoneRow> &zones)
{
    QHash<QString, const IsoCountry *> byAlpha2;
    QList<Candidate> countryEntries;
    QList<Candidate> capitalEntries;
    for (const IsoCountry &country : countries) {
        byAlpha2.insert(country.alpha2, &country);
        const std::optional<WorldTables::Capital> capital = WorldTables::capital(country.alpha2);
        if (!capital)
            fail(u"no capital known for "_s + country.alpha2);
        const CountryZone zone = countryZone(country, *capital, zones);
        countryEntries.append(
            {WorldTables::countryName(country), zone.zone, zone.follows, &country});
        if (!capital->name.isEmpty())
            capitalEntries.append({capital->name, zone.zone, zone.follows, &country});
    }
    QList<Candidate> cityEntries;
    for (const ZoneRow &row : zones) {
        const IsoCountry *country = byAlpha2.value(row.alpha2);
        if (!country)
            fail(u"zone.tab names an unknown country "_s + row.alpha2);
        cityEntries.append({WorldTables::zoneCityName(row.zone), row.zone, row.zone, country});
    }
    return countryEntries + capitalEntries + cityEntries;
}

void checkRows(const QList<CityRow> &rows)
{
    for (const CityRow &row : rows) {
        const std::optional<CityEntry> entry = CityEntry::fromLine(row.line);
        if (!entry || entry->toLine() != row.line || !entry->hasPlainFlagFile() ||
            entry->name.contains(u'!') || entry->name.contains(u'\t'))
            fail(u"malformed line "_s + row.line);
        // A followed zone must give the line's own offset in winter, so that switching summer
        // time on never moves a clock in the season without it.
        if (!row.follows.isEmpty() && zoneOffsetText(row.follows) != entry->zone)
            fail(row.line + u" follows "_s + row.follows + u" at another offset"_s);
    }
}

void writeFile(const QByteArray &bytes, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) < 0)
        fail(u"cannot write "_s + path);
}

/// The city list: one line each, UTF-8, CR LF.
void writeCityList(const QList<CityRow> &rows, const QString &path)
{
    QByteArray bytes;
    for (const CityRow &row : rows)
        bytes += row.line.toUtf8() + "\r\n";
    writeFile(bytes, path);
}

/// The zone table: each city line, a tab and its zone (empty for none), in the list's order.
void writeZoneTable(const QList<CityRow> &rows, const QString &path)
{
    QByteArray bytes;
    for (const CityRow &row : rows)
        bytes += row.line.toUtf8() + '\t' + row.follows.toUtf8() + "\r\n";
    writeFile(bytes, path);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Writes the factory city list (Cities.bak) and its zone table (Zones.txt)."_s);
    parser.addHelpOption();
    parser.addOption({u"zone-tab"_s, u"The zone table of tzdata."_s, u"file"_s,
                      u"/usr/share/zoneinfo/zone.tab"_s});
    parser.addOption({u"iso"_s, u"The ISO 3166-1 list of iso-codes."_s, u"file"_s,
                      QString::fromLatin1(IsoCountries::DefaultPath)});
    parser.addPositionalArgument(u"cities"_s, u"The city list to write."_s);
    parser.addPositionalArgument(u"zones"_s, u"The zone table to write."_s);
    parser.process(app);
    const QStringList outputs = parser.positionalArguments();
    if (outputs.size() != 2)
        parser.showHelp(1);

    const std::optional<QList<IsoCountry>> countries = IsoCountries::load(parser.value(u"iso"_s));
    if (!countries)
        return 1;
    const QList<ZoneRow> zones = loadZoneTab(parser.value(u"zone-tab"_s));
    QList<CityRow> rows = uniqueRows(collectCandidates(*countries, zones));
    sortLikeTheEditor(rows);
    checkRows(rows);
    writeCityList(rows, outputs[0]);
    writeZoneTable(rows, outputs[1]);
    QStringList fixed;
    for (const CityRow &row : std::as_const(rows)) {
        if (row.follows.isEmpty())
            fixed.append(row.line);
    }
    std::printf("%lld lines: %lld countries, %lld zones; without a zone: %s\n",
                qlonglong(rows.size()), qlonglong(countries->size()), qlonglong(zones.size()),
                qPrintable(fixed.join(u", "_s)));
    return 0;
}
