#include "settings/appfolder.h"
#include "settings/profiledocument.h"
#include "settings/settingsloader.h"
#include "zonetime/clocklines.h"
#include "zonetime/zoneclockset.h"
#include "zonetime/zonetable.h"

#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);

QDateTime utc(int year, int month, int day, QTime time)
{
    return QDateTime(QDate(year, month, day), time, Qt::UTC);
}

} // namespace

class TestClockLines final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void factoryCitiesAroundChanges_data();
    void factoryCitiesAroundChanges();
    void asTheWindowShowsThem();
};

void TestClockLines::factoryCitiesAroundChanges_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QDateTime>("instant");
    QTest::addColumn<QString>("expected"); // the whole line

    // The time-zone database's readings a second before a change, at it and an hour after, two
    // cities of each hemisphere and two that do not change.
    const auto change = [](const QString &line, const QDateTime &at, const QStringList &readings,
                           const QString &zone) {
        const QString name = line.section(u'!', 0, 0);
        const QDateTime instants[] = {at.addSecs(-1), at, at.addSecs(3600)};
        for (int i = 0; i < 3; ++i)
            QTest::addRow("%s %s", qPrintable(name), qPrintable(instants[i].toString(Qt::ISODate)))
                << line << instants[i] << name + u'\t' + readings[i] + u"\t\t"_s + zone;
    };
    change(u"New York!-05:00!USA.bmp"_s, utc(2026, 11, 1, {6, 0}),
           {u"01:59:59\t2026/11/01"_s, u"01:00:00\t2026/11/01"_s, u"02:00:00\t2026/11/01"_s},
           u"America/New_York"_s);
    change(u"London!+00:00!GBR.bmp"_s, utc(2027, 3, 28, {1, 0}),
           {u"00:59:59\t2027/03/28"_s, u"02:00:00\t2027/03/28"_s, u"03:00:00\t2027/03/28"_s},
           u"Europe/London"_s);
    change(u"Dublin!+00:00!IRL.bmp"_s, utc(2027, 10, 31, {1, 0}),
           {u"01:59:59\t2027/10/31"_s, u"01:00:00\t2027/10/31"_s, u"02:00:00\t2027/10/31"_s},
           u"Europe/Dublin"_s);
    change(u"Sydney!+10:00!AUS.bmp"_s, utc(2027, 4, 3, {16, 0}),
           {u"02:59:59\t2027/04/04"_s, u"02:00:00\t2027/04/04"_s, u"03:00:00\t2027/04/04"_s},
           u"Australia/Sydney"_s);
    change(u"Santiago!-04:00!CHL.bmp"_s, utc(2026, 9, 6, {4, 0}),
           {u"23:59:59\t2026/09/05"_s, u"01:00:00\t2026/09/06"_s, u"02:00:00\t2026/09/06"_s},
           u"America/Santiago"_s);
    // Queensland keeps +10:00 while Sydney goes forward.
    change(u"Lindeman Island!+10:00!AUS.bmp"_s, utc(2026, 10, 3, {16, 0}),
           {u"01:59:59\t2026/10/04"_s, u"02:00:00\t2026/10/04"_s, u"03:00:00\t2026/10/04"_s},
           u"Australia/Lindeman"_s);
    // A line with no single zone keeps its fixed offset.
    change(u"Antarctica!+00:00!ATA.bmp"_s, utc(2027, 3, 28, {1, 0}),
           {u"00:59:59\t2027/03/28"_s, u"01:00:00\t2027/03/28"_s, u"02:00:00\t2027/03/28"_s},
           QString());
}

void TestClockLines::factoryCitiesAroundChanges()
{
    QFETCH(QString, line);
    QFETCH(QDateTime, instant);
    QFETCH(QString, expected);

    static const ZoneTable shipped =
        ZoneTable::read(AppFolder(QStringLiteral(KERANI_SOURCE_DATA_DIR)));
    SettingsState state;
    state.clockList = {line};
    state.clockCount = 1;
    DisplayOptions &options = state.displayOptions;
    options.followDst = true;
    options.displayTime = true;
    options.timeFormat = TimeFormat::Hours24Seconds;
    options.displayDate = true;
    options.dateFormat = DateFormat::YearMonthDay;
    // The computer's own zone plays no part when zones are followed.
    const QDateTime now = instant.toTimeZone(QTimeZone("Asia/Kolkata"));
    QCOMPARE(clockTextLines(state, shipped, now, English), QStringList{expected});
}

void TestClockLines::asTheWindowShowsThem()
{
    // A settings file from before Follow_DST: fixed offsets, the computer's clock read as the
    // local city's (London) time, so New York shows 07:00 in July as in January.
    const ProfileDocument file = ProfileDocument::fromText(
        u"[Settings]\r\nLocal=London!+00:00!GBR.bmp\r\nClocks=03\r\n"
        u"[Clock_01]\r\nCountry/City=New York!-05:00!USA.bmp\r\n"
        u"[Clock_02]\r\nCountry/City=00\r\n"
        u"[Clock_03]\r\nCountry/City=Tab\tCity!+05:30!IND.bmp\r\n"
        u"[Options]\r\nDisplay_Time=1\r\nTimeFormat=3\r\nDisplay_Date=0\r\nDateFormat=2\r\n"
        u"Display_OpsDate=1\r\nOpsDateFormat=2\r\nOpsDateDiff=2\r\n"_s);
    const SettingsState state = loadSettings(file);
    QVERIFY(!state.displayOptions.followDst);
    // 1 Muharram 1446 is 7 July 2024. The entry "00" has no column and no line; the hidden date
    // row gives empty fields; the tab in the hand-edited name becomes a blank.
    const QDateTime now(QDate(2024, 7, 7), QTime(12, 0), Qt::OffsetFromUTC, 2 * 3600);
    QCOMPARE(clockTextLines(state, ZoneTable(), now, English),
             (QStringList{u"New York\t07:00:00\t\t1446/01/01\t"_s,
                          u"Tab City\t17:30:00\t\t1446/01/01\t"_s}));
    // A copy leaves the hidden date row out instead of leaving its field empty.
    QStringList copied;
    for (const ClockFields &fields : clockFields(ZoneClockSet(state, English, now), now))
        copied.append(copyLine(fields));
    QCOMPARE(copied, (QStringList{u"New York  07:00:00  1446/01/01"_s,
                                  u"Tab City  17:30:00  1446/01/01"_s}));
}

QTEST_GUILESS_MAIN(TestClockLines)
#include "tst_clocklines.moc"
