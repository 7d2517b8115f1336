#include "app/displayoptions.h"
#include "zonetime/datepattern.h"
#include "zonetime/datetexts.h"
#include "zonetime/localedigits.h"
#include "zonetime/timetext.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);

DisplayOptions oppositeOptions(qint16 format, qint16 diff)
{
    DisplayOptions options;
    options.displayOpsDate = true;
    options.opsDateFormat = format;
    options.opsDateDiff = diff;
    return options;
}

} // namespace

class TestDateTexts final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void patternWritesWhatQtWrites_data();
    void patternWritesWhatQtWrites();
    void dateSeparator_data();
    void dateSeparator();
    void dateText_data();
    void dateText();
    void oppositeDate_data();
    void oppositeDate();
    void replaceWeekday_data();
    void replaceWeekday();
    void timeText_data();
    void timeText();
    void timeTextUsesTheLocaleDigits();
};

void TestDateTexts::patternWritesWhatQtWrites_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QDate>("date");

    const QList<QLocale> locales{English,
                                 German,
                                 QLocale(QLocale::Russian, QLocale::Russia),
                                 QLocale(QLocale::Arabic, QLocale::Egypt),
                                 QLocale(QLocale::Japanese, QLocale::Japan),
                                 QLocale(QLocale::Bulgarian, QLocale::Bulgaria),
                                 QLocale(QLocale::Hungarian, QLocale::Hungary)};
    const QStringList patterns{
        u"dd/MM/yyyy"_s,         u"d.M.yy"_s,      u"ddd MMM"_s,     u"'d''M' d 'MMMM'''"_s,
        u"yyy y yyyyy dddddd"_s, u"MMMMM hh:mm"_s, u"''d'unclosed"_s};
    const QList<QDate> dates{QDate(2024, 7, 7), QDate(1999, 12, 31), QDate(2005, 2, 9)};
    for (const QLocale &locale : locales) {
        for (const QDate &date : dates) {
            const QString longFormat = locale.dateFormat(QLocale::LongFormat);
            QTest::addRow("%s long %s", qPrintable(locale.name()),
                          qPrintable(date.toString(Qt::ISODate)))
                << locale << longFormat << date;
        }
        for (const QString &pattern : patterns) {
            QTest::addRow("%s %s", qPrintable(locale.name()), qPrintable(pattern))
                << locale << pattern << dates.front();
        }
    }
}

void TestDateTexts::patternWritesWhatQtWrites()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, pattern);
    QFETCH(QDate, date);

    const DateFields fields{date.year(), date.month(), date.day(), date.dayOfWeek(), QCalendar()};
    QCOMPARE(DatePattern(pattern).format(fields, locale, LocaleDigits(locale)),
             locale.toString(date, pattern));
}

void TestDateTexts::dateSeparator_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("separator");

    QTest::newRow("en_US M/d/yy") << English << u"/"_s;
    QTest::newRow("de_DE dd.MM.yy") << German << u"."_s;
    QTest::newRow("sv_SE y-MM-dd") << QLocale(QLocale::Swedish, QLocale::Sweden) << u"-"_s;
    QTest::newRow("hu_HU y. MM. dd.") << QLocale(QLocale::Hungarian, QLocale::Hungary) << u". "_s;
    QTest::newRow("ar_EG with its direction mark")
        << QLocale(QLocale::Arabic, QLocale::Egypt) << u"\u200F/"_s;
    QTest::newRow("C: only blanks between fields") << QLocale::c() << u"/"_s;
}

void TestDateTexts::dateSeparator()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, separator);
    QCOMPARE(DatePattern::dateSeparator(locale), separator);
}

