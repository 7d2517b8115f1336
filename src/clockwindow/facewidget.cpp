#include "clockwindow/facewidget.h"

#include "clockwindow/hands.h"

#include <QPainter>
#include <QRegion>

using namespace Qt::StringLiterals;

namespace {
constexpr int SecondHandWidth = 2;
constexpr int OtherHandsWidth = 3;
const QColor SecondHandColour(255, 0, 0);
} // namespace

FaceWidget::FaceWidget(const QImage &face, QColor handColour, QWidget *parent)
    : QWidget(parent)
    , m_face(face)
    , m_handColour(handColour)
{
    setObjectName(u"picFClock"_s);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FaceWidget::setHands(QPoint second, QPoint minute, QPoint hour)
{
    const std::array<QPoint, 3> hands{second, minute, hour};
    if (m_hasHands && hands == m_hands)
        return;
    // Repaint only around the hands that moved: most seconds that is the second hand alone,
    // a small part of the face.
    QRegion dirty;
    for (std::size_t i = 0; i < hands.size(); ++i) {
        if (!m_hasHands || hands[i] != m_hands[i])
            dirty += handBounds(m_hands[i]).united(handBounds(hands[i]));
    }
    m_hands = hands;
    m_hasHands = true;
    update(dirty);
}

QRect FaceWidget::handBounds(QPoint outerEnd)
{
    // Wide enough for the widest pen on either side of the line.
    constexpr int Margin = OtherHandsWidth;
    const QPoint topLeft(qMin(outerEnd.x(), HandCentre.x()), qMin(outerEnd.y(), HandCentre.y()));
    const QPoint bottomRight(qMax(outerEnd.x(), HandCentre.x()),
                             qMax(outerEnd.y(), HandCentre.y()));
    return QRect(topLeft, bottomRight).adjusted(-Margin, -Margin, Margin, Margin);
}

void FaceWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_face.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawImage(QPoint(0, 0), m_face);
    if (!m_hasHands)
        return;
    // Pixel centres: a line between integer points is drawn through the middle of those pixels.
    painter.translate(0.5, 0.5);
    const QPointF centre = HandCentre;
    painter.setPen(QPen(SecondHandColour, SecondHandWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(m_hands[0]), centre);
    painter.setPen(QPen(m_handColour, OtherHandsWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(m_hands[1]), centre);
    painter.drawLine(QPointF(m_hands[2]), centre);
}
