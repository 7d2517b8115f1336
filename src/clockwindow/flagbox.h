#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

/// The flag of a column: the 16 x 11 flag picture inside a one-pixel frame. On screens of other
/// device pixel ratios the picture is scaled smoothly to the device pixels inside the frame.
class FlagBox final : public QWidget {
    Q_OBJECT

public:
    FlagBox(const QPixmap &flag, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_flag;
    QImage m_scaled; // the flag at the device size it was last drawn at
};
