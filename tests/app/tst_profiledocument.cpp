#include "app/profiledocument.h"

#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<QString>)

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

QString sectionName(QStringView prefix, int number)
{
    return prefix.toString() + QString::number(number);
}

} // namespace

class TestProfileDocument final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reading_data();
    void reading();
    void writing_data();
    void writing();
    void removingFirstOfTwoSectionsUncoversTheSecond();
    void refusedWritesChangeNothing_data();
    void refusedWritesChangeNothing();
    void thousandsOfSections();
};

void TestProfileDocument::reading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<std::optional<QString>>("expected");
    const auto value = [](const QString &text) { return std::optional<QString>(text); };
    const std::optional<QString> missing;

    QTest::newRow("plain") << u"[Settings]\r\nLocal=Cairo\r\n"_s << u"Settings"_s << u"Local"_s
                           << value(u"Cairo"_s);
    QTest::newRow("names ignore case")
        << u"[settings]\nLOCAL=x\n"_s << u"Settings"_s << u"Local"_s << value(u"x"_s);
    QTest::newRow("case folding is ASCII only")
        << u"[\u00C4b]\nK=x\n"_s << u"\u00E4B"_s << u"K"_s << missing;
    QTest::newRow("header name trimmed")
        << u"[ \tSettings ]\nLocal=x\n"_s << u"Settings"_s << u"Local"_s << value(u"x"_s);
    QTest::newRow("query names trimmed")
        << u"[Settings]\nLocal=x\n"_s << u" Settings\t"_s << u" Local "_s << value(u"x"_s);
    QTest::newRow("indented header, text after it")
        << u"  [S] whatever\nA=1\n"_s << u"S"_s << u"A"_s << value(u"1"_s);
    QTest::newRow("blanks and tabs trimmed")
        << u"[S]\n \tLocal \t= \tx y \t\n"_s << u"S"_s << u"Local"_s << value(u"x y"_s);
    QTest::newRow("double quotes") << u"[S]\nK=\"abc\"\n"_s << u"S"_s << u"K"_s << value(u"abc"_s);
    QTest::newRow("single quotes") << u"[S]\nK='abc'\n"_s << u"S"_s << u"K"_s << value(u"abc"_s);
    QTest::newRow("quotes after trimming")
        << u"[S]\nK =  \" a b \"  \n"_s << u"S"_s << u"K"_s << value(u" a b "_s);
    QTest::newRow("mismatched quotes stay")
        << u"[S]\nK=\"abc'\n"_s << u"S"_s << u"K"_s << value(u"\"abc'"_s);
    QTest::newRow("quotes not outer stay")
        << u"[S]\nK=\"abc\" def\n"_s << u"S"_s << u"K"_s << value(u"\"abc\" def"_s);
    QTest::newRow("one pair only")
        << u"[S]\nK=\"\"abc\"\"\n"_s << u"S"_s << u"K"_s << value(u"\"abc\""_s);
    QTest::newRow("lone quote stays") << u"[S]\nK=\"\n"_s << u"S"_s << u"K"_s << value(u"\""_s);
    QTest::newRow("empty quotes") << u"[S]\nK=\"\"\n"_s << u"S"_s << u"K"_s << value(u""_s);
    QTest::newRow("semicolon is part of the key")
        << u"[S]\n;K=x\n"_s << u"S"_s << u";K"_s << value(u"x"_s);
    QTest::newRow("no commented-out key") << u"[S]\n;K=x\n"_s << u"S"_s << u"K"_s << missing;
    QTest::newRow("semicolon is part of the value")
        << u"[S]\nK=v ; c\n"_s << u"S"_s << u"K"_s << value(u"v ; c"_s);
    QTest::newRow("equals in the value")
        << u"[S]\nK=a=b\n"_s << u"S"_s << u"K"_s << value(u"a=b"_s);
    QTest::newRow("line without equals is no key") << u"[S]\nK\n"_s << u"S"_s << u"K"_s << missing;
    QTest::newRow("empty value") << u"[S]\nK=\n"_s << u"S"_s << u"K"_s << value(u""_s);
    QTest::newRow("blank value") << u"[S]\nK = \t\n"_s << u"S"_s << u"K"_s << value(u""_s);
    QTest::newRow("missing key") << u"[S]\nA=1\n"_s << u"S"_s << u"B"_s << missing;
    QTest::newRow("missing section") << u"[S]\nA=1\n"_s << u"T"_s << u"A"_s << missing;
    QTest::newRow("empty text") << u""_s << u"S"_s << u"A"_s << missing;
    QTest::newRow("key of another section")
        << u"[A]\nK=1\n[B]\nJ=2\n"_s << u"A"_s << u"J"_s << missing;
    QTest::newRow("key before any section") << u"K=1\n[S]\nJ=2\n"_s << u"S"_s << u"K"_s << missing;
    QTest::newRow("header without bracket is no header")
        << u"[S\nA=1\n"_s << u"S"_s << u"A"_s << missing;
    QTest::newRow("first section of a name only")
        << u"[S]\nA=1\n[s]\nA=2\nB=3\n"_s << u"S"_s << u"B"_s << missing;
    QTest::newRow("first section's value")
        << u"[S]\nA=1\n[s]\nA=2\n"_s << u"S"_s << u"A"_s << value(u"1"_s);
    QTest::newRow("first key wins") << u"[S]\nA=1\na=2\n"_s << u"S"_s << u"A"_s << value(u"1"_s);
    QTest::newRow("CR line ends") << u"[S]\rA=1\rB=2\r[T]\rC=3"_s << u"S"_s << u"B"_s
                                  << value(u"2"_s);
    QTest::newRow("CR line ends, next section")
        << u"[S]\rA=1\r[T]\rC=3"_s << u"T"_s << u"C"_s << value(u"3"_s);
    QTest::newRow("mixed line ends")
        << u"[S]\r\nA=1\nB=2\rC=3"_s << u"S"_s << u"C"_s << value(u"3"_s);
    QTest::newRow("300 characters read as 254") << (u"[S]\nK="_s + QString(300, u'x') + u"\n"_s)
                                                << u"S"_s << u"K"_s << value(QString(254, u'x'));
    QTest::newRow("quotes removed before the cut")
        << (u"[S]\nK=\""_s + QString(300, u'y') + u"\"\n"_s) << u"S"_s << u"K"_s
        << value(QString(254, u'y'));
    QTest::newRow("no half character at the cut")
        << (u"[S]\nK="_s + QString(253, u'z') + u"\U0001F600\n"_s) << u"S"_s << u"K"_s
        << value(QString(253, u'z'));
}

