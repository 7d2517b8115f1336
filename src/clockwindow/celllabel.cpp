#include "clockwindow/celllabel.h"

#include "clockwindow/textpieces.h"

#include <QPainter>

namespace {
constexpr int TextInset = 2;
}

CellLabel::CellLabel(const QString &objectName, QColor background, Qt::Alignment alignment,
                     QWidget *parent)
    : QWidget(parent)
    , m_background(background)
    , m_alignment(alignment)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CellLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    setAccessibleName(text);
    update();
}

void CellLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), m_background);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(frame);
    if (m_text.isEmpty())
        return;
    const QRect textArea = rect().adjusted(TextInset, 1, -TextInset, -1);
    painter.setClipRect(frame.adjusted(1, 1, 0, 0));
    if (m_pieces && !m_wordWrap && layoutDirection() == Qt::LeftToRight) {
        m_pieces->draw(painter, textArea, m_alignment, m_text, m_background);
        return;
    }
    int flags = int(m_alignment | Qt::AlignVCenter);
    if (m_wordWrap)
        flags |= Qt::TextWordWrap;
    painter.drawText(textArea, flags, m_text);
}
