#pragma once

#include "clockwindow/celltextplan.h"
#include "clockwindow/fontmeasure.h"
#include "clockwindow/textpieces.h"

#include <QColor>
#include <QList>
#include <QStringList>

#include <memory>

class CellLabel;

/// One row of the clock strip (city names, times, dates or opposite dates): what all its cells
/// share. Its text colour is chosen with its background, never taken from the desktop's palette,
/// and its font size is the largest, up to the desktop's, at which the row's widest text fits its
/// cell, so that the columns stay alike and the strip reads with any desktop font and language.
class StripRow final {
public:
    enum class Kind {
        Names,     // set once; start at the left
        Ticking,   // a new text every second: drawn from pieces, sized for any digits
        Dates,     // one line, new texts now and then
        LongDates, // as many lines as they need
    };

    StripRow(Kind kind, const QFont &desktopFont, QColor background);
    ~StripRow();

    [[nodiscard]] QColor background() const { return m_background; }
    [[nodiscard]] QColor textColour() const { return m_textColour; }
    [[nodiscard]] bool wraps() const { return m_kind == Kind::LongDates; }
    [[nodiscard]] bool centred() const { return m_kind != Kind::Names; }
    [[nodiscard]] const FontMeasure &measure() const { return m_measure; }
    [[nodiscard]] RowTextSize size() const { return m_size; }
    [[nodiscard]] const QFont &font() const { return m_font; }
    /// Pieces for drawing single-line texts quickly; none for rows drawn whole.
    [[nodiscard]] TextPieces *pieces() const { return m_pieces.get(); }
    /// Whether every text of a ticking row fits whole, so that its cells need not check each one.
    [[nodiscard]] bool ticksFitWhole() const { return m_ticksFitWhole; }

    /// The same row, fitted as this one is now, on another background: a look the cells can take
    /// for a while (CellLabel::setRow) without their texts moving. It has no cells of its own.
    [[nodiscard]] std::unique_ptr<StripRow> recoloured(QColor background) const;

    /// Cells add themselves when they are made.
    void addCell(CellLabel *cell) { m_cells.append(cell); }
    /// Chooses the row's size again for its cells' texts and `samples`, texts the cells will show
    /// later (a ticking row's times), and tells the cells when it changed.
    void fit(const QStringList &samples = {});

private:
    Kind m_kind;
    QColor m_background;
    QColor m_textColour;
    FontMeasure m_measure;
    RowTextSize m_size;
    QFont m_font;
    std::unique_ptr<TextPieces> m_pieces;
    bool m_ticksFitWhole = false;
    QList<CellLabel *> m_cells;
    QStringList m_fittedTexts; // what the last fit was made for
};
