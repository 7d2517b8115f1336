#pragma once

#include <QLocale>
#include <QString>

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
