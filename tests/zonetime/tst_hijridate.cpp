#include "zonetime/hijridate.h"

#include <QTest>

#include <limits>

namespace {

const QList<int> LeapYearsOfCycle{2, 5, 7, 10, 13, 15, 18, 21, 24, 26, 29};

} // namespace

class TestHijriDate final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void knownDays_data();
    void knownDays();
    void leapYears_data();
    void leapYears();
    void everyDayFollowsTheDayBefore();
    void lastYearAnIntCanNumber();
    void invalidFields_data();
    void invalidFields();
    void beforeTheEpoch();
};

void TestHijriDate::knownDays_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");

    QTest::newRow("epoch, Julian 15 July 622") << QDate(622, 7, 18) << 1 << 1 << 1;
    QTest::newRow("2012-01-01") << QDate(2012, 1, 1) << 1433 << 2 << 7;
    QTest::newRow("2024-07-07 new year") << QDate(2024, 7, 7) << 1446 << 1 << 1;
    QTest::newRow("2005-02-09 day 30 of a leap year") << QDate(2005, 2, 9) << 1425 << 12 << 30;
}

void TestHijriDate::knownDays()
{
    QFETCH(QDate, date);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);

    const HijriDate expected{year, month, day};
    QCOMPARE(HijriDate::fromDate(date), std::optional(expected));
    QCOMPARE(expected.toDate(), std::optional(date));
}

void TestHijriDate::leapYears_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("leap");

    // Years 2, 5, 7, 10, 13, 15, 18, 21, 24, 26, 29 of each 30-year cycle.
    QTest::newRow("2") << 2 << true;
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

void TestHijriDate::lastYearAnIntCanNumber()
{
    // Year 2147483647 is year 7 of its cycle, a leap year: its last day is 12/30. Every valid
    // date converts both ways up to that day, and the day after has no Hijri date.
    const HijriDate last{std::numeric_limits<int>::max(), 12, 30};
    const QDate lastDay = QDate::fromJulianDay(760'998'570'147);
    QCOMPARE(last.toDate(), std::optional(lastDay));
    QCOMPARE(HijriDate::fromDate(lastDay), std::optional(last));
    QCOMPARE(HijriDate::fromDate(lastDay.addDays(-200)),
             std::optional(HijriDate{std::numeric_limits<int>::max(), 6, 7}));
    QCOMPARE(HijriDate::fromDate(lastDay.addDays(1)), std::nullopt);
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

void TestHijriDate::invalidFields_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");

    QTest::newRow("year 0") << 0 << 1 << 1;
    QTest::newRow("month 0") << 1440 << 0 << 1;
    QTest::newRow("month 13") << 1440 << 13 << 1;
    QTest::newRow("day 0") << 1440 << 1 << 0;
    QTest::newRow("day 30 of an even month") << 1440 << 2 << 30;
    QTest::newRow("day 30 of month 12 in a common year") << 1444 << 12 << 30;
}

void TestHijriDate::invalidFields()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);

    const HijriDate date{year, month, day};
    QVERIFY(!date.isValid());
    QCOMPARE(date.toDate(), std::nullopt);
}

void TestHijriDate::beforeTheEpoch()
{
    QCOMPARE(HijriDate::fromDate(QDate(622, 7, 17)), std::nullopt);
    QCOMPARE(HijriDate::fromDate(QDate()), std::nullopt);
}

QTEST_GUILESS_MAIN(TestHijriDate)
#include "tst_hijridate.moc"
