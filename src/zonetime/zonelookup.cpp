#include "zonetime/zonelookup.h"

#include "settings/cityentry.h"
#include "zonetime/flagterritory.h"
#include "zonetime/zoneoffset.h"
#include "zonetime/zonetable.h"

#include <QLoggingCategory>

#include <algorithm>
#include <utility>

Q_LOGGING_CATEGORY(lcZoneLookup, "kerani.zonelookup", QtWarningMsg)

namespace {

/// The offset of the period in force at `msecs` (periods sorted by start, the first at or
/// before every instant asked for).
int offsetAt(const auto &periods, qint64 msecs)
{
    const auto after = std::upper_bound(
        periods.cbegin(), periods.cend(), msecs,
        [](qint64 value, const auto &period) { return value < period.startMSecs; });
    return after == periods.cbegin() ? periods.front().offsetSeconds
                                     : std::prev(after)->offsetSeconds;
}

void addOnce(QList<int> &offsets, int offset)
{
    if (!offsets.contains(offset))
        offsets.append(offset);
}

} // namespace

ZoneLookup::ZoneLookup(QDateTime at, const ZoneTable &table)
    : m_at(std::move(at))
    , m_table(table)
{
}

ZoneMatch ZoneLookup::find(const CityEntry &city)
{
    const ZoneTable::Listing listing = m_table.find(city.toLine());
    switch (listing.kind) {
    case ZoneTable::Listing::Kind::FixedOffset:
        return {};
    case ZoneTable::Listing::Kind::Zone:
        if (QTimeZone zone(listing.zoneId); zone.isValid())
            return {std::move(zone), {}};
        // A system whose database lacks the zone (an older one): guess as for any city.
        qCInfo(lcZoneLookup) << "the system does not know the zone" << listing.zoneId;
        break;
    case ZoneTable::Listing::Kind::NotListed:
        break;
    }
    return guess(city);
}

ZoneMatch ZoneLookup::guess(const CityEntry &city)
{
    const std::optional<QLocale::Territory> territory = territoryOfFlagCode(city.flagCode());
    if (!territory)
        return {};
    const int offsetSeconds = ZoneOffset::fromText(city.zone).minutes() * 60;
    QList<const Candidate *> fitting;
    for (const Candidate &candidate : candidates(*territory)) {
        if (!candidate.fittingOffsets.contains(offsetSeconds))
            continue;
        if (candidate.cityName.compare(city.name, Qt::CaseInsensitive) == 0)
            return {candidate.zone, {}};
        fitting.append(&candidate);
    }
    if (fitting.isEmpty())
        return {};
    const Candidate &first = *fitting.front();
    const bool agree = std::all_of(fitting.cbegin(), fitting.cend(), [&first](const Candidate *c) {
        return sameLocalTime(first, *c);
    });
    if (agree)
        return {first.zone, {}};
    ZoneMatch fixed;
    for (const Candidate *candidate : std::as_const(fitting))
        fixed.disagreeing.append(candidate->zone.id());
    return fixed;
}

const QList<ZoneLookup::Candidate> &ZoneLookup::candidates(QLocale::Territory territory)
{
    auto found = m_candidates.find(territory);
    if (found != m_candidates.end())
        return found->second;
    QList<Candidate> zones;
    // The database's own order (by identifier) decides which of agreeing zones is followed.
    for (const QByteArray &id : QTimeZone::availableTimeZoneIds(territory)) {
        Candidate zone = candidate(id);
        if (zone.zone.isValid())
            zones.append(std::move(zone));
    }
    return m_candidates.emplace(territory, std::move(zones)).first->second;
}

ZoneLookup::Candidate ZoneLookup::candidate(const QByteArray &id) const
{
    Candidate result{QTimeZone(id), zoneCityName(id), {}, {}};
    if (!result.zone.isValid())
        return result;
    QTimeZone::OffsetDataList stretches{result.zone.offsetData(m_at)};
    if (result.zone.hasTransitions())
        stretches += result.zone.transitions(m_at, m_at.addYears(1));
    int lowest = stretches.front().offsetFromUtc;
    for (const QTimeZone::OffsetData &stretch : std::as_const(stretches)) {
        // The first stretch starts at `at` whatever its own start.
        const qint64 start =
            result.periods.isEmpty() ? m_at.toMSecsSinceEpoch() : stretch.atUtc.toMSecsSinceEpoch();
        result.periods.append({start, stretch.offsetFromUtc});
        lowest = std::min(lowest, stretch.offsetFromUtc);
        addOnce(result.fittingOffsets, stretch.standardTimeOffset);
        if (stretch.daylightTimeOffset <= 0)
            addOnce(result.fittingOffsets, stretch.offsetFromUtc);
    }
    addOnce(result.fittingOffsets, lowest);
    return result;
}

bool ZoneLookup::sameLocalTime(const Candidate &a, const Candidate &b)
{
    // Both offsets are steps that change only at the periods' starts: equal at every start of
    // either, they are equal all through the year.
    const auto sameAt = [&a, &b](const Period &period) {
        return offsetAt(a.periods, period.startMSecs) == offsetAt(b.periods, period.startMSecs);
    };
    return std::all_of(a.periods.cbegin(), a.periods.cend(), sameAt) &&
           std::all_of(b.periods.cbegin(), b.periods.cend(), sameAt);
}

QString zoneCityName(QByteArrayView zoneId)
{
    const qsizetype slash = zoneId.lastIndexOf('/');
    QString name = QString::fromLatin1(zoneId.sliced(slash + 1));
    name.replace(u'_', u' ');
    return name;
}
