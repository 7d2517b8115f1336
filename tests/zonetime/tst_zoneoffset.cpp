#include "zonetime/digitsvalue.h"
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
    void isWellFormed_data();
    void isWellFormed();
    void toText_data();
    void toText();
};

void TestZoneOffset::digitsValueOfText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("two digits") << u"05"_s << 5;
    QTest::newRow("leading blank") << u" 5"_s << 5;
    QTest::newRow("blank inside") << u"1 2"_s << 12;
    QTest::newRow("digit then letter") << u"5a"_s << 5;
    QTest::newRow("letter then digit") << u"a5"_s << 0;
    QTest::newRow("minus is no number") << u"-5"_s << 0;
    QTest::newRow("empty") << QString() << 0;
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

    QTest::newRow("+02:00") << u"+02:00"_s << 120;
    QTest::newRow("-03:30 minutes negative too") << u"-03:30"_s << -210;
    QTest::newRow("-00:30") << u"-00:30"_s << -30;
    QTest::newRow("other sign is positive") << u"x05:00"_s << 300;
    QTest::newRow("character 4 never looked at") << u"+05x30"_s << 330;
    QTest::newRow("non-digits count as 0") << u"+0a:1b"_s << 1;
    QTest::newRow("blanks in fields") << u"+ 2: 5"_s << 125;
    QTest::newRow("short text") << u"+5:00"_s << 300;
    QTest::newRow("sign only") << u"-"_s << 0;
    QTest::newRow("characters after 6 ignored") << u"-01:0099"_s << -60;
}

void TestZoneOffset::fromText()
{
    QFETCH(QString, text);
    QFETCH(int, minutes);
    QCOMPARE(ZoneOffset::fromText(text).minutes(), minutes);
}

void TestZoneOffset::isWellFormed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wellFormed");

    QTest::newRow("+02:00") << u"+02:00"_s << true;
    QTest::newRow("+14:00 widest") << u"+14:00"_s << true;
    QTest::newRow("+15:00 beyond") << u"+15:00"_s << false;
    QTest::newRow("minutes 59") << u"+05:59"_s << true;
    QTest::newRow("minutes 60") << u"+05:60"_s << false;
    QTest::newRow("no sign") << u"02:00"_s << false;
    QTest::newRow("other sign") << u"*02:00"_s << false;
    QTest::newRow("no colon") << u"+02-00"_s << false;
    QTest::newRow("letter in hours") << u"+0a:00"_s << false;
    QTest::newRow("seven characters") << u"+02:00 "_s << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("arabic-indic digits") << u"+\u0660\u0662:\u0660\u0660"_s << false;
}

void TestZoneOffset::isWellFormed()
{
    QFETCH(QString, text);
    QFETCH(bool, wellFormed);
    QCOMPARE(ZoneOffset::isWellFormed(text), wellFormed);
}

void TestZoneOffset::toText_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("text");

    QTest::newRow("UTC") << 0 << u"+00:00"_s;
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
