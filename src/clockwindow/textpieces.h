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

/// A text laid out from pieces, left to right as they show.
struct PieceRun {
    QList<PlacedPiece> pieces;
    qreal advance = 0; // the width of the whole text
};

/// Draws short single-line texts from pieces rendered once and kept between paints. A time text
/// changes every second but is made of the same few pieces (digits, ":", the AM/PM word), so each
/// piece is shaped and rasterised once, on its row's background, and afterwards only copied.
/// Words stay whole so that scripts that join their letters keep their shapes, and pieces are put
/// in the order the bidirectional algorithm shows them, so a right-to-left text reads as it would
/// drawn whole.
class TextPieces final {
public:
    TextPieces(const QFont &font, QColor textColour);

    /// Where the pieces of `text` go in `area` over the plain colour `background`, with the
    /// horizontal alignment of `alignment` and the baseline at `baseline`. `direction` is the
    /// reading direction of the text: right to left, or taken from the text itself (Auto).
    [[nodiscard]] PieceRun layOut(const QString &text, const QRect &area, Qt::Alignment alignment,
                                  int baseline, Qt::LayoutDirection direction, QColor background,
                                  qreal pixelRatio);
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
    /// The order in which the pieces of a text show, and which of them read right to left.
    struct VisualOrder {
        QList<qsizetype> order;
        QList<bool> rightToLeft;
    };

    const Piece &piece(QStringView text, bool rightToLeft, QColor background, qreal pixelRatio);
    const VisualOrder &visualOrder(const QString &text, const QList<QStringView> &parts,
                                   Qt::LayoutDirection direction);

    QFont m_font;
    QColor m_textColour;
    qreal m_height = 0;
    qreal m_ascent = 0;
    QHash<QString, Piece> m_pieces;
    QHash<QString, VisualOrder> m_orders; // by the text's digits-to-zero form and direction
};
