#include "settings/appfolder.h"
#include "settings/settingsstate.h"
#include "zonetime/clock.h"
#include "zonetime/zoneclockset.h"
#include "zonetime/zonetable.h"
#include "zonetime/zonetime.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);

QString cityLine(const QString &name, const QString &zone)
{
    return name + u'!' + zone + u"!XXX.bmp"_s;
}

/// Every row on, London as the local city, and clocks for the given offsets ("00" stays as it is).
SettingsState allRows(const QStringList &zones)
{
    SettingsState state;
    state.localCity = cityLine(u"London"_s, u"+00:00"_s);
    for (const QString &zone : zones)
        state.clockList.append(zone == u"00" ? zone : cityLine(u"City"_s, zone));
    state.clockCount = qint16(state.clockList.size());
    DisplayOptions &options = state.displayOptions;
    options.displayClock = true;
    options.displayTime = true;
    options.displayDate = true;
    options.displayOppositeDate = true;
    options.timeFormat = TimeFormat::Hours24Seconds;
    options.dateFormat = DateFormat::YearMonthDay;
    options.oppositeDateFormat = DateFormat::YearMonthDay;
    options.oppositeDateShift = OppositeDateShift::None;
    return state;
}

QDateTime utc(QDate date, QTime time)
{
    return QDateTime(date, time, Qt::UTC);
}

QDateTime utc2024(int month, int day, QTime time)
{
    return utc(QDate(2024, month, day), time);
}

QDateTime utc2026(int month, int day, QTime time)
{
    return utc(QDate(2026, month, day), time);
}

// The computer's clock in the tests of summer time: a zone with summer time of its own, whose
// offset is not the local city's for half of the year.
const QTimeZone Berlin("Europe/Berlin");
const QString BerlinLine = u"Berlin!+01:00!DEU.bmp"_s;

const QString NewYork = u"New York!-05:00!USA.bmp"_s;
const QString London = u"London!+00:00!GBR.bmp"_s;
const QString Sydney = u"Sydney!+10:00!AUS.bmp"_s;
const QString Santiago = u"Santiago!-04:00!CHL.bmp"_s;
const QString Tehran = u"Tehran!+03:30!IRN.bmp"_s;
const QString Home = u"Home!+03:00!XXX.bmp"_s;

/// Every row on, Berlin as the local city, and the given clocks, following summer time or not.
SettingsState cities(const QStringList &lines, bool followDst)
{
    SettingsState state = allRows({});
    state.localCity = BerlinLine;
    state.clockList = lines;
    state.clockCount = qint16(lines.size());
    state.displayOptions.followDst = followDst;
    return state;
}

} // namespace

class TestZoneClockSet final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ticks();
    void dates_data();
    void dates();
    void badLocalCityUsesTheComputerOffset();
    void followDst_data();
    void followDst();
    void withoutFollowDstTheFixedRuleHolds();
    void transitions_data();
    void transitions();
    void factoryCitiesFollowTheirZones_data();
    void factoryCitiesFollowTheirZones();
    void toolTips_data();
    void toolTips();
};

