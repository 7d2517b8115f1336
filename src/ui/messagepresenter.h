#pragma once

#include <QMessageBox>
#include <QString>

/// Every message box of the program goes through this seam, so tests can record the messages and
/// answer them without a modal box. Message boxes carry the caption "Kerani".
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;

    /// Shows `text` with `icon` and `buttons` over `parent`; returns the button pressed.
    virtual QMessageBox::StandardButton
    show(QWidget *parent, QMessageBox::Icon icon, const QString &text,
         QMessageBox::StandardButtons buttons = QMessageBox::Ok) = 0;
};

/// The real message boxes.
class MessageBoxPresenter final : public MessagePresenter {
public:
    QMessageBox::StandardButton show(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                     QMessageBox::StandardButtons buttons) override;
};
