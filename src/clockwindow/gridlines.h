#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QWidget;

/// The strip's grid drawn on whole device pixels, so that its lines stay one device pixel wide
/// and meet cleanly at any device pixel ratio, fractional ones included.
namespace GridLines {
/// The device pixels, counted in `widget`'s window, of the lines on the widget's border pixels.
[[nodiscard]] QRect deviceFrame(const QWidget &widget);
/// Makes `painter`, which paints `widget`, draw in device pixels of the widget's window.
void useWindowDevicePixels(QPainter &painter, const QWidget &widget);
/// Draws the four lines of `frame` (device pixels, after useWindowDevicePixels()).
void drawFrame(QPainter &painter, const QRect &frame, QColor colour);
} // namespace GridLines