void TestZoneClockSet::ticks()
{
    // Each column its own zone; a skipped entry ("00") keeps the others in their places.
    ZoneClockSet set(allRows({u"+00:00"_s, u"00"_s, u"+05:30"_s, u"-10:00"_s}), English);
    const QDateTime now = utc(QDate(2024, 1, 1), QTime(22, 5, 15));
    const QList<ColumnTick> ticks = set.tick(now);

    QCOMPARE(ticks.size(), 4);
    QCOMPARE(ticks[0].timeText, std::optional(u"22:05:15"_s));
    QCOMPARE(ticks[2].timeText, std::optional(u"03:35:15"_s));
    QCOMPARE(ticks[2].zoneTime->date(), QDate(2024, 1, 2));
    QCOMPARE(ticks[3].timeText, std::optional(u"12:05:15"_s));
    // London 10:05:15 PM: hour row "10", band 0-11.
    QCOMPARE(ticks[0].hands, (HandPoints{{68, 38}, {52, 11}, {25, 31}}));
    // +05:30 is 03:35:15 AM: hour row "03", band 25-36 of the zone's own minute.
    QCOMPARE(ticks[2].hands, (HandPoints{{68, 38}, {24, 64}, {53, 41}}));

    QVERIFY(set.isCityLine(0));
    QVERIFY(!set.isCityLine(1));
    QVERIFY(!set.isCityLine(4));
    QCOMPARE(set.zoneTime(1, now), std::nullopt);
    QCOMPARE(set.zoneTime(-1, now), std::nullopt);
    QCOMPARE(ticks[1].zoneTime, std::nullopt);
    QCOMPARE(ticks[1].timeText, std::nullopt);
    QCOMPARE(ticks[1].hands, HandPoints{});
    QCOMPARE(set.cityToolTip(1, now), std::nullopt);
    QVERIFY(!set.followedZone(1));

    // With the face and time rows off there are no hands and no text, but still the zone time.
    SettingsState rowsOff = allRows({u"+01:00"_s});
    rowsOff.displayOptions.displayClock = false;
    rowsOff.displayOptions.displayTime = false;
    const ColumnTick tick = ZoneClockSet(rowsOff, English).tick(now).front();
    QCOMPARE(tick.timeText, std::nullopt);
    QCOMPARE(tick.hands, HandPoints{});
    QCOMPARE(tick.zoneTime->time(), QTime(23, 5, 15));
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

    SettingsState badShift = allRows(zones);
    badShift.displayOptions.oppositeDateShift = OppositeDateShift(5);
    QTest::newRow("shift outside the table")
        << badShift << QList<ColumnDates>{{london.date, QString()}, {cairo.date, QString()}};

    QTest::newRow("skipped entry keeps the others' texts")
        << allRows({u"+00:00"_s, u"00"_s, u"+02:00"_s}) << QList<ColumnDates>{london, {}, cairo};

    SettingsState longForm = allRows({u"+02:00"_s});
    longForm.displayOptions.dateFormat = DateFormat::Long;
    longForm.displayOptions.oppositeDateFormat = DateFormat::Long;
    longForm.displayOptions.oppositeDateShift = OppositeDateShift::TwoDaysOn;
    QTest::newRow("long forms, shift +2")
        << longForm
        << QList<ColumnDates>{{u"Sunday, January 1, 2012"_s, u"Sunday, Safar 9, 1433"_s}};
}

void TestZoneClockSet::dates()
{
    QFETCH(SettingsState, state);
    QFETCH(QList<ColumnDates>, dates);

    const QDateTime now = utc(QDate(2011, 12, 31), QTime(22, 30));
    QCOMPARE(ZoneClockSet(state, English).dates(now), dates);
    QCOMPARE(ZoneClockSet(state, English, now).dates(now), dates);
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

void TestZoneClockSet::followDst_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("followDst");
    QTest::addColumn<QDateTime>("instant");
    QTest::addColumn<QDateTime>("reading"); // what the clock shows, naive
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QByteArray>("zone"); // the followed zone, empty for none

    // 23:30 UTC, so that some zones are on the next day. Berlin's clock then reads 00:30 in
    // January and 01:30 in July.
    const QDateTime january = utc2024(1, 15, {23, 30});
    const QDateTime july = utc2024(7, 15, {23, 30});

    const auto row = [](const char *name, const QString &line, bool follow, const QDateTime &at,
                        const QDateTime &reading, const QString &tip, const QByteArray &zone = {}) {
        QTest::newRow(name) << line << follow << at << reading << tip << zone;
    };
    // Off: the computer's reading minus the local city's +01:00 plus the fixed offset, so that in
    // July, with Berlin on summer time, every clock is an hour ahead.
    row("off, New York, January", NewYork, false, january, utc2024(1, 15, {18, 30}),
        u"New York (-05:00)"_s);
    row("off, New York, July", NewYork, false, july, utc2024(7, 15, {19, 30}),
        u"New York (-05:00)"_s);
    row("off, Tehran, January", Tehran, false, january, utc2024(1, 16, {3, 0}),
        u"Tehran (+03:30)"_s);
    // On: UTC from the computer's own clock and zone, plus the zone's offset at that instant.
    row("on, New York, July: -04:00", NewYork, true, july, utc2024(7, 15, {19, 30}),
        u"New York (-05:00, now -04:00 America/New_York)"_s, "America/New_York"_ba);
    row("on, London, July: +01:00", London, true, july, utc2024(7, 16, {0, 30}),
        u"London (+00:00, now +01:00 Europe/London)"_s, "Europe/London"_ba);
    row("on, Sydney, January: +11:00", Sydney, true, january, utc2024(1, 16, {10, 30}),
        u"Sydney (+10:00, now +11:00 Australia/Sydney)"_s, "Australia/Sydney"_ba);
    row("on, Sydney, July", Sydney, true, july, utc2024(7, 16, {9, 30}),
        u"Sydney (+10:00, now +10:00 Australia/Sydney)"_s, "Australia/Sydney"_ba);
    row("on, Tehran, July: no summer time", Tehran, true, july, utc2024(7, 16, {3, 0}),
        u"Tehran (+03:30, now +03:30 Asia/Tehran)"_s, "Asia/Tehran"_ba);
    row("on, Home keeps +03:00, July", Home, true, july, utc2024(7, 16, {2, 30}),
        u"Home (+03:00)"_s);
}

