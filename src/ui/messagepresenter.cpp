#include "ui/messagepresenter.h"

using namespace Qt::StringLiterals;

QMessageBox::StandardButton MessageBoxPresenter::show(QWidget *parent, QMessageBox::Icon icon,
                                                      const QString &text,
                                                      QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, u"Kerani"_s, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
