// What a clock reads: fixed offsets and their text, the zone a city follows with Follow_DST (the
// shipped zone table, the matching of the user's own cities), and the tooltips.

#include "settings/appfolder.h"
#include "settings/cityentry.h"
#include "settings/profiledocument.h"
#include "settings/settingsloader.h"
#include "support/testfiles.h"
#include "zonetime/clock.h"
#include "zonetime/clocklines.h"
#include "zonetime/digits.h"
#include "zonetime/flagterritory.h"
#include "zonetime/hands.h"
#include "zonetime/zoneclockset.h"
#include "zonetime/zonelookup.h"
#include "zonetime/zoneoffset.h"
#include "zonetime/zonetable.h"
#include "zonetime/zonetime.h"

#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <tuple>

using namespace Qt::StringLiterals;
using Kind = ZoneTable::Listing::Kind;

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QTimeZone Berlin("Europe/Berlin"); // the computer's zone, with summer time of its own
const QString BerlinLine = u"Berlin!+01:00!DEU.bmp"_s;
const QString NewYork = u"New York!-05:00!USA.bmp"_s;
const QString Sydney = u"Sydney!+10:00!AUS.bmp"_s;

QDateTime utc(int year, int month, int day, QTime time)
{
    return QDateTime(QDate(year, month, day), time, Qt::UTC);
}

/// Time and date rows on (24 hours with seconds, year first), Berlin as the local city.
SettingsState cities(const QStringList &lines, bool followDst)
{
    SettingsState state;
    state.localCity = BerlinLine;
    state.clockList = lines;
    state.clockCount = qint16(lines.size());
    DisplayOptions &options = state.displayOptions;
    options.followDst = followDst;
    options.displayClock = options.displayTime = options.displayDate = true;
    options.timeFormat = TimeFormat::Hours24Seconds;
    options.dateFormat = DateFormat::YearMonthDay;
    return state;
}

const ZoneTable &shippedTable()
{
    static const ZoneTable shipped =
        ZoneTable::read(AppFolder(QStringLiteral(KERANI_SOURCE_DATA_DIR)));
    return shipped;
}

} // namespace

