#include "clockwindow/celllabel.h"

#include "clockwindow/gridlines.h"
#include "clockwindow/striprow.h"

#include <QPaintEvent>
#include <QPainter>

CellLabel::CellLabel(const QString &objectName, StripRow &row, QWidget *parent)
    : QWidget(parent)
    , m_row(&row)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_row->addCell(this);
}

void CellLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    update(layOut());
}

void CellLabel::setTextDirection(Qt::LayoutDirection direction)
{
    m_direction = direction;
    update(layOut());
}

void CellLabel::setTextRightLimit(int x)
{
    m_textRightLimit = x;
    update(layOut());
}

void CellLabel::setRow(StripRow &row)
{
    if (&row == m_row)
        return;
    m_row = &row;
    rowChanged();
}

void CellLabel::rowChanged()
{
    layOut();
    update();
}

CellBox CellLabel::box() const
{
    return CellBox::forCell(size(), m_textRightLimit, m_row->centred(), m_row->wraps());
}

QRect CellLabel::layOut()
{
    const qreal ratio = devicePixelRatioF();
    const bool sameGeometry = m_laidOutSize == size() && m_laidOutRatio == ratio;
    m_laidOutSize = size();
    m_laidOutRatio = ratio;
    const PieceRun before = std::exchange(m_run, PieceRun());
    const bool usedPieces = m_usesPieces;
    const CellBox cell = box();
    TextPieces *pieces = m_row->pieces();

    // A ticking time whose every form fits needs no plan: that is most cells every second.
    m_usesPieces = pieces && !m_text.isEmpty() && m_row->ticksFitWhole();
    if (!m_usesPieces) {
        m_plan = m_text.isEmpty() ? CellTextPlan()
                                  : CellText::plan(m_text, cell, m_row->size(), m_row->measure());
        m_usesPieces = pieces && m_plan.lines.size() == 1 && !m_plan.elided;
    } else {
        m_plan = CellTextPlan();
    }
    if (m_toolTipShowsElidedText) {
        const QString tip = m_plan.elided ? m_text : QString();
        if (tip != toolTip())
            setToolTip(tip);
    }
    if (!m_usesPieces)
        return rect();
    const int baseline = m_plan.lines.isEmpty()
                             ? CellText::firstBaseline(cell, 1, m_row->size(), m_row->measure())
                             : int(m_plan.lines.first().origin.y());
    const Qt::Alignment alignment = m_row->centred() ? Qt::AlignHCenter : Qt::AlignLeft;
    m_run = pieces->layOut(m_text, cell.placeArea.toRect(), alignment, baseline, m_direction,
                           m_row->background(), ratio);
    return sameGeometry && usedPieces ? TextPieces::changedArea(before, m_run) : rect();
}

void CellLabel::drawLines(QPainter &painter) const
{
    painter.setFont(m_row->font());
    painter.setPen(m_row->textColour());
    const FontMeasure &measure = m_row->measure();
    const qreal points = m_row->size().pointSize;
    const qreal ascent = measure.ascent(points);
    for (const PlacedLine &line : m_plan.lines) {
        const bool rightToLeft =
            m_direction == Qt::RightToLeft ||
            (m_direction == Qt::LayoutDirectionAuto && line.text.isRightToLeft());
        const QRectF box(line.origin.x(), line.origin.y() - ascent,
                         measure.advance(line.text, points), measure.lineHeight(points));
        painter.drawText(box,
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip |
                             (rightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight),
                         line.text);
    }
}

void CellLabel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(exposed, m_row->background());
    // A tick repaints a few digits well inside the border: drawing it would cost more than they.
    const bool reachesBorder = !inside.contains(exposed);
    if (reachesBorder) {
        painter.save();
        GridLines::useWindowDevicePixels(painter, *this);
        GridLines::drawFrame(painter, GridLines::deviceFrame(*this), m_row->textColour());
        painter.restore();
    }
    if (m_text.isEmpty())
        return;
    // Text never paints over the border; a repaint inside the border is clipped to itself already.
    if (reachesBorder)
        painter.setClipRect(inside, Qt::IntersectClip);
    if (m_laidOutSize != size() || m_laidOutRatio != devicePixelRatioF())
        layOut();
    if (m_usesPieces)
        TextPieces::draw(painter, m_run, exposed);
    else
        drawLines(painter);
}
