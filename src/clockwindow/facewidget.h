#pragma once

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
    FaceWidget(const QImage &face, QColor handColour, QWidget *parent);

    /// Outer ends of the second, minute and hour hands, in face pixels. No hands are drawn until
    /// the first call.
    void setHands(QPoint second, QPoint minute, QPoint hour);
    [[nodiscard]] bool hasHands() const { return m_hasHands; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    [[nodiscard]] static QRect handBounds(QPoint outerEnd);

    QImage m_face;
    QColor m_handColour;
    std::array<QPoint, 3> m_hands{};
    bool m_hasHands = false;
};
