#pragma once

#include <QPixmap>
#include <QWidget>

/// The flag of a column: the 16 x 11 flag picture inside a one-pixel frame.
class FlagBox final : public QWidget {
    Q_OBJECT

public:
    FlagBox(const QPixmap &flag, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_flag;
};
