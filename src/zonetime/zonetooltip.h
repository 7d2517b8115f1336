#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimeZone>

#include <optional>

// The parts of a followed zone's tooltip that tell what the user cannot see on the clock: how far
// the city is from the computer's clock, and a change of its offset that is coming soon.

/// How long before an offset change the tooltip announces it.
inline constexpr qint64 ComingChangeDays = 14;

/// A city's difference from the computer's clock: `minutes` ahead (negative: behind) and its date
/// `days` after the computer's date. "+9 h, tomorrow", "\u22125 h 30", "+30 min", "+1 h,
/// yesterday", "same time". The minus is the typographic one (U+2212).
[[nodiscard]] QString timeDifferenceText(int minutes, qint64 days);

/// The first change of `zone`'s offset after `now` and no more than ComingChangeDays later, as
/// "Clocks go forward on Sun 29 Mar 2026 at 02:00, to +02:00": the zone's own date and time at
/// which the change happens (its reading just before it) and the offset after it. Nothing when
/// no offset changes within that time.
[[nodiscard]] std::optional<QString>
comingOffsetChangeText(const QTimeZone &zone, const QDateTime &now, const QLocale &locale);
