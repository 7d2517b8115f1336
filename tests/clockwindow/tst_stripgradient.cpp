#include "clockwindow/stripgradient.h"

#include <QTest>

class TestStripGradient final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bandGeometry_data()
    {
        QTest::addColumn<QSize>("surface");
        QTest::addColumn<GradientDirection>("direction");
        QTest::addColumn<QRect>("firstBand");
        QTest::addColumn<int>("bandsInside");
        QTest::newRow("top down, 78 high: 1-pixel bands")
            << QSize(156, 78) << GradientDirection::TopDown << QRect(0, 0, 156, 2) << 78;
        // Reversed, band 79 still touches the start edge, and band 100 is drawn back to it.
        QTest::newRow("bottom up")
            << QSize(156, 78) << GradientDirection::BottomUp << QRect(0, 77, 156, 1) << 80;
        QTest::newRow("left to right, 156 wide: 2-pixel bands")
            << QSize(156, 78) << GradientDirection::LeftToRight << QRect(0, 0, 3, 78) << 78;
        QTest::newRow("right to left")
            << QSize(156, 78) << GradientDirection::RightToLeft << QRect(154, 0, 2, 78) << 80;
        QTest::newRow("unknown direction draws top down")
            << QSize(156, 78) << GradientDirection(8) << QRect(0, 0, 156, 2) << 78;
        // 250 / 100 = 2.5 goes to the even 2; 100 bands leave the last 50 pixels as they were.
        QTest::newRow("halves to even")
            << QSize(250, 78) << GradientDirection::LeftToRight << QRect(0, 0, 3, 78) << 100;
    }
    void bandGeometry()
    {
        QFETCH(QSize, surface);
        QFETCH(GradientDirection, direction);
        const QList<GradientBand> bands = oneColorGradientBands(surface, Qt::white, direction);
        QTEST(bands.first().rect, "firstBand");
        QTEST(int(bands.size()), "bandsInside");
    }

    void leftToRightCoversTheStripIn78Bands()
    {
        const QImage image = renderOneColorGradient(QSize(156, 78), QColor(255, 255, 255),
                                                    GradientDirection::LeftToRight);
        // Band k (from 1) fills x = 2(k-1) .. 2k; its colour is 255 - 3k per channel.
        QCOMPARE(QColor(image.pixel(0, 10)), QColor(252, 252, 252));
        QCOMPARE(QColor(image.pixel(3, 10)), QColor(249, 249, 249));
        QCOMPARE(QColor(image.pixel(155, 10)), QColor(255 - 3 * 78, 255 - 3 * 78, 255 - 3 * 78));
    }

    void lastBandReachesTheStartEdgeWhenReversed()
    {
        // 1049 / 100 goes to 10: 99 bands end at row 49, so the 100th stretches to the edge.
        const QList<GradientBand> bands =
            oneColorGradientBands(QSize(10, 1049), Qt::white, GradientDirection::BottomUp);
        QCOMPARE(bands.size(), 100);
        QCOMPARE(bands.last().rect, QRect(0, 0, 10, 60));
    }

    void channelsDarkenAndStopAtBlack()
    {
        const QList<GradientBand> bands =
            oneColorGradientBands(QSize(100, 100), QColor(2, 200, 255), GradientDirection::TopDown);
        QCOMPARE(bands[0].colour, QColor(0, 197, 252));
        QCOMPARE(bands[1].colour, QColor(0, 194, 249));
        QCOMPARE(bands[84].colour, QColor(0, 0, 0));
    }

    void twoColorRows()
    {
        const QList<QColor> rows = twoColorGradientRows(78, Qt::white, Qt::black);
        QCOMPARE(rows.first(), QColor(Qt::white));
        QCOMPARE(rows.last(), QColor(Qt::black));
        for (int y = 1; y < rows.size(); ++y)
            QVERIFY(rows[y].red() <= rows[y - 1].red());
        QCOMPARE(twoColorGradientRows(1, Qt::red, Qt::blue), QList<QColor>{QColor(Qt::red)});

        const QImage image = renderTwoColorGradient(QSize(4, 78), Qt::white, Qt::black);
        QCOMPARE(QColor(image.pixel(3, 0)), QColor(Qt::white));
        QCOMPARE(QColor(image.pixel(0, 77)), QColor(Qt::black));
    }
};

QTEST_GUILESS_MAIN(TestStripGradient)
#include "tst_stripgradient.moc"
