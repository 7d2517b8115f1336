#pragma once

#include "clockwindow/stripbackground.h"

#include <QImage>
#include <QWidget>

/// The band behind the faces (or the stretched background picture). It keeps its picture rendered
/// at the screen's resolution and repaints from it, so a repaint is one image copy.
class StripWidget final : public QWidget {
    Q_OBJECT

public:
    StripWidget(const QString &objectName, StripFill fill, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    StripFill m_fill;
    QImage m_rendered;
};
