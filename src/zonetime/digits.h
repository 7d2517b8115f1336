#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

// Numbers in the texts of zones and times: read from the short digit fields of stored lines, and
// written with the digits of the locale.

/// The numeric value of a short field of a stored line (an offset's hours or minutes, a minute
/// text). Unlike SettingsValue::numericValue() it knows no sign, decimals or radix prefixes:
/// blanks (space, tab, line feed, carriage return) are skipped wherever they stand, then ASCII
/// digits are read up to the first other character; a text that starts with anything else is 0.
/// So " 5" and "5a" are 5 while "a5", "-5" and "" are 0 (the callers treat the sign themselves).
/// Values too large for an int stop growing at the largest int instead of overflowing.
[[nodiscard]] int digitsValue(QStringView text);

/// Writes whole numbers with the digits of a locale, zero-padded and without group separators,
/// as the locale's date and time formatting writes them ("07" in English, "٠٧" in Arabic).
/// Built once per locale so that writing a number needs no locale look-up.
class LocaleDigits final {
public:
    explicit LocaleDigits(const QLocale &locale);

    /// The value (0 or more) with at least `width` digits.
    [[nodiscard]] QString number(int value, int width) const;

private:
    char32_t m_zero = U'0';
};
