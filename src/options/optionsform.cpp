#include "options/optionsform.h"

#include "zonetime/flagterritory.h"
#include "zonetime/zonelookup.h"
#include "zonetime/zoneoffset.h"
#include "zonetime/zonetime.h"

#include <algorithm>
#include <iterator>

namespace {

const QColor PreviewGrey(207, 207, 207);

/// A stored position as a list shows it: nothing for a position the list does not have.
template<typename Choice> std::optional<Choice> shown(Choice stored)
{
    return isKnown(stored) ? std::optional<Choice>(stored) : std::nullopt;
}

/// The text as names are compared: accents dropped, letter case folded.
QString folded(const QString &text)
{
    QString result;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            result.append(c);
    }
    return result.toCaseFolded();
}

bool isNamedAfterZone(const CityEntry &city, QByteArrayView zoneId)
{
    return folded(city.name) == folded(zoneCityName(zoneId));
}

bool isCountryLine(const CityEntry &city)
{
    const std::optional<QLocale::Territory> country = territoryOfFlagCode(city.flagCode());
    return country && folded(city.name) == folded(QLocale::territoryToString(*country));
}

/// The city that the zone table places in the computer's zone; see chooseLocalCity().
std::optional<QString> cityOfZone(const QList<CityLine> &cities, const ZoneTable &zones,
                                  const QByteArray &zoneId)
{
    if (zoneId.isEmpty())
        return std::nullopt;
    QList<const CityLine *> inZone;
    for (const CityLine &city : cities) {
        const ZoneTable::Listing listing = zones.find(city.text);
        if (listing.kind == ZoneTable::Listing::Kind::Zone && listing.zoneId == zoneId)
            inZone.append(&city);
    }
    // A city rather than its country (Réunion's zone is named after the island), and of the
    // cities the zone's own.
    QList<const CityLine *> cityLines;
    std::ranges::copy_if(inZone, std::back_inserter(cityLines),
                         [](const CityLine *city) { return !isCountryLine(city->entry); });
    const QList<const CityLine *> &candidates = cityLines.isEmpty() ? inZone : cityLines;
    if (candidates.isEmpty())
        return std::nullopt;
    const auto named = std::ranges::find_if(
        candidates, [&](const CityLine *city) { return isNamedAfterZone(city->entry, zoneId); });
    return (named == candidates.end() ? candidates.front() : *named)->text;
}

} // namespace

ComputerZone ComputerZone::of(const QDateTime &now)
{
    return {now.timeZone().id(), now.offsetFromUtc() / 60};
}

OptionsForm OptionsForm::fromSettings(const SettingsState &settings, const QList<CityLine> &cities,
                                      const ZoneTable &zones, const ComputerZone &computer)
{
    const DisplayOptions &options = settings.displayOptions;
    OptionsForm form;
    form.localCity = chooseLocalCity(cities, settings.localCity, zones, computer);
    form.hideSysTrayIcon = options.hideSysTrayIcon;
    form.alwaysOnTop = options.alwaysOnTop;
    form.displayClock = options.displayClock;
    form.displayTime = options.displayTime;
    form.timeFormat = shown(options.timeFormat);
    form.displayDate = options.displayDate;
    form.dateFormat = shown(options.dateFormat);
    form.displayOppositeDate = options.displayOppositeDate;
    form.oppositeDateFormat = shown(options.oppositeDateFormat);
    form.oppositeDateShift = shown(options.oppositeDateShift);
    form.followDst = options.followDst;
    form.keepPosition = options.keepPosition;
    form.faceStyle = shown(options.faceStyle);
    form.background = options.background;
    form.backgroundPicture = options.backgroundPicture;
    form.solidColour = options.solidColour;
    form.gradientColour = options.gradientColour;
    form.reverseDirection = options.gradientDirection == GradientDirection::BottomUp;
    form.topColour = options.topColour;
    form.bottomColour = options.bottomColour;
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
    options.timeFormat = timeFormat.value_or(current.timeFormat);
    options.displayDate = displayDate;
    options.dateFormat = dateFormat.value_or(current.dateFormat);
    options.displayOppositeDate = displayOppositeDate;
    options.oppositeDateFormat = oppositeDateFormat.value_or(current.oppositeDateFormat);
    options.oppositeDateShift = oppositeDateShift.value_or(current.oppositeDateShift);
    options.followDst = followDst;
    options.keepPosition = keepPosition;
    options.faceStyle = faceStyle.value_or(current.faceStyle);
    options.backgroundPicture = backgroundPicture;
    options.solidColour = solidColour;
    options.gradientColour = gradientColour;
    options.gradientDirection =
        reverseDirection ? GradientDirection::BottomUp : GradientDirection::TopDown;
    options.topColour = topColour;
    options.bottomColour = bottomColour;
    // A kind the dialog has no button for is handed on as it is; the writer leaves it unwritten.
    options.background = background ? background : current.background;
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
        return {StripFill::Solid{solidColour}};
    case BackgroundKind::OneColourGradient:
        return {StripFill::OneColorGradient{gradientColour, reverseDirection
                                                                ? GradientDirection::BottomUp
                                                                : GradientDirection::TopDown}};
    case BackgroundKind::TwoColourGradient:
        return {StripFill::TwoColorGradient{topColour, bottomColour}};
    }
    return {StripFill::Solid{PreviewGrey}};
}

BackgroundControls OptionsForm::backgroundControls() const
{
    BackgroundControls controls;
    if (!background)
        return controls;
    switch (*background) {
    case BackgroundKind::None:
        break;
    case BackgroundKind::Picture:
        controls.pictureShown = true;
        controls.pictureSelect = true;
        break;
    case BackgroundKind::Solid:
        controls.solidSelect = true;
        break;
    case BackgroundKind::OneColourGradient:
        controls.gradientSelect = true;
        controls.reverseDirection = true;
        break;
    case BackgroundKind::TwoColourGradient:
        controls.topColourSelect = true;
        controls.bottomColourSelect = true;
        break;
    }
    return controls;
}

std::optional<QString> chooseLocalCity(const QList<CityLine> &cities, QStringView localCity,
                                       const ZoneTable &zones, const ComputerZone &computer)
{
    for (const CityLine &city : cities) {
        if (city.text == localCity)
            return city.text;
    }
    // A real city line that the list no longer holds stays unchosen: proposing another city
    // would silently move every clock when the user saves something else.
    if (localCityOffset(localCity))
        return std::nullopt;
    // The computer's zone tells the city; its offset alone picks the first of many cities, which
    // may keep another summer time (Bougainville for Sydney in January, at +11:00).
    if (std::optional<QString> city = cityOfZone(cities, zones, computer.id))
        return city;
    for (const CityLine &city : cities) {
        if (ZoneOffset::fromText(city.entry.zone).minutes() == computer.utcOffsetMinutes)
            return city.text;
    }
    return std::nullopt;
}
