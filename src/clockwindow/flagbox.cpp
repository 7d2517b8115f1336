#include "clockwindow/flagbox.h"

#include "clockwindow/gridlines.h"
#include "clockwindow/stripcolours.h"

#include <QPainter>

using namespace Qt::StringLiterals;

FlagBox::FlagBox(const QPixmap &flag, QWidget *parent)
    : QWidget(parent)
    , m_flag(flag)
{
    setObjectName(u"flagBox"_s);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FlagBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor frameColour = StripColours::textColourOn(StripColours::CityRow);
    if (devicePixelRatioF() == 1) {
        painter.setPen(frameColour);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.drawPixmap(rect().adjusted(1, 1, -1, -1), m_flag);
        return;
    }
    // The frame on whole device pixels like the grid's, the flag filling what lies inside it.
    painter.fillRect(rect(), StripColours::CityRow);
    GridLines::useWindowDevicePixels(painter, *this);
    const QRect frame = GridLines::deviceFrame(*this);
    const QRect inside = frame.adjusted(1, 1, -1, -1);
    if (m_scaled.size() != inside.size()) {
        m_scaled =
            m_flag.toImage().scaled(inside.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    GridLines::drawFrame(painter, frame, frameColour);
    painter.drawImage(inside.topLeft(), m_scaled);
}