void TestZoneClockSet::followDst()
{
    QFETCH(QString, line);
    QFETCH(bool, followDst);
    QFETCH(QDateTime, instant);
    QFETCH(QDateTime, reading);
    QFETCH(QString, tip);
    QFETCH(QByteArray, zone);

    const QDateTime now = instant.toTimeZone(Berlin);
    ZoneClockSet set(cities({line}, followDst), English, now);

    // Time text, hands and date all come from the one reading.
    const ColumnTick tick = set.tick(now).front();
    QCOMPARE(tick.zoneTime, std::optional(reading));
    QCOMPARE(tick.timeText, std::optional(reading.time().toString(u"HH:mm:ss"_s)));
    HandPoints hands;
    setHands(reading.time(), hands);
    QCOMPARE(tick.hands, hands);
    QCOMPARE(set.zoneTime(0, now), std::optional(reading));
    QCOMPARE(set.dates(now).front().date, reading.date().toString(u"yyyy/MM/dd"_s));

    QCOMPARE(set.cityToolTip(0, now)->section(u'\n', 0, 0), tip);
    const std::optional<QTimeZone> followed = set.followedZone(0);
    QCOMPARE(followed ? followed->id() : QByteArray(), zone);
}

void TestZoneClockSet::withoutFollowDstTheFixedRuleHolds()
{
    // Off, every reading is the fixed rule's, second for second, over a year in which the
    // computer's own zone changes to and from summer time.
    const QStringList lines = {NewYork, London, Sydney, Santiago, Tehran, Home};
    for (const QByteArray &computerZone : {"Europe/Berlin"_ba, "America/New_York"_ba}) {
        const QTimeZone computer(computerZone);
        ZoneClockSet set(cities(lines, false), English,
                         QDateTime(QDate(2024, 1, 1), QTime(0, 0), computer));
        for (QDateTime now(QDate(2024, 1, 1), QTime(0, 0, 1), computer); now.date().year() == 2024;
             now = now.addSecs(7 * 3600 + 13 * 60 + 7)) {
            const QList<ColumnTick> ticks = set.tick(now);
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const QDateTime fixed =
                    getZoneTime(CityEntry::fromLine(lines[i])->zone, BerlinLine, now);
                QCOMPARE(ticks[i].zoneTime, std::optional(fixed));
                QCOMPARE(set.zoneTime(i, now), std::optional(fixed));
            }
        }
    }
}

void TestZoneClockSet::transitions_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QDateTime>("change"); // the UTC instant of the change
    QTest::addColumn<QDateTime>("before"); // the reading a second earlier
    QTest::addColumn<QDateTime>("after");  // the reading at the change
    QTest::addColumn<QString>("offsetBefore");
    QTest::addColumn<QString>("offsetAfter");

    QTest::newRow("New York, spring")
        << NewYork << utc2024(3, 10, {7, 0}) << utc2024(3, 10, {1, 59, 59})
        << utc2024(3, 10, {3, 0}) << u"-05:00"_s << u"-04:00"_s;
    QTest::newRow("New York, autumn")
        << NewYork << utc2024(11, 3, {6, 0}) << utc2024(11, 3, {1, 59, 59})
        << utc2024(11, 3, {1, 0}) << u"-04:00"_s << u"-05:00"_s;
    QTest::newRow("Sydney, autumn")
        << Sydney << utc2024(4, 6, {16, 0}) << utc2024(4, 7, {2, 59, 59}) << utc2024(4, 7, {2, 0})
        << u"+11:00"_s << u"+10:00"_s;
    QTest::newRow("Santiago, spring: the date moves on")
        << Santiago << utc2024(9, 8, {4, 0}) << utc2024(9, 7, {23, 59, 59}) << utc2024(9, 8, {1, 0})
        << u"-04:00"_s << u"-03:00"_s;
}

