#include "settings/profiledocument.h"

#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

using Value = std::optional<QString>;
Q_DECLARE_METATYPE(Value)

namespace {

// An edit is "set|Section|Key|Value" or "remove|Section".
void applyEdits(ProfileDocument &document, const QStringList &edits)
{
    for (const QString &edit : edits) {
        const QStringList parts = edit.split(u'|');
        if (parts.front() == u"set")
            QVERIFY(document.setValue(parts[1], parts[2], parts[3]));
        else
            document.removeSection(parts[1]);
    }
}

// Most rows query section "S".
void readRow(const char *name, const QString &text, const QString &key, const Value &expected,
             const QString &section = u"S"_s)
{
    QTest::newRow(name) << text << section << key << expected;
}

void writeRow(const char *name, const QString &text, const QStringList &edits,
              const QString &expected)
{
    QTest::newRow(name) << text << edits << expected;
}

} // namespace

class TestProfileDocument final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<Value>("expected");
        const Value missing;

        readRow("plain", u"[Settings]\r\nLocal=Cairo\r\n"_s, u"Local"_s, u"Cairo"_s, u"Settings"_s);
        readRow("names ignore case", u"[settings]\nLOCAL=x\n"_s, u"Local"_s, u"x"_s, u"Settings"_s);
        readRow("case folding is ASCII only", u"[\u00C4b]\nK=x\n"_s, u"K"_s, missing, u"\u00E4B"_s);
        readRow("header name trimmed", u"[ \tS ]\nK=x\n"_s, u"K"_s, u"x"_s);
        readRow("query names trimmed", u"[S]\nK=x\n"_s, u" K "_s, u"x"_s, u" S\t"_s);
        readRow("indented header, text after it", u"  [S] whatever\nA=1\n"_s, u"A"_s, u"1"_s);
        readRow("blanks and tabs trimmed", u"[S]\n \tK \t= \tx y \t\n"_s, u"K"_s, u"x y"_s);
        readRow("double quotes", u"[S]\nK=\"abc\"\n"_s, u"K"_s, u"abc"_s);
        readRow("single quotes", u"[S]\nK='abc'\n"_s, u"K"_s, u"abc"_s);
        readRow("quotes after trimming", u"[S]\nK =  \" a b \"  \n"_s, u"K"_s, u" a b "_s);
        readRow("mismatched quotes stay", u"[S]\nK=\"abc'\n"_s, u"K"_s, u"\"abc'"_s);
        readRow("quotes not outer stay", u"[S]\nK=\"abc\" def\n"_s, u"K"_s, u"\"abc\" def"_s);
        readRow("one pair only", u"[S]\nK=\"\"abc\"\"\n"_s, u"K"_s, u"\"abc\""_s);
        readRow("lone quote stays", u"[S]\nK=\"\n"_s, u"K"_s, u"\""_s);
        readRow("empty quotes", u"[S]\nK=\"\"\n"_s, u"K"_s, u""_s);
        readRow("semicolon is part of the key", u"[S]\n;K=x\n"_s, u";K"_s, u"x"_s);
        readRow("semicolon is part of the value", u"[S]\nK=v ; c\n"_s, u"K"_s, u"v ; c"_s);
        readRow("equals in the value", u"[S]\nK=a=b\n"_s, u"K"_s, u"a=b"_s);
        readRow("line without equals is no key", u"[S]\nK\n"_s, u"K"_s, missing);
        readRow("empty value", u"[S]\nK=\n"_s, u"K"_s, u""_s);
        readRow("blank value", u"[S]\nK = \t\n"_s, u"K"_s, u""_s);
        readRow("missing key", u"[S]\nA=1\n"_s, u"B"_s, missing);
        readRow("missing section", u"[S]\nA=1\n"_s, u"A"_s, missing, u"T"_s);
        readRow("key of another section", u"[A]\nK=1\n[B]\nJ=2\n"_s, u"J"_s, missing, u"A"_s);
        readRow("key before any section", u"K=1\n[S]\nJ=2\n"_s, u"K"_s, missing);
        readRow("header without bracket is no header", u"[S\nA=1\n"_s, u"A"_s, missing);
        // The second [s] is neither searched nor merged into the first.
        readRow("first section of a name only", u"[S]\nA=1\n[s]\nA=2\nB=3\n"_s, u"B"_s, missing);
        readRow("first key wins", u"[S]\nA=1\na=2\n"_s, u"A"_s, u"1"_s);
        readRow("CR line ends", u"[S]\rA=1\r[T]\rC=3"_s, u"C"_s, u"3"_s, u"T"_s);
        readRow("mixed line ends", u"[S]\r\nA=1\nB=2\rC=3"_s, u"C"_s, u"3"_s);
        readRow("300 characters read as 254", u"[S]\nK="_s + QString(300, u'x'), u"K"_s,
                QString(254, u'x'));
        readRow("quotes removed before the cut", u"[S]\nK=\""_s + QString(300, u'y') + u"\""_s,
                u"K"_s, QString(254, u'y'));
        readRow("no half character at the cut", u"[S]\nK="_s + QString(253, u'z') + u"\U0001F600"_s,
                u"K"_s, QString(253, u'z'));
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

    void writing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("expected");

        writeRow("value replaced in place, other characters kept",
                 u"; top\n[S]\n  Key = old ; x\t\nOther=1\n"_s, {u"set|S|Key|new"_s},
                 u"; top\n[S]\n  Key = new\t\nOther=1\n"_s);
        writeRow("quoted value replaced", u"[S]\r\nK=\"old\"\r\n"_s, {u"set|S|K|new"_s},
                 u"[S]\r\nK=new\r\n"_s);
        writeRow("value that reads the same is left as it is", u"[S]\r\nK = \"abc\"  \r\n"_s,
                 {u"set|S|K|abc"_s}, u"[S]\r\nK = \"abc\"  \r\n"_s);
        writeRow("CR-only file keeps its line ends", u"[S]\rA=1\rB=2\r"_s, {u"set|S|A|9"_s},
                 u"[S]\rA=9\rB=2\r"_s);
        writeRow("empty value filled", u"[S]\nK=\nL = \n"_s, {u"set|S|K|1"_s, u"set|S|L|2"_s},
                 u"[S]\nK=1\nL = 2\n"_s);
        writeRow("key spelling in the file kept", u"[s]\nkey=1\n"_s, {u"set|S|KEY|2"_s},
                 u"[s]\nkey=2\n"_s);
        writeRow("first section and first key written", u"[S]\nA=1\nA=5\n[S]\nA=2\n"_s,
                 {u"set|S|A|9"_s, u"set|S|B|3"_s}, u"[S]\nA=9\nA=5\nB=3\r\n[S]\nA=2\n"_s);
        writeRow("new key before the blank lines that end the section",
                 u"[A]\r\nX=1\r\n\r\n \r\n[B]\r\nY=2\r\n"_s, {u"set|A|Z|3"_s},
                 u"[A]\r\nX=1\r\nZ=3\r\n\r\n \r\n[B]\r\nY=2\r\n"_s);
        writeRow("new key after a keyless line of the section", u"[A]\nX=1\njunk\n\n[B]\n"_s,
                 {u"set|A|Z|3"_s}, u"[A]\nX=1\njunk\nZ=3\r\n\n[B]\n"_s);
        writeRow("new key under a bare header", u"[A]\n[B]\n"_s, {u"set|A|K|v"_s},
                 u"[A]\nK=v\r\n[B]\n"_s);
        writeRow("new key at the unterminated end", u"[A]\nX=1"_s, {u"set|A|Z|3"_s},
                 u"[A]\nX=1\r\nZ=3\r\n"_s);
        // A ^Z that ends the file is not read (see TextFile): it gets a line end after it.
        writeRow("value ending with ^Z on the unterminated last line", u"[A]\nX=1"_s,
                 {u"set|A|X|2\x1a"_s}, u"[A]\nX=2\x1a\r\n"_s);
        writeRow("new section at the end, no blank line", u"[A]\r\nX=1\r\n"_s,
                 {u"set|Clock_01|Country/City|Cairo!+02:00!EGY.bmp"_s},
                 u"[A]\r\nX=1\r\n[Clock_01]\r\nCountry/City=Cairo!+02:00!EGY.bmp\r\n"_s);
        writeRow("new section after an unterminated last line", u"[A]\nX=1"_s, {u"set|B|K|v"_s},
                 u"[A]\nX=1\r\n[B]\r\nK=v\r\n"_s);
        writeRow("new section spelled as given", u""_s, {u"set| NeWsEc |KeY|v"_s},
                 u"[NeWsEc]\r\nKeY=v\r\n"_s);
        writeRow("lines before the first section kept", u"junk\nA=1\n[S]\n"_s, {u"set|S|K|v"_s},
                 u"junk\nA=1\n[S]\nK=v\r\n"_s);
        writeRow("section removed with its keys and blank lines",
                 u"[A]\r\nX=1\r\nnot a key\r\n\r\n[B]\r\nY=2\r\n"_s, {u"remove|A"_s},
                 u"[B]\r\nY=2\r\n"_s);
        writeRow("middle section removed, any case", u"[A]\nX=1\n[B]\nY=2\n[C]\nZ=3\n"_s,
                 {u"remove|b"_s}, u"[A]\nX=1\n[C]\nZ=3\n"_s);
        writeRow("removing a missing section changes nothing", u"[A]\nX=1"_s, {u"remove|B"_s},
                 u"[A]\nX=1"_s);
        writeRow("removed section written again goes to the end", u"[A]\nX=1\n[B]\nY=2\n"_s,
                 {u"remove|A"_s, u"set|A|X|1"_s}, u"[B]\nY=2\n[A]\r\nX=1\r\n"_s);
        writeRow("value with blanks around it stored in quotes", u"[S]\r\nK=old\r\n"_s,
                 {u"set|S|K| padded\t"_s, u"set|S|N| new "_s},
                 u"[S]\r\nK=\" padded\t\"\r\nN=\" new \"\r\n"_s);
        writeRow("value in outer quotes stored in quotes", u""_s,
                 {u"set|S|K|'quoted'"_s, u"set|S|E|\"\""_s},
                 u"[S]\r\nK=\"'quoted'\"\r\nE=\"\"\"\"\r\n"_s);
        writeRow("empty section name removes nothing", u"[]\nK=1\n"_s,
                 {u"remove|"_s, u"remove| "_s}, u"[]\nK=1\n"_s);
        writeRow("everything removed", u"[A]\nX=1\n[B]\nY=2"_s, {u"remove|A"_s, u"remove|B"_s},
                 u""_s);
    }

    void writing()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, edits);
        QFETCH(QString, expected);

        ProfileDocument document = ProfileDocument::fromText(text);
        applyEdits(document, edits);
        QCOMPARE(document.toText(), expected);
        // What was written reads the same after the text is parsed again.
        QCOMPARE(ProfileDocument::fromText(document.toText()).toText(), expected);
    }

    void removingFirstOfTwoSectionsUncoversTheSecond()
    {
        ProfileDocument document =
            ProfileDocument::fromText(u"[S]\nA=1\n[T]\n[S]\nA=2\n[S]\nA=3\n");
        QVERIFY(document.removeSection(u"S"));
        QCOMPARE(document.value(u"S", u"A"), u"2"_s);
        QVERIFY(document.setValue(u"S", u"A", u"9"_s));
        QCOMPARE(document.toText(), u"[T]\n[S]\nA=9\n[S]\nA=3\n"_s);
        QVERIFY(document.removeSection(u"S"));
        QVERIFY(document.removeSection(u"S"));
        QVERIFY(!document.removeSection(u"S"));
        QVERIFY(!document.hasSection(u"S"));
    }

    void refusedWritesChangeNothing_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");

        QTest::newRow("line feed in the value") << u"S"_s << u"K"_s << u"a\n[S]\nK=b"_s;
        QTest::newRow("carriage return in the value") << u"S"_s << u"K"_s << u"a\rb"_s;
        QTest::newRow("NUL in the value") << u"S"_s << u"K"_s << u"a\0b"_s;
        QTest::newRow("line break in the key") << u"S"_s << u"K\nL"_s << u"v"_s;
        QTest::newRow("line break in the section") << u"S\nT"_s << u"K"_s << u"v"_s;
        QTest::newRow("equals in the key") << u"S"_s << u"K=L"_s << u"v"_s;
        QTest::newRow("empty key") << u"S"_s << u" "_s << u"v"_s;
        QTest::newRow("empty section") << u""_s << u"K"_s << u"v"_s;
        QTest::newRow("key line that would read as a header") << u"S"_s << u"[Q"_s << u"x]"_s;
        QTest::newRow("new key line that reads as a header") << u"S"_s << u" [K"_s << u"x]"_s;
        QTest::newRow("new key that reads as a header") << u"S"_s << u"[K]"_s << u"v"_s;
        QTest::newRow("key line in a new section that reads as a header")
            << u"T"_s << u"[K"_s << u"]"_s;
    }

    void refusedWritesChangeNothing()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);

        // "[Q" is a key: without a "]" its line is no header, until a value brings one.
        const QString text = u"[S]\r\nK=old\r\n[Q=old\r\n"_s;
        ProfileDocument document = ProfileDocument::fromText(text);
        QVERIFY(!document.setValue(section, key, value));
        QCOMPARE(document.toText(), text);
    }

    void thousandsOfSections()
    {
        // Sections are found through a hash; this also checks that indexes stay right while
        // sections are removed and appended in bulk, as the clock list Save does.
        constexpr int count = 3000;
        const auto name = [](QStringView prefix, int i) -> QString {
            return prefix + QString::number(i);
        };
        ProfileDocument document;
        for (int i = 1; i <= count; ++i)
            QVERIFY(document.setValue(name(u"Clock_", i), u"K", QString::number(i)));
        for (int i = 1; i <= count; i += 2)
            QVERIFY(document.removeSection(name(u"clock_", i)));
        for (int i = 1; i <= count; ++i) {
            const Value expected = i % 2 ? std::nullopt : Value(QString::number(i));
            QCOMPARE(document.value(name(u"Clock_", i), u"K"), expected);
        }
        const ProfileDocument reparsed = ProfileDocument::fromText(document.toText());
        QCOMPARE(reparsed.value(u"Clock_2998", u"K"), u"2998"_s);
        QCOMPARE(reparsed.value(u"Clock_2999", u"K"), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestProfileDocument)
#include "tst_profiledocument.moc"