void TestProfileDocument::reading()
{
    QFETCH(QString, text);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(std::optional<QString>, expected);

    const ProfileDocument document = ProfileDocument::fromText(text);
    QCOMPARE(document.value(section, key), expected);
    QCOMPARE(document.value(section, key, u"00"_s), expected.value_or(u"00"_s));
    QCOMPARE(document.toText(), text); // reading changes nothing
}

void TestProfileDocument::writing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("expected");

    QTest::newRow("value replaced in place, other characters kept")
        << u"; top\n[S]\n  Key = old ; x\t\nOther=1\n"_s << QStringList{u"set|S|Key|new"_s}
        << u"; top\n[S]\n  Key = new\t\nOther=1\n"_s;
    QTest::newRow("quoted value replaced")
        << u"[S]\r\nK=\"old\"\r\n"_s << QStringList{u"set|S|K|new"_s} << u"[S]\r\nK=new\r\n"_s;
    QTest::newRow("value that reads the same is left as it is")
        << u"[S]\r\nK = \"abc\"  \r\n"_s << QStringList{u"set|S|K|abc"_s}
        << u"[S]\r\nK = \"abc\"  \r\n"_s;
    QTest::newRow("CR-only file keeps its line ends")
        << u"[S]\rA=1\rB=2\r"_s << QStringList{u"set|S|A|9"_s} << u"[S]\rA=9\rB=2\r"_s;
    QTest::newRow("empty value filled")
        << u"[S]\nK=\nL = \n"_s << QStringList{u"set|S|K|1"_s, u"set|S|L|2"_s}
        << u"[S]\nK=1\nL = 2\n"_s;
    QTest::newRow("key spelling in the file kept")
        << u"[s]\nkey=1\n"_s << QStringList{u"set|S|KEY|2"_s} << u"[s]\nkey=2\n"_s;
    QTest::newRow("first section and first key written")
        << u"[S]\nA=1\nA=5\n[S]\nA=2\n"_s << QStringList{u"set|S|A|9"_s, u"set|S|B|3"_s}
        << u"[S]\nA=9\nA=5\nB=3\r\n[S]\nA=2\n"_s;
    QTest::newRow("new key before the blank lines that end the section")
        << u"[A]\r\nX=1\r\n\r\n \r\n[B]\r\nY=2\r\n"_s << QStringList{u"set|A|Z|3"_s}
        << u"[A]\r\nX=1\r\nZ=3\r\n\r\n \r\n[B]\r\nY=2\r\n"_s;
    QTest::newRow("new key after a keyless line of the section")
        << u"[A]\nX=1\njunk\n\n[B]\n"_s << QStringList{u"set|A|Z|3"_s}
        << u"[A]\nX=1\njunk\nZ=3\r\n\n[B]\n"_s;
    QTest::newRow("new key under a bare header")
        << u"[A]\n[B]\n"_s << QStringList{u"set|A|K|v"_s} << u"[A]\nK=v\r\n[B]\n"_s;
    QTest::newRow("new key at the unterminated end")
        << u"[A]\nX=1"_s << QStringList{u"set|A|Z|3"_s} << u"[A]\nX=1\r\nZ=3\r\n"_s;
    QTest::newRow("new section at the end, no blank line")
        << u"[A]\r\nX=1\r\n"_s << QStringList{u"set|Clock_01|Country/City|Cairo!+02:00!EGY.bmp"_s}
        << u"[A]\r\nX=1\r\n[Clock_01]\r\nCountry/City=Cairo!+02:00!EGY.bmp\r\n"_s;
    QTest::newRow("new section after an unterminated last line")
        << u"[A]\nX=1"_s << QStringList{u"set|B|K|v"_s} << u"[A]\nX=1\r\n[B]\r\nK=v\r\n"_s;
    QTest::newRow("new section spelled as given")
        << u""_s << QStringList{u"set| NeWsEc |KeY|v"_s} << u"[NeWsEc]\r\nKeY=v\r\n"_s;
    QTest::newRow("lines before the first section kept")
        << u"junk\nA=1\n[S]\n"_s << QStringList{u"set|S|K|v"_s} << u"junk\nA=1\n[S]\nK=v\r\n"_s;
    QTest::newRow("section removed with its keys and blank lines")
        << u"[A]\r\nX=1\r\nnot a key\r\n\r\n[B]\r\nY=2\r\n"_s << QStringList{u"remove|A"_s}
        << u"[B]\r\nY=2\r\n"_s;
    QTest::newRow("middle section removed, any case")
        << u"[A]\nX=1\n[B]\nY=2\n[C]\nZ=3\n"_s << QStringList{u"remove|b"_s}
        << u"[A]\nX=1\n[C]\nZ=3\n"_s;
    QTest::newRow("first of two sections removed")
        << u"[S]\nA=1\n[T]\n[S]\nA=2\n"_s << QStringList{u"remove|S"_s} << u"[T]\n[S]\nA=2\n"_s;
    QTest::newRow("removing a missing section changes nothing")
        << u"[A]\nX=1"_s << QStringList{u"remove|B"_s} << u"[A]\nX=1"_s;
    QTest::newRow("removed section written again goes to the end")
        << u"[A]\nX=1\n[B]\nY=2\n"_s << QStringList{u"remove|A"_s, u"set|A|X|1"_s}
        << u"[B]\nY=2\n[A]\r\nX=1\r\n"_s;
    QTest::newRow("last section removed, new one appended")
        << u"[A]\nX=1\n[B]\nY=2"_s << QStringList{u"remove|B"_s, u"set|C|K|v"_s}
        << u"[A]\nX=1\n[C]\r\nK=v\r\n"_s;
    QTest::newRow("value with blanks around it stored in quotes")
        << u"[S]\r\nK=old\r\n"_s << QStringList{u"set|S|K| padded\t"_s, u"set|S|N| new "_s}
        << u"[S]\r\nK=\" padded\t\"\r\nN=\" new \"\r\n"_s;
    QTest::newRow("value in outer quotes stored in quotes")
        << u""_s << QStringList{u"set|S|K|'quoted'"_s, u"set|S|E|\"\""_s}
        << u"[S]\r\nK=\"'quoted'\"\r\nE=\"\"\"\"\r\n"_s;
    QTest::newRow("empty section name removes nothing")
        << u"[]\nK=1\n"_s << QStringList{u"remove|"_s, u"remove| "_s} << u"[]\nK=1\n"_s;
    QTest::newRow("everything removed")
        << u"[A]\nX=1\n[B]\nY=2"_s << QStringList{u"remove|A"_s, u"remove|B"_s} << u""_s;
}

