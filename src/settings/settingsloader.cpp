#include "settings/settingsloader.h"

#include "settings/keptplaces.h"
#include "settings/picturefile.h"
#include "settings/profilefile.h"
#include "settings/settingsvalue.h"

#include <algorithm>

namespace {

class KeyReader final {
public:
    explicit KeyReader(const ProfileDocument &document)
        : m_document(document)
    {
    }

    [[nodiscard]] QString text(QStringView section, QStringView key) const
    {
        return m_document.value(section, key, m_missing);
    }
    [[nodiscard]] bool exactOneFlag(QStringView section, QStringView key) const
    {
        return SettingsValue::exactOneFlag(text(section, key));
    }
    [[nodiscard]] bool numericFlag(QStringView section, QStringView key) const
    {
        return SettingsValue::numericFlag(text(section, key));
    }
    /// A position in a list of choices, held whatever number it is.
    template<typename Choice>
    [[nodiscard]] Choice choice(QStringView section, QStringView key) const
    {
        return Choice(SettingsValue::wholeNumber(text(section, key)));
    }
    [[nodiscard]] QColor colour(QStringView section, QStringView key) const
    {
        return SettingsValue::colour(text(section, key));
    }

private:
    const ProfileDocument &m_document;
    const QString m_missing = SettingsValue::missing();
};

} // namespace

SettingsState loadSettings(const AppFolder &folder)
{
    // A missing or unreadable file gives an empty document, whose every key reads as "00".
    SettingsState state = loadSettings(ProfileFile::open(folder.settingsFile()).document());
    DisplayOptions &options = state.displayOptions;
    if (options.background == BackgroundKind::Picture &&
        readPicture(options.backgroundPicture).isNull())
        options.background = BackgroundKind::None;
    return state;
}

SettingsState loadSettings(const ProfileDocument &document)
{
    namespace Key = SettingsKey;
    const KeyReader read(document);
    SettingsState state;

    state.localCity = read.text(Key::settings, Key::local);
    // A negative count means no clocks; keeping it at 0 keeps clockCount == clockList.size().
    state.clockCount =
        std::max<qint16>(0, SettingsValue::wholeNumber(read.text(Key::settings, Key::clocks)));
    state.clockList.reserve(state.clockCount);
    for (int number = 1; number <= state.clockCount; ++number)
        state.clockList.append(
            read.text(SettingsValue::clockSectionName(number), Key::countryCity));

    DisplayOptions &options = state.displayOptions;
    options.displayClock = read.exactOneFlag(Key::options, Key::displayClock);
    options.displayTime = read.exactOneFlag(Key::options, Key::displayTime);
    options.displayDate = read.exactOneFlag(Key::options, Key::displayDate);
    options.displayOppositeDate = read.exactOneFlag(Key::options, Key::displayOpsDate);
    options.followDst = read.exactOneFlag(Key::options, Key::followDst);
    options.keepPosition = read.exactOneFlag(Key::options, Key::keepPosition);

    options.timeFormat = read.choice<TimeFormat>(Key::options, Key::timeFormat);
    options.dateFormat = read.choice<DateFormat>(Key::options, Key::dateFormat);
    options.oppositeDateFormat = read.choice<DateFormat>(Key::options, Key::opsDateFormat);
    options.oppositeDateShift = read.choice<OppositeDateShift>(Key::options, Key::opsDateDiff);

    options.faceStyle = read.choice<FaceStyle>(Key::clocksStyle, Key::clockPicture);
    options.background = backgroundKindOf(read.text(Key::clocksStyle, Key::backGround));
    options.backgroundPicture = read.text(Key::clocksStyle, Key::bgPicture);
    options.solidColour = read.colour(Key::clocksStyle, Key::solid);
    options.gradientColour = read.colour(Key::clocksStyle, Key::oneColor);
    options.gradientDirection = read.choice<GradientDirection>(Key::clocksStyle, Key::oneColorDir);
    options.topColour = read.colour(Key::clocksStyle, Key::twoColors1);
    options.bottomColour = read.colour(Key::clocksStyle, Key::twoColors2);

    options.alwaysOnTop = read.numericFlag(Key::options, Key::alwaysOnTop);
    options.hideSysTrayIcon = read.numericFlag(Key::options, Key::hideSysTrayIcon);

    state.keptPlaces = readKeptPlaces(document);
    return state;
}
