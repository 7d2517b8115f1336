#include "app/settingsstate.h"
#include "zonetime/checkdate.h"
#include "zonetime/clock.h"
#include "zonetime/zoneclockset.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);

QString cityLine(const QString &name, const QString &zone)
{
    return name + u'!' + zone + u"!XXX.bmp"_s;
}

/// London as the local city and clocks for the given offsets ("00" stays as it is).
SettingsState stateWith(const QStringList &zones)
{
    SettingsState state;
    state.localCity = cityLine(u"London"_s, u"+00:00"_s);
    for (const QString &zone : zones)
        state.clockList.append(zone == u"00" ? zone : cityLine(u"City"_s, zone));
    state.clockCount = qint16(state.clockList.size());
    return state;
}

SettingsState allRows(const QStringList &zones)
{
    SettingsState state = stateWith(zones);
    DisplayOptions &options = state.displayOptions;
    options.displayClock = true;
    options.displayTime = true;
    options.displayDate = true;
    options.displayOpsDate = true;
    options.timeFormat = 3;
    options.dateFormat = 2;
    options.opsDateFormat = 2;
    options.opsDateDiff = 2;
    return state;
}

QDateTime utc(QDate date, QTime time)
{
    return QDateTime(date, time, Qt::UTC);
}

} // namespace

class TestZoneClockSet final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tickTexts();
    void tickHandsFollowTheZoneMinute();
    void rowsOffMakeNoTextsAndNoHands();
    void ticksFollowTheClock();
    void skippedEntries();
    void dates_data();
    void dates();
    void badLocalCityUsesTheComputerOffset();
};

void TestZoneClockSet::tickTexts()
{
    ZoneClockSet set(allRows({u"+00:00"_s, u"+05:30"_s, u"-10:00"_s}), English);
    const QList<ColumnTick> ticks = set.tick(utc(QDate(2024, 1, 1), QTime(8, 15, 42)));

    QCOMPARE(ticks.size(), 3);
    QCOMPARE(ticks[0].timeText, std::optional(u"08:15:42"_s));
    QCOMPARE(ticks[1].timeText, std::optional(u"13:45:42"_s));
    QCOMPARE(ticks[2].timeText, std::optional(u"22:15:42"_s));
    QCOMPARE(ticks[2].zoneTime->date(), QDate(2023, 12, 31));
    QCOMPARE(ticks[0].zoneTime->secsTo(*ticks[1].zoneTime), 5 * 3600 + 30 * 60);
}

void TestZoneClockSet::tickHandsFollowTheZoneMinute()
{
    ZoneClockSet set(allRows({u"+00:00"_s, u"+05:30"_s}), English);
    const QList<ColumnTick> ticks = set.tick(utc(QDate(2024, 1, 1), QTime(22, 5, 15)));

    // London 10:05:15 PM: hour row "10", band 0-11.
    QCOMPARE(ticks[0].hands, (HandPoints{{68, 38}, {52, 11}, {25, 31}}));
    // +05:30 is 03:35:15 AM: hour row "03", band 25-36 of the zone's own minute.
    QCOMPARE(ticks[1].hands, (HandPoints{{68, 38}, {24, 64}, {53, 41}}));
}

void TestZoneClockSet::rowsOffMakeNoTextsAndNoHands()
{
    SettingsState state = allRows({u"+01:00"_s});
    state.displayOptions.displayClock = false;
    state.displayOptions.displayTime = false;
    ZoneClockSet set(state, English);
    const ColumnTick tick = set.tick(utc(QDate(2024, 1, 1), QTime(9, 0))).front();
    QCOMPARE(tick.timeText, std::nullopt);
    QCOMPARE(tick.hands, HandPoints{});
    QCOMPARE(tick.zoneTime->time(), QTime(10, 0));
}

void TestZoneClockSet::ticksFollowTheClock()
{
    QDateTime reading = utc(QDate(2024, 1, 1), QTime(11, 59, 59));
    const Clock clock([&reading] { return reading; });
    ZoneClockSet set(allRows({u"+00:00"_s}), English);

    QCOMPARE(set.tick(clock.now()).front().timeText, std::optional(u"11:59:59"_s));
    reading = reading.addSecs(1);
    const ColumnTick next = set.tick(clock.now()).front();
    QCOMPARE(next.timeText, std::optional(u"12:00:00"_s));
    QCOMPARE(next.hands, (HandPoints{{38, 8}, {38, 8}, {38, 23}}));
}

