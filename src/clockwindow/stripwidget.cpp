#include "clockwindow/stripwidget.h"

#include <QPaintEvent>
#include <QPainter>

StripWidget::StripWidget(const QString &objectName, StripFill fill, QWidget *parent)
    : QWidget(parent)
    , m_fill(std::move(fill))
{
    setObjectName(objectName);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StripWidget::setFill(StripFill fill)
{
    m_fill = std::move(fill);
    m_rendered = QImage();
    update();
}

void StripWidget::paintEvent(QPaintEvent *event)
{
    const qreal ratio = devicePixelRatioF();
    if (m_rendered.isNull() || m_rendered.deviceIndependentSize() != QSizeF(size()) ||
        m_rendered.devicePixelRatio() != ratio)
        m_rendered = renderStripFill(m_fill, size(), ratio);
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), m_rendered);
}
