#pragma once

#include "clockwindow/celltextplan.h"
#include "clockwindow/textpieces.h"

#include <QWidget>

class StripRow;

/// One text cell of the clock grid: an opaque background in its row colour, a one-pixel border
/// that coincides with its neighbours', and a single text in its row's colour and size. A text
/// too long for the cell is shortened with "…" and shown whole in the cell's tooltip. Repaints
/// only when its text changes, and then, for texts drawn from pieces, only the pieces that
/// changed, which keeps a once-a-second tick cheap.
class CellLabel final : public QWidget {
    Q_OBJECT

public:
    /// The cell joins `row`, which must outlive it.
    CellLabel(const QString &objectName, StripRow &row, QWidget *parent);

    [[nodiscard]] QString text() const { return m_text; }
    void setText(const QString &text);
    /// How the text reads: right to left, or as its own first letters say (Auto, the default).
    void setTextDirection(Qt::LayoutDirection direction);
    /// Keeps the text left of `x` (in the cell), as of a flag lying over the cell's right end.
    void setTextRightLimit(int x);
    /// Whether a shortened text puts itself in the tooltip (else the tooltip is the owner's).
    void setToolTipShowsElidedText(bool shows) { m_toolTipShowsElidedText = shows; }

    [[nodiscard]] CellBox box() const;
    [[nodiscard]] bool isElided() const { return m_plan.elided; }
    /// Draws the cell as a cell of `row` from now on: a row of another look for the same texts.
    /// The cell stays listed in the row it was made with, which alone sizes it.
    void setRow(StripRow &row);
    /// The row's size or font changed: lay the text out again.
    void rowChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    /// Lays the text out again; returns the area whose pixels that changed.
    QRect layOut();
    void drawLines(QPainter &painter) const;

    StripRow *m_row; // never null
    QString m_text;
    Qt::LayoutDirection m_direction = Qt::LayoutDirectionAuto;
    int m_textRightLimit = QWIDGETSIZE_MAX;
    bool m_toolTipShowsElidedText = true;
    // The text laid out for the size and pixel ratio below: from pieces, or as planned lines.
    bool m_usesPieces = false;
    PieceRun m_run;
    CellTextPlan m_plan;
    QSize m_laidOutSize;
    qreal m_laidOutRatio = 0;
};
