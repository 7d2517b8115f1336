#include "zonetime/zoneclockset.h"

#include "settings/settingsstate.h"
#include "zonetime/zonelookup.h"
#include "zonetime/zonetime.h"
#include "zonetime/zonetooltip.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

ZoneClockSet::ZoneClockSet(const SettingsState &state, const QLocale &locale, const QDateTime &now,
                           const ZoneTable &zones)
    : m_localOffset(localCityOffset(state.localCity))
    , m_followDst(state.displayOptions.followDst)
    , m_displayClock(state.displayOptions.displayClock)
    , m_rows{state.displayOptions.displayTime, state.displayOptions.displayDate,
             state.displayOptions.displayOppositeDate}
    , m_locale(locale)
    , m_timeText(state.displayOptions.timeFormat, locale)
    , m_dateTexts(state.displayOptions, locale)
{
    // The zones are found once per build; a tick only asks a found zone for its offset.
    std::optional<ZoneLookup> lookup;
    if (m_followDst)
        lookup.emplace(now, zones);
    m_columns.reserve(state.clockList.size());
    for (const QString &line : state.clockList) {
        std::optional<CityEntry> entry = CityEntry::fromLine(line);
        if (!entry) {
            m_columns.append(std::nullopt);
            continue;
        }
        const ZoneOffset offset = ZoneOffset::fromText(entry->zone);
        ZoneMatch match = lookup ? lookup->find(*entry) : ZoneMatch();
        m_columns.append(
            Column{std::move(*entry), offset, std::move(match.zone), std::move(match.disagreeing)});
    }
    m_hands.resize(m_columns.size());
}

bool ZoneClockSet::isCityLine(qsizetype index) const
{
    return index >= 0 && index < m_columns.size() && m_columns[index].has_value();
}

int ZoneClockSet::localOffsetMinutes(const QDateTime &now) const
{
    return m_localOffset ? m_localOffset->minutes() : now.offsetFromUtc() / 60;
}

QDateTime ZoneClockSet::utcOf(const QDateTime &now) const
{
    if (m_followDst)
        return now.toUTC();
    return wallClock(now).addSecs(-qint64(localOffsetMinutes(now)) * 60);
}

QDateTime ZoneClockSet::zoneTimeAt(const Column &column, const QDateTime &utc)
{
    const qint64 offsetSeconds =
        column.followed ? column.followed->offsetFromUtc(utc) : column.offset.minutes() * 60;
    return utc.addSecs(offsetSeconds);
}

std::optional<QDateTime> ZoneClockSet::zoneTime(qsizetype index, const QDateTime &now) const
{
    if (!isCityLine(index) || !now.isValid())
        return std::nullopt;
    return zoneTimeAt(*m_columns[index], utcOf(now));
}

std::optional<QString> ZoneClockSet::name(qsizetype index) const
{
    if (!isCityLine(index))
        return std::nullopt;
    return m_columns[index]->city.name;
}

std::optional<QString> ZoneClockSet::timeText(qsizetype index, const QDateTime &now) const
{
    const std::optional<QDateTime> zone = zoneTime(index, now);
    if (!zone || !m_rows.time)
        return std::nullopt;
    return m_timeText.text(zone->time());
}

QList<ColumnTick> ZoneClockSet::tick(const QDateTime &now)
{
    QList<ColumnTick> ticks(m_columns.size());
    if (!now.isValid())
        return ticks;
    // The UTC instant is the same for every column of one tick.
    const QDateTime utc = utcOf(now);
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        ColumnTick &tick = ticks[i];
        if (m_columns[i]) {
            const QDateTime zone = zoneTimeAt(*m_columns[i], utc);
            const QTime time = zone.time();
            if (m_displayClock)
                setHands(time, m_hands[i]);
            if (m_rows.time)
                tick.timeText = m_timeText.text(time);
            tick.zoneTime = zone;
        }
        tick.hands = m_hands[i];
    }
    return ticks;
}

QList<ColumnDates> ZoneClockSet::dates(const QDateTime &now) const
{
    QList<ColumnDates> result(m_columns.size());
    ColumnDates carried;
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
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

std::optional<QTimeZone> ZoneClockSet::followedZone(qsizetype index) const
{
    if (!isCityLine(index))
        return std::nullopt;
    return m_columns[index]->followed;
}

std::optional<QString> ZoneClockSet::cityToolTip(qsizetype index, const QDateTime &now) const
{
    if (!isCityLine(index))
        return std::nullopt;
    const Column &column = *m_columns[index];
    const CityEntry &city = column.city;
    if (!column.followed) {
        QString tip = city.name % u" ("_s % city.zone % u')';
        if (!column.disagreeing.isEmpty()) {
            QStringList ids;
            for (const QByteArray &id : column.disagreeing)
                ids.append(QString::fromLatin1(id));
            tip += u'\n' % QCoreApplication::translate("ZoneClockSet",
                                                       "Fixed offset: the zones %1 fit this city "
                                                       "but keep different times.")
                               .arg(ids.join(u", "_s));
        }
        return tip;
    }
    const QTimeZone &zone = *column.followed;
    const int offsetSeconds = zone.offsetFromUtc(now);
    QString tip = QCoreApplication::translate("ZoneClockSet", "%1 (%2, now %3 %4)")
                      .arg(city.name, city.zone, ZoneOffset(offsetSeconds / 60).toText(),
                           QString::fromLatin1(zone.id()));
    const QDateTime there = now.toOffsetFromUtc(offsetSeconds);
    tip += u'\n' % timeDifferenceText((offsetSeconds - now.offsetFromUtc()) / 60,
                                      wallClock(now).date().daysTo(there.date()));
    if (const std::optional<QString> change = comingOffsetChangeText(zone, now, m_locale))
        tip += u'\n' % *change;
    return tip;
}
