#pragma once

#include <QColor>
#include <QWidget>

class TextPieces;

/// One text cell of the clock grid: an opaque background in its row colour, a one-pixel border
/// that coincides with its neighbours', and a single text. Repaints only when its text changes,
/// which keeps a once-a-second tick cheap.
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
    QString m_text;
    QColor m_background;
    Qt::Alignment m_alignment;
    bool m_wordWrap = false;
    TextPieces *m_pieces = nullptr;
};
