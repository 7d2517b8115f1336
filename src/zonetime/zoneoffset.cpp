#include "zonetime/zoneoffset.h"

#include "zonetime/digits.h"

namespace {

/// Characters [from, from + count) of the text, fewer or none when the text is shorter.
QStringView field(QStringView text, qsizetype from, qsizetype count)
{
    if (from >= text.size())
        return {};
    return text.sliced(from, qMin(count, text.size() - from));
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int twoDigits(QStringView text, qsizetype from)
{
    return (text[from].unicode() - u'0') * 10 + (text[from + 1].unicode() - u'0');
}

} // namespace

ZoneOffset ZoneOffset::fromText(QStringView text)
{
    const int hours = digitsValue(field(text, 1, 2));
    const int minutes = digitsValue(field(text, 4, 2));
    const int sign = text.startsWith(u'-') ? -1 : 1;
    return ZoneOffset(sign * (hours * 60 + minutes));
}

bool ZoneOffset::isWellFormed(QStringView text)
{
    if (text.size() != TextLength)
        return false;
    if (text[0] != u'+' && text[0] != u'-')
        return false;
    if (text[3] != u':')
        return false;
    for (const qsizetype i : {1, 2, 4, 5}) {
        if (!isAsciiDigit(text[i]))
            return false;
    }
    return twoDigits(text, 1) <= MaxHours && twoDigits(text, 4) <= MaxMinutes;
}

QString ZoneOffset::toText() const
{
    const int size = qAbs(m_minutes);
    const auto padded = [](int value) { return QString::number(value).rightJustified(2, u'0'); };
    return (m_minutes < 0 ? u'-' : u'+') % padded(size / 60) % u':' % padded(size % 60);
}
