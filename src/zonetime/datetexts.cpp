#include "zonetime/datetexts.h"

#include "zonetime/hijridate.h"

DateTexts::DateTexts(const DisplayOptions &options, const QLocale &locale)
    : m_locale(locale)
    , m_digits(locale)
    , m_gregorian(QCalendar::System::Gregorian)
    , m_islamic(QCalendar::System::IslamicCivil)
{
    if (options.displayDate)
        m_datePattern = DatePattern::forFormat(options.dateFormat, locale);

    const std::optional<int> shift = shiftDays(options.oppositeDateShift);
    if (options.displayOppositeDate && shift) {
        m_oppositePattern = DatePattern::forFormat(options.oppositeDateFormat, locale);
        m_oppositeIsLong = options.oppositeDateFormat == DateFormat::Long;
        m_shiftDays = *shift;
    }
}

std::optional<QString> DateTexts::date(QDate zoneDate) const
{
    if (!m_datePattern)
        return std::nullopt;
    const DateFields fields{zoneDate.year(), zoneDate.month(), zoneDate.day(), zoneDate.dayOfWeek(),
                            m_gregorian};
    return m_datePattern->format(fields, m_locale, m_digits);
}

std::optional<QString> DateTexts::oppositeDate(QDate zoneDate) const
{
    if (!m_oppositePattern)
        return std::nullopt;
    const QDate shifted = zoneDate.addDays(m_shiftDays);
    const std::optional<HijriDate> hijri = HijriDate::fromDate(shifted);
    if (!hijri)
        return QString();
    const DateFields fields{hijri->year, hijri->month, hijri->day, shifted.dayOfWeek(), m_islamic};
    const QString text = m_oppositePattern->format(fields, m_locale, m_digits);
    if (!m_oppositeIsLong)
        return text;
    return replaceWeekday(text, shifted.dayOfWeek(), zoneDate.dayOfWeek(), m_locale);
}

std::optional<int> DateTexts::shiftDays(OppositeDateShift shift)
{
    if (!isKnown(shift))
        return std::nullopt;
    return int(shift) - int(OppositeDateShift::None);
}

QString DateTexts::replaceWeekday(const QString &text, int shownDay, int wantedDay,
                                  const QLocale &locale)
{
    // The long name is tried first: putting a short name over the start of a long one would
    // leave a word that is no weekday ("Sun" over "Tuesday" reads "Sunsday").
    for (const QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
        const QString shown = locale.dayName(shownDay, type);
        if (shown.isEmpty())
            continue;
        const qsizetype at = text.indexOf(shown, 0, Qt::CaseInsensitive);
        if (at >= 0)
            return QString(text).replace(at, shown.size(), locale.dayName(wantedDay, type));
    }
    return text;
}
