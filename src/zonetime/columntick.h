#pragma once

#include "zonetime/hands.h"

#include <QDateTime>
#include <QString>

#include <optional>

/// What one second's tick gives one clock column.
struct ColumnTick {
    /// The zone's wall-clock reading (naive, in Qt::UTC; see zonetime.h), or nothing for a clock
    /// entry that is no city line.
    std::optional<QDateTime> zoneTime;
    /// The time row text, or nothing when the label keeps its text (time row off, TimeFormat
    /// outside 0..3, entry no city line).
    std::optional<QString> timeText;
    /// Where to draw the hands; unchanged from the previous tick when the face is off.
    HandPoints hands;
};
