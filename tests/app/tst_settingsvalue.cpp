#include "app/settingsvalue.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestSettingsValue final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numericValue_data();
    void numericValue();
    void flags_data();
    void flags();
    void wholeNumber_data();
    void wholeNumber();
    void colourNumber_data();
    void colourNumber();
    void texts_data();
    void texts();
};

void TestSettingsValue::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << u""_s << 0.0;
    QTest::newRow("the missing-key text") << u"00"_s << 0.0;
    QTest::newRow("leading zero") << u"01"_s << 1.0;
    QTest::newRow("leading blanks, trailing text") << u"  \t12abc"_s << 12.0;
    QTest::newRow("blank ends the number") << u"1 2"_s << 1.0;
    QTest::newRow("comma ends the number") << u"1,5"_s << 1.0;
    QTest::newRow("minus") << u"-3"_s << -3.0;
    QTest::newRow("plus") << u"+4"_s << 4.0;
    QTest::newRow("fraction") << u"1.5"_s << 1.5;
    QTest::newRow("fraction without integer part") << u"-.5"_s << -0.5;
    QTest::newRow("exponent E") << u"1e3"_s << 1000.0;
    QTest::newRow("exponent D") << u"25D-1x"_s << 2.5;
    QTest::newRow("exponent without digits") << u"7e+"_s << 7.0;
    QTest::newRow("no number") << u"abc"_s << 0.0;
    QTest::newRow("sign only") << u"-"_s << 0.0;
    QTest::newRow("point only") << u"."_s << 0.0;
    QTest::newRow("hexadecimal") << u"&HFF"_s << 255.0;
    QTest::newRow("hexadecimal, lower case, trailing text") << u" &hffzz"_s << 255.0;
    QTest::newRow("hexadecimal white") << u"&HFFFFFF"_s << 16777215.0;
    QTest::newRow("hexadecimal four digits") << u"&HFFFF"_s << 65535.0;
    QTest::newRow("hexadecimal 32-bit pattern") << u"&HFFFFFFFF"_s << -1.0;
    QTest::newRow("hexadecimal lowest") << u"&H80000000"_s << -2147483648.0;
    QTest::newRow("hexadecimal too long") << u"&H1FFFFFFFF"_s << 0.0;
    QTest::newRow("hexadecimal without digits") << u"&H"_s << 0.0;
    QTest::newRow("octal") << u"&O17"_s << 15.0;
    QTest::newRow("ampersand alone") << u"&12"_s << 0.0;
    QTest::newRow("huge") << u"1e999"_s << std::numeric_limits<double>::infinity();
    QTest::newRow("tiny") << u"1e-999"_s << 0.0;
}

void TestSettingsValue::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(SettingsValue::numericValue(text), expected);
}

void TestSettingsValue::flags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("exactOne");
    QTest::addColumn<bool>("numeric");

    QTest::newRow("1") << u"1"_s << true << true;
    QTest::newRow("0") << u"0"_s << false << false;
    QTest::newRow("01") << u"01"_s << false << true;
    QTest::newRow("00") << u"00"_s << false << false;
    QTest::newRow("blank before") << u" 1"_s << false << true;
    QTest::newRow("blank after") << u"1 "_s << false << true;
    QTest::newRow("2") << u"2"_s << false << true;
    QTest::newRow("-1") << u"-1"_s << false << true;
    QTest::newRow("0.0") << u"0.0"_s << false << false;
    QTest::newRow("0.4") << u"0.4"_s << false << true;
    QTest::newRow("word") << u"True"_s << false << false;
    QTest::newRow("number then word") << u"7 days"_s << false << true;
    QTest::newRow("hexadecimal zero") << u"&H0"_s << false << false;
    QTest::newRow("hexadecimal") << u"&H10"_s << false << true;
    QTest::newRow("empty") << u""_s << false << false;
}

void TestSettingsValue::flags()
{
    QFETCH(QString, text);
    QFETCH(bool, exactOne);
    QFETCH(bool, numeric);
    QCOMPARE(SettingsValue::exactOneFlag(text), exactOne);
    QCOMPARE(SettingsValue::numericFlag(text), numeric);
}

