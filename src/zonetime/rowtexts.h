#pragma once

#include "settings/settingsstate.h"
#include "zonetime/datepattern.h"
#include "zonetime/digits.h"

#include <QCalendar>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

#include <optional>

// The texts of a column's time, date and opposite-date rows, for one set of display options and
// one locale. Each is prepared once per clock window; making a text is then a few look-ups.

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
