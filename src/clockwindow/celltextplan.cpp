#include "clockwindow/celltextplan.h"

#include <QHash>
#include <QTextBoundaryFinder>

#include <cmath>
#include <optional>

namespace {

// Measurements are sums of fractions: allow for their rounding before calling a text too wide.
constexpr qreal Slack = 1e-6;
// Outlines may reach this far past a pixel's edge without leaving visible ink in it: a glyph
// that overhangs its start by a thirtieth of a pixel still leaves the pixel clear.
constexpr qreal InkTolerance = 0.125;
// Glyphs are drawn at whole pixels, each up to half a pixel from where its advance puts it;
// only a line that starts at the left of its box starts on a whole pixel.
constexpr qreal RoundingMargin = 0.5;

/// A part of the text: where it starts and how long it is.
struct Span {
    qsizetype start = 0;
    qsizetype length = 0;
};

/// The whole-pixel shifts that keep a cell's ink inside its box, from `low` to `high`.
struct ShiftRange {
    int low = 0;
    int high = 0;
};

QStringView trimmedEnd(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.first(end);
}

/// Where lines may start: line break opportunities, except right after a digit.
QList<qsizetype> breakPositions(QStringView text)
{
    QList<qsizetype> positions;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text.data(), text.size());
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < text.size();
         at = finder.toNextBoundary()) {
        if (!text[at - 1].isDigit())
            positions.append(at);
    }
    positions.append(text.size());
    return positions;
}

QList<Span> breakSpans(QStringView text, qreal width, qreal pointSize, const TextMeasure &measure)
{
    QList<Span> lines;
    const QList<qsizetype> positions = breakPositions(text);
    qsizetype start = 0;
    while (start < text.size()) {
        // The furthest break at which the line still fits; a part too wide alone takes a line.
        qsizetype end = -1;
        for (const qsizetype at : positions) {
            if (at <= start)
                continue;
            const QStringView line = trimmedEnd(text.sliced(start, at - start));
            if (measure.advance(line, pointSize) <= width + Slack) {
                end = at;
                continue;
            }
            if (end < 0)
                end = at;
            break;
        }
        lines.append({start, trimmedEnd(text.sliced(start, end - start)).size()});
        start = end;
        while (start < text.size() && text[start].isSpace())
            ++start;
    }
    return lines;
}

QList<PlacedLine> placeLines(const QStringList &lines, const CellBox &box, qreal pointSize,
                             int shift, const TextMeasure &measure)
{
    const qreal lineHeight = measure.lineHeight(pointSize);
    const int first = CellText::firstBaseline(box, lines.size(), {pointSize, shift}, measure);
    QList<PlacedLine> placed;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qreal advance = measure.advance(lines[i], pointSize);
        const qreal left = box.centred
                               ? box.placeArea.left() + (box.placeArea.width() - advance) / 2
                               : box.placeArea.left();
        placed.append({lines[i], QPointF(left, first + std::round(i * lineHeight))});
    }
    return placed;
}

QRectF inkOf(const QList<PlacedLine> &lines, qreal pointSize, const TextMeasure &measure)
{
    QRectF all;
    for (const PlacedLine &line : lines) {
        const QRectF ink = measure.ink(line.text, pointSize);
        if (!ink.isEmpty())
            all |= ink.translated(line.origin);
    }
    return all;
}

bool fitsAcross(const QList<PlacedLine> &lines, const CellBox &box, qreal pointSize,
                const TextMeasure &measure)
{
    for (const PlacedLine &line : lines) {
        const QRectF ink = measure.ink(line.text, pointSize).translated(line.origin);
        const qreal leftMargin = box.centred ? RoundingMargin : 0;
        if (!ink.isEmpty() && (ink.left() < box.inkArea.left() + leftMargin - InkTolerance ||
                               ink.right() > box.inkArea.right() - RoundingMargin + InkTolerance))
            return false;
    }
    return true;
}

/// The shifts that keep the lines' ink between the top and bottom of the ink area; nothing when
/// none does.
std::optional<ShiftRange> verticalRoom(const QList<PlacedLine> &lines, const CellBox &box,
                                       qreal pointSize, const TextMeasure &measure)
{
    const QRectF ink = inkOf(lines, pointSize, measure);
    if (ink.isEmpty())
        return ShiftRange{-1000, 1000};
    const ShiftRange range{int(std::ceil(box.inkArea.top() - ink.top() - InkTolerance)),
                           int(std::floor(box.inkArea.bottom() - ink.bottom() + InkTolerance))};
    if (range.low > range.high)
        return std::nullopt;
    return range;
}

