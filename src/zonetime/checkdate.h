#pragma once

#include "zonetime/columndates.h"

#include <QDateTime>
#include <QList>
#include <QLocale>

struct SettingsState;

/// The date and opposite-date texts of every clock entry when the computer's clock reads `now`
/// (see ZoneClockSet::dates()). One-off form; a clock window that refreshes every minute keeps a
/// ZoneClockSet instead.
[[nodiscard]] QList<ColumnDates> checkDate(const SettingsState &state, const QDateTime &now,
                                           const QLocale &locale);
