#include "settings/settingsvalue.h"

#include <QColor>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestSettingsValue final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numericValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");

        QTest::newRow("the missing-key text") << u"00"_s << 0.0;
        QTest::newRow("leading zero") << u"01"_s << 1.0;
        QTest::newRow("leading blanks, trailing text") << u"  \t12abc"_s << 12.0;
        QTest::newRow("blank ends the number") << u"1 2"_s << 1.0;
        QTest::newRow("comma ends the number") << u"1,5"_s << 1.0;
        QTest::newRow("minus") << u"-3"_s << -3.0;
        QTest::newRow("plus") << u"+4"_s << 4.0;
        QTest::newRow("fraction") << u"1.5"_s << 1.5;
        QTest::newRow("fraction without integer part") << u"-.5"_s << -0.5;
        QTest::newRow("exponent D") << u"25D-1x"_s << 2.5;
        QTest::newRow("exponent without digits") << u"7e+"_s << 7.0;
        QTest::newRow("no number") << u"abc"_s << 0.0;
        QTest::newRow("point only") << u"."_s << 0.0;
        QTest::newRow("hexadecimal, lower case, trailing text") << u" &hffzz"_s << 255.0;
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

    void numericValue()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(SettingsValue::numericValue(text), expected);
    }

    void flags_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("exactOne");
        QTest::addColumn<bool>("numeric");

        QTest::newRow("1") << u"1"_s << true << true;
        QTest::newRow("01") << u"01"_s << false << true;
        QTest::newRow("00") << u"00"_s << false << false;
        QTest::newRow("blank before") << u" 1"_s << false << true;
        QTest::newRow("blank after") << u"1 "_s << false << true;
        QTest::newRow("2") << u"2"_s << false << true;
        QTest::newRow("-1") << u"-1"_s << false << true;
        QTest::newRow("0.0") << u"0.0"_s << false << false;
        QTest::newRow("0.4") << u"0.4"_s << false << true;
        QTest::newRow("word") << u"True"_s << false << false;
        QTest::newRow("empty") << u""_s << false << false;
    }

    void flags()
    {
        QFETCH(QString, text);
        QFETCH(bool, exactOne);
        QFETCH(bool, numeric);
        QCOMPARE(SettingsValue::exactOneFlag(text), exactOne);
        QCOMPARE(SettingsValue::numericFlag(text), numeric);
    }

    void wholeNumbers_data()
    {
        // Both round halves to even; they differ only in the range they clamp to.
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("whole");
        QTest::addColumn<qint32>("colour");
        const qint32 max = std::numeric_limits<qint32>::max();
        const qint32 min = std::numeric_limits<qint32>::min();

        QTest::newRow("missing key") << u"00"_s << 0 << 0;
        QTest::newRow("leading zero") << u"05"_s << 5 << 5;
        QTest::newRow("half down to even") << u"2.5"_s << 2 << 2;
        QTest::newRow("half up to even") << u"3.5"_s << 4 << 4;
        QTest::newRow("negative half") << u"-2.5"_s << -2 << -2;
        QTest::newRow("above half") << u"2.51"_s << 3 << 3;
        QTest::newRow("below half") << u"-1.49"_s << -1 << -1;
        QTest::newRow("fraction") << u"254.5"_s << 254 << 254;
        QTest::newRow("minus one") << u"-1"_s << -1 << -1;
        QTest::newRow("16-bit largest") << u"32767"_s << 32767 << 32767;
        QTest::newRow("16-bit too large") << u"32768"_s << 32767 << 32768;
        QTest::newRow("16-bit smallest") << u"-32768"_s << -32768 << -32768;
        QTest::newRow("16-bit too small") << u"-32769"_s << -32768 << -32769;
        QTest::newRow("blue") << u"16711680"_s << 32767 << 16711680;
        QTest::newRow("hexadecimal red") << u"&HFF"_s << 255 << 255;
        QTest::newRow("hexadecimal yellow") << u"&HFFFF"_s << 32767 << 65535;
        QTest::newRow("32-bit too large") << u"99999999999"_s << 32767 << max;
        QTest::newRow("beyond double") << u"-1e999"_s << -32768 << min;
        QTest::newRow("no number") << u"blue"_s << 0 << 0;
    }

    void wholeNumbers()
    {
        QFETCH(QString, text);
        QFETCH(int, whole);
        QFETCH(qint32, colour);
        QCOMPARE(int(SettingsValue::wholeNumber(text)), whole);
        QCOMPARE(SettingsValue::colourNumber(text), colour);
    }

    // A colour number's bytes are red, green and blue from the lowest up; it is written back as
    // the plain decimal number of the colour.
    void colours_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("written");
        QTest::newRow("decimal blue") << u"16711680"_s << QColor(0, 0, 255) << u"16711680"_s;
        QTest::newRow("hexadecimal red") << u"&HFF"_s << QColor(255, 0, 0) << u"255"_s;
        QTest::newRow("green") << u"65280"_s << QColor(0, 255, 0) << u"65280"_s;
        QTest::newRow("-1 is white") << u"-1"_s << QColor(255, 255, 255) << u"16777215"_s;
        QTest::newRow("missing key reads 00: black") << u"00"_s << QColor(0, 0, 0) << u"0"_s;
        QTest::newRow("a fourth byte is dropped")
            << u"&H1FF8040"_s << QColor(0x40, 0x80, 0xFF) << u"16744512"_s;
    }
    void colours()
    {
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        QCOMPARE(SettingsValue::colour(text), colour);
        QTEST(SettingsValue::colourToText(colour), "written");
    }

    void texts_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("section");

        QTest::newRow("0") << 0 << u"0"_s << u"00"_s << u"Clock_00"_s;
        QTest::newRow("1") << 1 << u"1"_s << u"01"_s << u"Clock_01"_s;
        QTest::newRow("10") << 10 << u"10"_s << u"10"_s << u"Clock_10"_s;
        QTest::newRow("100") << 100 << u"100"_s << u"100"_s << u"Clock_100"_s;
        QTest::newRow("negative") << -5 << u"-5"_s << u"-5"_s << u"Clock_-5"_s;
    }

    void texts()
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
};

QTEST_GUILESS_MAIN(TestSettingsValue)
#include "tst_settingsvalue.moc"
