#include "clockwindow/facewidget.h"

#include "zonetime/hands.h"

#include <QPainter>
#include <QRegion>

using namespace Qt::StringLiterals;

namespace {
const QColor SecondHandColour(255, 0, 0);
} // namespace

FaceWidget::FaceWidget(const FacePicture &face, QColor handColour, HandSprites &sprites,
                       QWidget *parent)
    : QWidget(parent)
    , m_face(face)
    , m_handColour(handColour)
    , m_sprites(sprites)
{
    setObjectName(u"clockFace"_s);
    shapeFor(devicePixelRatioF());
}

void FaceWidget::shapeFor(qreal ratio)
{
    m_shapedFor = ratio;
    const std::optional<QRegion> &outline = m_face.outline();
    // A smooth edge is partly transparent: what lies behind must be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent, ratio == 1 || !outline);
    if (!outline) {
        clearMask();
        return;
    }
    if (ratio == 1) {
        setMask(*outline);
        return;
    }
    setMask(m_face.widenedOutline());
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
    const qreal ratio = devicePixelRatioF();
    if (ratio != m_shapedFor) {
        // Moved to a screen of another ratio: shape anew, then paint again.
        shapeFor(ratio);
        update();
        return;
    }
    QPainter painter(this);
    if (m_face.isNull())
        painter.fillRect(rect(), Qt::white);
    else if (ratio == 1)
        painter.drawImage(QPoint(0, 0), m_face.picture());
    else
        painter.drawImage(QPoint(0, 0), m_face.rendered(ratio));
    if (!m_hasHands)
        return;
    for (const HandSprites::Hand &hand : hands())
        m_sprites.draw(painter, hand);
}
