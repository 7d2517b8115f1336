// Writes the factory city list: every country of ISO 3166-1, every capital and every city that
// names a zone of the system's time-zone database, each with its zone's standard offset and the
// country's flag code. Usage: kerani_makecities [--zone-tab FILE] [--iso FILE] OUTPUT

#include "settings/cityentry.h"
#include "isocountries.h"
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

/// Offsets are taken at fixed instants, so the list depends on the tzdata release only. The
/// program knows no summer time: each city keeps its standard (winter) offset all year.
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
    QString zone; // time-zone id
    const IsoCountry *country;
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

/// The zone a country's own entry and its capital use.
QString countryZone(const IsoCountry &country, const WorldTables::Capital &capital,
                    const QList<ZoneRow> &zones)
{
    if (!capital.zone.isEmpty())
        return capital.zone;
    QStringList own;
    for (const ZoneRow &row : zones) {
        if (row.alpha2 != country.alpha2)
            continue;
        if (!capital.name.isEmpty() && WorldTables::zoneCityName(row.zone) == capital.name)
            return row.zone;
        own.append(row.zone);
    }
    if (own.size() != 1)
        fail(country.alpha2 + u" needs its capital's zone in the table ("_s +
             QString::number(own.size()) + u" zones)"_s);
    return own.first();
}

QString lineOf(const Candidate &candidate)
{
    return candidate.name + u'!' + zoneOffsetText(candidate.zone) + u'!' +
           candidate.country->alpha3.toUpper() + u".bmp"_s;
}

/// Countries first, then capitals, then zone cities: when two places share a name, the earlier
/// keeps it and the later is told apart by its country ("San Juan, Argentina"). Places whose
/// lines are identical (a capital named like its country) are listed once.
QStringList uniqueLines(const QList<Candidate> &candidates)
{
    QMap<QString, QString> linesByName; // lower-cased name -> line
    for (Candidate candidate : candidates) {
        QString line = lineOf(candidate);
        const auto existing = linesByName.constFind(candidate.name.toLower());
        if (existing != linesByName.cend()) {
            if (*existing == line)
                continue;
            candidate.name += u", "_s + WorldTables::countryName(*candidate.country);
            line = lineOf(candidate);
            if (linesByName.contains(candidate.name.toLower()))
                fail(u"two places named "_s + candidate.name);
        }
        if (candidate.name.size() > MaxNameLength)
            fail(u"name too long: "_s + candidate.name);
        linesByName.insert(candidate.name.toLower(), line);
    }
    return linesByName.values();
}

/// Grouped by first character code, as the city editor keeps the file; alphabetical within.
void sortLikeTheEditor(QStringList &lines)
{
    std::sort(lines.begin(), lines.end(), [](const QString &a, const QString &b) {
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
        const QString zone = countryZone(country, *capital, zones);
        countryEntries.append({WorldTables::countryName(country), zone, &country});
        if (!capital->name.isEmpty())
            capitalEntries.append({capital->name, zone, &country});
    }
    QList<Candidate> cityEntries;
    for (const ZoneRow &row : zones) {
        const IsoCountry *country = byAlpha2.value(row.alpha2);
        if (!country)
            fail(u"zone.tab names an unknown country "_s + row.alpha2);
        cityEntries.append({WorldTables::zoneCityName(row.zone), row.zone, country});
    }
    return countryEntries + capitalEntries + cityEntries;
}

void checkLines(const QStringList &lines)
{
    for (const QString &line : lines) {
        const std::optional<CityEntry> entry = CityEntry::fromLine(line);
        if (!entry || entry->toLine() != line || !entry->hasPlainFlagFile() ||
            entry->name.contains(u'!'))
            fail(u"malformed line "_s + line);
    }
}

void writeLines(const QStringList &lines, const QString &path)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) < 0)
        fail(u"cannot write "_s + path);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Writes the factory city list (Cities.bak)."_s);
    parser.addHelpOption();
    parser.addOption({u"zone-tab"_s, u"The zone table of tzdata."_s, u"file"_s,
                      u"/usr/share/zoneinfo/zone.tab"_s});
    parser.addOption({u"iso"_s, u"The ISO 3166-1 list of iso-codes."_s, u"file"_s,
                      QString::fromLatin1(IsoCountries::DefaultPath)});
    parser.addPositionalArgument(u"output"_s, u"The city list to write."_s);
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);

    const std::optional<QList<IsoCountry>> countries = IsoCountries::load(parser.value(u"iso"_s));
    if (!countries)
        return 1;
    const QList<ZoneRow> zones = loadZoneTab(parser.value(u"zone-tab"_s));
    QStringList lines = uniqueLines(collectCandidates(*countries, zones));
    sortLikeTheEditor(lines);
    checkLines(lines);
    writeLines(lines, parser.positionalArguments().constFirst());
    std::printf("%lld lines: %lld countries, %lld zones\n", qlonglong(lines.size()),
                qlonglong(countries->size()), qlonglong(zones.size()));
    return 0;
}
