#pragma once

#include "settings/settingsstate.h"

#include <QColor>
#include <QImage>

#include <variant>

/// What fills the band behind the clock faces. Painting comes from this value alone, so covering
/// and uncovering the window never loses the strip and no repaint timer is needed.
struct StripFill {
    struct None {};
    struct Solid {
        QColor colour;
    };
    struct OneColorGradient {
        QColor start;
        GradientDirection direction = GradientDirection::TopDown;
    };
    struct TwoColorGradient {
        QColor top;
        QColor bottom;
    };
    struct Picture {
        QImage image; // stretched over the strip
    };

    std::variant<None, Solid, OneColorGradient, TwoColorGradient, Picture> kind;
};

/// The strip fill for a set of options: nothing for no background, the picture (nothing when the
/// file does not load), a solid colour, one of the gradients, and white for a kind the program
/// does not know.
[[nodiscard]] StripFill stripFillFor(const DisplayOptions &options);

/// The strip's picture at a size in device pixels; `logicalSize` is the strip's size in window
/// pixels, which the one-colour gradient's bands are measured in.
[[nodiscard]] QImage renderStripFill(const StripFill &fill, QSize logicalSize, qreal pixelRatio);
