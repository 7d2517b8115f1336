#include "zonetime/hijridate.h"

#include <array>
#include <limits>

namespace {

// Julian day number of 1 Muharram 1 AH, Thursday 15 July 622 (Julian calendar).
constexpr qint64 EpochJulianDay = 1948439;
constexpr int YearsPerCycle = 30;

constexpr bool isLeapInCycle(int yearInCycle) // 1..30
{
    // True exactly for 2, 5, 7, 10, 13, 15, 18, 21, 24, 26 and 29.
    return (11 * yearInCycle + 15) % 30 < 11;
}

/// Days from the start of a cycle to the start of each of its years (index 0 = year 1).
constexpr std::array<int, YearsPerCycle> cycleYearStarts()
{
    std::array<int, YearsPerCycle> starts{};
    int days = 0;
    for (int y = 1; y <= YearsPerCycle; ++y) {
        starts[y - 1] = days;
        days += isLeapInCycle(y) ? 355 : 354;
    }
    return starts;
}

constexpr std::array<int, YearsPerCycle> YearStarts = cycleYearStarts();

static_assert(YearStarts[29] + 354 == HijriDate::DaysPerCycle);

constexpr int daysBeforeMonth(int month)
{
    // Months before it alternate 30, 29: 59 days per pair.
    return 29 * (month - 1) + month / 2;
}

/// Days from the epoch to 1 Muharram of the year (year >= 1).
qint64 daysBeforeYear(int year)
{
    const int cycles = (year - 1) / YearsPerCycle;
    return qint64(cycles) * HijriDate::DaysPerCycle + YearStarts[(year - 1) % YearsPerCycle];
}

} // namespace

bool HijriDate::isLeapYear(int year)
{
    if (year < 1)
        return false;
    return isLeapInCycle((year - 1) % YearsPerCycle + 1);
}

int HijriDate::yearLength(int year)
{
    return isLeapYear(year) ? 355 : 354;
}

int HijriDate::monthLength(int year, int month)
{
    if (month < 1 || month > 12)
        return 0;
    if (month == 12 && isLeapYear(year))
        return 30;
    return month % 2 == 1 ? 30 : 29;
}

bool HijriDate::isValid() const
{
    return year >= 1 && day >= 1 && day <= monthLength(year, month);
}

std::optional<HijriDate> HijriDate::fromDate(QDate date)
{
    if (!date.isValid())
        return std::nullopt;
    qint64 days = date.toJulianDay() - EpochJulianDay;
    if (days < 0)
        return std::nullopt;

    HijriDate result;
    const qint64 cycles = days / DaysPerCycle; // below 2^50: the product below cannot overflow
    days %= DaysPerCycle;
    int yearInCycle = YearsPerCycle;
    while (YearStarts[yearInCycle - 1] > days)
        --yearInCycle;
    days -= YearStarts[yearInCycle - 1];
    // Exactly the years an int can number, the last of them included, so that every valid date
    // toDate() gives converts back.
    const qint64 year = cycles * YearsPerCycle + yearInCycle;
    if (year > std::numeric_limits<int>::max())
        return std::nullopt;
    result.year = int(year);

    // Day of the year is now below 355: the month is the last one that starts on or before it.
    result.month = 12;
    while (daysBeforeMonth(result.month) > days)
        --result.month;
    result.day = int(days - daysBeforeMonth(result.month)) + 1;
    return result;
}

std::optional<QDate> HijriDate::toDate() const
{
    if (!isValid())
        return std::nullopt;
    const qint64 days = daysBeforeYear(year) + daysBeforeMonth(month) + day - 1;
    return QDate::fromJulianDay(EpochJulianDay + days);
}
