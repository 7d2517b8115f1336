#pragma once

#include "clockwindow/stripbackground.h"

#include <QImage>
#include <QWidget>

/// The background box of the options dialog's preview: paints its fill the way the clock window
/// paints its strip, from the current fill on every repaint, so covering and uncovering the dialog
/// never loses it.
class PreviewBox final : public QWidget {
    Q_OBJECT

public:
    explicit PreviewBox(QWidget *parent);

    void setFill(StripFill fill);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    StripFill m_fill;
    QImage m_rendered; // m_fill at the current size and pixel ratio; null when out of date
};