void TestDateTexts::dateText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<qint16>("format");
    QTest::addColumn<std::optional<QString>>("text");

    QTest::newRow("0 day first") << English << true << qint16(0) << std::optional(u"05/03/2024"_s);
    QTest::newRow("1 month first")
        << English << true << qint16(1) << std::optional(u"03/05/2024"_s);
    QTest::newRow("2 year first") << English << true << qint16(2) << std::optional(u"2024/03/05"_s);
    QTest::newRow("3 long") << English << true << qint16(3)
                            << std::optional(u"Tuesday, March 5, 2024"_s);
    QTest::newRow("0 German separator")
        << German << true << qint16(0) << std::optional(u"05.03.2024"_s);
    QTest::newRow("3 German long")
        << German << true << qint16(3) << std::optional(u"Dienstag, 5. März 2024"_s);
    QTest::newRow("format 4 makes none")
        << English << true << qint16(4) << std::optional<QString>();
    QTest::newRow("format -1 makes none")
        << English << true << qint16(-1) << std::optional<QString>();
    QTest::newRow("row off makes none")
        << English << false << qint16(0) << std::optional<QString>();
}

void TestDateTexts::dateText()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, shown);
    QFETCH(qint16, format);
    QFETCH(std::optional<QString>, text);

    DisplayOptions options;
    options.displayDate = shown;
    options.dateFormat = format;
    QCOMPARE(DateTexts(options, locale).date(QDate(2024, 3, 5)), text);
}

void TestDateTexts::oppositeDate_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<DisplayOptions>("options");
    QTest::addColumn<QDate>("zoneDate");
    QTest::addColumn<std::optional<QString>>("text");

    // 2012-01-01, a Sunday, is 7 Safar 1433.
    const QDate sunday(2012, 1, 1);
    QTest::newRow("diff 0 is two days before")
        << English << oppositeOptions(0, 0) << sunday << std::optional(u"05/02/1433"_s);
    QTest::newRow("diff 1 is one day before")
        << English << oppositeOptions(0, 1) << sunday << std::optional(u"06/02/1433"_s);
    QTest::newRow("diff 2 is the day itself")
        << English << oppositeOptions(0, 2) << sunday << std::optional(u"07/02/1433"_s);
    QTest::newRow("diff 4 is two days after")
        << English << oppositeOptions(0, 4) << sunday << std::optional(u"09/02/1433"_s);
    QTest::newRow("diff 0 month first")
        << English << oppositeOptions(1, 0) << sunday << std::optional(u"02/05/1433"_s);
    QTest::newRow("year first") << English << oppositeOptions(2, 2) << sunday
                                << std::optional(u"1433/02/07"_s);
    QTest::newRow("German separator")
        << German << oppositeOptions(0, 2) << sunday << std::optional(u"07.02.1433"_s);
    QTest::newRow("shift across the Hijri year")
        << English << oppositeOptions(0, 3) << QDate(2005, 2, 9) << std::optional(u"01/01/1426"_s);
    QTest::newRow("shift back into day 30 of a leap year")
        << English << oppositeOptions(2, 1) << QDate(2005, 2, 10) << std::optional(u"1425/12/30"_s);
    QTest::newRow("long, same day")
        << English << oppositeOptions(3, 2) << sunday << std::optional(u"Sunday, Safar 7, 1433"_s);
    QTest::newRow("long +2 keeps the zone date's weekday")
        << English << oppositeOptions(3, 4) << sunday << std::optional(u"Sunday, Safar 9, 1433"_s);
    QTest::newRow("long -2 keeps the zone date's weekday")
        << English << oppositeOptions(3, 0) << sunday << std::optional(u"Sunday, Safar 5, 1433"_s);
    QTest::newRow("German long +2")
        << German << oppositeOptions(3, 4) << sunday << std::optional(u"Sonntag, 9. Safar 1433"_s);
    QTest::newRow("Arabic digits and names")
        << QLocale(QLocale::Arabic, QLocale::SaudiArabia) << oppositeOptions(3, 2)
        << QDate(2024, 7, 7) << std::optional(u"الأحد، ١ محرم ١٤٤٦"_s);
    QTest::newRow("diff 5 makes none")
        << English << oppositeOptions(0, 5) << sunday << std::optional<QString>();
    QTest::newRow("diff -1 makes none")
        << English << oppositeOptions(0, -1) << sunday << std::optional<QString>();
    QTest::newRow("format 4 makes none")
        << English << oppositeOptions(4, 2) << sunday << std::optional<QString>();
    DisplayOptions off = oppositeOptions(0, 2);
    off.displayOpsDate = false;
    QTest::newRow("row off makes none") << English << off << sunday << std::optional<QString>();
    QTest::newRow("before the Hijri epoch is empty")
        << English << oppositeOptions(0, 2) << QDate(600, 1, 1) << std::optional(QString());
}

