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

// The factory settings, every list on an entry that differs from the first.
SettingsState factoryState()
{
    SettingsState state;
    state.localCity = u"Cairo!+02:00!EGY.bmp"_s;
    DisplayOptions &o = state.displayOptions;
    o.hideSysTrayIcon = true;
    o.displayClock = true;
    o.displayTime = true;
    o.timeFormat = 2;
    o.displayDate = true;
    o.dateFormat = 1;
    o.opsDateFormat = 3;
    o.opsDateDiff = 4;
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

// A fill in words, so that a table row can say what the preview shows.
QString describe(const StripFill &fill)
{
    return std::visit(
        [](const auto &kind) -> QString {
            using Kind = std::decay_t<decltype(kind)>;
            if constexpr (std::is_same_v<Kind, StripFill::Solid>)
                return u"solid "_s + kind.colour.name();
            else if constexpr (std::is_same_v<Kind, StripFill::OneColorGradient>)
                return u"one "_s + kind.start.name() + u' ' + QString::number(kind.directionCode);
            else if constexpr (std::is_same_v<Kind, StripFill::TwoColorGradient>)
                return u"two "_s + kind.top.name() + u' ' + kind.bottom.name();
            else if constexpr (std::is_same_v<Kind, StripFill::Picture>)
                return u"picture"_s;
            else
                return u"nothing"_s;
        },
        fill.kind);
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

    void eachControlShowsItsOwnKey()
    {
        const OptionsForm form = OptionsForm::fromSettings(factoryState(), Cities, 0);
        QCOMPARE(form.localCity, u"Cairo!+02:00!EGY.bmp"_s);
        QVERIFY(form.hideSysTrayIcon);
        QVERIFY(!form.alwaysOnTop);
        QVERIFY(form.displayClock && form.displayTime && form.displayDate);
        QVERIFY(!form.displayOpsDate);
        QCOMPARE(form.timeFormat, 2);
        QCOMPARE(form.dateFormat, 1);
        QCOMPARE(form.opsDateFormat, 3);
        QCOMPARE(form.opsDateDiff, 4);
        QCOMPARE(form.clockPicture, 3);
        QCOMPARE(form.solid, QColor(70, 110, 160));
        QCOMPARE(form.oneColor, QColor(120, 160, 210));
        QCOMPARE(form.twoColors1, QColor(150, 190, 230));
        QCOMPARE(form.twoColors2, QColor(34, 64, 120));
        QVERIFY(form.reverseDir);
        QCOMPARE(form.background, BackgroundKind::TwoColorGradient);
    }

    void saveWritesBackWhatWasShown()
    {
        // Opening and saving without a change writes the values the file held.
        const SettingsState state = factoryState();
        const OptionsSave save =
            OptionsForm::fromSettings(state, Cities, 0).toSave(state.displayOptions);
        QCOMPARE(save.localCity, state.localCity);
        QCOMPARE(save.options, state.displayOptions);
    }

    void saveValues_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("text");

        QTest::newRow("pure blue") << QColor(0, 0, 255) << u"16711680"_s;
        QTest::newRow("pure red") << QColor(255, 0, 0) << u"255"_s;
        QTest::newRow("white") << QColor(Qt::white) << u"16777215"_s;
        QTest::newRow("black") << QColor(Qt::black) << u"0"_s;
        QTest::newRow("mixed") << QColor(1, 2, 3) << u"197121"_s;
    }
    void saveValues()
    {
        QFETCH(QColor, colour);
        QFETCH(QString, text);
        OptionsForm form;
        form.solid = form.oneColor = form.twoColors1 = form.twoColors2 = colour;
        const DisplayOptions saved = form.toSave(DisplayOptions{}).options;
        QCOMPARE((QStringList{saved.solid, saved.oneColor, saved.twoColors1, saved.twoColors2}),
                 QStringList(4, text));
    }

    void unchosenValuesStayAsStored()
    {
        // Lists without a selection, no background button and no city: a Save keeps what the
        // state holds (the writer then leaves an unknown BackGround and Local unwritten).
        DisplayOptions current;
        current.timeFormat = 7;
        current.dateFormat = -2;
        current.opsDateFormat = 9;
        current.opsDateDiff = 12;
        current.clockPicture = 5;
        current.backGround = u"xyz"_s;
        current.bgPicture = u"/p/new.bmp"_s;
        OptionsForm form;
        form.reverseDir = true;

        const OptionsSave save = form.toSave(current);
        QVERIFY(!save.localCity);
        QCOMPARE(save.options.timeFormat, 7);
        QCOMPARE(save.options.dateFormat, -2);
        QCOMPARE(save.options.opsDateFormat, 9);
        QCOMPARE(save.options.opsDateDiff, 12);
        QCOMPARE(save.options.clockPicture, 5);
        QCOMPARE(save.options.backGround, u"xyz"_s);
        QCOMPARE(save.options.bgPicture, u"/p/new.bmp"_s);
        QCOMPARE(save.options.oneColorDir, 1);

        form.background = BackgroundKind::None;
        form.timeFormat = 1;
        QCOMPARE(form.toSave(current).options.backGround, u"non"_s);
        QCOMPARE(form.toSave(current).options.timeFormat, 1);
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

    void previewFill_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("reverseDir");
        QTest::addColumn<QString>("fill");

        QTest::newRow("no kind") << NoKind << false << u"solid #cfcfcf"_s;
        QTest::newRow("none") << int(BackgroundKind::None) << false << u"solid #cfcfcf"_s;
        QTest::newRow("picture lies over grey")
            << int(BackgroundKind::Picture) << false << u"solid #cfcfcf"_s;
        QTest::newRow("solid") << int(BackgroundKind::Solid) << false << u"solid #010203"_s;
        QTest::newRow("one colour, top down")
            << int(BackgroundKind::OneColorGradient) << false << u"one #040506 1"_s;
        QTest::newRow("one colour, bottom up")
            << int(BackgroundKind::OneColorGradient) << true << u"one #040506 2"_s;
        QTest::newRow("two colours")
            << int(BackgroundKind::TwoColorGradient) << true << u"two #070809 #0a0b0c"_s;
    }
    void previewFill()
    {
        QFETCH(int, kind);
        QFETCH(bool, reverseDir);
        OptionsForm form;
        if (kind != NoKind)
            form.background = BackgroundKind(kind);
        form.reverseDir = reverseDir;
        form.solid = QColor(1, 2, 3);
        form.oneColor = QColor(4, 5, 6);
        form.twoColors1 = QColor(7, 8, 9);
        form.twoColors2 = QColor(10, 11, 12);
        QTEST(describe(form.previewFill()), "fill");
    }
};

QTEST_GUILESS_MAIN(TestOptionsForm)
#include "tst_optionsform.moc"