class TestZoneRules final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void offsetText()
    {
        // Reading is lenient and never fails; only the strict check refuses a text.
        const std::tuple<QString, int, bool> offsets[] = {
            {u"-03:30"_s, -210, true},   {u"+14:00"_s, 840, true},
            {u"+15:00"_s, 900, false},   {u"+05:60"_s, 360, false},
            {u"x05:00"_s, 300, false},   {u"+05x30"_s, 330, false},
            {u"-01:0099"_s, -60, false}, {u"+\u0660\u0662:\u0660\u0660"_s, 0, false}};
        for (const auto &[text, minutes, wellFormed] : offsets) {
            QCOMPARE(ZoneOffset::fromText(text).minutes(), minutes);
            QVERIFY2(ZoneOffset::isWellFormed(text) == wellFormed, qPrintable(text));
            QVERIFY(!wellFormed || ZoneOffset(minutes).toText() == text);
        }
        QCOMPARE(digitsValue(u"1 2a3"), 12); // blanks skipped, a letter ends the number
        QCOMPARE(digitsValue(u"99999999999999999999"), std::numeric_limits<int>::max());
    }

    void fixedRule()
    {
        // The computer's wall clock, less the local city's offset, plus the clock's offset.
        const auto reading = [](const QString &local, const QString &offset, QDate date, QTime time,
                                double computerOffsetHours) {
            const QDateTime now(date, time, Qt::OffsetFromUTC, int(computerOffsetHours * 3600));
            const QDateTime zone = getZoneTime(offset, local, now);
            return zone.timeSpec() == Qt::UTC ? zone.toString(u"yyyy-MM-dd HH:mm:ss"_s) : QString();
        };
        const QDate june(2024, 6, 1);
        QCOMPARE(reading(u"Riyadh!+03:00!SAU.bmp"_s, u"-05:00"_s, QDate(2024, 1, 1), {2, 0}, 3),
                 u"2023-12-31 18:00:00"_s);
        QCOMPARE(reading(u"St. John's!-03:30!CAN.bmp"_s, u"+05:45"_s, june, {10, 20, 30}, -3.5),
                 u"2024-06-01 19:35:30"_s);
        // No local city, or a line too short to be one: the computer's own offset.
        QCOMPARE(reading(u"00"_s, u"+00:00"_s, june, {1, 0}, 2), u"2024-05-31 23:00:00"_s);
        QCOMPARE(reading(u"!+09:00!XX.bmp"_s, u"+05:30"_s, june, {12, 0}, -4),
                 u"2024-06-01 21:30:00"_s);

        // The system clock reads the wall clock of the computer's zone.
        qputenv("TZ", "America/New_York");
        const QDateTime before = QDateTime::currentDateTime();
        const int offsetBefore = before.offsetFromUtc();
        const QDateTime now = Clock::system().now();
        const qint64 elapsed = wallClock(before).msecsTo(wallClock(now));
        qunsetenv("TZ");
        QVERIFY(offsetBefore <= -4 * 3600);
        QCOMPARE(now.offsetFromUtc(), offsetBefore);
        QVERIFY2(elapsed >= 0 && elapsed < 5000, qPrintable(QString::number(elapsed)));
    }

    void tables()
    {
        // One bad line rejects the whole table; lines are compared whole and exactly.
        const QString good =
            u"Dublin!+00:00!IRL.bmp\tEurope/Dublin\r\nAntarctica!+00:00!ATA.bmp\t\r\n"_s;
        const std::pair<QString, bool> texts[] = {
            {good, true},
            {u"\n\rDublin!+00:00!IRL.bmp\tEurope/Dublin\r\rAntarctica!+00:00!ATA.bmp\t"_s, true},
            {good + u"Paris!+01:00!FRA.bmp\n"_s, false},
            {good + u"Paris!+01:00!FRA.bmp\tEurope/Pa ris"_s, false},
            {good + u"Dublin!+00:00!IRL.bmp\tEurope/London"_s, false}};
        for (const auto &[text, used] : texts) {
            const ZoneTable table = ZoneTable::fromText(text);
            QCOMPARE(table.find(u"Dublin!+00:00!IRL.bmp"),
                     used ? (ZoneTable::Listing{Kind::Zone, "Europe/Dublin"_ba})
                          : ZoneTable::Listing{});
            QCOMPARE(table.find(u"Antarctica!+00:00!ATA.bmp").kind,
                     used ? Kind::FixedOffset : Kind::NotListed);
            QCOMPARE(table.find(u"DUBLIN!+00:00!IRL.bmp").kind, Kind::NotListed);
        }
        // The file: UTF-8, ignored beyond its cap.
        QTemporaryDir dir;
        const AppFolder folder(dir.path());
        const QByteArray line = "Z\xC3\xBCrich!+01:00!CHE.bmp\tEurope/Zurich\r\n"_ba;
        QVERIFY(TestFiles::writeBytes(folder.zoneTableFile(), line));
        QCOMPARE(ZoneTable::read(folder).find(u"Zürich!+01:00!CHE.bmp").kind, Kind::Zone);
        QVERIFY(TestFiles::writeBytes(folder.zoneTableFile(),
                                      line.repeated(ZoneTable::MaxFileBytes / line.size() + 1)));
        QVERIFY(ZoneTable::read(folder).isEmpty());
        // The country of a flag, by its alpha-3 code.
        QCOMPARE(territoryOfFlagCode(u"USA"), std::optional(QLocale::UnitedStates));
        QCOMPARE(territoryOfFlagCode(u"US"), std::nullopt);
    }

    void findZone_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QDateTime>("at");
        QTest::addColumn<QByteArray>("zone"); // empty: none found
        QTest::addColumn<QByteArrayList>("disagreeing");

        const QDateTime january = utc(2024, 1, 15, {12, 0});
        const QDateTime july = utc(2024, 7, 15, {12, 0});
        const auto row = [](const char *name, const QString &line, const QDateTime &at,
                            const QByteArray &zone, const QByteArrayList &disagreeing = {}) {
            QTest::newRow(name) << line << at << zone << disagreeing;
        };
        row("the table's zone", u"Ottawa!-05:00!CAN.bmp"_s, january, "America/Toronto"_ba);
        row("a zone this system lacks: matched as any city", u"Bonn!+01:00!DEU.bmp"_s, january,
            "Europe/Berlin"_ba);
        row("unlisted in July: the standard offset fits", NewYork, july, "America/New_York"_ba);
        row("name of a three-part zone", u"Ushuaia!-03:00!ARG.bmp"_s, january,
            "America/Argentina/Ushuaia"_ba);
        row("Dublin, any case, July: its winter offset", u"DUBLIN!+00:00!irl.bmp"_s, july,
            "Europe/Dublin"_ba);
        row("the zones agree all year: the first", u"Washington!-05:00!USA.bmp"_s, january,
            "America/Detroit"_ba);
        row("the zones disagree: fixed offset", u"Kanata!-05:00!CAN.bmp"_s, july, {},
            {"America/Atikokan"_ba, "America/Iqaluit"_ba, "America/Toronto"_ba});
        row("a user's own flag", u"Home!+03:00!XXX.bmp"_s, january, {});
    }

    void findZone()
    {
        QFETCH(QString, line);
        QFETCH(QDateTime, at);
        QFETCH(QByteArray, zone);
        QFETCH(QByteArrayList, disagreeing);

        const ZoneTable table = ZoneTable::fromText(u"Ottawa!-05:00!CAN.bmp\tAmerica/Toronto\n"
                                                    u"Antarctica!+00:00!ATA.bmp\t\n"
                                                    u"Bonn!+01:00!DEU.bmp\tEurope/Atlantis\n"_s);
        ZoneLookup lookup(at, table);
        for (int pass = 0; pass < 2; ++pass) { // the second from the zones kept for the country
            const ZoneMatch found = lookup.find(*CityEntry::fromLine(line));
            QCOMPARE(found.zone ? found.zone->id() : QByteArray(), zone);
            QCOMPARE(found.disagreeing, disagreeing);
        }
    }

    void withoutFollowDstTheFixedRuleHolds()
    {
        // Every reading is the computer's wall clock, less the local city's +01:00, plus the fixed
        // offset, over a year in which the computer's zone changes (an hour it skips included).
        const QStringList lines = {NewYork, Sydney, u"Tehran!+03:30!IRN.bmp"_s,
                                   u"Home!+03:00!XXX.bmp"_s};
        ZoneClockSet set(cities(lines, false), English,
                         QDateTime(QDate(2024, 1, 1), QTime(0, 0), Berlin));
        for (QDateTime now(QDate(2024, 1, 1), QTime(0, 0, 1), Berlin); now.date().year() == 2024;
             now = now.addSecs(7 * 3600 + 13 * 60 + 7)) {
            const QList<ColumnTick> ticks = set.tick(now);
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const int offset =
                    ZoneOffset::fromText(lines[i].sliced(lines[i].size() - 14, 6)).minutes();
                const QDateTime fixed =
                    QDateTime(now.date(), now.time(), Qt::UTC).addSecs((offset - 60) * 60);
                HandPoints hands;
                setHands(fixed.time(), hands);
                // Time text, hands and date all come from the one reading.
                QCOMPARE(ticks[i].zoneTime, std::optional(fixed));
                QCOMPARE(ticks[i].timeText, std::optional(fixed.time().toString(u"HH:mm:ss"_s)));
                QCOMPARE(ticks[i].hands, hands);
                QCOMPARE(set.dates(now)[i].date, fixed.date().toString(u"yyyy/MM/dd"_s));
                QVERIFY(!set.followedZone(i));
            }
        }
    }

    void factoryCitiesAroundChanges_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QDateTime>("change"); // a change of the zone or of one like it
        QTest::addColumn<QString>("zone"); // the zone the line stands for; empty: a fixed offset

        const auto row = [](const QString &line, const QDateTime &change, const QString &zone) {
            QTest::newRow(qPrintable(line)) << line << change << zone;
        };
        row(NewYork, utc(2026, 11, 1, {6, 0}), u"America/New_York"_s);
        row(u"London!+00:00!GBR.bmp"_s, utc(2027, 3, 28, {1, 0}), u"Europe/London"_s);
        row(Sydney, utc(2027, 4, 3, {16, 0}), u"Australia/Sydney"_s);
        row(u"Santiago!-04:00!CHL.bmp"_s, utc(2026, 9, 6, {4, 0}), u"America/Santiago"_s);
        // The database counts Irish summer time as standard, winter as a negative saving.
        row(u"Ireland!+00:00!IRL.bmp"_s, utc(2027, 10, 31, {1, 0}), u"Europe/Dublin"_s);
        // Not the first zone of the country with the line's offset, which has no summer time.
        row(u"Ottawa!-05:00!CAN.bmp"_s, utc(2026, 3, 8, {7, 0}), u"America/Toronto"_s);
        // Queensland keeps +10:00 while Sydney goes forward.
        row(u"Lindeman Island!+10:00!AUS.bmp"_s, utc(2026, 10, 3, {16, 0}),
            u"Australia/Lindeman"_s);
        // The zone the table names, not one that merely agrees today.
        row(u"Canberra!+10:00!AUS.bmp"_s, utc(2026, 10, 3, {16, 0}), u"Australia/Sydney"_s);
        // No single zone: the fixed offset, whatever Troll does.
        row(u"Antarctica!+00:00!ATA.bmp"_s, utc(2027, 3, 28, {1, 0}), QString());
    }

    void factoryCitiesAroundChanges()
    {
        QFETCH(QString, line);
        QFETCH(QDateTime, change);
        QFETCH(QString, zone);

        QVERIFY(!shippedTable().isEmpty());
        SettingsState state = cities({line}, true);
        state.displayOptions.displayOppositeDate = false;
        const QTimeZone database = zone.isEmpty() ? QTimeZone::utc() : QTimeZone(zone.toLatin1());
        QVERIFY(database.isValid());
        // The second before, the second of and the hour after: the database's local time. The
        // computer's own zone plays no part when zones are followed.
        for (const qint64 seconds : {-1, 0, 3600}) {
            const QDateTime at = change.addSecs(seconds);
            const QDateTime local = at.toTimeZone(database);
            const QString expected = line.section(u'!', 0, 0) + u'\t' +
                                     local.toString(u"HH:mm:ss\tyyyy/MM/dd"_s) + u"\t\t"_s + zone;
            QCOMPARE(clockTextLines(state, shippedTable(), at.toTimeZone(QTimeZone("Asia/Kolkata")),
                                    English),
                     QStringList{expected});
        }
    }

    void fileWithoutFollowDstAsText()
    {
        // A settings file from before Follow_DST: the computer's clock read as London's time.
        const SettingsState state = loadSettings(ProfileDocument::fromText(
            u"[Settings]\r\nLocal=London!+00:00!GBR.bmp\r\nClocks=03\r\n"
            u"[Clock_01]\r\nCountry/City=New York!-05:00!USA.bmp\r\n"
            u"[Clock_02]\r\nCountry/City=00\r\n"
            u"[Clock_03]\r\nCountry/City=Tab\tCity!+05:30!IND.bmp\r\n"
            u"[Options]\r\nDisplay_Time=1\r\nTimeFormat=3\r\nDisplay_Date=0\r\n"
            u"Display_OpsDate=1\r\nOpsDateFormat=2\r\nOpsDateDiff=2\r\n"_s));
        // "00" has no line; the hidden date row an empty field; a tab in a name becomes a blank.
        const QDateTime now(QDate(2024, 7, 7), QTime(12, 0), Qt::OffsetFromUTC, 2 * 3600);
        QCOMPARE(clockTextLines(state, shippedTable(), now, English),
                 (QStringList{u"New York\t07:00:00\t\t1446/01/01\t"_s,
                              u"Tab City\t17:30:00\t\t1446/01/01\t"_s}));
        // A copy leaves the hidden row out.
        const QList<ClockFields> fields = clockFields(ZoneClockSet(state, English, now), now);
        QCOMPARE(copyLine(fields.front()), u"New York  07:00:00  1446/01/01"_s);
    }

    void toolTips()
    {
        const auto tip = [](const QString &line, const QDateTime &instant) {
            const QDateTime now = instant.toTimeZone(Berlin);
            return ZoneClockSet(cities({line}, true), English, now).cityToolTip(0, now);
        };
        const QString newYork = u"New York (-05:00, now -05:00 America/New_York)\n\u22126 h"_s;
        QCOMPARE(tip(NewYork, utc(2026, 1, 15, {23, 30})), newYork + u", yesterday"_s);
        // A change of the zone's offset is told from 14 days before it.
        QCOMPARE(tip(NewYork, utc(2026, 2, 22, {6, 59, 59})), newYork);
        QCOMPARE(tip(NewYork, utc(2026, 2, 22, {7, 0})),
                 newYork + u"\nClocks go forward on Sun 8 Mar 2026 at 02:00, to -04:00"_s);
        // Irish winter time is a negative saving in the database.
        QCOMPARE(tip(u"Dublin!+00:00!IRL.bmp"_s, utc(2026, 10, 20, {12, 0})),
                 u"Dublin (+00:00, now +01:00 Europe/Dublin)\n\u22121 h\n"
                 u"Clocks go back on Sun 25 Oct 2026 at 02:00, to +00:00"_s);
        QCOMPARE(tip(u"Kanata!-05:00!CAN.bmp"_s, utc(2026, 1, 15, {12, 0})),
                 u"Kanata (-05:00)\nFixed offset: the zones America/Atikokan, America/Iqaluit, "
                 u"America/Toronto fit this city but keep different times."_s);
    }
};

QTEST_GUILESS_MAIN(TestZoneRules)
#include "tst_zonerules.moc"
