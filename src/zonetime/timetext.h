#pragma once

#include "settings/displayoptions.h"
#include "zonetime/localedigits.h"

#include <QLocale>
#include <QString>
#include <QTime>

#include <optional>

/// The time row text of a zone time in the chosen TimeFormat. With "ampm" the hour runs 01..12
/// and the locale's morning or afternoon text follows after a blank; otherwise it runs 00..23.
/// Written directly, without a pattern, because it is made every second for every column.
class TimeText final {
public:
    TimeText(TimeFormat format, const QLocale &locale);

    /// Whether the format is one of the four; other values make no text.
    [[nodiscard]] bool hasFormat() const { return m_valid; }

    /// The text, or nothing for a format the program does not know (the label then keeps its
    /// text).
    [[nodiscard]] std::optional<QString> text(QTime time) const;

private:
    LocaleDigits m_digits;
    QString m_amText;
    QString m_pmText;
    bool m_valid = false;
    bool m_twelveHour = false;
    bool m_seconds = false;
};
