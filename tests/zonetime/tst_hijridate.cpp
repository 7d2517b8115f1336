#include "zonetime/hijridate.h"

#include <QTest>

#include <limits>

namespace {

const QList<int> LeapYearsOfCycle{2, 5, 7, 10, 13, 15, 18, 21, 24, 26, 29};

} // namespace

class TestHijriDate final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void conversions_data();
    void conversions();
    void leapYears_data();
    void leapYears();
    void everyDayFollowsTheDayBefore();
};

void TestHijriDate::conversions_data()
{
    QTest::addColumn<QDate>("date");        // null: no Gregorian day for the fields
    QTest::addColumn<QList<int>>("fields"); // year, month, day; empty: no Hijri date

    constexpr int maxYear = std::numeric_limits<int>::max();
    // Year 2147483647 is year 7 of its cycle, a leap year: its last day is 12/30, and the day
    // after has no Hijri date.
    const QDate lastDay = QDate::fromJulianDay(760'998'570'147);
    QTest::newRow("epoch, Julian 15 July 622") << QDate(622, 7, 18) << QList<int>{1, 1, 1};
    QTest::newRow("2012-01-01") << QDate(2012, 1, 1) << QList<int>{1433, 2, 7};
    QTest::newRow("2024-07-07 new year") << QDate(2024, 7, 7) << QList<int>{1446, 1, 1};
    QTest::newRow("2005-02-09 day 30 of a leap year")
        << QDate(2005, 2, 9) << QList<int>{1425, 12, 30};
    QTest::newRow("last day an int can number") << lastDay << QList<int>{maxYear, 12, 30};
    QTest::newRow("within the last year") << lastDay.addDays(-200) << QList<int>{maxYear, 6, 7};
    QTest::newRow("after the last day") << lastDay.addDays(1) << QList<int>{};
    QTest::newRow("before the epoch") << QDate(622, 7, 17) << QList<int>{};
    QTest::newRow("null date") << QDate() << QList<int>{};
    QTest::newRow("year 0") << QDate() << QList<int>{0, 1, 1};
    QTest::newRow("month 0") << QDate() << QList<int>{1440, 0, 1};
    QTest::newRow("month 13") << QDate() << QList<int>{1440, 13, 1};
    QTest::newRow("day 0") << QDate() << QList<int>{1440, 1, 0};
    QTest::newRow("day 30 of an even month") << QDate() << QList<int>{1440, 2, 30};
    QTest::newRow("day 30 of month 12 in a common year") << QDate() << QList<int>{1444, 12, 30};
}

void TestHijriDate::conversions()
{
    QFETCH(QDate, date);
    QFETCH(QList<int>, fields);

    if (!fields.isEmpty()) {
        const HijriDate hijri{fields[0], fields[1], fields[2]};
        QCOMPARE(hijri.isValid(), date.isValid());
        QCOMPARE(hijri.toDate(), date.isValid() ? std::optional(date) : std::nullopt);
        if (date.isValid())
            QCOMPARE(HijriDate::fromDate(date), std::optional(hijri));
    } else {
        QCOMPARE(HijriDate::fromDate(date), std::nullopt);
    }
}

void TestHijriDate::leapYears_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("leap");

    // Years 2, 5, 7, 10, 13, 15, 18, 21, 24, 26, 29 of each 30-year cycle.
    QTest::newRow("15 tells the variant apart") << 15 << true;
    QTest::newRow("16 of the other variant") << 16 << false;
    QTest::newRow("30") << 30 << false;
    QTest::newRow("0 is no year") << 0 << false;
}

void TestHijriDate::leapYears()
{
    QFETCH(int, year);
    QFETCH(bool, leap);

    QCOMPARE(HijriDate::isLeapYear(year), leap);
    QCOMPARE(HijriDate::monthLength(year, 12), leap ? 30 : 29);
    QCOMPARE(HijriDate::yearLength(year), leap ? 355 : 354);
}

void TestHijriDate::everyDayFollowsTheDayBefore()
{
    // Each Gregorian day from 1900 to 2100 must be the Hijri day after the one before: the next
    // day of the month, or day 1 of the next month after the month's last day (30 days for odd
    // months, 29 for even ones, 30 for the last month of a leap year), with the year turning
    // after month 12; and it must convert back to the same Gregorian day.
    const QDate last(2100, 12, 31);
    QDate date(1900, 1, 1);
    std::optional<HijriDate> previous = HijriDate::fromDate(date.addDays(-1));
    QVERIFY(previous);
    int monthsSeen = 0;
    for (; date <= last; date = date.addDays(1)) {
        const std::optional<HijriDate> hijri = HijriDate::fromDate(date);
        QVERIFY(hijri);

        const bool leap = LeapYearsOfCycle.contains((previous->year - 1) % 30 + 1);
        const int length =
            previous->month == 12 ? (leap ? 30 : 29) : (previous->month % 2 == 1 ? 30 : 29);
        HijriDate expected = *previous;
        if (previous->day < length) {
            ++expected.day;
        } else {
            ++monthsSeen;
            expected.day = 1;
            expected.month = previous->month % 12 + 1;
            if (previous->month == 12)
                ++expected.year;
        }
        if (*hijri != expected)
            QFAIL(qPrintable(date.toString(Qt::ISODate)));
        if (hijri->toDate() != date)
            QFAIL(qPrintable(u"round trip " + date.toString(Qt::ISODate)));
        previous = hijri;
    }
    // 201 years are about 2487 lunar months: the loop did cross the month ends.
    QVERIFY(monthsSeen > 2480);
}

QTEST_GUILESS_MAIN(TestHijriDate)
#include "tst_hijridate.moc"
