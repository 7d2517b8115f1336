// What a column shows of its reading: Hijri dates, the date and time texts, the hands.

#include "settings/settingsstate.h"
#include "zonetime/datepattern.h"
#include "zonetime/digits.h"
#include "zonetime/hands.h"
#include "zonetime/hijridate.h"
#include "zonetime/rowtexts.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale Hungarian(QLocale::Hungarian, QLocale::Hungary);
const QLocale Arabic(QLocale::Arabic, QLocale::Egypt);

/// Both date rows on with the given formats and shift.
DisplayOptions withFormats(qint16 dateFormat, qint16 opsDateFormat, qint16 opsDateDiff)
{
    DisplayOptions options;
    options.displayDate = options.displayOppositeDate = true;
    options.dateFormat = DateFormat(dateFormat);
    options.oppositeDateFormat = DateFormat(opsDateFormat);
    options.oppositeDateShift = OppositeDateShift(opsDateDiff);
    return options;
}

} // namespace

class TestClockTexts final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hijriLimits()
    {
        // 1/1/1 is Julian 15 July 622. Year 2147483647 is a leap year: its last day is 12/30.
        const QDate lastDay = QDate::fromJulianDay(760'998'570'147);
        const int maxYear = std::numeric_limits<int>::max();
        const std::pair<QDate, HijriDate> known[] = {{QDate(622, 7, 18), {1, 1, 1}},
                                                     {lastDay, {maxYear, 12, 30}}};
        for (const auto &[date, hijri] : known) {
            QCOMPARE(HijriDate::fromDate(date), std::optional(hijri));
            QCOMPARE(hijri.toDate(), std::optional(date));
        }
        for (const QDate date : {QDate(622, 7, 17), lastDay.addDays(1), QDate()})
            QCOMPARE(HijriDate::fromDate(date), std::nullopt);
        for (const HijriDate hijri :
             {HijriDate{1440, 13, 1}, HijriDate{1440, 2, 30}, HijriDate{1444, 12, 30}}) {
            QVERIFY(!hijri.isValid());
            QCOMPARE(hijri.toDate(), std::nullopt);
        }
    }

    void everyHijriDayFollowsTheDayBefore()
    {
        // Each day from 1900 to 2100 is the Hijri day after the one before: the month's next day,
        // or day 1 of the next month after its last (30 days for odd months, 29 for even ones, 30
        // for month 12 of years 2, 5, 7, ... 29 of each 30-year cycle); and it converts back.
        const QList<int> leapYearsOfCycle{2, 5, 7, 10, 13, 15, 18, 21, 24, 26, 29};
        QDate date(1900, 1, 1);
        std::optional<HijriDate> previous = HijriDate::fromDate(date.addDays(-1));
        QVERIFY(previous);
        int monthsSeen = 0;
        for (; date.year() <= 2100; date = date.addDays(1)) {
            const std::optional<HijriDate> hijri = HijriDate::fromDate(date);
            QVERIFY(hijri && hijri->isValid());
            const bool leap = leapYearsOfCycle.contains((previous->year - 1) % 30 + 1);
            const int length =
                previous->month == 12 ? (leap ? 30 : 29) : (previous->month % 2 == 1 ? 30 : 29);
            HijriDate expected = *previous;
            if (previous->day < length) {
                ++expected.day;
            } else {
                ++monthsSeen;
                QCOMPARE(HijriDate::monthLength(previous->year, previous->month), length);
                expected = {previous->year + previous->month / 12, previous->month % 12 + 1, 1};
            }
            if (*hijri != expected || hijri->toDate() != date)
                QFAIL(qPrintable(date.toString(Qt::ISODate)));
            previous = hijri;
        }
        QVERIFY(monthsSeen > 2480); // about 2487 lunar months in 201 years
    }

    void patternWritesWhatQtWrites()
    {
        // Our patterns write Gregorian dates as Qt does, for any locale and pattern.
        const QStringList patterns{
            u"dd/MM/yyyy"_s,         u"d.M.yy"_s,      u"ddd MMM"_s,     u"'d''M' d 'MMMM'''"_s,
            u"yyy y yyyyy dddddd"_s, u"MMMMM hh:mm"_s, u"''d'unclosed"_s};
        for (const QLocale &locale :
             {English, QLocale(QLocale::German, QLocale::Germany),
              QLocale(QLocale::Russian, QLocale::Russia), Arabic, Hungarian}) {
            for (const QString &pattern :
                 patterns + QStringList{locale.dateFormat(QLocale::LongFormat)}) {
                for (const QDate date : {QDate(2024, 7, 7), QDate(1999, 12, 31)}) {
                    const DateFields fields{date.year(), date.month(), date.day(), date.dayOfWeek(),
                                            QCalendar()};
                    QCOMPARE(DatePattern(pattern).format(fields, locale, LocaleDigits(locale)),
                             locale.toString(date, pattern));
                }
            }
        }
        QCOMPARE(DatePattern::dateSeparator(English), u"/"_s);
        QCOMPARE(DatePattern::dateSeparator(Hungarian), u". "_s);
        QCOMPARE(DatePattern::dateSeparator(Arabic), u"\u200F/"_s); // with its direction mark
        QCOMPARE(DatePattern::dateSeparator(QLocale::c()), u"/"_s); // only blanks between fields
    }

    void dateTexts()
    {
        // Both texts for a zone date, "-" for none.
        const auto texts = [](const DisplayOptions &options, QDate date,
                              const QLocale &locale = English) -> QString {
            const DateTexts texts(options, locale);
            return texts.date(date).value_or(u"-"_s) + u" | "_s +
                   texts.oppositeDate(date).value_or(u"-"_s);
        };
        // 2024-03-05 is a Tuesday; 2012-01-01, a Sunday, is 7 Safar 1433.
        const QDate tuesday(2024, 3, 5);
        const QDate sunday(2012, 1, 1);
        QCOMPARE(texts(withFormats(0, 5, 5), tuesday), u"05/03/2024 | -"_s); // shift 5: none
        QCOMPARE(texts(withFormats(1, 4, 2), tuesday), u"03/05/2024 | -"_s); // format 4: none
        QCOMPARE(texts(withFormats(2, 0, 0), sunday), u"2012/01/01 | 05/02/1433"_s); // 2 before
        QCOMPARE(texts(withFormats(3, 0, 4), tuesday), u"Tuesday, March 5, 2024 | 27/08/1445"_s);
        QCOMPARE(texts(withFormats(4, 0, 3), QDate(2005, 2, 9)), u"- | 01/01/1426"_s);
        DisplayOptions rowsOff = withFormats(0, 0, 2);
        rowsOff.displayDate = rowsOff.displayOppositeDate = false;
        QCOMPARE(texts(rowsOff, sunday), u"- | -"_s);
        // A long opposite date shifted keeps the zone date's weekday; the locale's own digits.
        QCOMPARE(texts(withFormats(-1, 3, 4), sunday), u"- | Sunday, Safar 9, 1433"_s);
        QCOMPARE(texts(withFormats(-1, 3, 2), QDate(2024, 7, 7),
                       QLocale(QLocale::Arabic, QLocale::SaudiArabia)),
                 u"- | الأحد، ١ محرم ١٤٤٦"_s);
        // Years the four-digit year cannot write give an empty text, not "00-1" or five digits.
        QCOMPARE(texts(withFormats(0, 0, 2), QDate(-1, 12, 31)), u" | "_s);
        QCOMPARE(texts(withFormats(3, 5, 5), QDate(10000, 1, 1)), u" | -"_s);
    }

    void timeTexts()
    {
        const QTime afternoon(14, 5, 9);
        const auto text = [](int format, QTime time, const QLocale &locale = English) {
            return TimeText(TimeFormat(format), locale).text(time);
        };
        QCOMPARE(text(0, afternoon), u"02:05 PM"_s);
        QCOMPARE(text(1, afternoon), u"14:05"_s);
        QCOMPARE(text(2, afternoon), u"02:05:09 PM"_s);
        QCOMPARE(text(3, afternoon), u"14:05:09"_s);
        QCOMPARE(text(0, QTime(0, 5)), u"12:05 AM"_s);
        QCOMPARE(text(2, QTime(12, 0)), u"12:00:00 PM"_s);
        QCOMPARE(text(0, afternoon, Arabic),
                 Arabic.toString(QTime(2, 5), u"hh:mm"_s) + u' ' + Arabic.pmText());
        QCOMPARE(text(4, afternoon), std::nullopt);
        // A shifted long opposite date names the zone date's weekday, a whole word.
        QCOMPARE(DateTexts::replaceWeekday(u"Tue 9 Safar 1433"_s, 2, 7, English),
                 u"Sun 9 Safar 1433"_s);
        QCOMPARE(DateTexts::replaceWeekday(u"1433. Moharrem 9., hétfő"_s, 1, 3, Hungarian),
                 u"1433. Moharrem 9., szerda"_s);
        QVERIFY(!TimeText(TimeFormat(4), English).hasFormat());
    }

    void hands()
    {
        // The hand-placed dial: every point on its circle, each a small step from the one before.
        const auto distance = [](QPoint point) {
            return std::hypot(point.x() - HandCentre.x(), point.y() - HandCentre.y());
        };
        for (int i = 0; i < 60; ++i) {
            QVERIFY2(std::abs(distance(DialPoints[i]) - 30) <= 1.5, qPrintable(QString::number(i)));
            QVERIFY((DialPoints[(i + 1) % 60] - DialPoints[i]).manhattanLength() <= 6);
        }
        // Two-digit ASCII texts only; the hour hand moves by bands of the minute.
        QCOMPARE(dialPoint(u"45"), std::optional(QPoint(7, 38)));
        for (const QStringView bad : {u"7", u"60", u"\u0660\u0665"})
            QCOMPARE(dialPoint(bad), std::nullopt);
        QCOMPARE(hourPoint(u"01", u"11"), std::optional(QPoint(45, 25)));
        QCOMPARE(hourPoint(u"01", u"12"), std::optional(QPoint(46, 26)));
        QCOMPARE(hourPoint(u"00", u"30"), hourPoint(u"12", u"30"));
        QCOMPARE(hourPoint(u"13", u"00"), std::nullopt);
        QCOMPARE(hourPoint(u"06", u"60"), std::nullopt);
        // A time sets all three; an invalid one leaves them.
        const HandPoints earlier{{1, 2}, {3, 4}, {5, 6}};
        HandPoints points = earlier;
        setHands(QTime(14, 5, 45), points);
        QCOMPARE(points, (HandPoints{{7, 38}, {52, 11}, {51, 31}}));
        points = earlier;
        setHands(QTime(), points);
        QCOMPARE(points, earlier);
    }
};

QTEST_GUILESS_MAIN(TestClockTexts)
#include "tst_clocktexts.moc"
