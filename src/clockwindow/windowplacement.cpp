#include "clockwindow/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include <algorithm>
#include <tuple>

namespace {

// Enough of the window to see it and to grab it with the mouse.
constexpr int MinVisible = 32;

} // namespace

ScreenArrangement ScreenArrangement::current()
{
    ScreenArrangement arrangement;
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens)
        arrangement.screens.append(screen->geometry());
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        arrangement.primary = primary->geometry();
    return arrangement;
}

QString ScreenArrangement::text() const
{
    QList<QRect> sorted = screens;
    std::sort(sorted.begin(), sorted.end(), [](const QRect &a, const QRect &b) {
        return std::tuple(a.x(), a.y(), a.width(), a.height()) <
               std::tuple(b.x(), b.y(), b.width(), b.height());
    });
    QStringList parts;
    for (const QRect &screen : sorted) {
        parts.append(QStringList{QString::number(screen.x()), QString::number(screen.y()),
                                 QString::number(screen.width()), QString::number(screen.height())}
                         .join(u','));
    }
    return parts.join(u';');
}

QPoint topCentre(const QRect &screen, int windowWidth)
{
    return screen.topLeft() + QPoint(screen.width() / 2 - windowWidth / 2, 0);
}

bool isOnAScreen(const QRect &window, const QList<QRect> &screens)
{
    if (window.isEmpty())
        return false;
    const QSize wanted = window.size().boundedTo(QSize(MinVisible, MinVisible));
    return std::any_of(screens.cbegin(), screens.cend(), [&](const QRect &screen) {
        const QRect shown = screen.intersected(window);
        return shown.width() >= wanted.width() && shown.height() >= wanted.height();
    });
}

QPoint clockWindowPlace(const ScreenArrangement &screens, QSize windowSize,
                        const SettingsState &settings)
{
    if (settings.displayOptions.keepPosition) {
        QList<KeptPlace> candidates = settings.keptPlaces;
        // This arrangement's own place first, then the others from the most recent.
        std::stable_partition(
            candidates.begin(), candidates.end(),
            [here = screens.text()](const KeptPlace &place) { return place.screens == here; });
        for (const KeptPlace &place : std::as_const(candidates)) {
            if (isOnAScreen(QRect(place.topLeft, windowSize), screens.screens))
                return place.topLeft;
        }
    }
    return topCentre(screens.primary, windowSize.width());
}
