#pragma once

#include "clockwindow/facepicture.h"
#include "clockwindow/handsprites.h"

#include <QColor>
#include <QPoint>
#include <QWidget>

#include <array>

/// One analog clock face: the face picture (white when there is none) cut to its outline, with
/// three hands drawn over it from the fixed centre. Face and hands are drawn at the screen's own
/// resolution: at a pixel ratio of 1 exactly as the picture and the hand tables give them, at
/// others from the detailed picture and smooth hands, the face's edge blending into the strip.
class FaceWidget final : public QWidget {
    Q_OBJECT

public:
    /// `face` and `sprites` are the window's, shared by its faces; they must outlive the face.
    FaceWidget(const FacePicture &face, QColor handColour, HandSprites &sprites, QWidget *parent);

    /// Outer ends of the second, minute and hour hands, in face pixels. No hands are drawn until
    /// the first call.
    void setHands(QPoint second, QPoint minute, QPoint hour);
    [[nodiscard]] bool hasHands() const { return m_hasHands; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    /// The hands in drawing order: second, minute, hour.
    [[nodiscard]] std::array<HandSprites::Hand, 3> hands() const;
    /// Cuts the face to its outline for `ratio`: at 1 exactly; at others a pixel wider, so the
    /// smooth edge shows whole over what lies behind.
    void shapeFor(qreal ratio);

    const FacePicture &m_face;
    QColor m_handColour;
    HandSprites &m_sprites;
    std::array<QPoint, 3> m_outerEnds{};
    bool m_hasHands = false;
    qreal m_shapedFor = 0;
};