void TestZoneClockSet::transitions()
{
    QFETCH(QString, line);
    QFETCH(QDateTime, change);
    QFETCH(QDateTime, before);
    QFETCH(QDateTime, after);
    QFETCH(QString, offsetBefore);
    QFETCH(QString, offsetAfter);

    QDateTime instant = change.addSecs(-1);
    const Clock clock([&instant] { return instant.toTimeZone(Berlin); });
    // Built long before the change: the zone is chosen once, its offset read at every tick.
    ZoneClockSet set(cities({line}, true), English, utc2024(1, 2, {9, 0}).toTimeZone(Berlin));
    const std::optional<CityEntry> city = CityEntry::fromLine(line);
    const QString tipStart = city->name + u" ("_s + city->zone + u", now "_s;

    QCOMPARE(set.tick(clock.now()).front().zoneTime, std::optional(before));
    QVERIFY(set.cityToolTip(0, clock.now())->startsWith(tipStart + offsetBefore + u' '));
    instant = change;
    const ColumnTick tick = set.tick(clock.now()).front();
    QCOMPARE(tick.zoneTime, std::optional(after));
    QCOMPARE(tick.timeText, std::optional(after.time().toString(u"HH:mm:ss"_s)));
    QCOMPARE(set.dates(clock.now()).front().date, after.date().toString(u"yyyy/MM/dd"_s));
    QVERIFY(set.cityToolTip(0, clock.now())->startsWith(tipStart + offsetAfter + u' '));
}

void TestZoneClockSet::factoryCitiesFollowTheirZones_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QDateTime>("change"); // a change of the zone, or of a zone once guessed
    QTest::addColumn<QTime>("before");     // the reading a second earlier
    QTest::addColumn<QTime>("after");      // the reading at the change
    QTest::addColumn<QByteArray>("zone");  // the followed zone, empty for none

    // The shipped table names each factory city's zone, so that no zone that merely has the
    // same offset at the build is followed.
    const QDateTime europe = utc2026(3, 29, {1, 0});
    const QDateTime america = utc2026(3, 8, {7, 0});
    const QDateTime australia = utc2026(10, 3, {16, 0});
    const auto row = [](const QString &line, const QDateTime &change, QTime before, QTime after,
                        const QByteArray &zone) {
        QTest::newRow(qPrintable(line)) << line << change << before << after << zone;
    };
    row(u"Dublin!+00:00!IRL.bmp"_s, europe, {0, 59, 59}, {2, 0}, "Europe/Dublin"_ba);
    row(u"Ireland!+00:00!IRL.bmp"_s, europe, {0, 59, 59}, {2, 0}, "Europe/Dublin"_ba);
    row(u"Ottawa!-05:00!CAN.bmp"_s, america, {1, 59, 59}, {3, 0}, "America/Toronto"_ba);
    row(u"Canada!-05:00!CAN.bmp"_s, america, {1, 59, 59}, {3, 0}, "America/Toronto"_ba);
    row(u"Lindeman Island!+10:00!AUS.bmp"_s, australia, {1, 59, 59}, {2, 0},
        "Australia/Lindeman"_ba);
    row(u"Antarctica!+00:00!ATA.bmp"_s, europe, {0, 59, 59}, {1, 0}, {});
    row(u"Canberra!+10:00!AUS.bmp"_s, australia, {1, 59, 59}, {3, 0}, "Australia/Sydney"_ba);
    row(u"Washington, D.C.!-05:00!USA.bmp"_s, america, {1, 59, 59}, {3, 0}, "America/New_York"_ba);
    row(u"Spain!+01:00!ESP.bmp"_s, europe, {1, 59, 59}, {3, 0}, "Europe/Madrid"_ba);
}

void TestZoneClockSet::factoryCitiesFollowTheirZones()
{
    QFETCH(QString, line);
    QFETCH(QDateTime, change);
    QFETCH(QTime, before);
    QFETCH(QTime, after);
    QFETCH(QByteArray, zone);

    static const ZoneTable shipped =
        ZoneTable::read(AppFolder(QStringLiteral(KERANI_SOURCE_DATA_DIR)));
    QVERIFY(!shipped.isEmpty());
    const ZoneClockSet set(cities({line}, true), English, utc2026(1, 2, {9, 0}).toTimeZone(Berlin),
                           shipped);
    const std::optional<QTimeZone> followed = set.followedZone(0);
    QCOMPARE(followed ? followed->id() : QByteArray(), zone);
    const QDateTime now = change.toTimeZone(Berlin);
    QCOMPARE(set.zoneTime(0, now.addSecs(-1))->time(), before);
    QCOMPARE(set.zoneTime(0, now)->time(), after);
}

