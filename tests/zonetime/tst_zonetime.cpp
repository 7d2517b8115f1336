#include "zonetime/clock.h"
#include "zonetime/zonetime.h"

#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace {

/// The computer's clock reading `date time` in a zone `offsetHours` east of UTC.
QDateTime computerTime(QDate date, QTime time, double offsetHours)
{
    return QDateTime(date, time, Qt::OffsetFromUTC, int(offsetHours * 3600));
}

QString cityLine(const QString &name, const QString &zone)
{
    return name + u'!' + zone + u"!XXX.bmp"_s;
}

} // namespace

class TestZoneTime final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void zoneTime_data();
    void zoneTime();
    void summerTimeOfTheComputerNeverMovesTheArithmetic();
    void clockIsAskedForNow();
    void systemClockReadsTheComputersWallClock();
};

void TestZoneTime::zoneTime_data()
{
    QTest::addColumn<QString>("localCity");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");

    const QDate newYear(2024, 1, 1);
    QTest::newRow("back across the year")
        << cityLine(u"Riyadh"_s, u"+03:00"_s) << u"-05:00"_s
        << computerTime(newYear, QTime(2, 0), 3) << QDate(2023, 12, 31) << QTime(18, 0);
    QTest::newRow("minutes of both signs")
        << cityLine(u"Newfoundland"_s, u"-03:30"_s) << u"+05:45"_s
        << computerTime(QDate(2024, 6, 1), QTime(10, 20, 30), -3.5) << QDate(2024, 6, 1)
        << QTime(19, 35, 30);
    QTest::newRow("negative half hour local")
        << cityLine(u"Half"_s, u"-00:30"_s) << u"+00:00"_s
        << computerTime(QDate(2024, 6, 1), QTime(23, 45, 1), 0) << QDate(2024, 6, 2)
        << QTime(0, 15, 1);
    QTest::newRow("same offset shows the computer's time")
        << cityLine(u"Cairo"_s, u"+02:00"_s) << u"+02:00"_s
        << computerTime(QDate(2024, 3, 5), QTime(7, 8, 9), 5) << QDate(2024, 3, 5)
        << QTime(7, 8, 9);
    QTest::newRow("name holding the separator")
        << cityLine(u"A!+09:00!B"_s, u"-01:00"_s) << u"+00:00"_s
        << computerTime(QDate(2024, 6, 1), QTime(12, 0), 0) << QDate(2024, 6, 1) << QTime(13, 0);
    QTest::newRow("default local city uses the computer's offset")
        << u"00"_s << u"+00:00"_s << computerTime(QDate(2024, 6, 1), QTime(1, 0), 2)
        << QDate(2024, 5, 31) << QTime(23, 0);
    QTest::newRow("14 characters is no city line")
        << u"!+09:00!XX.bmp"_s << u"+05:30"_s << computerTime(QDate(2024, 6, 1), QTime(12, 0), -4)
        << QDate(2024, 6, 1) << QTime(21, 30);
}

void TestZoneTime::zoneTime()
{
    QFETCH(QString, localCity);
    QFETCH(QString, offset);
    QFETCH(QDateTime, now);
    QFETCH(QDate, date);
    QFETCH(QTime, time);

    const QDateTime zone = getZoneTime(offset, localCity, now);
    QCOMPARE(zone.date(), date);
    QCOMPARE(zone.time(), time);
    QCOMPARE(zone.timeSpec(), Qt::UTC);
}

void TestZoneTime::summerTimeOfTheComputerNeverMovesTheArithmetic()
{
    const QTimeZone berlin("Europe/Berlin");
    if (!berlin.isValid())
        QSKIP("no time zone data for Europe/Berlin on this machine");

    // 01:30 winter time plus one hour is 02:30, an hour that Berlin's clocks skip that night.
    const QDateTime beforeChange(QDate(2024, 3, 31), QTime(1, 30), berlin);
    const QDateTime skipped = getZoneTime(u"+02:00", u"00", beforeChange);
    QCOMPARE(skipped.date(), QDate(2024, 3, 31));
    QCOMPARE(skipped.time(), QTime(2, 30));

    // Offsets are fixed: after the change the computer's reading is shown for the local offset.
    const QDateTime afterChange(QDate(2024, 3, 31), QTime(3, 30), berlin);
    const QString local = cityLine(u"Berlin"_s, u"+01:00"_s);
    QCOMPARE(getZoneTime(u"+01:00", local, afterChange).time(), QTime(3, 30));
    QCOMPARE(getZoneTime(u"+00:00", local, afterChange).time(), QTime(2, 30));
}

void TestZoneTime::clockIsAskedForNow()
{
    QDateTime reading = computerTime(QDate(2024, 1, 1), QTime(12, 0), 0);
    const Clock clock([&reading] { return reading; });
    const QString local = cityLine(u"London"_s, u"+00:00"_s);

    QCOMPARE(getZoneTime(u"+01:00", local, clock).time(), QTime(13, 0));
    reading = reading.addSecs(61);
    QCOMPARE(getZoneTime(u"+01:00", local, clock).time(), QTime(13, 1, 1));
    reading = QDateTime();
    QVERIFY(!getZoneTime(u"+01:00", local, clock).isValid());
}

void TestZoneTime::systemClockReadsTheComputersWallClock()
{
    // A zone with an offset and summer time, so that a reading in the wrong zone shows. A local
    // date-time works its offset out when asked, so everything is asked before TZ goes back.
    qputenv("TZ", "America/New_York");
    const QDateTime before = QDateTime::currentDateTime();
    const int offsetBefore = before.offsetFromUtc();
    const QDateTime wallBefore = wallClock(before);
    const QDateTime now = Clock::system().now();
    qunsetenv("TZ");

    QVERIFY(offsetBefore <= -4 * 3600);
    QCOMPARE(now.offsetFromUtc(), offsetBefore);
    const qint64 elapsed = wallBefore.msecsTo(wallClock(now));
    QVERIFY2(elapsed >= 0 && elapsed < 5000, qPrintable(QString::number(elapsed)));
}

QTEST_GUILESS_MAIN(TestZoneTime)
#include "tst_zonetime.moc"
