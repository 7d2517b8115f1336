#include "clockwindow/gridlines.h"

#include "clockwindow/clocklayout.h"

#include <QPainter>
#include <QWidget>

namespace GridLines {

QRect deviceFrame(const QWidget &widget)
{
    const qreal ratio = widget.devicePixelRatioF();
    const QRect inWindow(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size());
    return QRect(
        QPoint(deviceGridLine(inWindow.left(), ratio), deviceGridLine(inWindow.top(), ratio)),
        QPoint(deviceGridLine(inWindow.right(), ratio), deviceGridLine(inWindow.bottom(), ratio)));
}

void useWindowDevicePixels(QPainter &painter, const QWidget &widget)
{
    const qreal ratio = widget.devicePixelRatioF();
    const QPoint at = widget.mapTo(widget.window(), QPoint(0, 0));
    painter.setWorldTransform(QTransform(1 / ratio, 0, 0, 1 / ratio, -at.x(), -at.y()));
}

void drawFrame(QPainter &painter, const QRect &frame, QColor colour)
{
    const int width = frame.width();
    const int height = frame.height();
    painter.fillRect(QRect(frame.left(), frame.top(), width, 1), colour);
    painter.fillRect(QRect(frame.left(), frame.bottom(), width, 1), colour);
    painter.fillRect(QRect(frame.left(), frame.top(), 1, height), colour);
    painter.fillRect(QRect(frame.right(), frame.top(), 1, height), colour);
}

} // namespace GridLines
