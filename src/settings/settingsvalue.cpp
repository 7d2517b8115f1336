#include "settings/settingsvalue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

using namespace Qt::StringLiterals;

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Value of one digit in the given base, or -1 when the character is none.
int digitValue(QChar c, int base)
{
    int value = -1;
    if (isDigit(c))
        value = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c.unicode() - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c.unicode() - u'A' + 10;
    return value < base ? value : -1;
}

// "&H" and "&O" numbers are bit patterns of up to 32 bits, as Basic's long integers hold them.
double radixValue(QStringView digits, int base)
{
    quint64 value = 0;
    for (const QChar c : digits) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            break;
        value = value * quint64(base) + quint64(digit);
        if (value > std::numeric_limits<quint32>::max())
            return 0; // too big for any whole number the file can hold
    }
    return double(qint32(quint32(value)));
}

// The decimal number at the start of the text: sign, digits, point, digits, exponent.
double decimalValue(QStringView text)
{
    std::string number;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    bool anyDigit = false;
    for (; i < text.size() && isDigit(text[i]); ++i, anyDigit = true)
        number += char(text[i].unicode());
    if (i < text.size() && text[i] == u'.') {
        number += '.';
        for (++i; i < text.size() && isDigit(text[i]); ++i, anyDigit = true)
            number += char(text[i].unicode());
    }
    if (!anyDigit)
        return 0;
    if (i < text.size() && QStringView(u"EeDd").contains(text[i])) {
        std::string exponent = "e";
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            exponent += char(text[j++].unicode());
        const qsizetype firstExponentDigit = j;
        for (; j < text.size() && isDigit(text[j]); ++j)
            exponent += char(text[j].unicode());
        if (j > firstExponentDigit)
            number += exponent;
    }

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    Q_UNUSED(end);
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: keep the direction, which is all a clamp needs.
        const bool negative = number.front() == '-';
        const auto exponentAt = number.find('e');
        const bool tiny = exponentAt != std::string::npos && number[exponentAt + 1] == '-';
        if (tiny)
            return 0;
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    return value;
}

template<typename Int> Int nearestClamped(double value)
{
    const double clamped = std::clamp(value, double(std::numeric_limits<Int>::min()),
                                      double(std::numeric_limits<Int>::max()));
    // The default floating-point rounding mode takes halves to the even neighbour, as Basic does.
    return Int(std::nearbyint(clamped));
}

} // namespace

namespace SettingsValue {

QString missing()
{
    return u"00"_s;
}

double numericValue(QStringView text)
{
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    const QStringView rest = text.mid(start);
    if (rest.startsWith(u'&')) {
        if (rest.size() >= 2 && (rest[1] == u'H' || rest[1] == u'h'))
            return radixValue(rest.mid(2), 16);
        if (rest.size() >= 2 && (rest[1] == u'O' || rest[1] == u'o'))
            return radixValue(rest.mid(2), 8);
        return 0;
    }
    return decimalValue(rest);
}

bool exactOneFlag(QStringView text)
{
    return text == u"1";
}

bool numericFlag(QStringView text)
{
    return numericValue(text) != 0;
}

qint16 wholeNumber(QStringView text)
{
    return nearestClamped<qint16>(numericValue(text));
}

qint32 colourNumber(QStringView text)
{
    return nearestClamped<qint32>(numericValue(text));
}

QColor colour(QStringView text)
{
    const qint32 number = colourNumber(text);
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

QString colourToText(const QColor &colour)
{
    return numberToText(qint64(colour.red()) + 256 * qint64(colour.green()) +
                        65536 * qint64(colour.blue()));
}

QString numberToText(qint64 number)
{
    return QString::number(number);
}

QString flagToText(bool flag)
{
    return flag ? u"1"_s : u"0"_s;
}

QString clockSectionName(int number)
{
    return u"Clock_"_s + clockCountText(number);
}

QString clockCountText(int count)
{
    return count >= 0 && count < 10 ? u"0"_s + QString::number(count) : QString::number(count);
}

} // namespace SettingsValue
