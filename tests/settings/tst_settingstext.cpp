// The text rules of the settings: how a profile is read and edited, how values read as numbers
// and flags, what each key of Kerani.ini reads as, and how a city line splits into its fields.
#include "settings/cityentry.h"
#include "settings/profiledocument.h"
#include "settings/settingsloader.h"
#include "settings/settingsvalue.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

using Value = std::optional<QString>;
Q_DECLARE_METATYPE(Value)

namespace {

const QString kCairo = u"Cairo!+02:00!EGY.bmp"_s;

// Which rule each key follows: exact-one flags take only "1", numeric flags any number but 0,
// positions are rounded and clamped and held whatever they are, colours are colour numbers, and
// background codes match exactly. Kept places need both keys, two whole numbers within a million
// pixels and an arrangement not named before, in the first four slots.
const QString kRules =
    u"[Options]\nDisplay_Clock=01\nDisplay_Time=\" 1\"\nDisplay_Date='1 '\nDisplay_OpsDate=2\n"
    u"Follow_DST=01\nKeep_Position=1.0\nAlways_On_Top=01\nHide_SysTray_Icon=  3x\nTimeFormat=2.5\n"
    u"DateFormat=99999\nOpsDateFormat=-99999\nOpsDateDiff=3.5\n[Clocks_Style]\n"
    u"Clock_Picture=0.51\nOneColorDir=&H10\nSolid=-1\nOneColor=&HFF\nBackGround=GRT1\n"
    u"[Window_Position]\nScreens_1=A\nPlace_1=1,x\nScreens_2=B\nPlace_2= 5 , -6\nScreens_3=B\n"
    u"Place_3=7,7\nScreens_4=C\nPlace_4=1000001,0\nPlace_5=1,1\nScreens_5=D\n"_s;

SettingsState rules()
{
    SettingsState state;
    DisplayOptions &o = state.displayOptions;
    o.alwaysOnTop = o.hideSysTrayIcon = true;
    o.timeFormat = TimeFormat::AmPmSeconds;
    o.dateFormat = DateFormat(32767);
    o.oppositeDateFormat = DateFormat(-32768);
    o.oppositeDateShift = OppositeDateShift::TwoDaysOn;
    o.faceStyle = FaceStyle::Style2;
    o.gradientDirection = GradientDirection(16);
    o.solidColour = QColor(255, 255, 255);
    o.gradientColour = QColor(255, 0, 0);
    o.background = std::nullopt;
    state.keptPlaces = {{u"B"_s, QPoint(5, -6)}};
    return state;
}

} // namespace

