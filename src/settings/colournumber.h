#pragma once

#include <QColor>

/// Colour numbers as the settings file stores them: red in the lowest byte, then green, then blue
/// (0x00BBGGRR). Negative numbers keep their low bytes, so -1 is white.
namespace ColourNumber {

[[nodiscard]] constexpr int red(qint64 number)
{
    return int(number & 0xFF);
}
[[nodiscard]] constexpr int green(qint64 number)
{
    return int((number >> 8) & 0xFF);
}
[[nodiscard]] constexpr int blue(qint64 number)
{
    return int((number >> 16) & 0xFF);
}

[[nodiscard]] inline QColor toColor(qint64 number)
{
    return QColor(red(number), green(number), blue(number));
}

[[nodiscard]] constexpr qint64 fromRgb(int r, int g, int b)
{
    return qint64(r) + 256 * qint64(g) + 65536 * qint64(b);
}

[[nodiscard]] inline qint64 fromColor(const QColor &colour)
{
    return fromRgb(colour.red(), colour.green(), colour.blue());
}

} // namespace ColourNumber
