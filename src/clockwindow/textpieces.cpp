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

void TextPieces::draw(QPainter &painter, const QRect &area, Qt::Alignment alignment,
                      const QString &text, QColor background)
{
    const qreal ratio = painter.device()->devicePixelRatioF();
    const auto pieces = splitPieces(text);
    qreal width = 0;
    for (const QStringView part : pieces)
        width += piece(part, background, ratio).advance;

    qreal x = area.left();
    if (alignment & Qt::AlignHCenter)
        x += (area.width() - width) / 2;
    else if (alignment & Qt::AlignRight)
        x += area.width() - width;
    const qreal y = std::round(area.top() + (area.height() - m_height) / 2);

    for (const QStringView part : pieces) {
        const Piece &drawn = piece(part, background, ratio);
        // Whole device pixels keep the copied glyphs sharp.
        const qreal left = std::round(x * ratio) / ratio;
        painter.drawImage(QPointF(left, y), drawn.image);
        x += drawn.advance;
    }
}
