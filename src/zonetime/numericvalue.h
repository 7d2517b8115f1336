#pragma once

#include <QStringView>

/// The numeric value of a short text as the old settings files were read: blanks (space, tab,
/// line feed, carriage return) are skipped wherever they stand, then ASCII digits are read up to
/// the first other character; a text that starts with anything else is 0. No sign is recognised
/// (the callers treat the sign themselves), so " 5" and "5a" are 5 while "a5", "-5" and "" are 0.
/// Values too large for an int stop growing at the largest int instead of overflowing.
[[nodiscard]] int numericValue(QStringView text);
