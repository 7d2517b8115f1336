#include "zonetime/hands.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

double distanceFromCentre(QPoint point)
{
    return std::hypot(point.x() - HandCentre.x(), point.y() - HandCentre.y());
}

const HandPoints Earlier{{1, 2}, {3, 4}, {5, 6}};

} // namespace

class TestHands final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tablesLieOnTheirCircles();
    void dialLookUp_data();
    void dialLookUp();
    void hourLookUp_data();
    void hourLookUp();
    void handsOfATime_data();
    void handsOfATime();
    void colours();
};

void TestHands::tablesLieOnTheirCircles()
{
    // A mistyped cell lands far from its circle; the hand-placed values stay within a pixel.
    for (const QPoint point : DialPoints)
        QVERIFY2(std::abs(distanceFromCentre(point) - 30) <= 1.5,
                 qPrintable(u"%1,%2"_s.arg(point.x()).arg(point.y())));
    for (const auto &row : HourPoints) {
        for (const QPoint point : row)
            QVERIFY2(std::abs(distanceFromCentre(point) - 15) <= 1.5,
                     qPrintable(u"%1,%2"_s.arg(point.x()).arg(point.y())));
    }
    QCOMPARE(HourPoints[0], HourPoints[12]);
    // Going round the dial, each point is a small step from the one before.
    for (int i = 0; i < 60; ++i) {
        const QPoint step = DialPoints[(i + 1) % 60] - DialPoints[i];
        QVERIFY2(step.manhattanLength() <= 6, qPrintable(QString::number(i)));
    }
}

void TestHands::dialLookUp_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<QPoint>>("point");

    QTest::newRow("00") << u"00"_s << std::optional(QPoint(38, 8));
    QTest::newRow("05 off the circle") << u"05"_s << std::optional(QPoint(52, 11));
    QTest::newRow("15") << u"15"_s << std::optional(QPoint(68, 38));
    QTest::newRow("30") << u"30"_s << std::optional(QPoint(38, 68));
    QTest::newRow("45 at x 7") << u"45"_s << std::optional(QPoint(7, 38));
    QTest::newRow("59") << u"59"_s << std::optional(QPoint(35, 8));
    QTest::newRow("7 without its zero") << u"7"_s << std::optional<QPoint>();
    QTest::newRow("60") << u"60"_s << std::optional<QPoint>();
    QTest::newRow("blank and digit") << u" 7"_s << std::optional<QPoint>();
    QTest::newRow("arabic-indic digits") << u"\u0660\u0665"_s << std::optional<QPoint>();
}

void TestHands::dialLookUp()
{
    QFETCH(QString, text);
    QFETCH(std::optional<QPoint>, point);

    QCOMPARE(dialPoint(text), point);

    HandPoints second = Earlier;
    secondHand(text, second);
    HandPoints minute = Earlier;
    minuteHand(text, minute);
    // The two hands share the table, each writes only its own point, and a text that is not in
    // the table leaves the hand where it was.
    QCOMPARE(second, (HandPoints{point.value_or(Earlier.second), Earlier.minute, Earlier.hour}));
    QCOMPARE(minute, (HandPoints{Earlier.second, point.value_or(Earlier.minute), Earlier.hour}));
}

void TestHands::hourLookUp_data()
{
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("minute");
    QTest::addColumn<std::optional<QPoint>>("point");

    QTest::newRow("03:00") << u"03"_s << u"00"_s << std::optional(QPoint(53, 38));
    QTest::newRow("03:59") << u"03"_s << u"59"_s << std::optional(QPoint(52, 44));
    QTest::newRow("band end 11") << u"01"_s << u"11"_s << std::optional(QPoint(45, 25));
    QTest::newRow("band start 12") << u"01"_s << u"12"_s << std::optional(QPoint(46, 26));
    QTest::newRow("band end 24") << u"05"_s << u"24"_s << std::optional(QPoint(44, 52));
    QTest::newRow("band start 25") << u"05"_s << u"25"_s << std::optional(QPoint(43, 53));
    QTest::newRow("band end 48") << u"10"_s << u"48"_s << std::optional(QPoint(28, 27));
    QTest::newRow("band start 49") << u"10"_s << u"49"_s << std::optional(QPoint(30, 26));
    QTest::newRow("12") << u"12"_s << u"30"_s << std::optional(QPoint(41, 23));
    QTest::newRow("00 is 12") << u"00"_s << u"30"_s << std::optional(QPoint(41, 23));
    QTest::newRow("minute by numeric value") << u"06"_s << u"7"_s << std::optional(QPoint(38, 53));
    QTest::newRow("minute 60 has no band") << u"06"_s << u"60"_s << std::optional<QPoint>();
    QTest::newRow("hour 13 has no row") << u"13"_s << u"00"_s << std::optional<QPoint>();
    QTest::newRow("hour 3 without its zero") << u"3"_s << u"00"_s << std::optional<QPoint>();
    QTest::newRow("empty hour") << QString() << u"00"_s << std::optional<QPoint>();
}

void TestHands::hourLookUp()
{
    QFETCH(QString, hour);
    QFETCH(QString, minute);
    QFETCH(std::optional<QPoint>, point);

    QCOMPARE(hourPoint(hour, minute), point);
    HandPoints points = Earlier;
    hourHand(hour, minute, points);
    QCOMPARE(points, (HandPoints{Earlier.second, Earlier.minute, point.value_or(Earlier.hour)}));
}

void TestHands::handsOfATime_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<HandPoints>("points");

    QTest::newRow("00:05:09 is 12:05:09 AM")
        << QTime(0, 5, 9) << HandPoints{{62, 21}, {52, 11}, {38, 23}};
    QTest::newRow("14:05:45 is 02:05:45 PM")
        << QTime(14, 5, 45) << HandPoints{{7, 38}, {52, 11}, {51, 31}};
    QTest::newRow("23:59:59") << QTime(23, 59, 59) << HandPoints{{35, 8}, {35, 8}, {37, 23}};
    QTest::newRow("invalid time leaves the hands") << QTime() << Earlier;
}

void TestHands::handsOfATime()
{
    QFETCH(QTime, time);
    QFETCH(HandPoints, points);

    HandPoints hands = Earlier;
    setHands(time, hands);
    QCOMPARE(hands, points);
}

void TestHands::colours()
{
    // Faces 2 and 4 are dark and take grey hands; every other face, known or not, black ones.
    const QColor grey(159, 159, 159);
    QCOMPARE(handColour(FaceStyle::Style1), QColor(Qt::black));
    QCOMPARE(handColour(FaceStyle::Style3), grey);
    QCOMPARE(handColour(FaceStyle::Style5), grey);
    QCOMPARE(handColour(FaceStyle(5)), QColor(Qt::black));
    QCOMPARE(secondHandColour(), QColor(255, 0, 0));
}

QTEST_GUILESS_MAIN(TestHands)
#include "tst_hands.moc"
