#include "zonetime/zonetime.h"

#include "settings/cityentry.h"
#include "zonetime/clock.h"

std::optional<ZoneOffset> localCityOffset(QStringView localCity)
{
    const std::optional<CityEntry> entry = CityEntry::fromLine(localCity);
    if (!entry)
        return std::nullopt;
    return ZoneOffset::fromText(entry->zone);
}

QDateTime wallClock(const QDateTime &now)
{
    if (!now.isValid())
        return {};
    // The instant plus its own offset is the reading on the computer's clock face, held in UTC
    // so that later additions are plain arithmetic.
    return now.toUTC().addSecs(now.offsetFromUtc());
}

int zoneShiftMinutes(ZoneOffset city, std::optional<ZoneOffset> local, const QDateTime &now)
{
    const int localMinutes = local ? local->minutes() : now.offsetFromUtc() / 60;
    return city.minutes() - localMinutes;
}

QDateTime getZoneTime(QStringView offsetText, QStringView localCity, const QDateTime &now)
{
    const int shift =
        zoneShiftMinutes(ZoneOffset::fromText(offsetText), localCityOffset(localCity), now);
    return wallClock(now).addSecs(qint64(shift) * 60);
}

QDateTime getZoneTime(QStringView offsetText, QStringView localCity, const Clock &clock)
{
    return getZoneTime(offsetText, localCity, clock.now());
}
