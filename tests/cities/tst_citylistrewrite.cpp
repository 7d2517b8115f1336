#include "cities/citylistrewrite.h"

#include <QTest>

using namespace Qt::StringLiterals;
using CityListRewrite::Placement;

namespace {

// A city line of the name with a fixed tail; the tail plays no part in the rules.
QString line(const QString &name, const QString &zone = u"+01:00"_s)
{
    return CityEntry{name, zone, u"XXX.bmp"_s}.toLine();
}

// "" stands for an empty line and "<none>" for a line of the tail alone (an empty name).
QStringList lines(const QStringList &names)
{
    QStringList result;
    for (const QString &name : names) {
        if (name.isEmpty())
            result.append(QString());
        else
            result.append(line(name == u"<none>"_s ? QString() : name));
    }
    return result;
}

} // namespace

class TestCityListRewrite final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void save_data();
    void save();
    void saveKeepsShortLines();
    void remove_data();
    void remove();
};

void TestCityListRewrite::save_data()
{
    QTest::addColumn<QStringList>("oldNames");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("expectedNames"); // "*" marks the new line
    QTest::addColumn<Placement>("placement");
    QTest::addColumn<QStringList>("replacedNames");

    const QStringList amsterdamBerlinCairo{u"Amsterdam"_s, u"Berlin"_s, u"Cairo"_s};
    QTest::newRow("inserted after its first character's group")
        << amsterdamBerlinCairo << u"Bern"_s
        << QStringList{u"Amsterdam"_s, u"Berlin"_s, u"*"_s, u"Cairo"_s} << Placement::Inserted
        << QStringList{};
    QTest::newRow("lower first character than every line goes first")
        << QStringList{u"Berlin"_s, u"Cairo"_s} << u"Aachen"_s
        << QStringList{u"*"_s, u"Berlin"_s, u"Cairo"_s} << Placement::Inserted << QStringList{};
    QTest::newRow("higher first character than every line goes last")
        << amsterdamBerlinCairo << u"Zurich"_s
        << QStringList{u"Amsterdam"_s, u"Berlin"_s, u"Cairo"_s, u"*"_s} << Placement::Appended
        << QStringList{};
    QTest::newRow("character codes, not the alphabet: lower case after upper case")
        << QStringList{u"Zagreb"_s, u"aachen"_s} << u"berlin"_s
        << QStringList{u"Zagreb"_s, u"aachen"_s, u"*"_s} << Placement::Appended << QStringList{};
    QTest::newRow("same name replaced in place")
        << amsterdamBerlinCairo << u"Cairo"_s << QStringList{u"Amsterdam"_s, u"Berlin"_s, u"*"_s}
        << Placement::Replaced << QStringList{u"Cairo"_s};
    QTest::newRow("CAIRO in the file is replaced by Cairo")
        << QStringList{u"Amsterdam"_s, u"CAIRO"_s, u"Denver"_s} << u"Cairo"_s
        << QStringList{u"Amsterdam"_s, u"*"_s, u"Denver"_s} << Placement::Replaced
        << QStringList{u"CAIRO"_s};
    QTest::newRow("cairo saved replaces Cairo")
        << amsterdamBerlinCairo << u"cairo"_s << QStringList{u"Amsterdam"_s, u"Berlin"_s, u"*"_s}
        << Placement::Replaced << QStringList{u"Cairo"_s};
    QTest::newRow("name twice in an ungrouped file ends once")
        << QStringList{u"Cairo"_s, u"Amsterdam"_s, u"cairo"_s} << u"Cairo"_s
        << QStringList{u"*"_s, u"Amsterdam"_s} << Placement::Replaced
        << QStringList{u"Cairo"_s, u"cairo"_s};
    QTest::newRow("later line of the name after an insertion is dropped")
        << QStringList{u"Amsterdam"_s, u"Denver"_s, u"cairo"_s} << u"Cairo"_s
        << QStringList{u"Amsterdam"_s, u"*"_s, u"Denver"_s} << Placement::Inserted
        << QStringList{u"cairo"_s};
    QTest::newRow("empty list") << QStringList{} << u"Cairo"_s << QStringList{u"*"_s}
                                << Placement::Appended << QStringList{};
    QTest::newRow("only empty lines")
        << QStringList{u""_s, u""_s, u""_s} << u"Cairo"_s << QStringList{u"*"_s}
        << Placement::Appended << QStringList{};
    QTest::newRow("empty lines dropped around the others")
        << QStringList{u""_s, u"Amsterdam"_s, u""_s, u"Cairo"_s, u""_s} << u"Bern"_s
        << QStringList{u"Amsterdam"_s, u"*"_s, u"Cairo"_s} << Placement::Inserted << QStringList{};
    QTest::newRow("a name that lower-cases to a longer text is still the same name")
        << QStringList{u"Zagreb"_s, u"\u0130stanbul"_s} << u"\u0130STANBUL"_s
        << QStringList{u"Zagreb"_s, u"*"_s} << Placement::Replaced
        << QStringList{u"\u0130stanbul"_s};
    QTest::newRow("a name with '!' is compared whole")
        << QStringList{u"Yahoo"_s, u"Yahoo!land"_s} << u"yahoo!LAND"_s
        << QStringList{u"Yahoo"_s, u"*"_s} << Placement::Replaced << QStringList{u"Yahoo!land"_s};
    QTest::newRow("the empty name goes first and takes the line of the tail alone")
        << QStringList{u"Amsterdam"_s, u"<none>"_s, u"Cairo"_s} << u""_s
        << QStringList{u"*"_s, u"Amsterdam"_s, u"Cairo"_s} << Placement::Inserted
        << QStringList{u"<none>"_s};
}

