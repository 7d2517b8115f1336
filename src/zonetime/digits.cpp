#include "zonetime/digits.h"

#include <limits>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

int digitsValue(QStringView text)
{
    constexpr int largest = std::numeric_limits<int>::max();
    int value = 0;
    for (const QChar c : text) {
        if (isBlank(c))
            continue;
        // Only ASCII digits: other scripts' digits were never numbers in these files.
        if (c < u'0' || c > u'9')
            break;
        const int digit = c.unicode() - u'0';
        value = value > (largest - digit) / 10 ? largest : value * 10 + digit;
    }
    return value;
}

LocaleDigits::LocaleDigits(const QLocale &locale)
{
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    if (zero.size() == 1)
        m_zero = char32_t(zero.front());
}

QString LocaleDigits::number(int value, int width) const
{
    QString text = QString::number(value).rightJustified(width, u'0');
    if (m_zero == U'0')
        return text;
    QString local;
    local.reserve(text.size() * 2);
    for (const QChar c : std::as_const(text)) {
        if (c >= u'0' && c <= u'9') {
            const char32_t digit = m_zero + (c.unicode() - u'0');
            local += QStringView(QChar::fromUcs4(digit));
        } else {
            local += c;
        }
    }
    return local;
}
