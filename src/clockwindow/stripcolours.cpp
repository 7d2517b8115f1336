#include "clockwindow/stripcolours.h"

#include <cmath>

namespace {

/// The relative luminance of a colour: its channels taken out of the sRGB curve and weighted
/// as the eye weighs them.
double luminance(QColor colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

namespace StripColours {

double contrastRatio(QColor a, QColor b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (qMax(first, second) + 0.05) / (qMin(first, second) + 0.05);
}

QColor textColourOn(QColor background)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}

} // namespace StripColours
