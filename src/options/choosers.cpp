#include "options/choosers.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QPainter>

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

namespace {
constexpr int SwatchSize = 17;
}

ColourSwatch::ColourSwatch(const QString &objectName, const QString &accessibleName,
                           QWidget *parent)
    : QFrame(parent)
{
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setFixedSize(SwatchSize, SwatchSize);
}

void ColourSwatch::setColour(const QColor &colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), m_colour);
    }
    QFrame::paintEvent(event);
}
