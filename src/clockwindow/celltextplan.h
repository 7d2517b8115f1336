#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringView>

/// How wide and how tall text is in the strip's font at a point size, in logical pixels. The
/// clock window measures with the desktop's font; tests measure with a font of their own making.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    /// The advance of `text` on one line.
    [[nodiscard]] virtual qreal advance(QStringView text, qreal pointSize) const = 0;
    /// The ink of `text` with the start of its baseline at (0, 0), y growing downwards.
    [[nodiscard]] virtual QRectF ink(QStringView text, qreal pointSize) const = 0;
    [[nodiscard]] virtual qreal ascent(qreal pointSize) const = 0;
    /// The distance from one line's baseline to the next.
    [[nodiscard]] virtual qreal lineHeight(qreal pointSize) const = 0;
};

/// The room a cell gives its text, in the cell's own logical pixels.
struct CellBox {
    QRectF placeArea; // lines are centred in it (or start at its left) as a plain label does
    QRectF inkArea;   // no ink may leave it: it keeps a clear pixel inside every border
    bool centred = true;
    bool wraps = false; // a long date: as many lines as it needs within the cell

    /// The box of a cell of `size` whose text may reach `inkRight` (exclusive) at the most: two
    /// pixels in from the left and right, one pixel of the text's lines above and below.
    [[nodiscard]] static CellBox forCell(QSizeF size, qreal inkRight, bool centred, bool wraps);
};

/// One line of a cell: its text and where the left end of its baseline goes.
struct PlacedLine {
    QString text;
    QPointF origin;

    friend bool operator==(const PlacedLine &, const PlacedLine &) = default;
};

/// What a cell draws: its lines, shortened with "…" when the whole text does not fit.
struct CellTextPlan {
    QList<PlacedLine> lines;
    bool elided = false;

    friend bool operator==(const CellTextPlan &, const CellTextPlan &) = default;
};

/// The size every cell of a row uses, and how many whole pixels the row's lines move down
/// (negative: up) from where a plain label would centre them, so that no ink reaches a border.
struct RowTextSize {
    qreal pointSize = 0;
    int shift = 0;

    friend bool operator==(const RowTextSize &, const RowTextSize &) = default;
};

/// One text of a row with the room it has.
struct RowCell {
    QString text;
    CellBox box;
};

namespace CellText {
/// No row goes below this size for its text to fit: below it text is shortened instead.
inline constexpr qreal MinimumPointSize = 7.0;
/// Sizes are tried in steps of this many points below the desktop's size.
inline constexpr qreal PointStep = 0.5;
inline constexpr QChar Ellipsis = QChar(0x2026);

/// The largest size, no larger than `desktopPointSize`, at which every text of the row that can
/// fit at the minimum size fits its cell whole, with one shift for the row. Texts that cannot fit
/// even at the minimum are shortened later and do not make the row smaller; when none can fit,
/// the row takes the minimum size. With `digitsVary`, every digit is measured as the widest digit
/// of its script, and any digit of its script may stand at either end, so that a ticking time
/// never outgrows the size and the baseline chosen for it.
[[nodiscard]] RowTextSize chooseRowSize(const QList<RowCell> &cells, qreal desktopPointSize,
                                        bool digitsVary, const TextMeasure &measure);

/// The lines of `text` in `box` at the row's size: whole when it fits, else as many lines as
/// the cell holds with the last one, or the only one, shortened with "…".
[[nodiscard]] CellTextPlan plan(const QString &text, const CellBox &box, RowTextSize size,
                                const TextMeasure &measure);

/// Where the first baseline of `lineCount` lines goes in `box`: the lines centred as a plain label
/// centres them, moved by the row's shift.
[[nodiscard]] int firstBaseline(const CellBox &box, qsizetype lineCount, RowTextSize size,
                                const TextMeasure &measure);

/// `text` broken into lines no wider than `width` where possible: between words, and between
/// the characters of scripts that write no spaces, but never right after a digit, so that a
/// number keeps what follows it ("30日", "30."). Blanks at a break are dropped.
[[nodiscard]] QStringList breakLines(QStringView text, qreal width, qreal pointSize,
                                     const TextMeasure &measure);

/// `text` cut at its end to fit `width`, with "…" after what is kept; `text` itself when it fits.
[[nodiscard]] QString elide(QStringView text, qreal width, qreal pointSize,
                            const TextMeasure &measure);

/// `text` with every decimal digit replaced by the widest digit of its own script.
[[nodiscard]] QString widestDigitForm(QStringView text, qreal pointSize,
                                      const TextMeasure &measure);
} // namespace CellText
