#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>

class QPainter;
class QRect;

/// One piece of a laid-out text: its picture and where it goes, in logical pixels.
struct PlacedPiece {
    QImage image;
    QPointF at;

    /// The logical pixels the piece covers.
    [[nodiscard]] QRect bounds() const;
    /// The same picture at the same place.
    [[nodiscard]] bool operator==(const PlacedPiece &other) const;
};
using PieceRun = QList<PlacedPiece>;

/// Draws short single-line texts from pieces rendered once and kept between paints. A time text
/// changes every second but is made of the same few pieces (digits, ":", the AM/PM word), so each
/// piece is shaped and rasterised once, on its row's background, and afterwards only copied.
/// Words stay whole so that scripts that join their letters keep their shapes.
class TextPieces final {
public:
    TextPieces(const QFont &font, QColor textColour);

    /// Where the pieces of `text` go in `area` over the plain colour `background`, with the
    /// horizontal alignment of `alignment`, centred vertically.
    [[nodiscard]] PieceRun layOut(const QString &text, const QRect &area, Qt::Alignment alignment,
                                  QColor background, qreal pixelRatio);
    /// Draws the pieces of `run` that reach into `exposed`.
    static void draw(QPainter &painter, const PieceRun &run, const QRect &exposed);
    /// The area that must be repainted to turn `before` into `after`: only the pieces that
    /// changed or moved, so a ticking time repaints the digits that changed.
    [[nodiscard]] static QRect changedArea(const PieceRun &before, const PieceRun &after);

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
