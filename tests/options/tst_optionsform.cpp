#include "options/optionsform.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int NoKind = -1;

QList<CityLine> cityLines(const QStringList &texts)
{
    QList<CityLine> lines;
    for (const QString &text : texts)
        lines.append(*CityLine::fromText(text));
    return lines;
}

const QList<CityLine> Cities = cityLines({u"London!+00:00!GBR.bmp"_s, u"Athens!+02:00!GRC.bmp"_s,
                                          u"Cairo!+02:00!EGY.bmp"_s, u"Kabul!+04:30!AFG.bmp"_s});

// Settings in which every value differs from a default DisplayOptions, every list on an entry
// other than the first.
SettingsState factoryState()
{
    SettingsState state;
    state.localCity = u"Cairo!+02:00!EGY.bmp"_s;
    DisplayOptions &o = state.displayOptions;
    o.hideSysTrayIcon = true;
    o.alwaysOnTop = true;
    o.displayClock = true;
    o.displayTime = true;
    o.timeFormat = 2;
    o.displayDate = true;
    o.dateFormat = 1;
    o.displayOpsDate = true;
    o.opsDateFormat = 3;
    o.opsDateDiff = 4;
    o.followDst = true;
    o.clockPicture = 3;
    o.bgPicture = u"/pictures/sea.bmp"_s;
    o.solid = u"10513990"_s;
    o.oneColor = u"13803640"_s;
    o.oneColorDir = 1;
    o.twoColors1 = u"15122070"_s;
    o.twoColors2 = u"7880738"_s;
    o.backGround = u"grt2"_s;
    return state;
}

} // namespace

class TestOptionsForm final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listPositions_data()
    {
        QTest::addColumn<qint16>("stored");
        QTest::addColumn<QList<int>>("positions"); // time, date, opposite date, diff, style

        QTest::newRow("first entries") << qint16(0) << QList<int>{0, 0, 0, 0, 0};
        QTest::newRow("last entry of the four-entry lists")
            << qint16(3) << QList<int>{3, 3, 3, 3, 3};
        QTest::newRow("beyond the four-entry lists") << qint16(4) << QList<int>{-1, -1, -1, 4, 4};
        QTest::newRow("beyond every list") << qint16(5) << QList<int>{-1, -1, -1, -1, -1};
        QTest::newRow("negative") << qint16(-1) << QList<int>{-1, -1, -1, -1, -1};
    }
    void listPositions()
    {
        QFETCH(qint16, stored);
        SettingsState state;
        DisplayOptions &o = state.displayOptions;
        o.timeFormat = o.dateFormat = o.opsDateFormat = o.opsDateDiff = o.clockPicture = stored;

        const OptionsForm form = OptionsForm::fromSettings(state, Cities, 0);
        const QList<int> shown = {form.timeFormat, form.dateFormat, form.opsDateFormat,
                                  form.opsDateDiff, form.clockPicture};
        QTEST(shown, "positions");
    }

    void storedValues_data()
    {
        QTest::addColumn<QString>("colourText");
        QTest::addColumn<qint16>("oneColorDir");
        QTest::addColumn<QString>("backGround");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("reverseDir");
        QTest::addColumn<int>("kind");

        QTest::newRow("decimal, top down, none")
            << u"16711680"_s << qint16(0) << u"non"_s << QColor(0, 0, 255) << false
            << int(BackgroundKind::None);
        QTest::newRow("hexadecimal, bottom up, picture")
            << u"&HFF"_s << qint16(1) << u"pic"_s << QColor(255, 0, 0) << true
            << int(BackgroundKind::Picture);
        QTest::newRow("-1 is white; left-right direction is not reversed")
            << u"-1"_s << qint16(2) << u"sld"_s << QColor(Qt::white) << false
            << int(BackgroundKind::Solid);
        QTest::newRow("missing key reads 00: black")
            << u"00"_s << qint16(0) << u"grt1"_s << QColor(Qt::black) << false
            << int(BackgroundKind::OneColorGradient);
        QTest::newRow("two colours") << u"65280"_s << qint16(0) << u"grt2"_s << QColor(0, 255, 0)
                                     << false << int(BackgroundKind::TwoColorGradient);
        QTest::newRow("codes are case-sensitive")
            << u"0"_s << qint16(0) << u"GRT2"_s << QColor(Qt::black) << false << NoKind;
        QTest::newRow("missing code")
            << u"0"_s << qint16(0) << u"00"_s << QColor(Qt::black) << false << NoKind;
    }
    void storedValues()
    {
        QFETCH(QString, colourText);
        QFETCH(qint16, oneColorDir);
        QFETCH(QString, backGround);
        QFETCH(QColor, colour);
        QFETCH(int, kind);
        SettingsState state;
        DisplayOptions &o = state.displayOptions;
        o.solid = o.oneColor = o.twoColors1 = o.twoColors2 = colourText;
        o.oneColorDir = oneColorDir;
        o.backGround = backGround;

        const OptionsForm form = OptionsForm::fromSettings(state, Cities, 0);
        const QList<QColor> swatches = {form.solid, form.oneColor, form.twoColors1,
                                        form.twoColors2};
        QCOMPARE(swatches, QList<QColor>(4, colour));
        QTEST(form.reverseDir, "reverseDir");
        QCOMPARE(form.background ? int(*form.background) : NoKind, kind);
    }

    void saveWritesBackWhatWasShown()
    {
        // Opening and saving without a change writes the values the file held...
        const SettingsState state = factoryState();
        const OptionsForm form = OptionsForm::fromSettings(state, Cities, 0);
        const OptionsSave save = form.toSave(state.displayOptions);
        QCOMPARE(save.localCity, state.localCity);
        QCOMPARE(save.options, state.displayOptions);
        // ...taken from the form: the current record gives only the picture path.
        DisplayOptions other;
        other.bgPicture = state.displayOptions.bgPicture;
        QCOMPARE(form.toSave(other).options, state.displayOptions);
    }

    void localCity_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("offsetMinutes");
        QTest::addColumn<QString>("chosen"); // empty: nothing chosen

        QTest::newRow("stored line is in the list")
            << u"Cairo!+02:00!EGY.bmp"_s << 270 << u"Cairo!+02:00!EGY.bmp"_s;
        QTest::newRow("fresh settings: first city of the computer's offset")
            << u"00"_s << 120 << u"Athens!+02:00!GRC.bmp"_s;
        QTest::newRow("fresh settings, half-hour offset")
            << u"00"_s << 270 << u"Kabul!+04:30!AFG.bmp"_s;
        QTest::newRow("fresh settings, no city of that offset") << u"00"_s << -300 << QString();
        QTest::newRow("a city line no longer in the list")
            << u"Paris!+01:00!FRA.bmp"_s << 120 << QString();
        QTest::newRow("same name, other zone: not the same line")
            << u"Cairo!+03:00!EGY.bmp"_s << 120 << QString();
    }
    void localCity()
    {
        QFETCH(QString, stored);
        QFETCH(int, offsetMinutes);
        QFETCH(QString, chosen);
        QCOMPARE(chooseLocalCity(Cities, stored, offsetMinutes).value_or(QString()), chosen);
        QVERIFY(!chooseLocalCity({}, u"00"_s, offsetMinutes));
    }
};

QTEST_GUILESS_MAIN(TestOptionsForm)
#include "tst_optionsform.moc"
