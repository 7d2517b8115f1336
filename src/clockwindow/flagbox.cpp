#include "clockwindow/flagbox.h"

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
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawPixmap(rect().adjusted(1, 1, -1, -1), m_flag);
}
