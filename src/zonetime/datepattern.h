#pragma once

#include "settings/settingsstate.h"

#include <QCalendar>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

class LocaleDigits;

/// The parts of one day that a date pattern writes, in whichever calendar the text is to be in.
/// Month names come from `calendar` (Gregorian or Islamic), weekday names from the locale.
struct DateFields {
    int year = 1;
    int month = 1;
    int day = 1;
    int dayOfWeek = 1; // 1 Monday ... 7 Sunday
    QCalendar calendar;
};

/// A date pattern in Qt's notation ("dd/MM/yyyy", "dddd, MMMM d, yyyy"), taken apart once so that
/// writing a date needs no parsing. The pattern letters mean what QLocale::toString() makes of
/// them (d dd ddd dddd, M MM MMM MMMM, yy yyyy, text in single quotes, '' for a quote; other
/// characters as they are), but the numbers and month names come from the given fields, so the
/// same pattern writes a Gregorian or a Hijri date.
class DatePattern final {
public:
    explicit DatePattern(QStringView pattern);

    /// The pattern of a date format: "dd/MM/yyyy", "MM/dd/yyyy", "yyyy/MM/dd" with the locale's
    /// date separator for "/", or the locale's long date format; nothing for a format the program
    /// does not know.
    [[nodiscard]] static std::optional<DatePattern> forFormat(DateFormat format,
                                                              const QLocale &locale);

    /// The locale's date separator: the characters between the first two fields of its short date
    /// format ("/" for en_US, "." for de_DE); "/" when the format shows none or only blanks.
    [[nodiscard]] static QString dateSeparator(const QLocale &locale);

    /// The years a date is written for: those a four-digit year writes.
    static constexpr int FirstYear = 1;
    static constexpr int LastYear = 9999;

    /// The date written by the pattern; empty for a year outside FirstYear..LastYear, which would
    /// come out as no year at all ("00-1" for the year before 1) or with a fifth digit.
    [[nodiscard]] QString format(const DateFields &fields, const QLocale &locale,
                                 const LocaleDigits &digits) const;

private:
    enum class Part {
        Text,
        DayNumber,
        DayTwoDigits,
        DayShortName,
        DayLongName,
        MonthNumber,
        MonthTwoDigits,
        MonthShortName,
        MonthLongName,
        YearTwoDigits,
        YearFourDigits,
    };
    struct Piece {
        Part part = Part::Text;
        QString text; // for Part::Text
    };

    void appendText(const QString &text);

    QList<Piece> m_pieces;
};
