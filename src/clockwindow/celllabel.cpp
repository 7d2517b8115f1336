#include "clockwindow/celllabel.h"

#include <QGuiApplication>
#include <QPaintEvent>
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
    update(drawsFromPieces() ? layOutPieces() : rect());
}

bool CellLabel::drawsFromPieces() const
{
    // Pieces go left to right, as a painter lays out text in a left-to-right application. The
    // widget's own layout direction plays no part: a painter does not take it from the widget.
    return m_pieces && !m_wordWrap && QGuiApplication::layoutDirection() == Qt::LeftToRight;
}

QRect CellLabel::textArea() const
{
    return rect().adjusted(TextInset, 1, -TextInset, -1);
}

QRect CellLabel::layOutPieces()
{
    const qreal ratio = devicePixelRatioF();
    const bool sameGeometry = m_runSize == size() && m_runRatio == ratio;
    PieceRun run = m_pieces->layOut(m_text, textArea(), m_alignment, m_background, ratio);
    const QRect changed = sameGeometry ? TextPieces::changedArea(m_run, run) : rect();
    m_run = std::move(run);
    m_runSize = size();
    m_runRatio = ratio;
    return changed;
}

void CellLabel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    const QRect inside = frame.adjusted(1, 1, 0, 0);
    painter.fillRect(exposed, m_background);
    // A tick repaints a few digits well inside the border: stroking it would cost more than they.
    if (!inside.contains(exposed)) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(frame);
    }
    if (m_text.isEmpty())
        return;
    // Text never paints over the border; a repaint inside the border is clipped to itself already.
    if (!inside.contains(exposed))
        painter.setClipRect(inside, Qt::IntersectClip);
    if (drawsFromPieces()) {
        if (m_runSize != size() || m_runRatio != devicePixelRatioF())
            layOutPieces();
        TextPieces::draw(painter, m_run, exposed);
        return;
    }
    int flags = int(m_alignment | Qt::AlignVCenter);
    if (m_wordWrap)
        flags |= Qt::TextWordWrap;
    painter.drawText(textArea(), flags, m_text);
}
