#pragma once

#include "settings/settingsstate.h"

#include <QColor>
#include <QPoint>
#include <QStringView>
#include <QTime>

#include <array>
#include <optional>

// The three hands of a 78 x 78 clock face. The hands are not computed from angles: their outer
// ends come from two fixed tables of pixel points (origin at the face's top-left corner, y down),
// looked up by the two-digit texts of the hour, minute and second. Every hand runs from its
// outer end to HandCentre.

inline constexpr QPoint HandCentre{38, 38};

/// Outer ends of the minute and second hands for "00" ... "59", about 30 pixels from the centre.
/// Hand-placed values, not a rounded circle: keep them as they are.
inline constexpr std::array<QPoint, 60> DialPoints{{
    {38, 8},  {41, 8},  {44, 8},  {47, 9},  {51, 10}, {52, 11}, {55, 14}, {58, 16}, {60, 18},
    {62, 21}, {64, 23}, {66, 25}, {67, 29}, {68, 32}, {68, 35}, {68, 38}, {68, 41}, {68, 44},
    {67, 47}, {66, 51}, {64, 52}, {62, 55}, {60, 58}, {58, 60}, {55, 62}, {53, 64}, {51, 66},
    {47, 67}, {44, 68}, {41, 68}, {38, 68}, {35, 68}, {32, 68}, {29, 67}, {25, 66}, {24, 64},
    {21, 62}, {18, 60}, {16, 58}, {14, 55}, {12, 53}, {10, 51}, {9, 47},  {8, 44},  {8, 41},
    {7, 38},  {8, 35},  {8, 32},  {9, 29},  {10, 25}, {12, 24}, {14, 21}, {16, 18}, {18, 16},
    {21, 14}, {23, 12}, {25, 10}, {29, 9},  {32, 8},  {35, 8},
}};

/// Number of minute bands per hour: 0-11, 12-24, 25-36, 37-48, 49-59 (each inclusive).
inline constexpr int HourBandCount = 5;
inline constexpr std::array<int, HourBandCount> HourBandLastMinute{11, 24, 36, 48, 59};

/// Outer ends of the hour hand, about 15 pixels from the centre: one row per hour text "00" ...
/// "12" (rows "00" and "12" are equal), one point per minute band.
inline constexpr std::array<std::array<QPoint, HourBandCount>, 13> HourPoints{{
    {{{38, 23}, {39, 23}, {41, 23}, {43, 23}, {44, 24}}}, // "00"
    {{{45, 25}, {46, 26}, {48, 27}, {49, 28}, {50, 30}}}, // "01"
    {{{51, 31}, {52, 32}, {53, 33}, {53, 35}, {53, 37}}}, // "02"
    {{{53, 38}, {53, 39}, {53, 41}, {53, 43}, {52, 44}}}, // "03"
    {{{51, 45}, {50, 46}, {49, 48}, {48, 49}, {46, 50}}}, // "04"
    {{{45, 51}, {44, 52}, {43, 53}, {41, 53}, {39, 53}}}, // "05"
    {{{38, 53}, {37, 53}, {35, 53}, {33, 53}, {32, 52}}}, // "06"
    {{{31, 51}, {30, 50}, {28, 49}, {27, 48}, {26, 46}}}, // "07"
    {{{25, 45}, {24, 44}, {23, 43}, {23, 41}, {23, 39}}}, // "08"
    {{{22, 38}, {23, 37}, {23, 35}, {23, 33}, {24, 32}}}, // "09"
    {{{25, 31}, {26, 30}, {27, 28}, {28, 27}, {30, 26}}}, // "10"
    {{{31, 25}, {32, 24}, {33, 23}, {35, 23}, {37, 23}}}, // "11"
    {{{38, 23}, {39, 23}, {41, 23}, {43, 23}, {44, 24}}}, // "12"
}};

inline constexpr int SecondHandPenWidth = 2;
inline constexpr int HandPenWidth = 3; // minute and hour hands

/// Outer ends of one clock's three hands. All start at (0, 0); a look-up that finds nothing
/// leaves its point as it was.
struct HandPoints {
    QPoint second;
    QPoint minute;
    QPoint hour;

    friend constexpr bool operator==(const HandPoints &, const HandPoints &) = default;
};

/// The DialPoints entry of a two-digit text "00" ... "59", or nothing for any other text
/// ("7", "60", " 7").
[[nodiscard]] std::optional<QPoint> dialPoint(QStringView text);

/// The HourPoints cell of an hour text "00" ... "12" and the band holding the numeric value of
/// the minute text (digitsValue(): "7" counts as 7), or nothing when the hour text is no row or
/// the minute is outside 0..59.
[[nodiscard]] std::optional<QPoint> hourPoint(QStringView hourText, QStringView minuteText);

/// Set the hand's point from the text; a text with no entry keeps the previous point.
void secondHand(QStringView secondText, HandPoints &points);
void minuteHand(QStringView minuteText, HandPoints &points);
void hourHand(QStringView hourText, QStringView minuteText, HandPoints &points);

/// All three hands for a zone time, looked up from its "hh:mm:ss ampm" reading (12-hour clock,
/// hour "01" ... "12").
void setHands(QTime time, HandPoints &points);

/// Colour of the minute and hour hands: light grey (159, 159, 159) on the dark faces of styles 3
/// and 5, black on every other style.
[[nodiscard]] QColor handColour(FaceStyle style);

/// The second hand is red on every face.
[[nodiscard]] QColor secondHandColour();
