#include "options/choosers.h"

#include <QColorDialog>
#include <QFileDialog>

Choosers Choosers::system()
{
    Choosers choosers;
    choosers.colour = [](QWidget *parent, QColor initial) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(initial, parent);
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    };
    choosers.picture = [](QWidget *parent, const PictureRequest &request) {
        return QFileDialog::getOpenFileName(parent, request.title, request.folder, request.filter);
    };
    return choosers;
}
