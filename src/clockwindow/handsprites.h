#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QRect>

/// Clock hands drawn once per position and kept. A hand only ever points at one of a few dozen
/// places, so a face repaints its hands by copying pictures instead of stroking lines every
/// second. One set serves every face of a window. At a device pixel ratio of 1 the hands are the
/// plain pixels the hand tables give; at other ratios they are smooth lines drawn for the device's
/// own pixels.
class HandSprites final {
public:
    struct Hand {
        QPoint outerEnd; // in face pixels; the inner end is the face's centre
        QColor colour;
        int width = 1;
    };
    struct Sprite {
        QImage image;    // premultiplied, transparent around the hand
        QPointF topLeft; // in face pixels, on a whole device pixel
    };

    /// The face pixels a hand can touch.
    [[nodiscard]] static QRect bounds(const Hand &hand);
    /// Draws the hand onto `painter` from its sprite for the painter's device pixel ratio.
    void draw(QPainter &painter, const Hand &hand);
    /// Draws the hand straight onto `painter`, the way every sprite is made: without smoothing at
    /// a device pixel ratio of 1, smoothly at any other.
    static void stroke(QPainter &painter, const Hand &hand);

private:
    const Sprite &sprite(const Hand &hand, qreal pixelRatio);

    QHash<quint64, Sprite> m_sprites;
};
