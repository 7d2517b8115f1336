#pragma once

#include <QColor>

/// The strip's own colours. Its rows keep fixed pale colours whatever the desktop's theme, so its
/// texts and grid lines take colours chosen with those rows, never the palette's.
namespace StripColours {
inline const QColor Window(207, 207, 207);
inline const QColor CityRow(239, 239, 239);
inline const QColor TimeRow(255, 255, 192);
inline const QColor DateRow(192, 255, 255);
inline const QColor OppositeDateRow(192, 255, 192);
/// The time row while the clocks show another time than now: as pale as the rows, plainly apart.
inline const QColor AheadTimeRow(255, 208, 160);

/// The contrast ratio of two colours as the web's accessibility guidelines define it, from 1
/// (the same) to 21 (black on white).
[[nodiscard]] double contrastRatio(QColor a, QColor b);

/// Black or white, whichever reads better on `background`.
[[nodiscard]] QColor textColourOn(QColor background);
} // namespace StripColours
