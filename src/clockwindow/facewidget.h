#pragma once

#include "clockwindow/handsprites.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>

#include <array>

/// One analog clock face: the face picture (white when there is none) with three hands drawn
/// over it from the fixed centre. Hands are drawn at the screen's own resolution.
class FaceWidget final : public QWidget {
    Q_OBJECT

public:
    /// `sprites` are the window's pictures of hands, shared by its faces; they must outlive
    /// the face.
    FaceWidget(const QImage &face, QColor handColour, HandSprites &sprites, QWidget *parent);

    /// Outer ends of the second, minute and hour hands, in face pixels. No hands are drawn until
    /// the first call.
    void setHands(QPoint second, QPoint minute, QPoint hour);
    [[nodiscard]] bool hasHands() const { return m_hasHands; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    /// The hands in drawing order: second, minute, hour.
    [[nodiscard]] std::array<HandSprites::Hand, 3> hands() const;

    QImage m_face;
    QColor m_handColour;
    HandSprites &m_sprites;
    std::array<QPoint, 3> m_outerEnds{};
    bool m_hasHands = false;
};
