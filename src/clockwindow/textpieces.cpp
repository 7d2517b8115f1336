#include "clockwindow/textpieces.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QVarLengthArray>

#include <cmath>

namespace {

// Enough for every piece a clock window shows; past it the cache starts again rather than grow.
constexpr qsizetype MaxPieces = 512;

bool isWordCharacter(QChar c)
{
    return c.isLetter() || c.isMark();
}

/// The text cut into words (runs of letters) and single other characters.
QVarLengthArray<QStringView, 16> splitPieces(QStringView text)
{
    QVarLengthArray<QStringView, 16> pieces;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start + 1;
        if (isWordCharacter(text[start])) {
            while (end < text.size() && isWordCharacter(text[end]))
                ++end;
        }
        pieces.append(text.sliced(start, end - start));
        start = end;
    }
    return pieces;
}

QString cacheKey(QStringView text, QColor background, qreal pixelRatio)
{
    // The colour and the pixel ratio ride along as three extra code units: cheaper to make and
    // to hash than any text form of them.
    const QRgb rgb = background.rgb();
    return text % QChar(char16_t(rgb >> 16)) % QChar(char16_t(rgb & 0xFFFF)) %
           QChar(char16_t(qRound(pixelRatio * 100)));
}

} // namespace

QRect PlacedPiece::bounds() const
{
    return QRectF(at, image.deviceIndependentSize()).toAlignedRect();
}

bool PlacedPiece::operator==(const PlacedPiece &other) const
{
    return image.cacheKey() == other.image.cacheKey() && at == other.at;
}

TextPieces::TextPieces(const QFont &font, QColor textColour)
    : m_font(font)
    , m_textColour(textColour)
{
    const QFontMetricsF metrics(font);
    m_height = metrics.height();
    m_ascent = metrics.ascent();
}

const TextPieces::Piece &TextPieces::piece(QStringView text, QColor background, qreal pixelRatio)
{
    const QString key = cacheKey(text, background, pixelRatio);
    if (const auto found = m_pieces.constFind(key); found != m_pieces.constEnd())
        return *found;
    if (m_pieces.size() >= MaxPieces)
        m_pieces.clear();

    Piece made;
    made.advance = QFontMetricsF(m_font).horizontalAdvance(text.toString());
    // One pixel of slack on the right for glyphs that overhang their advance.
    const QSize logical(int(std::ceil(made.advance)) + 1, int(std::ceil(m_height)));
    made.image = QImage(logical * pixelRatio, QImage::Format_RGB32);
    made.image.setDevicePixelRatio(pixelRatio);
    made.image.fill(background);
    QPainter painter(&made.image);
    painter.setFont(m_font);
    painter.setPen(m_textColour);
    painter.drawText(QPointF(0, m_ascent), text.toString());
    painter.end();
    return *m_pieces.insert(key, made);
}

PieceRun TextPieces::layOut(const QString &text, const QRect &area, Qt::Alignment alignment,
                            QColor background, qreal pixelRatio)
{
    const auto parts = splitPieces(text);
    PieceRun run;
    run.reserve(parts.size());
    qreal width = 0;
    for (const QStringView part : parts) {
        const Piece &made = piece(part, background, pixelRatio);
        run.append({made.image, QPointF(width, 0)});
        width += made.advance;
    }

    qreal left = area.left();
    if (alignment & Qt::AlignHCenter)
        left += (area.width() - width) / 2;
    else if (alignment & Qt::AlignRight)
        left += area.width() - width;
    const qreal top = std::round(area.top() + (area.height() - m_height) / 2);
    for (PlacedPiece &placed : run) {
        // Whole device pixels keep the copied glyphs sharp.
        placed.at = QPointF(std::round((left + placed.at.x()) * pixelRatio) / pixelRatio, top);
    }
    return run;
}

void TextPieces::draw(QPainter &painter, const PieceRun &run, const QRect &exposed)
{
    for (const PlacedPiece &placed : run) {
        if (placed.bounds().intersects(exposed))
            painter.drawImage(placed.at, placed.image);
    }
}

void TextPieces::draw(QPainter &painter, const QRect &area, Qt::Alignment alignment,
                      const QString &text, QColor background)
{
    draw(painter, layOut(text, area, alignment, background, painter.device()->devicePixelRatioF()),
         area);
}

QRect TextPieces::changedArea(const PieceRun &before, const PieceRun &after)
{
    // Runs of the same length are compared piece by piece; otherwise everything of both changed.
    const bool samePieceCount = before.size() == after.size();
    const auto changedOf = [&](const PieceRun &run) {
        QRect changed;
        for (qsizetype i = 0; i < run.size(); ++i) {
            if (!samePieceCount || !(before[i] == after[i]))
                changed |= run[i].bounds();
        }
        return changed;
    };
    return changedOf(before) | changedOf(after);
}
