#pragma once

#include "settings/settingsstate.h"

#include <QList>
#include <QRect>
#include <QSize>

/// Where every element of one clock column goes, in window pixels. Labels are 79 pixels wide and
/// start one pixel left of their column, so neighbouring columns and rows overlap by one pixel and
/// their borders coincide into a grid.
struct ColumnLayout {
    QRect face;      // 78 x 78 clock face
    QRect cityLabel; // city name, flag over its right end
    QRect flag;      // 18 x 13: the 16 x 11 flag with a one-pixel frame
    QRect timeLabel;
    QRect dateLabel;
    QRect oppositeDateLabel;

    friend bool operator==(const ColumnLayout &, const ColumnLayout &) = default;
};

/// The geometry of the whole clock window for a set of display options and a number of clocks.
/// Which rows exist is the same for every column.
struct ClockLayout {
    QSize windowSize;
    QRect strip; // the band behind the faces (solid colour, gradient or picture)

    bool faceRowVisible = false;
    bool timeVisible = false;
    bool dateVisible = false;
    bool oppositeDateVisible = false;

    // Rows that read right to left when a "yyyy/MM/dd" date is shown.
    bool timeRightToLeft = false;
    bool dateRightToLeft = false;
    bool oppositeDateRightToLeft = false;

    QList<ColumnLayout> columns;
};

namespace ClockGeometry {
inline constexpr int ColumnWidth = 78;
inline constexpr int FaceSize = 78;
inline constexpr int LabelWidth = 79;
inline constexpr int RowHeight = 17;
inline constexpr QSize FlagBoxSize{18, 13};
/// X11 takes windows up to 32,767 pixels wide: columns beyond that could never show.
inline constexpr int MaxColumns = 32767 / ColumnWidth;
} // namespace ClockGeometry

/// Lays the window out: window size, strip, and every column's elements (LoadClocks' geometry).
[[nodiscard]] ClockLayout computeClockLayout(const DisplayOptions &options, int columnCount);

/// The device pixel (column or row, counted from the window's edge) that draws a grid line lying
/// on window pixel `logical` at a device pixel ratio: the one under that window pixel's middle.
/// Cells that share a border so draw it on the same device pixel, one device pixel wide at any
/// ratio, and neighbouring window pixels never share a device pixel.
[[nodiscard]] int deviceGridLine(int logical, qreal ratio);
