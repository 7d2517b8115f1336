#include "settings/settingsloader.h"

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
    [[nodiscard]] qint16 wholeNumber(QStringView section, QStringView key) const
    {
        return SettingsValue::wholeNumber(text(section, key));
    }

private:
    const ProfileDocument &m_document;
    const QString m_missing = SettingsValue::missing();
};

} // namespace

SettingsState loadSettings(const AppFolder &folder)
{
    // A missing or unreadable file gives an empty document, whose every key reads as "00".
    return loadSettings(ProfileFile::open(folder.settingsFile()).document());
}

SettingsState loadSettings(const ProfileDocument &document)
{
    namespace Key = SettingsKey;
    const KeyReader read(document);
    SettingsState state;

    state.localCity = read.text(Key::settings, Key::local);
    // A negative count means no clocks; keeping it at 0 keeps clockCount == clockList.size().
    state.clockCount = std::max<qint16>(0, read.wholeNumber(Key::settings, Key::clocks));
    state.clockList.reserve(state.clockCount);
    for (int number = 1; number <= state.clockCount; ++number)
        state.clockList.append(
            read.text(SettingsValue::clockSectionName(number), Key::countryCity));

    DisplayOptions &options = state.displayOptions;
    options.displayClock = read.exactOneFlag(Key::options, Key::displayClock);
    options.displayTime = read.exactOneFlag(Key::options, Key::displayTime);
    options.displayDate = read.exactOneFlag(Key::options, Key::displayDate);
    options.displayOpsDate = read.exactOneFlag(Key::options, Key::displayOpsDate);
    options.followDst = read.exactOneFlag(Key::options, Key::followDst);

    options.timeFormat = read.wholeNumber(Key::options, Key::timeFormat);
    options.dateFormat = read.wholeNumber(Key::options, Key::dateFormat);
    options.opsDateFormat = read.wholeNumber(Key::options, Key::opsDateFormat);
    options.opsDateDiff = read.wholeNumber(Key::options, Key::opsDateDiff);

    options.clockPicture = read.wholeNumber(Key::clocksStyle, Key::clockPicture);
    options.backGround = read.text(Key::clocksStyle, Key::backGround);
    options.bgPicture = read.text(Key::clocksStyle, Key::bgPicture);
    options.solid = read.text(Key::clocksStyle, Key::solid);
    options.oneColor = read.text(Key::clocksStyle, Key::oneColor);
    options.oneColorDir = read.wholeNumber(Key::clocksStyle, Key::oneColorDir);
    options.twoColors1 = read.text(Key::clocksStyle, Key::twoColors1);
    options.twoColors2 = read.text(Key::clocksStyle, Key::twoColors2);

    options.alwaysOnTop = read.numericFlag(Key::options, Key::alwaysOnTop);
    options.hideSysTrayIcon = read.numericFlag(Key::options, Key::hideSysTrayIcon);
    return state;
}
