#pragma once

#include <QString>
#include <QStringView>

/// A fixed UTC offset as a city line stores it: six characters, sign, two-digit hours, ":",
/// two-digit minutes ("+02:00", "-03:30"). The sign applies to the minutes too, so "-00:30" is
/// thirty minutes behind UTC.
class ZoneOffset final {
public:
    /// Largest hour count the city editor accepts. Wider than the twelve of the oldest lists
    /// because +13:00 and +14:00 are real zones (Tonga, Kiribati).
    static constexpr int MaxHours = 14;
    static constexpr int MaxMinutes = 59;
    static constexpr qsizetype TextLength = 6;

    constexpr ZoneOffset() = default;
    constexpr explicit ZoneOffset(int totalMinutes)
        : m_minutes(totalMinutes)
    {
    }

    /// Reads any text leniently, as every stored line is read: character 1 "-" is the only
    /// negative sign (anything else counts as positive), hours are the numeric value of
    /// characters 2-3 and minutes of characters 5-6 (digitsValue(); missing characters are
    /// empty), character 4 is never looked at and characters after 6 are ignored. Never fails.
    [[nodiscard]] static ZoneOffset fromText(QStringView text);

    /// Whether the text is one the city editor may store: exactly six characters, "+" or "-",
    /// two ASCII digits of at most MaxHours, ":", two ASCII digits of at most MaxMinutes.
    [[nodiscard]] static bool isWellFormed(QStringView text);

    /// Minutes east of UTC (negative west of it).
    [[nodiscard]] constexpr int minutes() const { return m_minutes; }

    /// The offset as a city line writes it: "+hh:mm", "-" west of UTC ("+00:00" for UTC).
    [[nodiscard]] QString toText() const;

    friend constexpr bool operator==(ZoneOffset, ZoneOffset) = default;

private:
    int m_minutes = 0;
};
