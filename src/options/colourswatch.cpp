#include "options/colourswatch.h"

#include <QPainter>

namespace {
constexpr int SwatchSize = 17;
}

ColourSwatch::ColourSwatch(const QString &objectName, const QString &accessibleName,
                           QWidget *parent)
    : QFrame(parent)
{
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setFixedSize(SwatchSize, SwatchSize);
}

void ColourSwatch::setColour(const QColor &colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), m_colour);
    }
    QFrame::paintEvent(event);
}