void TestZoneClockSet::toolTips_data()
{
    QTest::addColumn<QByteArray>("computerZone");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QDateTime>("instant");
    QTest::addColumn<QString>("tip");

    const auto row = [](const char *name, const QByteArray &computer, const QString &line,
                        const QDateTime &instant, const QString &tip) {
        QTest::newRow(name) << computer << line << instant << tip;
    };
    const QByteArray berlin = "Europe/Berlin"_ba;
    const QDateTime january = utc2026(1, 15, {23, 30}); // 00:30 the next day in Berlin
    // Differences from the computer's clock, with the day when it is another there.
    row("ahead, same day", berlin, u"Tokyo!+09:00!JPN.bmp"_s, january,
        u"Tokyo (+09:00, now +09:00 Asia/Tokyo)\n+8 h"_s);
    row("behind, yesterday", berlin, NewYork, january,
        u"New York (-05:00, now -05:00 America/New_York)\n\u22126 h, yesterday"_s);
    row("ahead, tomorrow", berlin, Sydney, utc2026(1, 15, {14, 0}),
        u"Sydney (+10:00, now +11:00 Australia/Sydney)\n+10 h, tomorrow"_s);
    row("behind by hours and minutes", berlin, u"St. John's!-03:30!CAN.bmp"_s,
        utc2026(1, 15, {12, 0}),
        u"St. John's (-03:30, now -03:30 America/St_Johns)\n\u22124 h 30"_s);
    row("ahead by minutes", "Asia/Kolkata"_ba, u"Kathmandu!+05:45!NPL.bmp"_s,
        utc2026(1, 15, {12, 0}), u"Kathmandu (+05:45, now +05:45 Asia/Kathmandu)\n+15 min"_s);
    row("the computer's own zone", berlin, BerlinLine, january,
        u"Berlin (+01:00, now +01:00 Europe/Berlin)\nsame time"_s);
    // A change of the zone's offset is told from 14 days before it.
    row("14 days before a change", berlin, NewYork, utc2026(2, 22, {7, 0}),
        u"New York (-05:00, now -05:00 America/New_York)\n\u22126 h\n"
        u"Clocks go forward on Sun 8 Mar 2026 at 02:00, to -04:00"_s);
    row("a second more", berlin, NewYork, utc2026(2, 22, {6, 59, 59}),
        u"New York (-05:00, now -05:00 America/New_York)\n\u22126 h"_s);
    row("southern autumn", berlin, Sydney, utc2026(3, 25, {12, 0}),
        u"Sydney (+10:00, now +11:00 Australia/Sydney)\n+10 h\n"
        u"Clocks go back on Sun 5 Apr 2026 at 03:00, to +10:00"_s);
    row("Irish winter, a negative saving in the database", berlin, u"Dublin!+00:00!IRL.bmp"_s,
        utc2026(10, 20, {12, 0}),
        u"Dublin (+00:00, now +01:00 Europe/Dublin)\n\u22121 h\n"
        u"Clocks go back on Sun 25 Oct 2026 at 02:00, to +00:00"_s);
    row("fixed: the zones that fit disagree", berlin, u"Kanata!-05:00!CAN.bmp"_s, january,
        u"Kanata (-05:00)\nFixed offset: the zones America/Atikokan, America/Iqaluit, "
        u"America/Toronto fit this city but keep different times."_s);
}

void TestZoneClockSet::toolTips()
{
    QFETCH(QByteArray, computerZone);
    QFETCH(QString, line);
    QFETCH(QDateTime, instant);
    QFETCH(QString, tip);

    const QDateTime now = instant.toTimeZone(QTimeZone(computerZone));
    const ZoneClockSet set(cities({line}, true), English, now);
    QCOMPARE(set.cityToolTip(0, now), std::optional(tip));
}

QTEST_GUILESS_MAIN(TestZoneClockSet)
#include "tst_zoneclockset.moc"