void TestCityListRewrite::save()
{
    QFETCH(QStringList, oldNames);
    QFETCH(QString, name);
    QFETCH(QStringList, expectedNames);
    QFETCH(Placement, placement);
    QFETCH(QStringList, replacedNames);

    const CityEntry entry{name, u"+02:00"_s, u"EGY.bmp"_s};
    QStringList expected;
    for (const QString &expectedName : expectedNames)
        expected.append(expectedName == u"*"_s ? entry.toLine() : line(expectedName));

    const CityListRewrite::SaveRewrite result = CityListRewrite::forSave(lines(oldNames), entry);
    QCOMPARE(result.lines, expected);
    QCOMPARE(result.placement, placement);
    QCOMPARE(result.replacedLines, lines(replacedNames));
    QCOMPARE(result.lines.count(entry.toLine()), 1);
}

void TestCityListRewrite::saveKeepsShortLines()
{
    // A line too short to be split has no name: it is never replaced, only kept.
    const QStringList old{u"Oslo"_s, u"Amsterdam!+01:00!NLD.bmp"_s};
    const CityEntry oslo{u"Oslo"_s, u"+01:00"_s, u"NOR.bmp"_s};
    const CityListRewrite::SaveRewrite result = CityListRewrite::forSave(old, oslo);
    QCOMPARE(result.lines, (QStringList{u"Oslo"_s, u"Amsterdam!+01:00!NLD.bmp"_s, oslo.toLine()}));
    QCOMPARE(result.placement, Placement::Appended);
}

void TestCityListRewrite::remove_data()
{
    QTest::addColumn<QStringList>("old");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("removed");

    const QString cairo = u"Cairo!+02:00!EGY.bmp"_s;
    const QString cairoAgain = u"Cairo!+03:00!EGY.bmp"_s;
    const QString bern = u"Bern!+01:00!CHE.bmp"_s;
    QTest::newRow("two exact matches both go")
        << QStringList{cairo, bern, cairoAgain} << u"Cairo"_s << QStringList{bern}
        << QStringList{cairo, cairoAgain};
    QTest::newRow("case counts") << QStringList{cairo, bern} << u"cairo"_s
                                 << QStringList{cairo, bern} << QStringList{};
    QTest::newRow("a prefix is not the name")
        << QStringList{cairo, bern} << u"Cair"_s << QStringList{cairo, bern} << QStringList{};
    QTest::newRow("not found still drops empty lines")
        << QStringList{u""_s, cairo, u""_s, bern, u""_s} << u"Nowhere"_s << QStringList{cairo, bern}
        << QStringList{};
    QTest::newRow("the text before the first '!' decides")
        << QStringList{u"Yahoo!land!+02:00!EGY.bmp"_s, bern} << u"Yahoo"_s << QStringList{bern}
        << QStringList{u"Yahoo!land!+02:00!EGY.bmp"_s};
    QTest::newRow("whole name with '!' is not the editor's text")
        << QStringList{u"Yahoo!land!+02:00!EGY.bmp"_s} << u"Yahoo!land"_s
        << QStringList{u"Yahoo!land!+02:00!EGY.bmp"_s} << QStringList{};
}

void TestCityListRewrite::remove()
{
    QFETCH(QStringList, old);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, removed);

    const CityListRewrite::DeleteRewrite result = CityListRewrite::forDelete(old, text);
    QCOMPARE(result.lines, expected);
    QCOMPARE(result.removedLines, removed);
    QCOMPARE(result.found(), !removed.isEmpty());
}

QTEST_GUILESS_MAIN(TestCityListRewrite)
#include "tst_citylistrewrite.moc"
