#pragma once

#include "options/backgroundkind.h"

#include <optional>

/// Which parts of the background choosers are in use for a chosen kind: only the choosers of that
/// kind can be used, and the stretched picture shows only for "Picture".
struct BackgroundControls {
    bool pictureShown = false;    // imgClock (shown only when there is a picture to show)
    bool pictureSelect = false;   // cmdClkBGPicSel
    bool solidSelect = false;     // cmdSolidClr
    bool oneColorSelect = false;  // cmdOGColor
    bool reverseDir = false;      // chkReverseDir
    bool twoColor1Select = false; // cmdTG1Color
    bool twoColor2Select = false; // cmdTG2Color

    /// The controls of a kind; with no kind chosen every chooser is off, as for "None".
    [[nodiscard]] static BackgroundControls forKind(std::optional<BackgroundKind> kind);

    friend bool operator==(const BackgroundControls &, const BackgroundControls &) = default;
};
