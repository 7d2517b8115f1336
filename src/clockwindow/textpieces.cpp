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

/// A piece's key: its text with the colour and the pixel ratio riding along as three extra code
/// units, cheaper to make and to hash than any text form of them. The units are written into
/// `buffer`, which the key only views, so that looking a piece up allocates nothing.
QString cacheKey(QStringView text, QColor background, qreal pixelRatio,
                 QVarLengthArray<char16_t, 16> &buffer)
{
    const QRgb rgb = background.rgb();
    buffer.clear();
    buffer.append(text.utf16(), text.size());
    buffer.append(char16_t(rgb >> 16));
    buffer.append(char16_t(rgb & 0xFFFF));
    buffer.append(char16_t(qRound(pixelRatio * 100)));
    return QString::fromRawData(reinterpret_cast<const QChar *>(buffer.constData()), buffer.size());
}

} // namespace

QRect PlacedPiece::bounds() const
{
    return QRectF(at, image.deviceIndependentSize()).toAlignedRect();
}

bool PlacedPiece::operator==(const PlacedPiece &other) const
{
    // Places are whole device pixels worked out the same way each time: exact comparison holds.
    return at.x() == other.at.x() && at.y() == other.at.y() &&
           image.cacheKey() == other.image.cacheKey();
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
    QVarLengthArray<char16_t, 16> keyUnits;
    const QString key = cacheKey(text, background, pixelRatio, keyUnits);
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
    // The key only views the stack: the table keeps its own copy.
    return *m_pieces.insert(QString(key.unicode(), key.size()), made);
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

QRect TextPieces::changedArea(const PieceRun &before, const PieceRun &after)
{
    const auto extent = [](const PieceRun &run) {
        QRect all;
        for (const PlacedPiece &placed : run)
            all |= placed.bounds();
        return all;
    };
    // Runs of different lengths are all change; others are compared piece by piece.
    if (before.size() != after.size())
        return extent(before) | extent(after);
    QRect changed;
    for (qsizetype i = 0; i < after.size(); ++i) {
        if (!(before[i] == after[i]))
            changed |= before[i].bounds() | after[i].bounds();
    }
    return changed;
}
