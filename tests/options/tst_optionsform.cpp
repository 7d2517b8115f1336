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

// In the list's order; the first of each zone or offset is not always the one to choose.
const QList<CityLine> Cities = cityLines(
    {u"London!+00:00!GBR.bmp"_s, u"Athens!+02:00!GRC.bmp"_s, u"Cairo!+02:00!EGY.bmp"_s,
     u"Kabul!+04:30!AFG.bmp"_s, u"Australia!+10:00!AUS.bmp"_s, u"Sydney!+10:00!AUS.bmp"_s});

// Settings in which every value differs from a default DisplayOptions.
SettingsState storedState()
{
    SettingsState state;
    state.localCity = u"Cairo!+02:00!EGY.bmp"_s;
    DisplayOptions &o = state.displayOptions;
    o.alwaysOnTop = o.hideSysTrayIcon = o.displayClock = o.displayTime = o.displayDate = true;
    o.displayOppositeDate = o.followDst = o.keepPosition = true;
    o.timeFormat = TimeFormat::AmPmSeconds;
    o.dateFormat = DateFormat::MonthDayYear;
    o.oppositeDateFormat = DateFormat::Long;
    o.oppositeDateShift = OppositeDateShift::TwoDaysOn;
    o.faceStyle = FaceStyle::Style4;
    o.background = BackgroundKind::TwoColourGradient;
    o.backgroundPicture = u"/pictures/sea.bmp"_s;
    o.solidColour = QColor(70, 110, 160);
    o.gradientColour = QColor(120, 160, 210);
    o.gradientDirection = GradientDirection::BottomUp;
    o.topColour = QColor(150, 190, 230);
    o.bottomColour = QColor(34, 64, 120);
    return state;
}

} // namespace

class TestOptionsForm final : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void saveWritesBackWhatWasShown()
    {
        // Opening and saving without a change writes the values the file held...
        const SettingsState state = storedState();
        OptionsForm form = OptionsForm::fromSettings(state, Cities, {}, {});
        QVERIFY(form.reverseDirection);
        QCOMPARE(form.toSave(state.displayOptions).localCity, state.localCity);
        // ...taken from the form, not from the current record.
        QCOMPARE(form.toSave(DisplayOptions{}).options, state.displayOptions);

        // What the controls cannot show (a position beyond a list, an unknown kind) is written
        // back as it was; only bottom-up is a reversed direction.
        SettingsState other = state;
        DisplayOptions &o = other.displayOptions;
        o.timeFormat = TimeFormat(4);
        o.faceStyle = FaceStyle(-1);
        o.background.reset();
        o.gradientDirection = GradientDirection::LeftToRight;
        form = OptionsForm::fromSettings(other, Cities, {}, {});
        QVERIFY(!form.timeFormat && !form.faceStyle && !form.background && !form.reverseDirection);
        o.gradientDirection = GradientDirection::TopDown;
        QCOMPARE(form.toSave(other.displayOptions).options, other.displayOptions);
    }

    void localCity()
    {
        const ZoneTable zones = ZoneTable::fromText(
            u"Australia!+10:00!AUS.bmp\tAustralia/Sydney\nSydney!+10:00!AUS.bmp\tAustralia/Sydney\n"_s);
        // Stored line, the computer's zone and offset -> the city chosen.
        const QList<std::tuple<QString, QByteArray, int, QString>> choices{
            {u"Cairo!+02:00!EGY.bmp"_s, "Australia/Sydney", 600, u"Cairo!+02:00!EGY.bmp"_s},
            // Fresh settings: the city of the computer's zone, not the country's first line...
            {u"00"_s, "Australia/Sydney", 600, u"Sydney!+10:00!AUS.bmp"_s},
            // ...or the first city of its offset.
            {u"00"_s, "Etc/UTC", 120, u"Athens!+02:00!GRC.bmp"_s},
            {u"00"_s, {}, -300, {}}};
        for (const auto &[stored, zone, offset, chosen] : choices) {
            const ComputerZone computer{zone, offset};
            QCOMPARE(chooseLocalCity(Cities, stored, zones, computer).value_or(QString()), chosen);
            QVERIFY(!chooseLocalCity({}, stored, zones, computer));
        }
    }
};

QTEST_GUILESS_MAIN(TestOptionsForm)
#include "tst_optionsform.moc"
