#include "clockwindow/stripgradient.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr int BandCount = 100;
constexpr int DarkeningPerBand = 3;

/// Division to the nearest whole number, halves to even.
int divideToEven(int value, int divisor)
{
    return static_cast<int>(std::nearbyint(double(value) / divisor));
}

} // namespace

QList<GradientBand> oneColorGradientBands(QSize surface, QColor start, GradientDirection stored)
{
    const GradientDirection direction = isKnown(stored) ? stored : GradientDirection::TopDown;
    const bool vertical =
        direction == GradientDirection::TopDown || direction == GradientDirection::BottomUp;
    const int step = divideToEven(vertical ? surface.height() : surface.width(), BandCount);

    // Corners are inclusive, so each band reaches one line into the next.
    int x1 = 0;
    int y1 = 0;
    int x2 = surface.width();
    int y2 = surface.height();
    if (vertical) {
        y1 = direction == GradientDirection::TopDown ? 0 : surface.height() - step;
        y2 = y1 + step;
    } else {
        x1 = direction == GradientDirection::LeftToRight ? 0 : surface.width() - step;
        x2 = x1 + step;
    }

    int red = start.red();
    int green = start.green();
    int blue = start.blue();
    const QRect bounds(QPoint(0, 0), surface);
    QList<GradientBand> bands;
    bands.reserve(BandCount);
    for (int band = 1; band <= BandCount; ++band) {
        if (band == BandCount && direction == GradientDirection::BottomUp)
            y1 = 0;
        if (band == BandCount && direction == GradientDirection::RightToLeft)
            x1 = 0;
        red = qMax(0, red - DarkeningPerBand);
        green = qMax(0, green - DarkeningPerBand);
        blue = qMax(0, blue - DarkeningPerBand);

        // A box is drawn between its two corners in whichever order they come.
        const QRect box(QPoint(qMin(x1, x2), qMin(y1, y2)), QPoint(qMax(x1, x2), qMax(y1, y2)));
        const QRect clipped = box.intersected(bounds);
        if (!clipped.isEmpty())
            bands.append({clipped, QColor(red, green, blue)});

        switch (direction) {
        case GradientDirection::TopDown:
            y1 = y2;
            y2 = y1 + step;
            break;
        case GradientDirection::BottomUp:
            y1 -= step;
            y2 = y1 + step;
            break;
        case GradientDirection::LeftToRight:
            x1 = x2;
            x2 = x1 + step;
            break;
        case GradientDirection::RightToLeft:
            x1 -= step;
            x2 = x1 + step;
            break;
        }
    }
    return bands;
}

QList<QColor> twoColorGradientRows(int height, QColor top, QColor bottom)
{
    QList<QColor> rows;
    rows.reserve(qMax(0, height));
    const auto blend = [](int from, int to, int row, int last) {
        return last == 0 ? from : from + int(std::lround(double(to - from) * row / last));
    };
    for (int row = 0; row < height; ++row) {
        const int last = height - 1;
        rows.append(QColor(blend(top.red(), bottom.red(), row, last),
                           blend(top.green(), bottom.green(), row, last),
                           blend(top.blue(), bottom.blue(), row, last)));
    }
    return rows;
}

QImage renderOneColorGradient(QSize surface, QColor start, GradientDirection direction)
{
    // Before the first band the surface is white, as an unpainted strip is.
    QImage image(surface, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const GradientBand &band : oneColorGradientBands(surface, start, direction))
        painter.fillRect(band.rect, band.colour);
    return image;
}

QImage renderTwoColorGradient(QSize surface, QColor top, QColor bottom)
{
    QImage image(surface, QImage::Format_RGB32);
    const QList<QColor> rows = twoColorGradientRows(surface.height(), top, bottom);
    for (int y = 0; y < surface.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::fill(line, line + surface.width(), rows[y].rgb());
    }
    return image;
}
