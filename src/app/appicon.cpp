#include "app/appicon.h"

#include <QPainter>
#include <QPixmap>

namespace {

// A clean analog clock mark, drawn for each size so that small icons stay crisp.
QPixmap drawClockMark(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 32.0;
    const QRectF dial(1.5 * unit, 1.5 * unit, 29 * unit, 29 * unit);
    painter.setPen(QPen(QColor(32, 64, 112), 2.2 * unit));
    painter.setBrush(QColor(250, 250, 245));
    painter.drawEllipse(dial);
    const QPointF centre = dial.center();
    painter.setPen(QPen(QColor(32, 32, 32), 2.4 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(0, -9.5 * unit));
    painter.drawLine(centre, centre + QPointF(6.5 * unit, 3.5 * unit));
    painter.setPen(QPen(QColor(200, 32, 32), 1.2 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(-4 * unit, 10 * unit));
    return pixmap;
}

} // namespace

QIcon appIcon()
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(drawClockMark(size));
    return icon;
}
