#include "clockwindow/handsprites.h"

#include "zonetime/hands.h"

#include <QPainter>

namespace {

// Three hands of sixty places each, in one or two colours: far fewer than this.
constexpr qsizetype MaxSprites = 1024;

quint64 keyOf(const HandSprites::Hand &hand, qreal pixelRatio)
{
    const quint64 x = quint64(hand.outerEnd.x() & 0xFF);
    const quint64 y = quint64(hand.outerEnd.y() & 0xFF);
    const quint64 width = quint64(hand.width & 0xF);
    const quint64 rgb = hand.colour.rgb() & 0xFFFFFF;
    const quint64 ratio = quint64(qRound(pixelRatio * 100) & 0xFFFF);
    return x | y << 8 | width << 16 | rgb << 20 | ratio << 44;
}

} // namespace

QRect HandSprites::bounds(const Hand &hand)
{
    // Wide enough for the pen on either side of the line.
    const QPoint end = hand.outerEnd;
    const QPoint topLeft(qMin(end.x(), HandCentre.x()), qMin(end.y(), HandCentre.y()));
    const QPoint bottomRight(qMax(end.x(), HandCentre.x()), qMax(end.y(), HandCentre.y()));
    return QRect(topLeft, bottomRight).adjusted(-hand.width, -hand.width, hand.width, hand.width);
}

void HandSprites::stroke(QPainter &painter, const Hand &hand)
{
    // Pixel centres: a line between integer points is drawn through the middle of those pixels.
    const QPointF middle(0.5, 0.5);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, painter.device()->devicePixelRatioF() != 1);
    painter.setPen(QPen(hand.colour, hand.width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(hand.outerEnd) + middle, QPointF(HandCentre) + middle);
    painter.restore();
}

void HandSprites::draw(QPainter &painter, const Hand &hand)
{
    const Sprite &made = sprite(hand, painter.device()->devicePixelRatioF());
    painter.drawImage(made.topLeft, made.image);
}

const HandSprites::Sprite &HandSprites::sprite(const Hand &hand, qreal pixelRatio)
{
    const quint64 key = keyOf(hand, pixelRatio);
    if (const auto found = m_sprites.constFind(key); found != m_sprites.constEnd())
        return *found;
    if (m_sprites.size() >= MaxSprites)
        m_sprites.clear();

    // The sprite covers whole device pixels, so that it is copied without being resampled.
    const QRectF area = bounds(hand);
    const QRect device =
        QRectF(area.topLeft() * pixelRatio, area.size() * pixelRatio).toAlignedRect();
    Sprite made{QImage(device.size(), QImage::Format_ARGB32_Premultiplied),
                QPointF(device.topLeft()) / pixelRatio};
    made.image.setDevicePixelRatio(pixelRatio);
    made.image.fill(Qt::transparent);
    // At ratio 1 lines are drawn without smoothing, so the sprite's pixels are the hand's or
    // clear, and copying it over a face gives exactly the pixels stroking onto the face would.
    QPainter painter(&made.image);
    painter.translate(-made.topLeft);
    stroke(painter, hand);
    painter.end();
    return *m_sprites.insert(key, made);
}
