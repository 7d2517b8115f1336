#include "zonetime/digitsvalue.h"

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
