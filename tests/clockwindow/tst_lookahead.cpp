#include "clockwindow/lookahead.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestLookAhead final : public QObject {
    Q_OBJECT

    const QDateTime m_start{QDate(2026, 12, 7), QTime(9, 0), Qt::UTC};

private Q_SLOTS:
    void wheelTurns_data()
    {
        QTest::addColumn<QList<int>>("angles");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("minutes");
        QTest::newRow("two notches later") << QList<int>{120, 120} << 15 << 30;
        QTest::newRow("an hour a notch, back") << QList<int>{-120} << 60 << -60;
        QTest::newRow("fine wheel adds up") << QList<int>{40, 40, 30, 30} << 15 << 15;
        QTest::newRow("fine wheel short of a notch") << QList<int>{40, 40} << 15 << 0;
        QTest::newRow("turning back starts afresh") << QList<int>{100, -60, -60} << 15 << -15;
        QTest::newRow("one event of three notches") << QList<int>{360} << 24 * 60 << 3 * 24 * 60;
        QTest::newRow("never beyond a year")
            << QList<int>{120 * 400} << 24 * 60 << LookAhead::MaxMinutes;
    }
    void wheelTurns()
    {
        QFETCH(QList<int>, angles);
        QFETCH(int, step);
        LookAhead ahead;
        for (const int angle : angles)
            ahead.turn(angle, step, m_start);
        QTEST(ahead.minutes(), "minutes");
        QCOMPARE(ahead.isActive(), ahead.minutes() != 0);
        QCOMPARE(ahead.shown(m_start), m_start.addSecs(ahead.minutes() * 60));
    }

    void goesBackToNowAfterTheWheelRests()
    {
        LookAhead ahead;
        QVERIFY(ahead.turn(120, 15, m_start));
        QVERIFY(!ahead.expire(m_start.addMSecs(LookAhead::ReturnAfterMs - 1)));
        ahead.hold(m_start.addSecs(5)); // a menu open: the rest counts from here
        QVERIFY(!ahead.expire(m_start.addMSecs(LookAhead::ReturnAfterMs + 1000)));
        QVERIFY(ahead.expire(m_start.addMSecs(LookAhead::ReturnAfterMs + 5000)));
        QCOMPARE(ahead.shown(m_start), m_start);

        // A clock set back cannot say how long the wheel rested: back to now.
        QVERIFY(ahead.turn(120, 15, m_start));
        QVERIFY(ahead.expire(m_start.addSecs(-1)));
        QVERIFY(!ahead.reset());
    }

    void offsetTexts_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("text");
        QTest::newRow("quarters") << 135 << u"+2 h 15"_s;
        QTest::newRow("minutes only") << -45 << u"\u221245 min"_s;
        QTest::newRow("whole hours") << 180 << u"+3 h"_s;
        QTest::newRow("days") << 3 * 1440 << u"+3 d"_s;
        QTest::newRow("days and more") << -(1440 + 150) << u"\u22121 d 2 h 30"_s;
        QTest::newRow("a day and a quarter") << 1440 + 15 << u"+1 d 0 h 15"_s;
    }
    void offsetTexts()
    {
        QFETCH(int, minutes);
        QTEST(LookAhead::offsetText(minutes), "text");
    }
};

QTEST_GUILESS_MAIN(TestLookAhead)
#include "tst_lookahead.moc"
