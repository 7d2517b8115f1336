#include "zonetime/zoneclockset.h"

#include "app/settingsstate.h"
#include "cities/cityentry.h"
#include "zonetime/zonetime.h"

ZoneClockSet::ZoneClockSet(const SettingsState &state, const QLocale &locale)
    : m_localOffset(localCityOffset(state.localCity))
    , m_displayClock(state.displayOptions.displayClock)
    , m_displayTime(state.displayOptions.displayTime)
    , m_timeText(state.displayOptions.timeFormat, locale)
    , m_dateTexts(state.displayOptions, locale)
{
    m_offsets.reserve(state.clockList.size());
    for (const QString &line : state.clockList) {
        const std::optional<CityEntry> entry = CityEntry::fromLine(line);
        m_offsets.append(entry ? std::optional(ZoneOffset::fromText(entry->zone)) : std::nullopt);
    }
    m_hands.resize(m_offsets.size());
}

bool ZoneClockSet::isCityLine(qsizetype index) const
{
    return index >= 0 && index < m_offsets.size() && m_offsets[index].has_value();
}

int ZoneClockSet::localOffsetMinutes(const QDateTime &now) const
{
    return m_localOffset ? m_localOffset->minutes() : now.offsetFromUtc() / 60;
}

std::optional<QDateTime> ZoneClockSet::zoneTime(qsizetype index, const QDateTime &now) const
{
    if (!isCityLine(index) || !now.isValid())
        return std::nullopt;
    return wallClock(now).addSecs(qint64(zoneShiftMinutes(*m_offsets[index], m_localOffset, now)) *
                                  60);
}

QList<ColumnTick> ZoneClockSet::tick(const QDateTime &now)
{
    QList<ColumnTick> ticks(m_offsets.size());
    if (!now.isValid())
        return ticks;
    // The computer's reading and the local offset are the same for every column of one tick.
    const QDateTime wall = wallClock(now);
    const int localMinutes = localOffsetMinutes(now);
    for (qsizetype i = 0; i < m_offsets.size(); ++i) {
        ColumnTick &tick = ticks[i];
        if (m_offsets[i]) {
            const QDateTime zone =
                wall.addSecs(qint64(m_offsets[i]->minutes() - localMinutes) * 60);
            const QTime time = zone.time();
            if (m_displayClock)
                setHands(time, m_hands[i]);
            if (m_displayTime)
                tick.timeText = m_timeText.text(time);
            tick.zoneTime = zone;
        }
        tick.hands = m_hands[i];
    }
    return ticks;
}

QList<ColumnDates> ZoneClockSet::dates(const QDateTime &now) const
{
    QList<ColumnDates> result(m_offsets.size());
    ColumnDates carried;
    for (qsizetype i = 0; i < m_offsets.size(); ++i) {
        const std::optional<QDateTime> zone = zoneTime(i, now);
        if (!zone)
            continue;
        const QDate date = zone->date();
        if (std::optional<QString> text = m_dateTexts.date(date))
            carried.date = std::move(*text);
        if (std::optional<QString> text = m_dateTexts.oppositeDate(date))
            carried.oppositeDate = std::move(*text);
        result[i] = carried;
    }
    return result;
}
