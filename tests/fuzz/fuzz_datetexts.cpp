// Date, opposite-date and time texts for arbitrary options, locales, dates and times, and date
// patterns from arbitrary text. Gregorian texts must be what Qt's own date formatting writes for
// the same pattern; Hijri and time texts must hold the fields they stand for.

#include "fuzzsupport.h"
#include "zonetime/datepattern.h"
#include "zonetime/digits.h"
#include "zonetime/hijridate.h"
#include "zonetime/rowtexts.h"

#include <QCalendar>
#include <QDate>
#include <QLocale>
#include <QTime>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 J2000 = 2451545;

const QList<QLocale> &allLocales()
{
    static const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    return locales;
}

QLocale takeLocale(FuzzedDataProvider &choices)
{
    const QList<QLocale> &locales = allLocales();
    return locales[choices.ConsumeIntegralInRange<qsizetype>(0, locales.size() - 1)];
}

// A date in the years 1 to 9999, where Qt's formatting and ours agree on every field width.
QDate takeDate(FuzzedDataProvider &choices)
{
    const qint64 first = QDate(1, 1, 1).toJulianDay();
    const qint64 last = QDate(9999, 12, 31).toJulianDay();
    return QDate::fromJulianDay(
        choices.ConsumeBool() ? choices.ConsumeIntegralInRange<qint64>(first, last)
                              : J2000 + choices.ConsumeIntegralInRange<qint64>(-40000, 40000));
}

QString report(const QLocale &locale, const QString &pattern, const QDate &date,
               const QString &ours, const QString &qts)
{
    return locale.name() % u" "_s % Fuzz::quoted(pattern) % u" "_s % date.toString(Qt::ISODate) %
           u"\nours: "_s % Fuzz::quoted(ours) % u"\nQt's: "_s % Fuzz::quoted(qts);
}

void checkPattern(const QString &pattern, const QLocale &locale, const QDate &date)
{
    const DateFields fields{date.year(), date.month(), date.day(), date.dayOfWeek(),
                            QCalendar(QCalendar::System::Gregorian)};
    const QString ours = DatePattern(pattern).format(fields, locale, LocaleDigits(locale));
    const QString qts = locale.toString(date, pattern);
    Fuzz::check(ours == qts, "a pattern writes what Qt writes",
                [&]() -> QString { return report(locale, pattern, date, ours, qts); });
}

void checkDateTexts(FuzzedDataProvider &choices, const QLocale &locale, const QDate &date)
{
    DisplayOptions options;
    options.displayDate = choices.ConsumeBool();
    options.displayOppositeDate = choices.ConsumeBool();
    // The stored numbers, checked below against what they mean.
    const qint16 dateFormat = choices.ConsumeIntegralInRange<qint16>(-1, 5);
    const qint16 oppositeFormat = choices.ConsumeIntegralInRange<qint16>(-1, 5);
    const qint16 oppositeShift = choices.ConsumeIntegralInRange<qint16>(-1, 6);
    options.dateFormat = DateFormat(dateFormat);
    options.oppositeDateFormat = DateFormat(oppositeFormat);
    options.oppositeDateShift = OppositeDateShift(oppositeShift);
    const DateTexts texts(options, locale);

    const bool dateShown = options.displayDate && dateFormat >= 0 && dateFormat <= 3;
    const std::optional<QString> text = texts.date(date);
    Fuzz::check(text.has_value() == dateShown, "a date text exactly when the row shows one");
    if (text) {
        const std::optional<DatePattern> pattern =
            DatePattern::forFormat(options.dateFormat, locale);
        const QString separator = DatePattern::dateSeparator(locale);
        const QString numbers[] = {u"dd'%1'MM'%1'yyyy"_s, u"MM'%1'dd'%1'yyyy"_s,
                                   u"yyyy'%1'MM'%1'dd"_s};
        QString escaped = separator;
        escaped.replace(u'\'', u"''"_s);
        const QString qtPattern = dateFormat == 3 ? locale.dateFormat(QLocale::LongFormat)
                                                  : numbers[dateFormat].arg(escaped);
        const QString qts = locale.toString(date, qtPattern);
        Fuzz::check(pattern && *text == qts, "the date row is Qt's text of its pattern",
                    [&]() -> QString { return report(locale, qtPattern, date, *text, qts); });
    }

    const bool oppositeShown = options.displayOppositeDate && oppositeFormat >= 0 &&
                               oppositeFormat <= 3 && oppositeShift >= 0 && oppositeShift <= 4;
    const std::optional<QString> opposite = texts.oppositeDate(date);
    Fuzz::check(opposite.has_value() == oppositeShown,
                "an opposite date text exactly when the row shows one");
    if (!opposite)
        return;
    const QDate shifted = date.addDays(oppositeShift - 2);
    const std::optional<HijriDate> hijri = HijriDate::fromDate(shifted);
    Fuzz::check(hijri.has_value() != opposite->isEmpty(),
                "an opposite date is empty only before the Hijri epoch");
    if (!hijri || oppositeFormat == 3)
        return;
    const LocaleDigits digits(locale);
    const QString separator = DatePattern::dateSeparator(locale);
    const QString day = digits.number(hijri->day, 2);
    const QString month = digits.number(hijri->month, 2);
    const QString year = digits.number(hijri->year, 4);
    const QString expected[] = {day % separator % month % separator % year,
                                month % separator % day % separator % year,
                                year % separator % month % separator % day};
    Fuzz::check(
        *opposite == expected[oppositeFormat], "the numeric opposite date holds the Hijri fields",
        [&]() -> QString { return report(locale, {}, date, *opposite, expected[oppositeFormat]); });
}

