#pragma once

#include <QDialog>

/// The About box: program name, version and what it does. OK hides it; it is never destroyed
/// while the program runs.
class AboutBox final : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget *parent = nullptr);
};