void TestZoneClockSet::skippedEntries()
{
    ZoneClockSet set(allRows({u"+01:00"_s, u"00"_s, u"+02:00"_s}), English);
    const QDateTime now = utc(QDate(2024, 1, 1), QTime(9, 0));
    QVERIFY(set.isCityLine(0));
    QVERIFY(!set.isCityLine(1));
    QVERIFY(!set.isCityLine(3));
    QCOMPARE(set.zoneTime(1, now), std::nullopt);
    QCOMPARE(set.zoneTime(-1, now), std::nullopt);

    const QList<ColumnTick> ticks = set.tick(now);
    QCOMPARE(ticks[1].zoneTime, std::nullopt);
    QCOMPARE(ticks[1].timeText, std::nullopt);
    QCOMPARE(ticks[1].hands, HandPoints{});
    QCOMPARE(ticks[2].timeText, std::optional(u"11:00:00"_s));
}

void TestZoneClockSet::dates_data()
{
    QTest::addColumn<SettingsState>("state");
    QTest::addColumn<QList<ColumnDates>>("dates");

    // At 22:30 UTC on 31 December 2011 the +02:00 clock is on 1 January 2012 (7 Safar 1433).
    const QStringList zones{u"+00:00"_s, u"+02:00"_s};
    const ColumnDates london{u"2011/12/31"_s, u"1433/02/06"_s};
    const ColumnDates cairo{u"2012/01/01"_s, u"1433/02/07"_s};

    QTest::newRow("each column its own zone date")
        << allRows(zones) << QList<ColumnDates>{london, cairo};

    SettingsState noDate = allRows(zones);
    noDate.displayOptions.displayDate = false;
    QTest::newRow("date row off") << noDate
                                  << QList<ColumnDates>{{QString(), london.oppositeDate},
                                                        {QString(), cairo.oppositeDate}};

    SettingsState badFormat = allRows(zones);
    badFormat.displayOptions.dateFormat = 7;
    QTest::newRow("date format outside the table")
        << badFormat
        << QList<ColumnDates>{{QString(), london.oppositeDate}, {QString(), cairo.oppositeDate}};

    SettingsState badShift = allRows(zones);
    badShift.displayOptions.opsDateDiff = 5;
    QTest::newRow("shift outside the table")
        << badShift << QList<ColumnDates>{{london.date, QString()}, {cairo.date, QString()}};

    SettingsState bothOff = allRows(zones);
    bothOff.displayOptions.displayDate = false;
    bothOff.displayOptions.displayOpsDate = false;
    QTest::newRow("both rows off") << bothOff << QList<ColumnDates>{{}, {}};

    QTest::newRow("skipped entry keeps the others' texts")
        << allRows({u"+00:00"_s, u"00"_s, u"+02:00"_s}) << QList<ColumnDates>{london, {}, cairo};

    SettingsState longForm = allRows({u"+02:00"_s});
    longForm.displayOptions.dateFormat = 3;
    longForm.displayOptions.opsDateFormat = 3;
    longForm.displayOptions.opsDateDiff = 4;
    QTest::newRow("long forms, shift +2")
        << longForm
        << QList<ColumnDates>{{u"Sunday, January 1, 2012"_s, u"Sunday, Safar 9, 1433"_s}};

    QTest::newRow("no clocks") << allRows({}) << QList<ColumnDates>{};
}

void TestZoneClockSet::dates()
{
    QFETCH(SettingsState, state);
    QFETCH(QList<ColumnDates>, dates);

    const QDateTime now = utc(QDate(2011, 12, 31), QTime(22, 30));
    QCOMPARE(ZoneClockSet(state, English).dates(now), dates);
    QCOMPARE(checkDate(state, now, English), dates);
}

void TestZoneClockSet::badLocalCityUsesTheComputerOffset()
{
    SettingsState state = allRows({u"+00:00"_s});
    state.localCity = u"00"_s;
    ZoneClockSet set(state, English);
    const QDateTime now(QDate(2024, 1, 1), QTime(1, 30), Qt::OffsetFromUTC, 3 * 3600);

    QCOMPARE(set.tick(now).front().timeText, std::optional(u"22:30:00"_s));
    QCOMPARE(set.dates(now).front().date, u"2023/12/31"_s);
}

QTEST_GUILESS_MAIN(TestZoneClockSet)
#include "tst_zoneclockset.moc"
