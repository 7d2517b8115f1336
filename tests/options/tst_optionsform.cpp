#include "options/optionsform.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

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
    o.timeFormat = TimeFormat::AmPmSeconds;
    o.displayDate = true;
    o.dateFormat = DateFormat::MonthDayYear;
    o.displayOppositeDate = true;
    o.oppositeDateFormat = DateFormat::Long;
    o.oppositeDateShift = OppositeDateShift::TwoDaysOn;
    o.followDst = true;
    o.keepPosition = true;
    o.faceStyle = FaceStyle::Style4;
    o.backgroundPicture = u"/pictures/sea.bmp"_s;
    o.solidColour = QColor(70, 110, 160);
    o.gradientColour = QColor(120, 160, 210);
    o.gradientDirection = GradientDirection::BottomUp;
    o.topColour = QColor(150, 190, 230);
    o.bottomColour = QColor(34, 64, 120);
    o.background = BackgroundKind::TwoColourGradient;
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
        o.timeFormat = TimeFormat(stored);
        o.dateFormat = o.oppositeDateFormat = DateFormat(stored);
        o.oppositeDateShift = OppositeDateShift(stored);
        o.faceStyle = FaceStyle(stored);

        const OptionsForm form = OptionsForm::fromSettings(state, Cities, {}, {});
        const auto position = [](auto choice) { return choice ? int(*choice) : -1; };
        const QList<int> shown = {position(form.timeFormat), position(form.dateFormat),
                                  position(form.oppositeDateFormat),
                                  position(form.oppositeDateShift), position(form.faceStyle)};
        QTEST(shown, "positions");
    }

    void storedValues_data()
    {
        QTest::addColumn<GradientDirection>("direction");
        QTest::addColumn<std::optional<BackgroundKind>>("background");
        QTest::addColumn<bool>("reverseDirection");

        QTest::newRow("top down, none")
            << GradientDirection::TopDown << std::optional(BackgroundKind::None) << false;
        QTest::newRow("bottom up, picture")
            << GradientDirection::BottomUp << std::optional(BackgroundKind::Picture) << true;
        QTest::newRow("left-right direction is not reversed")
            << GradientDirection::LeftToRight << std::optional(BackgroundKind::Solid) << false;
        QTest::newRow("unknown code: no kind")
            << GradientDirection::TopDown << std::optional<BackgroundKind>() << false;
    }
    void storedValues()
    {
        QFETCH(GradientDirection, direction);
        QFETCH(std::optional<BackgroundKind>, background);
        SettingsState state = factoryState();
        state.displayOptions.gradientDirection = direction;
        state.displayOptions.background = background;

        const OptionsForm form = OptionsForm::fromSettings(state, Cities, {}, {});
        const DisplayOptions &o = state.displayOptions;
        QCOMPARE((QList<QColor>{form.solidColour, form.gradientColour, form.topColour,
                                form.bottomColour}),
                 (QList<QColor>{o.solidColour, o.gradientColour, o.topColour, o.bottomColour}));
        QTEST(form.reverseDirection, "reverseDirection");
        QCOMPARE(form.background, background);
    }

    void saveWritesBackWhatWasShown()
    {
        // Opening and saving without a change writes the values the file held...
        const SettingsState state = factoryState();
        const OptionsForm form = OptionsForm::fromSettings(state, Cities, {}, {});
        const OptionsSave save = form.toSave(state.displayOptions);
        QCOMPARE(save.localCity, state.localCity);
        QCOMPARE(save.options, state.displayOptions);
        // ...taken from the form, not from the current record.
        QCOMPARE(form.toSave(DisplayOptions{}).options, state.displayOptions);
    }

    void localCity_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QByteArray>("zone"); // the computer's
        QTest::addColumn<int>("offsetMinutes");
        QTest::addColumn<QString>("chosen"); // empty: nothing chosen

        const QByteArray sydney = "Australia/Sydney"_ba;
        QTest::newRow("stored line is in the list")
            << u"Cairo!+02:00!EGY.bmp"_s << sydney << 600 << u"Cairo!+02:00!EGY.bmp"_s;
        QTest::newRow("a city line no longer in the list")
            << u"Paris!+01:00!FRA.bmp"_s << sydney << 600 << QString();
        QTest::newRow("same name, other zone: not the same line")
            << u"Cairo!+03:00!EGY.bmp"_s << QByteArray() << 120 << QString();
        // Fresh settings: the city of the computer's zone, not the first of its offset.
        QTest::newRow("fresh settings: the zone's own city")
            << u"00"_s << sydney << 600 << u"Sydney!+10:00!AUS.bmp"_s;
        QTest::newRow("fresh settings: the capital, not the country")
            << u"00"_s << "Indian/Reunion"_ba << 240 << u"Saint-Denis!+04:00!REU.bmp"_s;
        QTest::newRow("fresh settings, a zone no line has: first city of the offset")
            << u"00"_s << "Etc/UTC"_ba << 120 << u"Athens!+02:00!GRC.bmp"_s;
        QTest::newRow("fresh settings, half-hour offset")
            << u"00"_s << QByteArray() << 270 << u"Kabul!+04:30!AFG.bmp"_s;
        QTest::newRow("fresh settings, no city of that offset")
            << u"00"_s << QByteArray() << -300 << QString();
    }
    void localCity()
    {
        QFETCH(QString, stored);
        QFETCH(QByteArray, zone);
        QFETCH(int, offsetMinutes);
        QFETCH(QString, chosen);
        // In the list's order; the first of each zone is not the one to choose.
        const QList<CityLine> cities =
            Cities + cityLines({u"Australia!+10:00!AUS.bmp"_s, u"Brisbane!+10:00!AUS.bmp"_s,
                                u"Canberra!+10:00!AUS.bmp"_s, u"Sydney!+10:00!AUS.bmp"_s,
                                u"Réunion!+04:00!REU.bmp"_s, u"Saint-Denis!+04:00!REU.bmp"_s});
        const ZoneTable zones = ZoneTable::fromText(
            u"Australia!+10:00!AUS.bmp\tAustralia/Sydney\nBrisbane!+10:00!AUS.bmp\t"
            u"Australia/Brisbane\nCanberra!+10:00!AUS.bmp\tAustralia/Sydney\n"
            u"Sydney!+10:00!AUS.bmp\tAustralia/Sydney\nRéunion!+04:00!REU.bmp\tIndian/Reunion\n"
            u"Saint-Denis!+04:00!REU.bmp\tIndian/Reunion\n"_s);
        QVERIFY(!zones.isEmpty());
        const ComputerZone computer{zone, offsetMinutes};
        QCOMPARE(chooseLocalCity(cities, stored, zones, computer).value_or(QString()), chosen);
        QVERIFY(!chooseLocalCity({}, u"00"_s, zones, computer));
    }
};

QTEST_GUILESS_MAIN(TestOptionsForm)
#include "tst_optionsform.moc"
