#include "options/previewbox.h"

#include <QPaintEvent>
#include <QPainter>

PreviewBox::PreviewBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewBox::setFill(StripFill fill)
{
    m_fill = std::move(fill);
    m_rendered = QImage();
    update();
}

void PreviewBox::paintEvent(QPaintEvent *event)
{
    const qreal ratio = devicePixelRatioF();
    if (m_rendered.isNull() || m_rendered.deviceIndependentSize() != QSizeF(size()) ||
        m_rendered.devicePixelRatio() != ratio)
        m_rendered = renderStripFill(m_fill, size(), ratio);
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), m_rendered);
}