QStringList linesOf(const QString &text, const CellBox &box, qreal pointSize,
                    const TextMeasure &measure)
{
    if (!box.wraps)
        return {text};
    QStringList lines;
    for (const Span &span : breakSpans(text, box.inkArea.width(), pointSize, measure))
        lines.append(text.sliced(span.start, span.length));
    return lines;
}

/// Every digit that could stand in place of each digit at the ends of `line` (the ones of its
/// own script), as one-character lines where those digits go. Their ink is how far any number the
/// line could show reaches, left, right, up and down.
QList<PlacedLine> digitsAtTheEnds(const PlacedLine &line, qreal pointSize,
                                  const TextMeasure &measure)
{
    QList<PlacedLine> stand;
    const QString &text = line.text;
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isDigit() && text[i].digitValue() >= 0) {
            first = first < 0 ? i : first;
            last = i;
        }
    }
    if (first < 0)
        return stand;
    for (const qsizetype at : {first, last}) {
        const QPointF pen(line.origin.x() + measure.advance(text.first(at), pointSize),
                          line.origin.y());
        const char16_t zero = text[at].unicode() - char16_t(text[at].digitValue());
        for (char16_t digit = zero; digit < zero + 10; ++digit)
            stand.append({QString(QChar(digit)), pen});
    }
    return stand;
}

/// The shifts at which `text` fits its box whole at `pointSize`; nothing when it does not fit.
/// With `digitsVary` the text stands for every text its digits could make: it must fit with
/// the widest digit in every place, and with any digit at either end of a line.
std::optional<ShiftRange> wholeFit(const QString &text, const CellBox &box, qreal pointSize,
                                   bool digitsVary, const TextMeasure &measure)
{
    const QString shown = digitsVary ? CellText::widestDigitForm(text, pointSize, measure) : text;
    QList<PlacedLine> placed =
        placeLines(linesOf(shown, box, pointSize, measure), box, pointSize, 0, measure);
    if (digitsVary) {
        for (qsizetype i = 0, lines = placed.size(); i < lines; ++i)
            placed += digitsAtTheEnds(placed[i], pointSize, measure);
    }
    if (!fitsAcross(placed, box, pointSize, measure))
        return std::nullopt;
    return verticalRoom(placed, box, pointSize, measure);
}

QList<qreal> candidateSizes(qreal desktopPointSize)
{
    using namespace CellText;
    QList<qreal> sizes{desktopPointSize};
    qreal size = std::floor(desktopPointSize / PointStep) * PointStep;
    if (size >= desktopPointSize - Slack)
        size -= PointStep;
    for (; size >= MinimumPointSize - Slack; size -= PointStep)
        sizes.append(size);
    return sizes;
}

std::optional<ShiftRange> common(std::optional<ShiftRange> a, std::optional<ShiftRange> b)
{
    if (!a || !b)
        return std::nullopt;
    const ShiftRange both{qMax(a->low, b->low), qMin(a->high, b->high)};
    if (both.low > both.high)
        return std::nullopt;
    return both;
}

int nearestToZero(ShiftRange range)
{
    return qBound(range.low, 0, range.high);
}

/// `text` shortened until its ink fits across the box.
QString elideToFit(QStringView text, const CellBox &box, qreal pointSize,
                   const TextMeasure &measure)
{
    QString elided;
    for (qreal width = box.inkArea.width(); width > 0; width -= 1) {
        elided = CellText::elide(text, width, pointSize, measure);
        const QList<PlacedLine> placed = placeLines({elided}, box, pointSize, 0, measure);
        if (fitsAcross(placed, box, pointSize, measure))
            break;
    }
    return elided;
}

} // namespace

CellBox CellBox::forCell(QSizeF size, qreal inkRight, bool centred, bool wraps)
{
    const qreal right = qMin(size.width() - 2, inkRight);
    return CellBox{QRectF(2, 1, size.width() - 4, size.height() - 2),
                   QRectF(2, 2, right - 2, size.height() - 4), centred, wraps};
}

namespace CellText {

int firstBaseline(const CellBox &box, qsizetype lineCount, RowTextSize size,
                  const TextMeasure &measure)
{
    // Whole pixels, as a label lays out its text: the block's top, then the baseline.
    const qreal block = lineCount * measure.lineHeight(size.pointSize);
    const qreal top = std::round(box.placeArea.top() + (box.placeArea.height() - block) / 2);
    return int(std::round(top + measure.ascent(size.pointSize))) + size.shift;
}

QStringList breakLines(QStringView text, qreal width, qreal pointSize, const TextMeasure &measure)
{
    QStringList lines;
    for (const Span &span : breakSpans(text, width, pointSize, measure))
        lines.append(text.sliced(span.start, span.length).toString());
    return lines;
}

QString elide(QStringView text, qreal width, qreal pointSize, const TextMeasure &measure)
{
    if (measure.advance(text, pointSize) <= width + Slack)
        return text.toString();
    // Cut only between whole characters as a reader sees them (a letter with its marks).
    QList<qsizetype> cuts;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < text.size();
         at = finder.toNextBoundary())
        cuts.append(at);
    for (auto cut = cuts.crbegin(); cut != cuts.crend(); ++cut) {
        const QString shortened = trimmedEnd(text.first(*cut)).toString() + Ellipsis;
        if (measure.advance(shortened, pointSize) <= width + Slack)
            return shortened;
    }
    return QString(Ellipsis);
}

