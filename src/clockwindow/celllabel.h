#pragma once

#include "clockwindow/textpieces.h"

#include <QColor>
#include <QWidget>

/// One text cell of the clock grid: an opaque background in its row colour, a one-pixel border
/// that coincides with its neighbours', and a single text. Repaints only when its text changes,
/// and then, for texts drawn from pieces, only the pieces that changed, which keeps a
/// once-a-second tick cheap.
class CellLabel final : public QWidget {
    Q_OBJECT

public:
    CellLabel(const QString &objectName, QColor background, Qt::Alignment alignment,
              QWidget *parent);

    [[nodiscard]] QString text() const { return m_text; }
    void setText(const QString &text);
    void setWordWrap(bool wrap) { m_wordWrap = wrap; }
    /// Shaped pieces shared by the labels of one window, for drawing single-line texts quickly.
    void setTextPieces(TextPieces *pieces) { m_pieces = pieces; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    [[nodiscard]] bool drawsFromPieces() const;
    [[nodiscard]] QRect textArea() const;
    /// Lays the text out again; returns the area whose pixels that changed.
    QRect layOutPieces();

    QString m_text;
    QColor m_background;
    Qt::Alignment m_alignment;
    bool m_wordWrap = false;
    TextPieces *m_pieces = nullptr;
    // The laid-out pieces, valid for the size and pixel ratio they were laid out for.
    PieceRun m_run;
    QSize m_runSize;
    qreal m_runRatio = 0;
};
