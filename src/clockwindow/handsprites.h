#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QRect>

/// Clock hands drawn once per position and kept. A hand only ever points at one of a few dozen
/// places, so a face repaints its hands by copying pictures instead of stroking lines every
/// second. One set serves every face of a window.
class HandSprites final {
public:
    struct Hand {
        QPoint outerEnd; // in face pixels; the inner end is the face's centre
        QColor colour;
        int width = 1;
    };
    struct Sprite {
        QImage image; // premultiplied, transparent around the hand
        QPoint topLeft;
    };

    /// The face pixels a hand can touch.
    [[nodiscard]] static QRect bounds(const Hand &hand);
    /// Draws the hand onto `painter`: from its sprite on screens of whole-number pixel ratios,
    /// where a copied sprite lands exactly on device pixels, else by stroking it.
    void draw(QPainter &painter, const Hand &hand);
    /// Draws the hand straight onto `painter`, the way every sprite is made.
    static void stroke(QPainter &painter, const Hand &hand);

private:
    const Sprite &sprite(const Hand &hand, qreal pixelRatio);

    QHash<quint64, Sprite> m_sprites;
};
