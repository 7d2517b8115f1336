#include "clockwindow/textpieces.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Enough for every piece a clock window shows; past it the cache starts again rather than grow.
constexpr qsizetype MaxPieces = 512;
// A line width no short text reaches; text layouts keep widths in 26.6 fixed point, so it is
// far below the largest int.
constexpr qreal LongerThanAnyPiece = 100000;

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

/// A piece's key: its text with the colour, the pixel ratio and the direction riding along as
/// four extra code units, cheaper to make and to hash than any text form of them. The units are
/// written into `buffer`, which the key only views, so that looking a piece up allocates nothing.
QString cacheKey(QStringView text, bool rightToLeft, QColor background, qreal pixelRatio,
                 QVarLengthArray<char16_t, 16> &buffer)
{
    const QRgb rgb = background.rgb();
    buffer.clear();
    buffer.append(text.utf16(), text.size());
    buffer.append(char16_t(rgb >> 16));
    buffer.append(char16_t(rgb & 0xFFFF));
    buffer.append(char16_t(qRound(pixelRatio * 100)));
    buffer.append(char16_t(rightToLeft ? 1 : 0));
    return QString::fromRawData(reinterpret_cast<const QChar *>(buffer.constData()), buffer.size());
}

/// Whether the pieces of `text` may show in any order but their own: only text read right to
/// left, or holding letters of a right-to-left script, is reordered by the bidirectional
/// algorithm. Digits of any script keep their order among left-to-right text.
bool needsReordering(QStringView text, Qt::LayoutDirection direction)
{
    if (direction == Qt::RightToLeft)
        return true;
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
            return true;
        default:
            return false;
        }
    });
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

const TextPieces::Piece &TextPieces::piece(QStringView text, bool rightToLeft, QColor background,
                                           qreal pixelRatio)
{
    QVarLengthArray<char16_t, 16> keyUnits;
    const QString key = cacheKey(text, rightToLeft, background, pixelRatio, keyUnits);
    if (const auto found = m_pieces.constFind(key); found != m_pieces.constEnd())
        return *found;
    if (m_pieces.size() >= MaxPieces)
        m_pieces.clear();

    Piece made;
    made.advance = QFontMetricsF(m_font).horizontalAdvance(text.toString());
    // One pixel of slack on the right for glyphs that overhang their advance. The baseline lies
    // on a whole pixel, so that a run's baseline is where its row puts it.
    const qreal baseline = std::round(m_ascent);
    const QSize logical(int(std::ceil(made.advance)) + 1,
                        int(std::ceil(baseline + m_height - m_ascent)));
    made.image = QImage(logical * pixelRatio, QImage::Format_RGB32);
    made.image.setDevicePixelRatio(pixelRatio);
    made.image.fill(background);
    QPainter painter(&made.image);
    painter.setFont(m_font);
    painter.setPen(m_textColour);
    if (rightToLeft) {
        // Mirrored characters (brackets) take their right-to-left forms.
        painter.drawText(QRectF(0, baseline - m_ascent, made.advance, m_height),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextForceRightToLeft, text.toString());
    } else {
        painter.drawText(QPointF(0, baseline), text.toString());
    }
    painter.end();
    // The key only views the stack: the table keeps its own copy.
    return *m_pieces.insert(QString(key.unicode(), key.size()), made);
}

const TextPieces::VisualOrder &TextPieces::visualOrder(const QString &text,
                                                       const QList<QStringView> &parts,
                                                       Qt::LayoutDirection direction)
{
    // The order depends on the kinds of characters, not on which digits they are: a ticking
    // time meets the same form every second.
    QString form = text;
    for (QChar &c : form) {
        if (c.isDigit() && c.digitValue() > 0)
            c = QChar(char16_t(c.unicode() - c.digitValue()));
    }
    form.append(direction == Qt::RightToLeft ? u'R' : u'A');
    if (const auto found = m_orders.constFind(form); found != m_orders.constEnd())
        return *found;
    if (m_orders.size() >= MaxPieces)
        m_orders.clear();

    QTextLayout layout(text, m_font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    const bool rightToLeft = direction == Qt::RightToLeft || text.isRightToLeft();
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(LongerThanAnyPiece);
    layout.endLayout();

    VisualOrder made;
    QList<qreal> lefts;
    for (const QStringView part : parts) {
        const int start = int(part.data() - text.data());
        qreal left = std::numeric_limits<qreal>::max();
        bool partRightToLeft = false;
        for (const QGlyphRun &run : line.glyphRuns(start, int(part.size()))) {
            for (const QPointF &position : run.positions())
                left = qMin(left, position.x());
            partRightToLeft = partRightToLeft || run.isRightToLeft();
        }
        lefts.append(left);
        made.rightToLeft.append(partRightToLeft);
        made.order.append(made.order.size());
    }
    std::stable_sort(made.order.begin(), made.order.end(),
                     [&lefts](qsizetype a, qsizetype b) { return lefts[a] < lefts[b]; });
    return *m_orders.insert(form, made);
}

PieceRun TextPieces::layOut(const QString &text, const QRect &area, Qt::Alignment alignment,
                            int baseline, Qt::LayoutDirection direction, QColor background,
                            qreal pixelRatio)
{
    const auto parts = splitPieces(text);
    const VisualOrder *order = nullptr;
    if (needsReordering(text, direction))
        order = &visualOrder(text, QList<QStringView>(parts.begin(), parts.end()), direction);

    PieceRun run;
    run.pieces.reserve(parts.size());
    qreal width = 0;
    for (qsizetype shown = 0; shown < parts.size(); ++shown) {
        const qsizetype index = order ? order->order[shown] : shown;
        const bool rightToLeft = order && order->rightToLeft[index];
        const Piece &made = piece(parts[index], rightToLeft, background, pixelRatio);
        run.pieces.append({made.image, QPointF(width, 0)});
        width += made.advance;
    }
    run.advance = width;

    qreal left = area.left();
    if (alignment & Qt::AlignHCenter)
        left += (area.width() - width) / 2;
    else if (alignment & Qt::AlignRight)
        left += area.width() - width;
    const qreal top = baseline - std::round(m_ascent);
    for (PlacedPiece &placed : run.pieces) {
        // Whole device pixels keep the copied glyphs sharp.
        placed.at = QPointF(std::round((left + placed.at.x()) * pixelRatio) / pixelRatio, top);
    }
    return run;
}

void TextPieces::draw(QPainter &painter, const PieceRun &run, const QRect &exposed)
{
    for (const PlacedPiece &placed : run.pieces) {
        if (placed.bounds().intersects(exposed))
            painter.drawImage(placed.at, placed.image);
    }
}

QRect TextPieces::changedArea(const PieceRun &before, const PieceRun &after)
{
    const auto extent = [](const PieceRun &run) {
        QRect all;
        for (const PlacedPiece &placed : run.pieces)
            all |= placed.bounds();
        return all;
    };
    // Runs of different lengths are all change; others are compared piece by piece.
    if (before.pieces.size() != after.pieces.size())
        return extent(before) | extent(after);
    QRect changed;
    for (qsizetype i = 0; i < after.pieces.size(); ++i) {
        if (!(before.pieces[i] == after.pieces[i]))
            changed |= before.pieces[i].bounds() | after.pieces[i].bounds();
    }
    return changed;
}