class TestSettingsText final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<Value>("expected");
        const auto row = [](const char *name, const QString &text, const QString &key,
                            const Value &expected, const QString &section = u"S"_s) {
            QTest::newRow(name) << text << section << key << expected;
        };
        const Value missing;
        row("names ignore case", u"[settings]\nLOCAL=x\n"_s, u"Local"_s, u"x"_s, u"Settings"_s);
        row("names trimmed", u"  [ \tS ] whatever\nK=x\n"_s, u" K "_s, u"x"_s, u" S\t"_s);
        row("blanks and tabs trimmed", u"[S]\n \tK \t= \tx y \t\n"_s, u"K"_s, u"x y"_s);
        row("blank value", u"[S]\nK = \t\n"_s, u"K"_s, u""_s);
        row("quotes after trimming", u"[S]\nK =  ' a b '  \n"_s, u"K"_s, u" a b "_s);
        row("one pair only", u"[S]\nK=\"\"abc\"\"\n"_s, u"K"_s, u"\"abc\""_s);
        row("no comments; equals in the value", u"[S]\n;K=v ; c=d\n"_s, u";K"_s, u"v ; c=d"_s);
        row("key of another section", u"[A]\nK=1\n[B]\nJ=2\n"_s, u"J"_s, missing, u"A"_s);
        row("first section of a name only", u"[S]\nA=1\n[s]\nA=2\nB=3\n"_s, u"B"_s, missing);
        row("first key wins", u"[S]\nA=1\na=2\n"_s, u"A"_s, u"1"_s);
        row("mixed line ends", u"[S]\r\nA=1\nB=2\rC=3"_s, u"C"_s, u"3"_s);
        row("lone quote stays, key in any case", u"[S]\rk=\"\r"_s, u"K"_s, u"\""_s);
        row("quotes removed before the cut at 254", u"[S]\nK=\""_s + QString(300, u'y') + u"\"",
            u"K"_s, QString(254, u'y'));
    }
    void reading()
    {
        QFETCH(QString, text);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(Value, expected);
        const ProfileDocument document = ProfileDocument::fromText(text);
        QCOMPARE(document.value(section, key), expected);
        QCOMPARE(document.value(section, key, u"00"_s), expected.value_or(u"00"_s));
        QCOMPARE(document.toText(), text); // reading changes nothing
    }

    // An edit is "set|Section|Key|Value", "bad|Section|Key|Value" (refused) or "remove|Section".
    void writing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &text, const QStringList &edits,
                            const QString &expected) {
            QTest::newRow(name) << text << edits << expected;
        };
        row("value replaced in place, other characters kept",
            u"; top\n[S]\n  Key = old ; x\t\nOther=1\n"_s, {u"set|S|Key|new"_s},
            u"; top\n[S]\n  Key = new\t\nOther=1\n"_s);
        row("first section and first key written", u"[S]\nA=1\nA=5\n[S]\nA=2\n"_s,
            {u"set|S|A|9"_s, u"set|S|B|3"_s}, u"[S]\nA=9\nA=5\nB=3\r\n[S]\nA=2\n"_s);
        row("new key before the blank lines that end the section",
            u"[A]\r\nX=1\r\njunk\r\n\r\n \r\n[B]\r\n"_s, {u"set|A|Z|3"_s},
            u"[A]\r\nX=1\r\njunk\r\nZ=3\r\n\r\n \r\n[B]\r\n"_s);
        row("new key and section after an unterminated end", u"[A]\nX=1"_s,
            {u"set|A|Z|3"_s, u"set| NeW |KeY|v"_s}, u"[A]\nX=1\r\nZ=3\r\n[NeW]\r\nKeY=v\r\n"_s);
        row("section removed with its keys and blank lines, any case",
            u"[A]\r\nX=1\r\nnot a key\r\n\r\n[B]\r\nY=2\r\n[C]\r\n"_s,
            {u"remove|a"_s, u"remove|X"_s}, u"[B]\r\nY=2\r\n[C]\r\n"_s);
        row("values that would not read back are stored in quotes", u""_s,
            {u"set|S|K| padded\t"_s, u"set|S|Q|'quoted'"_s, u"set|S|E|\"\""_s},
            u"[S]\r\nK=\" padded\t\"\r\nQ=\"'quoted'\"\r\nE=\"\"\"\"\r\n"_s);
        // Refused: a line break, "=" in the key, a key line that would read as a header ("[Q" is
        // a key until a value brings a "]").
        const QString text = u"[S]\r\nK=old\r\n[Q=old\r\n"_s;
        for (const QString &edit : {u"S|K|a\n[S]\nK=b"_s, u"S|K\rL|v"_s, u"S|K=L|v"_s, u"S|[Q|x]"_s,
                                    u"T| [K|]"_s, u"|K|v"_s})
            QTest::addRow("refused: %s", qPrintable(edit))
                << text << QStringList{u"bad|"_s + edit} << text;
    }
    void writing()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, edits);
        QFETCH(QString, expected);
        ProfileDocument document = ProfileDocument::fromText(text);
        for (const QString &edit : edits) {
            const QStringList parts = edit.split(u'|');
            if (parts.front() != u"remove")
                QCOMPARE(document.setValue(parts[1], parts[2], parts[3]), parts.front() == u"set");
            else
                document.removeSection(parts[1]);
        }
        QCOMPARE(document.toText(), expected);
        QCOMPARE(ProfileDocument::fromText(expected).toText(), expected); // reads as written
    }

    void numbers_data()
    {
        // The number, the flags, and the 16- and 32-bit whole numbers (both round halves to even
        // and clamp to their range).
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::addColumn<int>("whole");
        QTest::addColumn<qint32>("colour");
        const qint32 max = std::numeric_limits<qint32>::max();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("the missing-key text") << u"00"_s << 0.0 << 0 << 0;
        QTest::newRow("1") << u"1"_s << 1.0 << 1 << 1;
        QTest::newRow("blanks before, text after") << u" \t\r\n1x"_s << 1.0 << 1 << 1;
        QTest::newRow("half down to even") << u"+2.5"_s << 2.5 << 2 << 2;
        QTest::newRow("half up to even") << u"3.5"_s << 3.5 << 4 << 4;
        QTest::newRow("exponent D") << u"25D-1x"_s << 2.5 << 2 << 2;
        QTest::newRow("16-bit too large") << u"32768"_s << 32768.0 << 32767 << 32768;
        QTest::newRow("hexadecimal, trailing text") << u" &hffzz"_s << 255.0 << 255 << 255;
        QTest::newRow("hexadecimal 32-bit pattern") << u"&HFFFFFFFF"_s << -1.0 << -1 << -1;
        QTest::newRow("octal") << u"&O17"_s << 15.0 << 15 << 15;
        QTest::newRow("huge") << u"1e999"_s << inf << 32767 << max;
    }
    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(SettingsValue::numericValue(text), number);
        QCOMPARE(SettingsValue::exactOneFlag(text), text == u"1");
        QCOMPARE(SettingsValue::numericFlag(text), number != 0);
        QTEST(int(SettingsValue::wholeNumber(text)), "whole");
        QTEST(SettingsValue::colourNumber(text), "colour");
    }

    void keysReadByTheirRules()
    {
        QVERIFY(loadSettings(ProfileDocument::fromText(kRules)) == rules());
        // A clock without its section or key reads as "00"; sections beyond the count are not read.
        const SettingsState clocks = loadSettings(ProfileDocument::fromText(
            QString(u"[Settings]\nClocks=3\n[Clock_01]\nCountry/City="_s + kCairo +
                    u"\n[Clock_02]\n[Clock_04]\nCountry/City=x\n[Clock_03]\nCountry/City=c\n"_s)));
        QCOMPARE(clocks.clockList, (QStringList{kCairo, u"00"_s, u"c"_s}));
        QCOMPARE(clocks.clockCount, qint16(3));
        const QString negative = u"[Settings]\nClocks=-5\n[Clock_01]\nCountry/City=x\n"_s;
        QCOMPARE(loadSettings(ProfileDocument::fromText(negative)).clockCount, qint16(0));
    }

    void cityLineFieldsByPosition()
    {
        // Taken from the end, so a name may hold "!".
        const CityEntry entry{u"A!b"_s, u"+02:00"_s, u"EGY.bmp"_s};
        QCOMPARE(CityEntry::fromLine(u"A!b!+02:00!EGY.bmp"), std::optional(entry));
        QCOMPARE(entry.toLine(), u"A!b!+02:00!EGY.bmp"_s);
        QCOMPARE(CityEntry::fromLine(u"!+02:00!EGY.bmp")->name, QString());
        QCOMPARE(CityEntry::fromLine(u"+02:00!EGY.bmp"), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestSettingsText)
#include "tst_settingstext.moc"