void TestProfileDocument::writing()
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

void TestProfileDocument::removingFirstOfTwoSectionsUncoversTheSecond()
{
    ProfileDocument document = ProfileDocument::fromText(u"[S]\nA=1\n[S]\nA=2\n[S]\nA=3\n");
    QVERIFY(document.removeSection(u"S"));
    QCOMPARE(document.value(u"S", u"A"), u"2"_s);
    QVERIFY(document.setValue(u"S", u"A", u"9"_s));
    QCOMPARE(document.toText(), u"[S]\nA=9\n[S]\nA=3\n"_s);
    QVERIFY(document.removeSection(u"S"));
    QVERIFY(document.removeSection(u"S"));
    QVERIFY(!document.removeSection(u"S"));
    QVERIFY(!document.hasSection(u"S"));
}

void TestProfileDocument::refusedWritesChangeNothing_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("line feed in the value") << u"S"_s << u"K"_s << u"a\n[S]\nK=b"_s;
    QTest::newRow("carriage return in the value") << u"S"_s << u"K"_s << u"a\rb"_s;
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

void TestProfileDocument::refusedWritesChangeNothing()
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

void TestProfileDocument::thousandsOfSections()
{
    // Sections are found through a hash; this also checks that indexes stay right while sections
    // are removed and appended in bulk, as the clock list Save does.
    constexpr int count = 3000;
    ProfileDocument document;
    for (int i = 1; i <= count; ++i)
        QVERIFY(document.setValue(sectionName(u"Clock_", i), u"K", QString::number(i)));
    for (int i = 1; i <= count; i += 2)
        QVERIFY(document.removeSection(sectionName(u"clock_", i)));
    for (int i = 1; i <= count; ++i) {
        const auto expected = i % 2 ? std::nullopt : std::optional(QString::number(i));
        QCOMPARE(document.value(sectionName(u"Clock_", i), u"K"), expected);
    }
    const ProfileDocument reparsed = ProfileDocument::fromText(document.toText());
    QCOMPARE(reparsed.value(u"Clock_2998", u"K"), u"2998"_s);
    QCOMPARE(reparsed.value(u"Clock_2999", u"K"), std::nullopt);
}

QTEST_GUILESS_MAIN(TestProfileDocument)
#include "tst_profiledocument.moc"
