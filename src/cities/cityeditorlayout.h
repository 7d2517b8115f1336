#pragma once

#include <QList>
#include <QRect>
#include <QSize>

/// Where the city editor's controls go. The form gives every control a place in twips (15 to the
/// pixel) that suits the font it was drawn with; a larger system font needs taller controls and
/// wider labels. The left column is placed row by row: a row keeps the form's place when it fits
/// and otherwise moves down below the row above it, and within a row a control moves right of a
/// label that grew, so no control ever covers another.
namespace CityEditorLayout {

/// One control of a row: its place on the form and the size its content needs.
struct Control {
    QRect twips;
    QSize sizeHint;
    bool isLabel = false; // a label takes the height of its text and room for its whole width
};

/// Pixels for a place in twips, to the nearest pixel.
[[nodiscard]] QRect fromTwips(const QRect &twips);

/// The places in pixels, row by row as given. Controls other than labels keep their width and are
/// never made lower than their content needs.
[[nodiscard]] QList<QList<QRect>> placeRows(const QList<QList<Control>> &rows);

} // namespace CityEditorLayout
