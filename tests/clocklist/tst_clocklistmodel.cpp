#include "clocklist/clocklistmodel.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

CityLine city(const QString &text)
{
    return CityLine::fromText(text).value();
}

// Cities named by one letter, so a row order reads as a word ("ABC").
CityLine letter(QChar name)
{
    return city(QString(name) + u"!+01:00!ABC.bmp"_s);
}

ClockListModel rowsOf(const QString &names)
{
    ClockListModel model;
    for (const QChar name : names)
        (void)model.append(letter(name));
    return model;
}

QString namesOf(const ClockListModel &model)
{
    QString names;
    for (const CityLine &row : model.rows())
        names += row.entry.name;
    return names;
}

} // namespace

class TestClockListModel final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void storedClocksBecomeRows_data()
    {
        QTest::addColumn<QStringList>("clockList");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("listed"); // per row: y, on the city list; n, not

        const QString cairo = u"Cairo!+02:00!EGY.bmp"_s;
        const QString lima = u"Lima!-05:00!PER.bmp"_s;
        QTest::newRow("in clock order")
            << QStringList{lima, cairo} << QStringList{lima, cairo} << u"yy"_s;
        QTest::newRow("same city twice")
            << QStringList{cairo, lima, cairo} << QStringList{cairo, lima, cairo} << u"yyy"_s;
        QTest::newRow("missing section reads 00")
            << QStringList{u"00"_s, cairo} << QStringList{cairo} << u"y"_s;
        // A clock whose city line changed in the city list is kept with its own line.
        const QString changed = u"Cairo!+03:00!EGY.bmp"_s;
        QTest::newRow("city changed since")
            << QStringList{changed, lima} << QStringList{changed, lima} << u"ny"_s;
        const QStringList otherCase{u"cairo!+02:00!EGY.bmp"_s, u"Lima!-05:00!per.bmp"_s};
        QTest::newRow("matched by the whole line, case too") << otherCase << otherCase << u"nn"_s;
        QTest::newRow("no clocks") << QStringList{} << QStringList{} << QString();
    }

    void storedClocksBecomeRows()
    {
        QFETCH(QStringList, clockList);
        QFETCH(QStringList, rows);
        const QList<CityLine> cities = {city(u"Lima!-05:00!PER.bmp"_s),
                                        city(u"Cairo!+02:00!EGY.bmp"_s),
                                        city(u"Cairo!+02:00!EGY.bmp"_s)};
        const ClockListModel model = ClockListModel::fromClockList(clockList, cities);
        QCOMPARE(model.clockList(), rows);
        QString listed;
        for (qsizetype row = 0; row < model.size(); ++row)
            listed += model.isListed(row) ? u'y' : u'n';
        QTEST(listed, "listed");
    }

    void savedLinesAreTheCityListLines()
    {
        // The separators are never tested, so a line is kept as the file holds it rather than
        // rebuilt from its fields.
        const QString odd = u"Quito#-05:00?ECU.bmp"_s;
        ClockListModel model = ClockListModel::fromClockList({odd}, {city(odd)});
        QVERIFY(model.append(city(odd)));
        QCOMPARE(model.clockList(), (QStringList{odd, odd}));
    }

    void remove_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("selected"); // -1: nothing selected
        QTest::addColumn<int>("refusal");  // -1: removed
        QTest::addColumn<QString>("after");

        const int removed = -1;
        const int onlyRow = int(ClockListModel::RemoveRefusal::OnlyRow);
        const int noRows = int(ClockListModel::RemoveRefusal::NoRows);
        const int noSelection = int(ClockListModel::RemoveRefusal::NoSelection);
        QTest::newRow("one row, selected") << u"A"_s << 0 << onlyRow << u"A"_s;
        QTest::newRow("one row, none selected") << u"A"_s << -1 << onlyRow << u"A"_s;
        QTest::newRow("no rows") << u""_s << -1 << noRows << u""_s;
        QTest::newRow("no rows, stale selection") << u""_s << 0 << noRows << u""_s;
        QTest::newRow("none selected") << u"ABC"_s << -1 << noSelection << u"ABC"_s;
        QTest::newRow("selection past the end") << u"ABC"_s << 3 << noSelection << u"ABC"_s;
        QTest::newRow("first") << u"ABC"_s << 0 << removed << u"BC"_s;
        QTest::newRow("middle") << u"ABC"_s << 1 << removed << u"AC"_s;
        QTest::newRow("last of two") << u"AB"_s << 1 << removed << u"A"_s;
    }

    void remove()
    {
        QFETCH(QString, rows);
        QFETCH(int, selected);
        QFETCH(int, refusal);
        QFETCH(QString, after);
        ClockListModel model = rowsOf(rows);
        const auto result =
            model.remove(selected < 0 ? std::nullopt : std::optional<qsizetype>(selected));
        QCOMPARE(result ? int(*result) : -1, refusal);
        QCOMPARE(namesOf(model), after);
    }

    void move_data()
    {
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("selected"); // -1: nothing selected
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("nowAt"); // -1: nothing moved

        QTest::newRow("up from the last") << true << u"ABC"_s << 2 << u"ACB"_s << 1;
        QTest::newRow("up from the first") << true << u"ABC"_s << 0 << u"ABC"_s << -1;
        QTest::newRow("up, none selected") << true << u"ABC"_s << -1 << u"ABC"_s << -1;
        QTest::newRow("up, one row") << true << u"A"_s << 0 << u"A"_s << -1;
        QTest::newRow("down from the first") << false << u"ABC"_s << 0 << u"BAC"_s << 1;
        QTest::newRow("down from the last") << false << u"ABC"_s << 2 << u"ABC"_s << -1;
        QTest::newRow("down, none selected") << false << u"ABC"_s << -1 << u"ABC"_s << -1;
        QTest::newRow("down, past the end") << false << u"ABC"_s << 3 << u"ABC"_s << -1;
        QTest::newRow("down, no rows") << false << u""_s << 0 << u""_s << -1;
    }

    void move()
    {
        QFETCH(bool, up);
        QFETCH(QString, rows);
        QFETCH(int, selected);
        QFETCH(QString, after);
        QFETCH(int, nowAt);
        ClockListModel model = rowsOf(rows);
        const std::optional<qsizetype> from =
            selected < 0 ? std::nullopt : std::optional<qsizetype>(selected);
        const std::optional<qsizetype> to = up ? model.moveUp(from) : model.moveDown(from);
        QCOMPARE(to ? int(*to) : -1, nowAt);
        QCOMPARE(namesOf(model), after);
    }

    void listStopsAtWhatTheSettingsCanCount()
    {
        // Settings/Clocks is read in 16 bits: one clock more could not be read back.
        const CityLine cairo = city(u"Cairo!+02:00!EGY.bmp"_s);
        ClockListModel model;
        for (qsizetype i = 0; i < ClockListModel::MaxRows; ++i)
            QVERIFY(model.append(cairo));
        QVERIFY(!model.append(cairo));
        QCOMPARE(model.size(), 32767);

        const QStringList stored(ClockListModel::MaxRows + 5, cairo.text);
        QCOMPARE(ClockListModel::fromClockList(stored, {cairo}).size(), 32767);
    }
};

QTEST_GUILESS_MAIN(TestClockListModel)
#include "tst_clocklistmodel.moc"
