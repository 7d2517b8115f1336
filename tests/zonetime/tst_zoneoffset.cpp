#include "zonetime/digits.h"
#include "zonetime/zoneoffset.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestZoneOffset final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void digitsValueOfText_data();
    void digitsValueOfText();
    void fromText_data();
    void fromText();
    void toText_data();
    void toText();
};

void TestZoneOffset::digitsValueOfText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("two digits") << u"05"_s << 5;
    QTest::newRow("blank inside") << u"1 2"_s << 12;
    QTest::newRow("digit then letter") << u"5a"_s << 5;
    QTest::newRow("letter then digit") << u"a5"_s << 0;
    QTest::newRow("arabic-indic digit") << u"\u0665"_s << 0;
    QTest::newRow("too large") << u"99999999999999999999"_s << std::numeric_limits<int>::max();
}

void TestZoneOffset::digitsValueOfText()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(digitsValue(text), value);
}

void TestZoneOffset::fromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<bool>("wellFormed");

    // Reading is lenient and never fails; only the strict check refuses a text.
    QTest::newRow("-03:30 minutes negative too") << u"-03:30"_s << -210 << true;
    QTest::newRow("-00:30") << u"-00:30"_s << -30 << true;
    QTest::newRow("+14:00 widest") << u"+14:00"_s << 840 << true;
    QTest::newRow("+15:00 beyond") << u"+15:00"_s << 900 << false;
    QTest::newRow("minutes 59") << u"+05:59"_s << 359 << true;
    QTest::newRow("minutes 60") << u"+05:60"_s << 360 << false;
    QTest::newRow("other sign is positive") << u"x05:00"_s << 300 << false;
    QTest::newRow("character 4 never read, but no colon") << u"+05x30"_s << 330 << false;
    QTest::newRow("letters count as 0") << u"+0a:1b"_s << 1 << false;
    QTest::newRow("short text") << u"+5:00"_s << 300 << false;
    QTest::newRow("sign only") << u"-"_s << 0 << false;
    QTest::newRow("seven characters, after 6 ignored") << u"-01:0099"_s << -60 << false;
    QTest::newRow("empty") << QString() << 0 << false;
    QTest::newRow("arabic-indic digits") << u"+\u0660\u0662:\u0660\u0660"_s << 0 << false;
}

void TestZoneOffset::fromText()
{
    QFETCH(QString, text);
    QFETCH(int, minutes);
    QFETCH(bool, wellFormed);
    QCOMPARE(ZoneOffset::fromText(text).minutes(), minutes);
    QCOMPARE(ZoneOffset::isWellFormed(text), wellFormed);
}

void TestZoneOffset::toText_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("text");

    QTest::newRow("east") << 330 << u"+05:30"_s;
    QTest::newRow("west, minutes negative too") << -210 << u"-03:30"_s;
    QTest::newRow("half an hour west") << -30 << u"-00:30"_s;
}

void TestZoneOffset::toText()
{
    QFETCH(int, minutes);
    QFETCH(QString, text);
    QCOMPARE(ZoneOffset(minutes).toText(), text);
    QVERIFY(ZoneOffset::isWellFormed(text));
    QCOMPARE(ZoneOffset::fromText(text).minutes(), minutes);
}

QTEST_GUILESS_MAIN(TestZoneOffset)
#include "tst_zoneoffset.moc"
