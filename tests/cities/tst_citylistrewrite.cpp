#include "cities/citylistrewrite.h"

#include <QTest>

using namespace Qt::StringLiterals;
using CityListRewrite::Placement;

namespace {

const CityEntry kNew{u"?"_s, u"+02:00"_s, u"EGY.bmp"_s};

// Lines from comma-separated names with a fixed tail: "" is an empty line, "<none>" a line of
// the tail alone (an empty name) and "*" the new entry's line, named `newName`.
QStringList lines(const QString &names, const QString &newName = QString())
{
    QStringList result;
    if (names.isEmpty())
        return result;
    for (const QString &name : names.split(u',')) {
        if (name == u"*"_s)
            result.append(CityEntry{newName, kNew.zone, kNew.flagFile}.toLine());
        else if (!name.isEmpty())
            result.append(
                CityEntry{name == u"<none>"_s ? QString() : name, u"+01:00"_s, u"XXX.bmp"_s}
                    .toLine());
        else
            result.append(QString());
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
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected"); // "*" marks the new line
    QTest::addColumn<Placement>("placement");
    QTest::addColumn<QString>("replaced");

    const auto row = [](const char *title, const QString &old, const QString &name,
                        const QString &expected, Placement placement, const QString &replaced) {
        QTest::newRow(title) << old << name << expected << placement << replaced;
    };
    row("inserted after its first character's group", u"Amsterdam,Berlin,Cairo"_s, u"Bern"_s,
        u"Amsterdam,Berlin,*,Cairo"_s, Placement::Inserted, u""_s);
    row("lower first character than every line goes first", u"Berlin,Cairo"_s, u"Aachen"_s,
        u"*,Berlin,Cairo"_s, Placement::Inserted, u""_s);
    row("higher first character than every line goes last", u"Amsterdam,Berlin,Cairo"_s,
        u"Zurich"_s, u"Amsterdam,Berlin,Cairo,*"_s, Placement::Appended, u""_s);
    row("character codes, not the alphabet: lower case after upper case", u"Zagreb,aachen"_s,
        u"berlin"_s, u"Zagreb,aachen,*"_s, Placement::Appended, u""_s);
    row("CAIRO in the file is replaced by Cairo", u"Amsterdam,CAIRO,Denver"_s, u"Cairo"_s,
        u"Amsterdam,*,Denver"_s, Placement::Replaced, u"CAIRO"_s);
    row("cairo saved replaces Cairo", u"Amsterdam,Berlin,Cairo"_s, u"cairo"_s,
        u"Amsterdam,Berlin,*"_s, Placement::Replaced, u"Cairo"_s);
    row("name twice in an ungrouped file ends once", u"Cairo,Amsterdam,cairo"_s, u"Cairo"_s,
        u"*,Amsterdam"_s, Placement::Replaced, u"Cairo,cairo"_s);
    row("later line of the name after an insertion is dropped", u"Amsterdam,Denver,cairo"_s,
        u"Cairo"_s, u"Amsterdam,*,Denver"_s, Placement::Inserted, u"cairo"_s);
    row("empty list", u""_s, u"Cairo"_s, u"*"_s, Placement::Appended, u""_s);
    row("only empty lines", u",,"_s, u"Cairo"_s, u"*"_s, Placement::Appended, u""_s);
    row("empty lines dropped around the others", u",Amsterdam,,Cairo,"_s, u"Bern"_s,
        u"Amsterdam,*,Cairo"_s, Placement::Inserted, u""_s);
    row("a name that lower-cases to a longer text is still the same name",
        u"Zagreb,\u0130stanbul"_s, u"\u0130STANBUL"_s, u"Zagreb,*"_s, Placement::Replaced,
        u"\u0130stanbul"_s);
    row("a name with '!' is compared whole", u"Yahoo,Yahoo!land"_s, u"yahoo!LAND"_s, u"Yahoo,*"_s,
        Placement::Replaced, u"Yahoo!land"_s);
    row("the empty name goes first and takes the line of the tail alone",
        u"Amsterdam,<none>,Cairo"_s, u""_s, u"*,Amsterdam,Cairo"_s, Placement::Inserted,
        u"<none>"_s);
}

void TestCityListRewrite::save()
{
    QFETCH(QString, old);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QFETCH(QString, replaced);

    const CityEntry entry{name, kNew.zone, kNew.flagFile};
    const CityListRewrite::SaveRewrite result = CityListRewrite::forSave(lines(old), entry);
    QCOMPARE(result.lines, lines(expected, name));
    QTEST(result.placement, "placement");
    QCOMPARE(result.replacedLines, lines(replaced));
    QCOMPARE(result.lines.count(entry.toLine()), 1);
}

void TestCityListRewrite::saveKeepsShortLines()
{
    // A line too short to be split has no name: it is never replaced, only kept.
    const QStringList old{u"Oslo"_s, u"Amsterdam!+01:00!NLD.bmp"_s};
    const CityEntry oslo{u"Oslo"_s, u"+01:00"_s, u"NOR.bmp"_s};
    const CityListRewrite::SaveRewrite result = CityListRewrite::forSave(old, oslo);
    QCOMPARE(result.lines, old + QStringList{oslo.toLine()});
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
    const QString yahoo = u"Yahoo!land!+02:00!EGY.bmp"_s;
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
        << QStringList{yahoo, bern} << u"Yahoo"_s << QStringList{bern} << QStringList{yahoo};
    QTest::newRow("whole name with '!' is not the editor's text")
        << QStringList{yahoo} << u"Yahoo!land"_s << QStringList{yahoo} << QStringList{};
}

void TestCityListRewrite::remove()
{
    QFETCH(QStringList, old);
    QFETCH(QString, text);
    QFETCH(QStringList, removed);

    const CityListRewrite::DeleteRewrite result = CityListRewrite::forDelete(old, text);
    QTEST(result.lines, "expected");
    QCOMPARE(result.removedLines, removed);
    QCOMPARE(result.found(), !removed.isEmpty());
}

QTEST_GUILESS_MAIN(TestCityListRewrite)
#include "tst_citylistrewrite.moc"