void TestDateTexts::oppositeDate()
{
    QFETCH(QLocale, locale);
    QFETCH(DisplayOptions, options);
    QFETCH(QDate, zoneDate);
    QFETCH(std::optional<QString>, text);

    QCOMPARE(DateTexts(options, locale).oppositeDate(zoneDate), text);
}

void TestDateTexts::replaceWeekday_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("shownDay");
    QTest::addColumn<int>("wantedDay");
    QTest::addColumn<QString>("result");

    QTest::newRow("long name replaced whole")
        << English << u"Tuesday, Safar 9, 1433"_s << 2 << 7 << u"Sunday, Safar 9, 1433"_s;
    QTest::newRow("short name when no long one")
        << English << u"Tue 9 Safar 1433"_s << 2 << 7 << u"Sun 9 Safar 1433"_s;
    QTest::newRow("letter case ignored")
        << English << u"9 SAFAR, TUESDAY"_s << 2 << 1 << u"9 SAFAR, Monday"_s;
    QTest::newRow("only the first occurrence") << English << u"Mon Mon"_s << 1 << 5 << u"Fri Mon"_s;
    QTest::newRow("no weekday leaves the text")
        << English << u"9 Safar 1433"_s << 2 << 7 << u"9 Safar 1433"_s;
    QTest::newRow("a one-letter short name is not hunted inside words")
        << QLocale(QLocale::Hungarian, QLocale::Hungary) << u"1433. Moharrem 9., hétfő"_s << 1 << 3
        << u"1433. Moharrem 9., szerda"_s;
}

void TestDateTexts::replaceWeekday()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(int, shownDay);
    QFETCH(int, wantedDay);
    QFETCH(QString, result);

    QCOMPARE(DateTexts::replaceWeekday(text, shownDay, wantedDay, locale), result);
}

void TestDateTexts::timeText_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<std::optional<QString>>("text");

    const QTime afternoon(14, 5, 9);
    QTest::newRow("0 afternoon") << 0 << afternoon << std::optional(u"02:05 PM"_s);
    QTest::newRow("1 afternoon") << 1 << afternoon << std::optional(u"14:05"_s);
    QTest::newRow("2 afternoon") << 2 << afternoon << std::optional(u"02:05:09 PM"_s);
    QTest::newRow("3 afternoon") << 3 << afternoon << std::optional(u"14:05:09"_s);
    QTest::newRow("0 after midnight is 12 AM") << 0 << QTime(0, 5) << std::optional(u"12:05 AM"_s);
    QTest::newRow("2 noon is 12 PM") << 2 << QTime(12, 0) << std::optional(u"12:00:00 PM"_s);
    QTest::newRow("2 before noon") << 2 << QTime(11, 59, 59) << std::optional(u"11:59:59 AM"_s);
    QTest::newRow("4 makes none") << 4 << afternoon << std::optional<QString>();
}

void TestDateTexts::timeText()
{
    QFETCH(int, format);
    QFETCH(QTime, time);
    QFETCH(std::optional<QString>, text);

    const TimeText timeText(format, English);
    QCOMPARE(timeText.text(time), text);
    QCOMPARE(timeText.hasFormat(), text.has_value());
}

void TestDateTexts::timeTextUsesTheLocaleDigits()
{
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    const QTime time(14, 5, 9);
    QCOMPARE(TimeText(3, arabic).text(time), std::optional(arabic.toString(time, u"hh:mm:ss"_s)));
    QCOMPARE(TimeText(0, arabic).text(time),
             std::optional(arabic.toString(QTime(2, 5), u"hh:mm"_s) + u' ' + arabic.pmText()));
}

QTEST_GUILESS_MAIN(TestDateTexts)
#include "tst_datetexts.moc"
