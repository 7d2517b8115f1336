#include "zonetime/clocklines.h"

#include "settings/settingsstate.h"
#include "zonetime/zoneclockset.h"

using namespace Qt::StringLiterals;

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

QList<ClockFields> clockFields(const ZoneClockSet &clocks, const QDateTime &now)
{
    const QList<ColumnDates> dates = clocks.dates(now);
    const ZoneClockSet::Rows rows = clocks.rows();
    QList<ClockFields> columns;
    for (qsizetype i = 0; i < clocks.size(); ++i) {
        const std::optional<QString> name = clocks.name(i);
        if (!name)
            continue;
        ClockFields column;
        column.name = field(*name);
        if (rows.time)
            column.time = field(clocks.timeText(i, now).value_or(QString()));
        if (rows.date)
            column.date = field(dates[i].date);
        if (rows.oppositeDate)
            column.oppositeDate = field(dates[i].oppositeDate);
        if (const std::optional<QTimeZone> zone = clocks.followedZone(i))
            column.zone = QString::fromLatin1(zone->id());
        columns.append(std::move(column));
    }
    return columns;
}

QString printLine(const ClockFields &fields)
{
    return QStringList{fields.name, fields.time.value_or(QString()),
                       fields.date.value_or(QString()), fields.oppositeDate.value_or(QString()),
                       fields.zone}
        .join(u'\t');
}

QString copyLine(const ClockFields &fields)
{
    QStringList shown{fields.name};
    for (const std::optional<QString> &text : {fields.time, fields.date, fields.oppositeDate}) {
        if (text)
            shown.append(*text);
    }
    return shown.join(u"  "_s);
}

QStringList clockTextLines(const SettingsState &state, const ZoneTable &zones, const QDateTime &now,
                           const QLocale &locale)
{
    // The same set, and so the same texts, as the clock window built at `now` shows at once.
    const ZoneClockSet clocks(state, locale, now, zones);
    QStringList lines;
    for (const ClockFields &fields : clockFields(clocks, now))
        lines.append(printLine(fields));
    return lines;
}
