#pragma once

#include <QColor>
#include <QFrame>

/// A small framed box filled with one colour: the options dialog's colour swatches.
class ColourSwatch final : public QFrame {
    Q_OBJECT

public:
    ColourSwatch(const QString &objectName, const QString &accessibleName, QWidget *parent);

    [[nodiscard]] QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour = Qt::white;
};
