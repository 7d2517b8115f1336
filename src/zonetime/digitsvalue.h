#pragma once

#include <QStringView>

/// The numeric value of a short field of a stored line (an offset's hours or minutes, a minute
/// text). Unlike SettingsValue::numericValue() it knows no sign, decimals or radix prefixes:
/// blanks (space, tab, line feed, carriage return) are skipped wherever they stand, then ASCII
/// digits are read up to the first other character; a text that starts with anything else is 0.
/// So " 5" and "5a" are 5 while "a5", "-5" and "" are 0 (the callers treat the sign themselves).
/// Values too large for an int stop growing at the largest int instead of overflowing.
[[nodiscard]] int digitsValue(QStringView text);
