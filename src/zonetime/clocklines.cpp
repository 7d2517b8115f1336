#include "zonetime/clocklines.h"

#include "settings/cityentry.h"
#include "settings/settingsstate.h"
#include "zonetime/zoneclockset.h"

namespace {

/// The text with every character that would end a field or a line replaced by a blank.
QString field(QString text)
{
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return text;
}

} // namespace

QStringList clockTextLines(const SettingsState &state, const ZoneTable &zones, const QDateTime &now,
                           const QLocale &locale)
{
    // The same set, and so the same texts, as the clock window built at `now` shows at once.
    ZoneClockSet clocks(state, locale, now, zones);
    const QList<ColumnTick> ticks = clocks.tick(now);
    const QList<ColumnDates> dates = clocks.dates(now);
    QStringList lines;
    for (qsizetype i = 0; i < clocks.size(); ++i) {
        const std::optional<CityEntry> city = CityEntry::fromLine(state.clockList[i]);
        if (!city)
            continue;
        const std::optional<QTimeZone> zone = clocks.followedZone(i);
        const QStringList fields{field(city->name), field(ticks[i].timeText.value_or(QString())),
                                 field(dates[i].date), field(dates[i].oppositeDate),
                                 zone ? QString::fromLatin1(zone->id()) : QString()};
        lines.append(fields.join(u'\t'));
    }
    return lines;
}
