#pragma once

#include "settings/settingsstate.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>

/// One filled box of the one-colour gradient, painted in list order (later bands overlap earlier
/// ones by their shared edge line).
struct GradientBand {
    QRect rect;
    QColor colour;

    friend bool operator==(const GradientBand &, const GradientBand &) = default;
};

/// The 100 bands of the one-colour gradient on a surface of the given size: each band is 3 darker
/// per channel than the one before (the first already is), never below 0. Band sizes are the
/// surface size / 100 to the nearest whole pixel, halves to even, so a small surface is covered
/// after fewer than 100 bands and a large one may keep a strip of the last colour it had. A
/// direction the program does not know draws top down.
[[nodiscard]] QList<GradientBand> oneColorGradientBands(QSize surface, QColor start,
                                                        GradientDirection direction);

/// The colour of each row of the two-colour gradient: the top row is exactly `top`, the bottom
/// row exactly `bottom`, linear in between.
[[nodiscard]] QList<QColor> twoColorGradientRows(int height, QColor top, QColor bottom);

/// The strip's picture for either gradient, one device pixel per image pixel.
[[nodiscard]] QImage renderOneColorGradient(QSize surface, QColor start,
                                            GradientDirection direction);
[[nodiscard]] QImage renderTwoColorGradient(QSize surface, QColor top, QColor bottom);
