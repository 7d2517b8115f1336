#pragma once

#include <QDate>

#include <optional>

/// A date of the tabular ("Kuwaiti") Islamic calendar, the one the opposite date is written in:
/// day 1 of Muharram 1 AH is Julian 15 July 622 (a Thursday), months alternate 30 and 29 days
/// with Dhu al-Hijjah 30 days in leap years, and years 2, 5, 7, 10, 13, 15, 18, 21, 24, 26 and 29
/// of every 30-year cycle are leap years. No adjustment for sightings.
///
/// Qt's IslamicCivil calendar counts from the Friday epoch and with another leap rule, so it is
/// one day off on most dates; only its month names are used.
struct HijriDate {
    int year = 1;  // from 1
    int month = 1; // 1 Muharram ... 12 Dhu al-Hijjah
    int day = 1;   // 1 ... monthLength()

    /// Days from 1 Muharram 1 to 1 Muharram of the year 30 years later.
    static constexpr int DaysPerCycle = 10631;

    /// The Hijri date of a Gregorian date, or nothing for an invalid date or one before the epoch.
    [[nodiscard]] static std::optional<HijriDate> fromDate(QDate date);

    [[nodiscard]] static bool isLeapYear(int year);
    [[nodiscard]] static int yearLength(int year);
    /// 30 or 29 days; 0 for a month outside 1..12.
    [[nodiscard]] static int monthLength(int year, int month);

    /// Whether the fields name a day of the calendar (year from 1, month 1..12, day in range).
    [[nodiscard]] bool isValid() const;

    /// The Gregorian date of this day, or nothing when the fields are not valid.
    [[nodiscard]] std::optional<QDate> toDate() const;

    friend bool operator==(const HijriDate &, const HijriDate &) = default;
};
