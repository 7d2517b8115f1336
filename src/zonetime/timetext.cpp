#include "zonetime/timetext.h"

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
