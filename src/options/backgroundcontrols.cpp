#include "options/backgroundcontrols.h"

BackgroundControls BackgroundControls::forKind(std::optional<BackgroundKind> kind)
{
    BackgroundControls controls;
    if (!kind)
        return controls;
    switch (*kind) {
    case BackgroundKind::None:
        break;
    case BackgroundKind::Picture:
        controls.pictureShown = true;
        controls.pictureSelect = true;
        break;
    case BackgroundKind::Solid:
        controls.solidSelect = true;
        break;
    case BackgroundKind::OneColorGradient:
        controls.oneColorSelect = true;
        controls.reverseDir = true;
        break;
    case BackgroundKind::TwoColorGradient:
        controls.twoColor1Select = true;
        controls.twoColor2Select = true;
        break;
    }
    return controls;
}