QString widestDigitForm(QStringView text, qreal pointSize, const TextMeasure &measure)
{
    QHash<char16_t, QChar> widest; // by the zero of each script met
    QString form = text.toString();
    for (QChar &c : form) {
        if (!c.isDigit() || c.digitValue() < 0)
            continue;
        const char16_t zero = c.unicode() - char16_t(c.digitValue());
        auto found = widest.find(zero);
        if (found == widest.end()) {
            QChar best(zero);
            qreal bestWidth = -1;
            for (char16_t digit = zero; digit < zero + 10; ++digit) {
                const QChar candidate(digit);
                const qreal width = measure.advance(QStringView(&candidate, 1), pointSize);
                if (width > bestWidth) {
                    best = candidate;
                    bestWidth = width;
                }
            }
            found = widest.insert(zero, best);
        }
        c = *found;
    }
    return form;
}

RowTextSize chooseRowSize(const QList<RowCell> &cells, qreal desktopPointSize, bool digitsVary,
                          const TextMeasure &measure)
{
    const QList<qreal> sizes = candidateSizes(desktopPointSize);
    // Texts too long even at the smallest size are shortened; they do not decide the size.
    QList<const RowCell *> fitting;
    for (const RowCell &cell : cells) {
        if (wholeFit(cell.text, cell.box, sizes.last(), digitsVary, measure))
            fitting.append(&cell);
    }
    if (fitting.isEmpty())
        return {sizes.last(), 0};
    for (const qreal size : sizes) {
        // One shift for the whole row keeps its baselines level; where the texts need different
        // ones, each cell takes the one nearest the row's.
        std::optional<ShiftRange> shared = ShiftRange{-1000, 1000};
        bool allFit = true;
        for (const RowCell *cell : fitting) {
            const std::optional<ShiftRange> room =
                wholeFit(cell->text, cell->box, size, digitsVary, measure);
            allFit = allFit && room.has_value();
            if (!allFit)
                break;
            shared = common(shared, room);
        }
        if (allFit)
            return {size, shared ? nearestToZero(*shared) : 0};
    }
    return {sizes.last(), 0};
}

CellTextPlan plan(const QString &text, const CellBox &box, RowTextSize size,
                  const TextMeasure &measure)
{
    const qreal points = size.pointSize;
    // The lines placed with the shift nearest the row's that keeps their ink inside the box.
    const auto settled = [&](const QStringList &lines) -> std::optional<QList<PlacedLine>> {
        const QList<PlacedLine> placed = placeLines(lines, box, points, 0, measure);
        if (!fitsAcross(placed, box, points, measure))
            return std::nullopt;
        const std::optional<ShiftRange> room = verticalRoom(placed, box, points, measure);
        if (!room)
            return std::nullopt;
        return placeLines(lines, box, points, qBound(room->low, size.shift, room->high), measure);
    };
    const QStringList whole = linesOf(text, box, points, measure);
    if (const auto placed = settled(whole))
        return {*placed, false};
    if (!box.wraps) {
        // Too tall for the cell is drawn as it is (the border cuts it); too wide is shortened.
        if (fitsAcross(placeLines(whole, box, points, 0, measure), box, points, measure))
            return {placeLines(whole, box, points, size.shift, measure), false};
        const QStringList shortened{elideToFit(text, box, points, measure)};
        if (const auto placed = settled(shortened))
            return {*placed, true};
        return {placeLines(shortened, box, points, size.shift, measure), true};
    }

    // As many lines as the cell holds; the last takes the rest of the text, shortened.
    const QList<Span> spans = breakSpans(text, box.inkArea.width(), points, measure);
    QStringList lines;
    for (qsizetype count = spans.size(); count >= 1; --count) {
        lines.clear();
        for (qsizetype i = 0; i + 1 < count; ++i)
            lines.append(elideToFit(QStringView(text).sliced(spans[i].start, spans[i].length), box,
                                    points, measure));
        lines.append(elideToFit(trimmedEnd(QStringView(text).sliced(spans[count - 1].start)), box,
                                points, measure));
        if (const auto placed = settled(lines))
            return {*placed, true};
    }
    return {placeLines(lines, box, points, size.shift, measure), true};
}

} // namespace CellText
