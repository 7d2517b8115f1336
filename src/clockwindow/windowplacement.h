#pragma once

#include "settings/settingsstate.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

/// The screens of the desktop, in device-independent pixels.
struct ScreenArrangement {
    QList<QRect> screens; // every screen's geometry, the primary one among them
    QRect primary;

    /// The screens the window system has now.
    [[nodiscard]] static ScreenArrangement current();

    /// The arrangement as a text that is the same whenever the same screens stand in the same
    /// places, whatever order the window system lists them in: "x,y,width,height" per screen,
    /// sorted, joined by ";" ("0,0,1920,1080;1920,0,1280,1024").
    [[nodiscard]] QString text() const;
};

/// Where the clock window goes: its top-left corner touching the top edge of the primary screen,
/// centred across it.
[[nodiscard]] QPoint topCentre(const QRect &screen, int windowWidth);

/// Whether a window there can be seen and grabbed: a part of it at least 32 by 32 pixels (all of
/// it, when it is smaller) lies on one screen.
[[nodiscard]] bool isOnAScreen(const QRect &window, const QList<QRect> &screens);

/// Where the clock window of `windowSize` is placed when it is built. With Keep_Position on: the
/// place kept for this arrangement of screens, else the most recently kept place of another
/// arrangement, whichever comes first of those still on a screen. Otherwise, and with the option
/// off, the top centre of the primary screen.
[[nodiscard]] QPoint clockWindowPlace(const ScreenArrangement &screens, QSize windowSize,
                                      const SettingsState &settings);
