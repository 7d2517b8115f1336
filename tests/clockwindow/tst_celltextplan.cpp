#include "clockwindow/celltextplan.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

/// A font of the test's own making, in pixels per point: characters 0.6 of the size wide ('1'
/// and blanks narrower), ink from just inside the first character to just inside the last, 0.7
/// of the size above the baseline (0.9 for an 8) and 0.2 below it for letters that descend;
/// lines 1.2 apart.
class BlockMeasure final : public TextMeasure {
public:
    qreal advance(QStringView text, qreal size) const override
    {
        qreal width = 0;
        for (const QChar c : text)
            width += (c == u'1' ? 0.4 : c.isSpace() ? 0.3 : 0.6) * size;
        return width;
    }
    QRectF ink(QStringView text, qreal size) const override
    {
        if (text.trimmed().isEmpty())
            return {};
        const bool descends = std::any_of(text.begin(), text.end(), [](QChar c) {
            return c == u'g' || c == u'p' || c == u'y' || c == u',';
        });
        // An 8 stands taller than the other digits, though no wider.
        const qreal top = text.contains(u'8') ? -0.9 : -0.7;
        return QRectF(QPointF(0.05 * size, top * size),
                      QPointF(advance(text, size) - 0.05 * size, descends ? 0.2 * size : 0));
    }
    qreal ascent(qreal size) const override { return 0.9 * size; }
    qreal lineHeight(qreal size) const override { return 1.2 * size; }
};

const BlockMeasure Measure;
const CellBox OneLine = CellBox::forCell(QSizeF(79, 17), 1000, true, false);
const CellBox LongDate = CellBox::forCell(QSizeF(79, 38), 1000, true, true);

/// Whether the plan shows `text` whole with every line's ink inside the cell's ink area.
bool showsWhole(const CellTextPlan &plan, const QString &text, const CellBox &box, qreal size)
{
    QStringList lines;
    for (const PlacedLine &line : plan.lines) {
        const QRectF ink = Measure.ink(line.text, size).translated(line.origin);
        if (!ink.isEmpty() && !box.inkArea.adjusted(-0.125, -0.125, 0.125, 0.125).contains(ink))
            return false;
        lines.append(line.text);
    }
    return !plan.elided && lines.join(u' ').remove(u' ') == QString(text).remove(u' ');
}

} // namespace

