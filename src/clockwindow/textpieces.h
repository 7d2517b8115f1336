#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QString>

class QPainter;
class QRect;

/// Draws short single-line texts from pieces rendered once and kept between paints. A time text
/// changes every second but is made of the same few pieces (digits, ":", the AM/PM word), so each
/// piece is shaped and rasterised once, on its row's background, and afterwards only copied.
/// Words stay whole so that scripts that join their letters keep their shapes.
class TextPieces final {
public:
    TextPieces(const QFont &font, QColor textColour);

    /// Draws `text` in `area` over the plain colour `background`, with the horizontal alignment
    /// of `alignment`, centred vertically.
    void draw(QPainter &painter, const QRect &area, Qt::Alignment alignment, const QString &text,
              QColor background);

private:
    struct Piece {
        QImage image;
        qreal advance = 0;
    };
    const Piece &piece(QStringView text, QColor background, qreal pixelRatio);

    QFont m_font;
    QColor m_textColour;
    qreal m_height = 0;
    qreal m_ascent = 0;
    QHash<QString, Piece> m_pieces;
};
