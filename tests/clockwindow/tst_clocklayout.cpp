#include "clockwindow/clocklayout.h"

#include <QTest>

#include <cmath>

namespace {

DisplayOptions allRows(qint16 dateFormat = 0, qint16 opsDateFormat = 0)
{
    DisplayOptions options;
    options.displayClock = true;
    options.displayTime = true;
    options.displayDate = true;
    options.displayOppositeDate = true;
    options.dateFormat = DateFormat(dateFormat);
    options.oppositeDateFormat = DateFormat(opsDateFormat);
    return options;
}

DisplayOptions rows(bool clock, bool time, bool date, bool opsDate)
{
    DisplayOptions options;
    options.displayClock = clock;
    options.displayTime = time;
    options.displayDate = date;
    options.displayOppositeDate = opsDate;
    return options;
}

} // namespace

class TestClockLayout final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowSize_data()
    {
        QTest::addColumn<DisplayOptions>("options");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QSize>("size");
        QTest::newRow("one clock, every row, short dates") << allRows() << 1 << QSize(78, 144);
        QTest::newRow("one long date") << allRows(3, 0) << 2 << QSize(156, 166);
        QTest::newRow("no face, time only")
            << rows(false, true, false, false) << 3 << QSize(234, 33);
        QTest::newRow("city row only") << rows(false, false, false, false) << 1 << QSize(78, 17);
        QTest::newRow("no clocks") << allRows() << 0 << QSize(0, 144);
    }
    void windowSize()
    {
        QFETCH(DisplayOptions, options);
        QFETCH(int, columns);
        QFETCH(QSize, size);
        const ClockLayout layout = computeClockLayout(options, columns);
        QCOMPARE(layout.windowSize, size);
        QCOMPARE(layout.columns.size(), columns);
        QCOMPARE(layout.faceRowVisible, options.displayClock);
        QCOMPARE(layout.timeVisible, options.displayTime);
        QCOMPARE(layout.dateVisible, options.displayDate);
        QCOMPARE(layout.oppositeDateVisible, options.displayOppositeDate);
        QCOMPARE(layout.strip, QRect(0, 0, columns * 78, 78));
    }

    void columnGeometry()
    {
        const ColumnLayout one = computeClockLayout(allRows(), 1).columns.at(0);
        QCOMPARE(one.face, QRect(-1, 0, 78, 78));
        QCOMPARE(one.cityLabel, QRect(-1, 78, 79, 17));
        QCOMPARE(one.flag, QRect(57, 80, 18, 13));

        // Two clocks share the border between them.
        const ClockLayout layout = computeClockLayout(allRows(), 2);
        QCOMPARE(layout.columns[0].flag.left(), 58);
        QCOMPARE(layout.columns[1].flag.left(), 135);
        const ColumnLayout &second = layout.columns[1];
        for (const QRect &label :
             {second.cityLabel, second.timeLabel, second.dateLabel, second.oppositeDateLabel})
            QCOMPARE(label.left(), 77);
        QCOMPARE(layout.columns[0].cityLabel.right(), second.cityLabel.left());
    }

    void rowTops_data()
    {
        QTest::addColumn<DisplayOptions>("options");
        QTest::addColumn<int>("cityTop");
        QTest::addColumn<int>("flagTop");
        QTest::addColumn<int>("timeTop");
        QTest::addColumn<int>("dateTop");
        QTest::addColumn<int>("oppositeTop");
        QTest::newRow("every row") << allRows() << 78 << 80 << 94 << 110 << 126;
        QTest::newRow("no face") << rows(false, true, true, true) << -1 << 1 << 15 << 31 << 47;
        QTest::newRow("time off, date on")
            << rows(true, false, true, false) << 78 << 80 << 78 << 94 << 78;
        QTest::newRow("only the opposite date")
            << rows(true, false, false, true) << 78 << 80 << 78 << 78 << 94;
        // 110 + 39 1/3 - 1 = 148 1/3
        QTest::newRow("long date, then opposite date")
            << allRows(3, 0) << 78 << 80 << 94 << 110 << 148;
    }
    void rowTops()
    {
        QFETCH(DisplayOptions, options);
        const ColumnLayout column = computeClockLayout(options, 1).columns.at(0);
        QTEST(column.cityLabel.top(), "cityTop");
        QTEST(column.flag.top(), "flagTop");
        QTEST(column.timeLabel.top(), "timeTop");
        QTEST(column.dateLabel.top(), "dateTop");
        QTEST(column.oppositeDateLabel.top(), "oppositeTop");
    }

    void longDateIsTwoLinesHigh()
    {
        const ColumnLayout column = computeClockLayout(allRows(3, 3), 1).columns.at(0);
        QCOMPARE(column.dateLabel.height(), 39);
        QCOMPARE(column.oppositeDateLabel.height(), 39);
        QCOMPARE(column.timeLabel.height(), 17);
    }

    void readingDirection_data()
    {
        QTest::addColumn<DisplayOptions>("options");
        QTest::addColumn<bool>("time");
        QTest::addColumn<bool>("date");
        QTest::addColumn<bool>("opposite");
        QTest::newRow("no year-first date") << allRows(0, 3) << false << false << false;
        QTest::newRow("year-first date") << allRows(2, 0) << true << true << false;
        QTest::newRow("year-first opposite date") << allRows(1, 2) << true << false << true;
        DisplayOptions hiddenDate = allRows(2, 0);
        hiddenDate.displayDate = false;
        QTest::newRow("year-first date hidden") << hiddenDate << false << false << false;
    }
    void readingDirection()
    {
        QFETCH(DisplayOptions, options);
        const ClockLayout layout = computeClockLayout(options, 1);
        QTEST(layout.timeRightToLeft, "time");
        QTEST(layout.dateRightToLeft, "date");
        QTEST(layout.oppositeDateRightToLeft, "opposite");
    }

    void gridLinesTakeOneDevicePixelEach()
    {
        for (const qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0}) {
            for (int pixel = -1; pixel < 400; ++pixel) {
                const int line = deviceGridLine(pixel, ratio);
                // On a device pixel the window pixel covers, and never on its neighbour's.
                QVERIFY(line >= std::floor(pixel * ratio) && line < (pixel + 1) * ratio);
                QVERIFY(line > deviceGridLine(pixel - 1, ratio));
            }
        }
        QCOMPARE(deviceGridLine(77, 1.0), 77);
    }
};

QTEST_GUILESS_MAIN(TestClockLayout)
#include "tst_clocklayout.moc"
