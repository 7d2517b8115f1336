#include "options/optionsform.h"

#include "settings/settingsvalue.h"
#include "settings/colournumber.h"
#include "clockwindow/stripgradient.h"
#include "zonetime/zoneoffset.h"
#include "zonetime/zonetime.h"

using namespace Qt::StringLiterals;

namespace {

const QColor PreviewGrey(207, 207, 207);

int listPosition(qint16 stored, int count)
{
    return stored >= 0 && stored < count ? stored : OptionsForm::NoSelection;
}

qint16 storedPosition(int position, qint16 current)
{
    return position == OptionsForm::NoSelection ? current : qint16(position);
}

QColor colourOf(const QString &text)
{
    return ColourNumber::toColor(SettingsValue::colourNumber(text));
}

QString colourText(const QColor &colour)
{
    return SettingsValue::numberToText(ColourNumber::fromColor(colour));
}

} // namespace

OptionsForm OptionsForm::fromSettings(const SettingsState &settings, const QList<CityLine> &cities,
                                      int utcOffsetMinutes)
{
    const DisplayOptions &options = settings.displayOptions;
    OptionsForm form;
    form.localCity = chooseLocalCity(cities, settings.localCity, utcOffsetMinutes);
    form.hideSysTrayIcon = options.hideSysTrayIcon;
    form.alwaysOnTop = options.alwaysOnTop;
    form.displayClock = options.displayClock;
    form.displayTime = options.displayTime;
    form.timeFormat = listPosition(options.timeFormat, TimeFormatCount);
    form.displayDate = options.displayDate;
    form.dateFormat = listPosition(options.dateFormat, DateFormatCount);
    form.displayOpsDate = options.displayOpsDate;
    form.opsDateFormat = listPosition(options.opsDateFormat, DateFormatCount);
    form.opsDateDiff = listPosition(options.opsDateDiff, OpsDateDiffCount);
    form.followDst = options.followDst;
    form.clockPicture = listPosition(options.clockPicture, ClockPictureCount);
    form.solid = colourOf(options.solid);
    form.oneColor = colourOf(options.oneColor);
    form.reverseDir = options.oneColorDir == 1;
    form.twoColors1 = colourOf(options.twoColors1);
    form.twoColors2 = colourOf(options.twoColors2);
    form.background = BackgroundCode::kindOf(options.backGround);
    return form;
}

OptionsSave OptionsForm::toSave(const DisplayOptions &current) const
{
    OptionsSave save;
    save.localCity = localCity;
    DisplayOptions &options = save.options;
    options.hideSysTrayIcon = hideSysTrayIcon;
    options.alwaysOnTop = alwaysOnTop;
    options.displayClock = displayClock;
    options.displayTime = displayTime;
    options.timeFormat = storedPosition(timeFormat, current.timeFormat);
    options.displayDate = displayDate;
    options.dateFormat = storedPosition(dateFormat, current.dateFormat);
    options.displayOpsDate = displayOpsDate;
    options.opsDateFormat = storedPosition(opsDateFormat, current.opsDateFormat);
    options.opsDateDiff = storedPosition(opsDateDiff, current.opsDateDiff);
    options.followDst = followDst;
    options.clockPicture = storedPosition(clockPicture, current.clockPicture);
    options.bgPicture = current.bgPicture;
    options.solid = colourText(solid);
    options.oneColor = colourText(oneColor);
    options.oneColorDir = reverseDir ? 1 : 0;
    options.twoColors1 = colourText(twoColors1);
    options.twoColors2 = colourText(twoColors2);
    // A code the dialog has no button for is handed on as it is; the writer leaves it unwritten.
    options.backGround = background ? BackgroundCode::codeOf(*background) : current.backGround;
    return save;
}

StripFill OptionsForm::previewFill() const
{
    if (!background)
        return {StripFill::Solid{PreviewGrey}};
    switch (*background) {
    case BackgroundKind::None:
    case BackgroundKind::Picture:
        break;
    case BackgroundKind::Solid:
        return {StripFill::Solid{solid}};
    case BackgroundKind::OneColorGradient:
        return {StripFill::OneColorGradient{
            oneColor, int(reverseDir ? BandDirection::BottomUp : BandDirection::TopDown)}};
    case BackgroundKind::TwoColorGradient:
        return {StripFill::TwoColorGradient{twoColors1, twoColors2}};
    }
    return {StripFill::Solid{PreviewGrey}};
}

std::optional<QString> chooseLocalCity(const QList<CityLine> &cities, QStringView localCity,
                                       int utcOffsetMinutes)
{
    for (const CityLine &city : cities) {
        if (city.text == localCity)
            return city.text;
    }
    // A real city line that the list no longer holds stays unchosen: proposing another city
    // would silently move every clock when the user saves something else.
    if (localCityOffset(localCity))
        return std::nullopt;
    for (const CityLine &city : cities) {
        if (ZoneOffset::fromText(city.entry.zone).minutes() == utcOffsetMinutes)
            return city.text;
    }
    return std::nullopt;
}

QString faceFilePath(const AppFolder &folder, int faceNumber)
{
    return folder.clocksFolder() % u"/clk0"_s % QString::number(faceNumber) % u".bmp"_s;
}
