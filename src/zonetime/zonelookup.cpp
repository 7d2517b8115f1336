#include "zonetime/zonelookup.h"

#include "settings/cityentry.h"
#include "zonetime/flagterritory.h"
#include "zonetime/zoneoffset.h"

#include <utility>

ZoneLookup::ZoneLookup(QDateTime at)
    : m_at(std::move(at))
{
}

const QList<ZoneLookup::Candidate> &ZoneLookup::candidates(QLocale::Territory territory)
{
    auto found = m_candidates.find(territory);
    if (found != m_candidates.end())
        return found->second;
    QList<Candidate> zones;
    // The database's own order (by identifier) decides between zones of one offset.
    for (const QByteArray &id : QTimeZone::availableTimeZoneIds(territory)) {
        QTimeZone zone(id);
        if (!zone.isValid())
            continue;
        const int standard = zone.standardTimeOffset(m_at);
        zones.append({std::move(zone), standard, zoneCityName(id)});
    }
    return m_candidates.emplace(territory, std::move(zones)).first->second;
}

std::optional<QTimeZone> ZoneLookup::find(const CityEntry &city)
{
    const std::optional<QLocale::Territory> territory = territoryOfFlagCode(city.flagCode());
    if (!territory)
        return std::nullopt;
    const int offsetSeconds = ZoneOffset::fromText(city.zone).minutes() * 60;
    const Candidate *first = nullptr;
    for (const Candidate &candidate : candidates(*territory)) {
        if (candidate.standardOffsetSeconds != offsetSeconds)
            continue;
        if (candidate.cityName.compare(city.name, Qt::CaseInsensitive) == 0)
            return candidate.zone;
        if (!first)
            first = &candidate;
    }
    if (!first)
        return std::nullopt;
    return first->zone;
}

QString zoneCityName(QByteArrayView zoneId)
{
    const qsizetype slash = zoneId.lastIndexOf('/');
    QString name = QString::fromLatin1(zoneId.sliced(slash + 1));
    name.replace(u'_', u' ');
    return name;
}