void checkTimeText(FuzzedDataProvider &choices, const QLocale &locale)
{
    const int format = choices.ConsumeIntegralInRange(-1, 5);
    const QTime time =
        QTime::fromMSecsSinceStartOfDay(choices.ConsumeIntegralInRange(0, 86'399'999));
    const TimeText timeText(TimeFormat(format), locale);
    const std::optional<QString> text = timeText.text(time);
    Fuzz::check(timeText.hasFormat() == (format >= 0 && format <= 3), "four formats");
    Fuzz::check(text.has_value() == timeText.hasFormat(), "a text for each of the four formats");
    if (!text)
        return;
    const bool twelveHour = format == 0 || format == 2;
    const bool seconds = format == 2 || format == 3;
    const int hour = twelveHour ? (time.hour() % 12 == 0 ? 12 : time.hour() % 12) : time.hour();
    const QTime shown(hour, time.minute(), time.second());
    QString expected = locale.toString(shown, seconds ? u"HH:mm:ss"_s : u"HH:mm"_s);
    if (twelveHour) {
        const QString designator = time.hour() < 12 ? locale.amText() : locale.pmText();
        if (!designator.isEmpty())
            expected += u' ' + designator;
    }
    Fuzz::check(*text == expected, "the time text holds the time's fields", [&]() -> QString {
        return locale.name() % u' ' % QString::number(format) % u' ' %
               time.toString(u"HH:mm:ss.zzz"_s) % u"\nours: "_s % Fuzz::quoted(*text) %
               u"\nwant: "_s % Fuzz::quoted(expected);
    });
}

void checkWeekday(FuzzedDataProvider &choices, const QLocale &locale, const QString &text)
{
    const int shownDay = choices.ConsumeIntegralInRange(1, 7);
    const int wantedDay = choices.ConsumeIntegralInRange(1, 7);
    const QString replaced = DateTexts::replaceWeekday(text, shownDay, wantedDay, locale);
    if (replaced == text)
        return;
    const bool longFound =
        text.contains(locale.dayName(shownDay, QLocale::LongFormat), Qt::CaseInsensitive);
    const QLocale::FormatType type = longFound ? QLocale::LongFormat : QLocale::ShortFormat;
    Fuzz::check(replaced.contains(locale.dayName(wantedDay, type)),
                "a replaced weekday names the wanted day",
                [&]() -> QString { return Fuzz::quoted(replaced); });
    Fuzz::check(replaced.size() == text.size() - locale.dayName(shownDay, type).size() +
                                       locale.dayName(wantedDay, type).size(),
                "only the weekday's name is replaced",
                [&]() -> QString { return Fuzz::quoted(replaced); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Fuzz::Input input(data, size);
    const QString pattern = TextFile::decode(input.file);
    FuzzedDataProvider choices(reinterpret_cast<const std::uint8_t *>(input.choices.data()),
                               input.choices.size());
    const QLocale locale = takeLocale(choices);
    const QDate date = takeDate(choices);
    checkPattern(pattern, locale, date);
    checkDateTexts(choices, locale, date);
    checkTimeText(choices, locale);
    checkWeekday(choices, locale, pattern);
    return 0;
}
