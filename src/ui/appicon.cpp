#include "ui/appicon.h"

#include <QPixmap>
#include <QString>

namespace {

// The icon's PNGs, compiled into the program as resources: the same files that the installer puts
// in the icon theme, each drawn for its own size (tools/render-icons.sh makes them).
constexpr int iconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

} // namespace

QIcon appIcon()
{
    QIcon icon;
    for (const int size : iconSizes) {
        const QString file = QStringLiteral(":/icons/hicolor/%1x%1/apps/kerani.png").arg(size);
        // Added as pixmaps, not as a file name, so that QIcon picks the size drawn for a request
        // and never scales a larger one down when a drawn size exists.
        icon.addPixmap(QPixmap(file));
    }
    return icon;
}
