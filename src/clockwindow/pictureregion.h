#pragma once

#include <QList>
#include <QRect>
#include <QRegion>

#include <optional>

class QImage;

/// The outline of a face picture as rectangles, one per horizontal run of pixels whose colour
/// differs from the key colour, the colour of the top-left pixel (0, 0). Colours are compared as
/// RGB; alpha is ignored, so a picture loaded with or without an alpha channel gives the same
/// outline. Rectangles are one pixel high, in row order and, within a row, left to right; a run
/// that reaches the right edge ends at x = width. An empty (null) image gives no rectangles.
[[nodiscard]] QList<QRect> pictureRegionRects(const QImage &image);

/// The union of pictureRegionRects(), or nothing when the picture has no pixel other than its key
/// colour (the caller then keeps the full square shape).
[[nodiscard]] std::optional<QRegion> getPictureRegion(const QImage &image);
