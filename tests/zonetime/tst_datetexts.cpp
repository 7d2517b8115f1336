#include "settings/settingsstate.h"
#include "zonetime/datepattern.h"
#include "zonetime/digits.h"
#include "zonetime/rowtexts.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);

/// Both date rows on with the given formats and shift.
DisplayOptions withFormats(qint16 dateFormat, qint16 opsDateFormat, qint16 opsDateDiff)
{
    DisplayOptions options;
    options.displayDate = true;
    options.dateFormat = DateFormat(dateFormat);
    options.displayOppositeDate = true;
    options.oppositeDateFormat = DateFormat(opsDateFormat);
    options.oppositeDateShift = OppositeDateShift(opsDateDiff);
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
    void dateTexts_data();
    void dateTexts();
    void replaceWeekday_data();
    void replaceWeekday();
    void timeText_data();
    void timeText();
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

void TestDateTexts::dateTexts_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<DisplayOptions>("options");
    QTest::addColumn<QDate>("zoneDate");
    QTest::addColumn<std::optional<QString>>("date");
    QTest::addColumn<std::optional<QString>>("oppositeDate");

    const auto row = [](const char *name, const QLocale &locale, const DisplayOptions &options,
                        QDate zoneDate, const std::optional<QString> &date,
                        const std::optional<QString> &opposite) {
        QTest::newRow(name) << locale << options << zoneDate << date << opposite;
    };
    // 2024-03-05 is a Tuesday; 2012-01-01, a Sunday, is 7 Safar 1433.
    const QDate tuesday(2024, 3, 5);
    const QDate sunday(2012, 1, 1);
    const std::optional<QString> none;
    row("0 day first", English, withFormats(0, 5, 5), tuesday, u"05/03/2024"_s, none);
    row("1 month first", English, withFormats(1, 5, 5), tuesday, u"03/05/2024"_s, none);
    row("2 year first", English, withFormats(2, 5, 5), tuesday, u"2024/03/05"_s, none);
    row("3 long", English, withFormats(3, 5, 5), tuesday, u"Tuesday, March 5, 2024"_s, none);
    row("3 German long", German, withFormats(3, 5, 5), tuesday, u"Dienstag, 5. März 2024"_s, none);
    row("date format 4 makes none", English, withFormats(4, 5, 5), tuesday, none, none);
    row("date format -1 makes none", English, withFormats(-1, 5, 5), tuesday, none, none);
    DisplayOptions dateOff = withFormats(0, 0, 2);
    dateOff.displayDate = false;
    row("date row off makes none", English, dateOff, sunday, none, u"07/02/1433"_s);

    row("diff 0 is two days before", English, withFormats(-1, 0, 0), sunday, none, u"05/02/1433"_s);
    row("diff 2 is the day itself", English, withFormats(-1, 0, 2), sunday, none, u"07/02/1433"_s);
    row("diff 4 is two days after", English, withFormats(-1, 0, 4), sunday, none, u"09/02/1433"_s);
    row("year first", English, withFormats(-1, 2, 2), sunday, none, u"1433/02/07"_s);
    row("German separator", German, withFormats(-1, 0, 2), sunday, none, u"07.02.1433"_s);
    row("shift across the Hijri year", English, withFormats(-1, 0, 3), QDate(2005, 2, 9), none,
        u"01/01/1426"_s);
    row("shift back into day 30 of a leap year", English, withFormats(-1, 2, 1), QDate(2005, 2, 10),
        none, u"1425/12/30"_s);
    row("long +2 keeps the zone date's weekday", English, withFormats(-1, 3, 4), sunday, none,
        u"Sunday, Safar 9, 1433"_s);
    row("German long +2", German, withFormats(-1, 3, 4), sunday, none, u"Sonntag, 9. Safar 1433"_s);
    row("Arabic digits and names", QLocale(QLocale::Arabic, QLocale::SaudiArabia),
        withFormats(-1, 3, 2), QDate(2024, 7, 7), none, u"الأحد، ١ محرم ١٤٤٦"_s);
    row("diff 5 makes none", English, withFormats(-1, 0, 5), sunday, none, none);
    row("diff -1 makes none", English, withFormats(-1, 0, -1), sunday, none, none);
    row("opposite format 4 makes none", English, withFormats(-1, 4, 2), sunday, none, none);
    DisplayOptions oppositeOff = withFormats(-1, 0, 2);
    oppositeOff.displayOppositeDate = false;
    row("opposite row off makes none", English, oppositeOff, sunday, none, none);
    // Years the four-digit year cannot write give no text rather than "00-1" or five digits.
    row("year before 1 is empty", English, withFormats(0, 0, 2), QDate(-1, 12, 31), QString(),
        QString());
    row("year after 9999 is empty", English, withFormats(3, 5, 5), QDate(10000, 1, 1), QString(),
        none);
    row("last day of 9999", English, withFormats(2, 2, 2), QDate(9999, 12, 31), u"9999/12/31"_s,
        u"9666/04/03"_s);
    row("before the Hijri epoch is empty", English, withFormats(-1, 0, 2), QDate(600, 1, 1), none,
        QString());
}

void TestDateTexts::dateTexts()
{
    QFETCH(QLocale, locale);
    QFETCH(DisplayOptions, options);
    QFETCH(QDate, zoneDate);

    const DateTexts texts(options, locale);
    QTEST(texts.date(zoneDate), "date");
    QTEST(texts.oppositeDate(zoneDate), "oppositeDate");
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
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("format");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<std::optional<QString>>("text");

    const QTime afternoon(14, 5, 9);
    const auto row = [](const char *name, const QLocale &locale, int format, QTime time,
                        const std::optional<QString> &text) {
        QTest::newRow(name) << locale << format << time << text;
    };
    row("0 afternoon", English, 0, afternoon, u"02:05 PM"_s);
    row("1 afternoon", English, 1, afternoon, u"14:05"_s);
    row("2 afternoon", English, 2, afternoon, u"02:05:09 PM"_s);
    row("3 afternoon", English, 3, afternoon, u"14:05:09"_s);
    row("0 after midnight is 12 AM", English, 0, QTime(0, 5), u"12:05 AM"_s);
    row("2 noon is 12 PM", English, 2, QTime(12, 0), u"12:00:00 PM"_s);
    row("2 before noon", English, 2, QTime(11, 59, 59), u"11:59:59 AM"_s);
    row("4 makes none", English, 4, afternoon, std::nullopt);
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    row("3 in the locale's digits", arabic, 3, afternoon,
        arabic.toString(afternoon, u"hh:mm:ss"_s));
    row("0 in the locale's digits and PM text", arabic, 0, afternoon,
        arabic.toString(QTime(2, 5), u"hh:mm"_s) + u' ' + arabic.pmText());
}

void TestDateTexts::timeText()
{
    QFETCH(QLocale, locale);
    QFETCH(int, format);
    QFETCH(QTime, time);
    QFETCH(std::optional<QString>, text);

    const TimeText timeText(TimeFormat(format), locale);
    QCOMPARE(timeText.text(time), text);
    QCOMPARE(timeText.hasFormat(), text.has_value());
}

QTEST_GUILESS_MAIN(TestDateTexts)
#include "tst_datetexts.moc"
