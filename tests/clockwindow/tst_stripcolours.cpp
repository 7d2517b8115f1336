#include "clockwindow/stripcolours.h"

#include <QTest>

class TestStripColours final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textReadsOnEveryBackground()
    {
        QCOMPARE(StripColours::contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(StripColours::contrastRatio(Qt::red, Qt::red), 1.0);
        // Whatever the background, black or white reads on it at the guidelines' level for
        // small text.
        for (int red = 0; red < 256; red += 15) {
            for (int green = 0; green < 256; green += 15) {
                for (int blue = 0; blue < 256; blue += 15) {
                    const QColor background(red, green, blue);
                    const QColor text = StripColours::textColourOn(background);
                    QVERIFY(StripColours::contrastRatio(text, background) >= 4.5);
                }
            }
        }
        for (const QColor row : {StripColours::CityRow, StripColours::TimeRow,
                                 StripColours::DateRow, StripColours::OppositeDateRow})
            QCOMPARE(StripColours::textColourOn(row), QColor(Qt::black));
    }
};

QTEST_GUILESS_MAIN(TestStripColours)
#include "tst_stripcolours.moc"
