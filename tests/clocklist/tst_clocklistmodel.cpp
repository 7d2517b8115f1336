#include "clocklist/clocklistmodel.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Refusal = ClockListModel::RemoveRefusal;

namespace {

ClockListModel rowsOf(const QString &names)
{
    ClockListModel model;
    for (const QChar name : names)
        (void)model.append(*CityLine::fromText(QString(name) + u"!+01:00!ABC.bmp"_s));
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
    // A clock is matched to a city by its whole line, case and separators too; one whose line
    // changed in the city list since is kept with its own line, and a Save writes it unchanged.
    void storedClocksBecomeRows()
    {
        const QString cairo = u"Cairo!+02:00!EGY.bmp"_s;
        const QString odd = u"Quito#-05:00?ECU.bmp"_s;
        const QStringList stored{u"Cairo!+03:00!EGY.bmp"_s, cairo, u"00"_s, odd,
                                 u"cairo!+02:00!EGY.bmp"_s, cairo};
        const CityLine listed[] = {*CityLine::fromText(odd), *CityLine::fromText(cairo)};
        ClockListModel model =
            ClockListModel::fromClockList(stored, {listed[0], listed[1], listed[1]});
        QString shown;
        for (qsizetype i = 0; i < model.size(); ++i)
            shown += model.isListed(i) ? u'y' : u'n';
        QCOMPARE(shown, u"nyyny"_s);
        QVERIFY(model.append(listed[0]));
        QCOMPARE(model.clockList(), stored.mid(0, 2) + stored.mid(3) + QStringList{odd});
    }

    void removeAndMove()
    {
        // Rows, button (r: Remove, u: Up, d: Down), selected row (-1: none) -> the rows afterwards
        // and the refusal of a Remove or where a moved row now is (-1: none).
        const QList<std::tuple<QString, char, int, QString, int>> presses{
            {u"A"_s, 'r', -1, u"A"_s, int(Refusal::OnlyRow)},
            {u""_s, 'r', 0, u""_s, int(Refusal::NoRows)},
            {u"ABC"_s, 'r', -1, u"ABC"_s, int(Refusal::NoSelection)},
            {u"ABC"_s, 'r', 3, u"ABC"_s, int(Refusal::NoSelection)},
            {u"ABC"_s, 'r', 1, u"AC"_s, -1},
            {u"ABC"_s, 'u', 2, u"ACB"_s, 1},
            {u"ABC"_s, 'u', 0, u"ABC"_s, -1},
            {u"ABC"_s, 'u', -1, u"ABC"_s, -1},
            {u"ABC"_s, 'd', 0, u"BAC"_s, 1},
            {u"ABC"_s, 'd', 2, u"ABC"_s, -1},
            {u"ABC"_s, 'd', 3, u"ABC"_s, -1}};
        for (const auto &[rows, button, selected, after, result] : presses) {
            ClockListModel model = rowsOf(rows);
            const auto at = selected < 0 ? std::nullopt : std::optional<qsizetype>(selected);
            const std::optional<qsizetype> moved = button == 'r'   ? std::nullopt
                                                   : button == 'u' ? model.moveUp(at)
                                                                   : model.moveDown(at);
            const std::optional<Refusal> refused = button == 'r' ? model.remove(at) : std::nullopt;
            QCOMPARE(refused ? int(*refused) : moved ? int(*moved) : -1, result);
            QCOMPARE(namesOf(model), after);
        }
    }

    void listStopsAtWhatTheSettingsCanCount()
    {
        // Settings/Clocks is read in 16 bits: one clock more could not be read back.
        const CityLine cairo = *CityLine::fromText(u"Cairo!+02:00!EGY.bmp"_s);
        const QStringList stored(ClockListModel::MaxRows + 5, cairo.text);
        ClockListModel model = ClockListModel::fromClockList(stored, {cairo});
        QCOMPARE(model.size(), 32767);
        QVERIFY(!model.append(cairo));
    }
};

QTEST_GUILESS_MAIN(TestClockListModel)
#include "tst_clocklistmodel.moc"
