#pragma once

#include <QWidget>

/// A small window with the program's icon that opens the main menu when clicked, or when it has
/// the keyboard focus and Space, Enter or the menu key is pressed. It stands in for the tray icon
/// when there is no clock to click and no tray icon shows, so the menu stays reachable.
class MenuLauncher final : public QWidget {
    Q_OBJECT

public:
    explicit MenuLauncher(QWidget *parent);

    /// Places the launcher touching the top edge of the primary screen, in its middle, and shows
    /// it.
    void showAtTopCentre();

Q_SIGNALS:
    void menuRequested(const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
