#pragma once

#include "zonetime/localedigits.h"

#include <QLocale>
#include <QString>
#include <QTime>

#include <optional>

/// The time row text of a zone time in the chosen TimeFormat:
/// 0 "hh:mm ampm", 1 "hh:mm", 2 "hh:mm:ss ampm", 3 "hh:mm:ss". With "ampm" the hour runs 01..12
/// and the locale's morning or afternoon text follows after a blank; otherwise it runs 00..23.
/// Written directly, without a pattern, because it is made every second for every column.
class TimeText final {
public:
    TimeText(int timeFormat, const QLocale &locale);

    /// Whether the format is one of the four; other values make no text.
    [[nodiscard]] bool hasFormat() const { return m_valid; }

    /// The text, or nothing when the format is outside 0..3 (the label then keeps its text).
    [[nodiscard]] std::optional<QString> text(QTime time) const;

private:
    LocaleDigits m_digits;
    QString m_amText;
    QString m_pmText;
    bool m_valid = false;
    bool m_twelveHour = false;
    bool m_seconds = false;
};
