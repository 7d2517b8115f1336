#pragma once

#include "settings/displayoptions.h"
#include "zonetime/datepattern.h"
#include "zonetime/localedigits.h"

#include <QCalendar>
#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

/// The date row and opposite-date row texts of one zone date, for one set of display options and
/// one locale. Patterns are prepared once; each text is then a few look-ups.
class DateTexts final {
public:
    DateTexts(const DisplayOptions &options, const QLocale &locale);

    /// The zone date in the date format's pattern (Gregorian), or nothing when the date row is off
    /// or the format is one the program does not know. Empty for a year the pattern does not write
    /// (see DatePattern::format()).
    [[nodiscard]] std::optional<QString> date(QDate zoneDate) const;

    /// The zone date moved by the opposite-date shift and written in the Hijri calendar in the
    /// opposite date format's pattern, or nothing when the opposite-date row is off or the format
    /// or the shift is one the program does not know. For the long form the weekday inside the
    /// text is the zone date's own (see replaceWeekday()). Empty for a date before the Hijri epoch
    /// or a Hijri year the pattern does not write.
    [[nodiscard]] std::optional<QString> oppositeDate(QDate zoneDate) const;

    /// Days the opposite date is moved by: -2 to +2, nothing for a shift the program does not know.
    [[nodiscard]] static std::optional<int> shiftDays(OppositeDateShift shift);

    /// In `text`, which names the weekday `shownDay` somewhere, puts the weekday `wantedDay`
    /// instead (days 1 Monday ... 7 Sunday): the first occurrence, ignoring letter case, of the
    /// long name of `shownDay` becomes the long name of `wantedDay`; when the long name is not
    /// there, the first occurrence of the short name becomes the short name. Unchanged when
    /// neither occurs.
    [[nodiscard]] static QString replaceWeekday(const QString &text, int shownDay, int wantedDay,
                                                const QLocale &locale);

private:
    QLocale m_locale;
    LocaleDigits m_digits;
    QCalendar m_gregorian;
    QCalendar m_islamic;
    std::optional<DatePattern> m_datePattern;     // set when the date row gets texts
    std::optional<DatePattern> m_oppositePattern; // set when the opposite-date row gets texts
    bool m_oppositeIsLong = false;
    int m_shiftDays = 0;
};
