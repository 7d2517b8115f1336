#include "zonetime/rowtexts.h"

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

TimeText::TimeText(TimeFormat format, const QLocale &locale)
    : m_digits(locale)
    , m_amText(locale.amText())
    , m_pmText(locale.pmText())
    , m_valid(isKnown(format))
    , m_twelveHour(format == TimeFormat::AmPm || format == TimeFormat::AmPmSeconds)
    , m_seconds(format == TimeFormat::AmPmSeconds || format == TimeFormat::Hours24Seconds)
{
}

std::optional<QString> TimeText::text(QTime time) const
{
    if (!m_valid || !time.isValid())
        return std::nullopt;
    int hour = time.hour();
    if (m_twelveHour)
        hour = hour % 12 == 0 ? 12 : hour % 12;

    // Room for the longest text up front: this runs for every clock every second.
    QString text;
    text.reserve(16 + m_amText.size() + m_pmText.size());
    text += m_digits.number(hour, 2) % u':' % m_digits.number(time.minute(), 2);
    if (m_seconds)
        text += u':' + m_digits.number(time.second(), 2);
    if (m_twelveHour) {
        const QString &designator = time.hour() < 12 ? m_amText : m_pmText;
        if (!designator.isEmpty())
            text += u' ' + designator;
    }
    return text;
}
