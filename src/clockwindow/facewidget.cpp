#include "clockwindow/facewidget.h"

#include "zonetime/hands.h"

#include <QPainter>
#include <QRegion>

using namespace Qt::StringLiterals;

namespace {
const QColor SecondHandColour(255, 0, 0);
} // namespace

FaceWidget::FaceWidget(const QImage &face, QColor handColour, HandSprites &sprites, QWidget *parent)
    : QWidget(parent)
    , m_face(face)
    , m_handColour(handColour)
    , m_sprites(sprites)
{
    setObjectName(u"clockFace"_s);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

std::array<HandSprites::Hand, 3> FaceWidget::hands() const
{
    return {HandSprites::Hand{m_outerEnds[0], SecondHandColour, SecondHandPenWidth},
            HandSprites::Hand{m_outerEnds[1], m_handColour, HandPenWidth},
            HandSprites::Hand{m_outerEnds[2], m_handColour, HandPenWidth}};
}

void FaceWidget::setHands(QPoint second, QPoint minute, QPoint hour)
{
    const std::array<QPoint, 3> outerEnds{second, minute, hour};
    if (m_hasHands && outerEnds == m_outerEnds)
        return;
    // Repaint only around the hands that moved: most seconds that is the second hand alone,
    // a small part of the face.
    const auto before = hands();
    m_outerEnds = outerEnds;
    const auto after = hands();
    QRegion dirty;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (!m_hasHands || before[i].outerEnd != after[i].outerEnd)
            dirty += HandSprites::bounds(before[i]).united(HandSprites::bounds(after[i]));
    }
    m_hasHands = true;
    update(dirty);
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
    for (const HandSprites::Hand &hand : hands())
        m_sprites.draw(painter, hand);
}