void TestSettingsValue::wholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("00") << u"00"_s << 0;
    QTest::newRow("05") << u"05"_s << 5;
    QTest::newRow("one digit") << u"7"_s << 7;
    QTest::newRow("half down to even") << u"2.5"_s << 2;
    QTest::newRow("half up to even") << u"3.5"_s << 4;
    QTest::newRow("half of zero") << u"0.5"_s << 0;
    QTest::newRow("one and a half") << u"1.5"_s << 2;
    QTest::newRow("negative half") << u"-2.5"_s << -2;
    QTest::newRow("above half") << u"2.51"_s << 3;
    QTest::newRow("below half") << u"-1.49"_s << -1;
    QTest::newRow("largest") << u"32767"_s << 32767;
    QTest::newRow("just too large") << u"32768"_s << 32767;
    QTest::newRow("clamped high") << u"40000"_s << 32767;
    QTest::newRow("smallest") << u"-32768"_s << -32768;
    QTest::newRow("clamped low") << u"-40000"_s << -32768;
    QTest::newRow("exponent clamped") << u"1e10"_s << 32767;
    QTest::newRow("beyond double") << u"-1e999"_s << -32768;
    QTest::newRow("hexadecimal") << u"&H10"_s << 16;
    QTest::newRow("no number") << u"x"_s << 0;
}

void TestSettingsValue::wholeNumber()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(int(SettingsValue::wholeNumber(text)), expected);
}

void TestSettingsValue::colourNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("expected");

    QTest::newRow("missing key") << u"00"_s << 0;
    QTest::newRow("red") << u"255"_s << 255;
    QTest::newRow("blue") << u"16711680"_s << 16711680;
    QTest::newRow("minus one") << u"-1"_s << -1;
    QTest::newRow("hexadecimal red") << u"&HFF"_s << 255;
    QTest::newRow("hexadecimal white") << u"&HFFFFFF"_s << 16777215;
    QTest::newRow("hexadecimal yellow") << u"&HFFFF"_s << 65535;
    QTest::newRow("fraction") << u"254.5"_s << 254;
    QTest::newRow("clamped") << u"99999999999"_s << std::numeric_limits<qint32>::max();
    QTest::newRow("no number") << u"blue"_s << 0;
}

void TestSettingsValue::colourNumber()
{
    QFETCH(QString, text);
    QFETCH(qint32, expected);
    QCOMPARE(SettingsValue::colourNumber(text), expected);
}

void TestSettingsValue::texts_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("section");

    QTest::newRow("0") << 0 << u"0"_s << u"00"_s << u"Clock_00"_s;
    QTest::newRow("1") << 1 << u"1"_s << u"01"_s << u"Clock_01"_s;
    QTest::newRow("9") << 9 << u"9"_s << u"09"_s << u"Clock_09"_s;
    QTest::newRow("10") << 10 << u"10"_s << u"10"_s << u"Clock_10"_s;
    QTest::newRow("99") << 99 << u"99"_s << u"99"_s << u"Clock_99"_s;
    QTest::newRow("100") << 100 << u"100"_s << u"100"_s << u"Clock_100"_s;
    QTest::newRow("32767") << 32767 << u"32767"_s << u"32767"_s << u"Clock_32767"_s;
    QTest::newRow("negative") << -5 << u"-5"_s << u"-5"_s << u"Clock_-5"_s;
}

void TestSettingsValue::texts()
{
    QFETCH(int, number);
    QFETCH(QString, plain);
    QFETCH(QString, count);
    QFETCH(QString, section);
    QCOMPARE(SettingsValue::numberToText(number), plain);
    QCOMPARE(SettingsValue::clockCountText(number), count);
    QCOMPARE(SettingsValue::clockSectionName(number), section);
    QCOMPARE(SettingsValue::flagToText(number != 0), number != 0 ? u"1"_s : u"0"_s);
}

QTEST_GUILESS_MAIN(TestSettingsValue)
#include "tst_settingsvalue.moc"