class TestCellTextPlan final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowTakesTheLargestSizeItsTextsFit_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("wraps");
        QTest::addColumn<qreal>("desktop");
        QTest::addColumn<QStringList>("shortened");
        QTest::newRow("short texts keep the desktop's size")
            << QStringList{u"Cairo"_s, u"Lima"_s} << false << 9.0 << QStringList{};
        QTest::newRow("a wide time shrinks the row")
            << QStringList{u"12:00:01 p. m."_s, u"01:00:01 a. m."_s} << false << 14.0
            << QStringList{};
        QTest::newRow("a name too long at any size is shortened; the others decide")
            << QStringList{u"Lima"_s, u"Llanfairpwllgwyngyll-gogerychwyrndrobwll"_s} << false
            << 11.0 << QStringList{u"Llanfairpwllgwyngyll-gogerychwyrndrobwll"_s};
        QTest::newRow("a long date takes the lines it needs")
            << QStringList{u"Wednesday, 30 September 2026"_s, u"Monday, 7 December 2026"_s} << true
            << 14.0 << QStringList{};
        QTest::newRow("a desktop font below the minimum is kept")
            << QStringList{u"Oslo"_s} << false << 6.0 << QStringList{};
    }
    void rowTakesTheLargestSizeItsTextsFit()
    {
        QFETCH(QStringList, texts);
        QFETCH(bool, wraps);
        QFETCH(qreal, desktop);
        QFETCH(QStringList, shortened);
        const CellBox box = wraps ? LongDate : OneLine;
        QList<RowCell> cells;
        for (const QString &text : texts)
            cells.append({text, box});
        const RowTextSize size = CellText::chooseRowSize(cells, desktop, false, Measure);
        QVERIFY(size.pointSize <= desktop);
        QVERIFY(size.pointSize >= qMin(desktop, CellText::MinimumPointSize));
        for (const QString &text : texts) {
            const CellTextPlan plan = CellText::plan(text, box, size, Measure);
            QCOMPARE(showsWhole(plan, text, box, size.pointSize), !shortened.contains(text));
            QCOMPARE(plan.elided, shortened.contains(text));
        }
        // One step larger, some text that is shown whole would not be.
        const qreal larger = size.pointSize + CellText::PointStep;
        if (larger <= desktop) {
            bool allWhole = true;
            for (const QString &text : texts) {
                if (!shortened.contains(text))
                    allWhole = allWhole && !CellText::plan(text, box, {larger, 0}, Measure).elided;
            }
            QVERIFY(!allWhole);
        }
    }

    void timesFitWithAnyDigits()
    {
        // Sized for a time whose digits are narrow and short, the row still holds the widest
        // digits and the tallest.
        const QList<RowCell> cells{{u"11:11:11 PM"_s, OneLine}};
        const RowTextSize size = CellText::chooseRowSize(cells, 14, true, Measure);
        const QString widest = CellText::widestDigitForm(u"11:11:11 PM"_s, size.pointSize, Measure);
        QCOMPARE(widest, u"00:00:00 PM"_s);
        // Ticking cells draw every time on the row's baseline.
        const int baseline = CellText::firstBaseline(OneLine, 1, size, Measure);
        for (const QString &time : {widest, u"18:18:18 PM"_s}) {
            QVERIFY(showsWhole(CellText::plan(time, OneLine, size, Measure), time, OneLine,
                               size.pointSize));
            const QRectF ink = Measure.ink(time, size.pointSize).translated(0, baseline);
            QVERIFY(ink.top() >= OneLine.inkArea.top() - 0.125);
            QVERIFY(ink.bottom() <= OneLine.inkArea.bottom() + 0.125);
        }
        // Digits of other scripts are measured within their own script.
        QCOMPARE(CellText::widestDigitForm(u"\u0661\u0662"_s, 9, Measure), u"\u0660\u0660"_s);
    }

    void linesBreakBetweenWordsAndKeepNumbersWithWhatFollows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("words") << u"Mittwoch, 30. September 2026"_s;
        QTest::newRow("no blanks") << u"2026\u5E749\u670830\u65E5\u6C34\u66DC\u65E5"_s;
    }
    void linesBreakBetweenWordsAndKeepNumbersWithWhatFollows()
    {
        QFETCH(QString, text);
        const QStringList lines = CellText::breakLines(text, 30, 9, Measure);
        QVERIFY(lines.size() > 1);
        QCOMPARE(lines.join(QString()).remove(u' '), QString(text).remove(u' '));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QCOMPARE(lines[i], lines[i].trimmed());
            if (i + 1 < lines.size()) {
                QVERIFY(!lines[i].back().isDigit());
                QVERIFY(Measure.advance(lines[i], 9) <= 30 || !lines[i].contains(u' '));
            }
        }
    }

    void elisionEndsWithAnEllipsis_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("width");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fits") << u"Lima"_s << 40.0 << u"Lima"_s;
        QTest::newRow("cut") << u"Los Angeles"_s << 30.0 << u"Los A\u2026"_s;
        QTest::newRow("no blank before the ellipsis") << u"Los Angeles"_s << 26.0 << u"Los\u2026"_s;
        // A letter keeps its accent: the cut falls before both.
        QTest::newRow("accent") << u"Zu\u0308rich"_s << 16.0 << u"Z\u2026"_s;
        QTest::newRow("no room") << u"Lima"_s << 2.0 << u"\u2026"_s;
    }
    void elisionEndsWithAnEllipsis()
    {
        QFETCH(QString, text);
        QFETCH(qreal, width);
        QTEST(CellText::elide(text, width, 9, Measure), "shown");
    }

    void longDateTooLongForTheCellKeepsWhatFits()
    {
        const QString text = u"Wednesday, the thirtieth day of the month of September in the "
                             u"two thousand and twenty-sixth year of the common era"_s;
        const RowTextSize size{CellText::MinimumPointSize, 0};
        const CellTextPlan plan = CellText::plan(text, LongDate, size, Measure);
        QVERIFY(plan.elided);
        QVERIFY(plan.lines.size() > 1);
        QVERIFY(plan.lines.last().text.endsWith(CellText::Ellipsis));
        for (const PlacedLine &line : plan.lines) {
            const QRectF ink = Measure.ink(line.text, size.pointSize).translated(line.origin);
            QVERIFY(LongDate.inkArea.adjusted(-0.125, -0.125, 0.125, 0.125).contains(ink));
        }
    }
};

QTEST_GUILESS_MAIN(TestCellTextPlan)
#include "tst_celltextplan.moc"
