#pragma once

#include "clockwindow/stripbackground.h"

#include <QImage>
#include <QWidget>

/// A band painted with a strip fill: the band behind the clock window's faces (or its stretched
/// background picture), and the options dialog's preview of it. It keeps its fill rendered at the
/// screen's resolution and repaints from it, so a repaint is one image copy and covering and
/// uncovering it never loses it.
class StripWidget final : public QWidget {
    Q_OBJECT

public:
    StripWidget(const QString &objectName, StripFill fill, QWidget *parent);

    void setFill(StripFill fill);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    StripFill m_fill;
    QImage m_rendered; // m_fill at the current size and pixel ratio; null when out of date
};
