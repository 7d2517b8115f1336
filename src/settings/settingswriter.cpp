#include "settings/settingswriter.h"

#include "settings/keptplaces.h"
#include "settings/profilefile.h"
#include "settings/settingsvalue.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// Collects the writes of one Save and remembers the first one the document refused, so that the
// whole Save can be dropped instead of leaving the file half written.
class Writes final {
public:
    explicit Writes(ProfileDocument &document)
        : m_document(document)
    {
    }

    void write(QStringView section, QStringView key, const QString &value)
    {
        if (!m_result || m_document.setValue(section, key, value))
            return;
        m_result = FileError{QCoreApplication::translate("SettingsWriter",
                                                         "The setting %1/%2 cannot hold a line "
                                                         "break, so the settings were not saved.")
                                 .arg(section, key)};
    }

    [[nodiscard]] FileResult<> result() const { return m_result; }

private:
    ProfileDocument &m_document;
    FileResult<> m_result;
};

template<typename Choice> QString choiceToText(Choice choice)
{
    return SettingsValue::numberToText(qint16(choice));
}

FileResult<> saveDocument(ProfileFile &file)
{
    if (const FileResult<ProfileFile::Saved> saved = file.save(); !saved)
        return FileError{saved.error()};
    return {};
}

} // namespace

FileResult<> writeOptions(ProfileDocument &document, const OptionsSave &save)
{
    namespace Key = SettingsKey;
    using SettingsValue::colourToText;
    using SettingsValue::flagToText;
    const DisplayOptions &options = save.options;
    Writes writes(document);

    if (save.localCity)
        writes.write(Key::settings, Key::local, *save.localCity);

    writes.write(Key::options, Key::hideSysTrayIcon, flagToText(options.hideSysTrayIcon));
    writes.write(Key::options, Key::alwaysOnTop, flagToText(options.alwaysOnTop));
    writes.write(Key::options, Key::displayClock, flagToText(options.displayClock));
    writes.write(Key::options, Key::displayTime, flagToText(options.displayTime));
    writes.write(Key::options, Key::timeFormat, choiceToText(options.timeFormat));
    writes.write(Key::options, Key::displayDate, flagToText(options.displayDate));
    writes.write(Key::options, Key::dateFormat, choiceToText(options.dateFormat));
    writes.write(Key::options, Key::displayOpsDate, flagToText(options.displayOppositeDate));
    writes.write(Key::options, Key::opsDateFormat, choiceToText(options.oppositeDateFormat));
    writes.write(Key::options, Key::opsDateDiff, choiceToText(options.oppositeDateShift));
    writes.write(Key::options, Key::followDst, flagToText(options.followDst));
    writes.write(Key::options, Key::keepPosition, flagToText(options.keepPosition));

    writes.write(Key::clocksStyle, Key::clockPicture, choiceToText(options.faceStyle));
    writes.write(Key::clocksStyle, Key::bgPicture, options.backgroundPicture);
    writes.write(Key::clocksStyle, Key::solid, colourToText(options.solidColour));
    writes.write(Key::clocksStyle, Key::oneColor, colourToText(options.gradientColour));
    writes.write(Key::clocksStyle, Key::oneColorDir, choiceToText(options.gradientDirection));
    writes.write(Key::clocksStyle, Key::twoColors1, colourToText(options.topColour));
    writes.write(Key::clocksStyle, Key::twoColors2, colourToText(options.bottomColour));
    if (options.background)
        writes.write(Key::clocksStyle, Key::backGround, backgroundCode(*options.background));
    return writes.result();
}

FileResult<> writeClockList(ProfileDocument &document, int oldClockCount,
                            const QStringList &clockList)
{
    for (int number = 1; number <= oldClockCount; ++number)
        document.removeSection(SettingsValue::clockSectionName(number));

    Writes writes(document);
    writes.write(SettingsKey::settings, SettingsKey::clocks,
                 SettingsValue::clockCountText(int(clockList.size())));
    for (qsizetype i = 0; i < clockList.size(); ++i) {
        writes.write(SettingsValue::clockSectionName(int(i + 1)), SettingsKey::countryCity,
                     clockList[i]);
    }
    return writes.result();
}

FileResult<OptionsSaved> saveOptions(const AppFolder &folder, const OptionsSave &save)
{
    if (const std::optional<QString> refusal = folder.settingsSaveRefusal())
        return FileError{*refusal};
    ProfileFile file = ProfileFile::open(folder.settingsFile());
    if (!file.exists())
        return OptionsSaved::NoSettingsFile;
    if (FileResult<> written = writeOptions(file.document(), save); !written)
        return FileError{written.error()};
    if (FileResult<> saved = saveDocument(file); !saved)
        return FileError{saved.error()};
    return OptionsSaved::Saved;
}

FileResult<> saveClockList(const AppFolder &folder, int oldClockCount, const QStringList &clockList)
{
    if (const std::optional<QString> refusal = folder.settingsSaveRefusal())
        return FileError{*refusal};
    ProfileFile file = ProfileFile::open(folder.settingsFile());
    if (FileResult<> written = writeClockList(file.document(), oldClockCount, clockList); !written)
        return written;
    return saveDocument(file);
}

FileResult<PlaceKept> saveKeptPlace(const AppFolder &folder, const KeptPlace &place)
{
    ProfileFile file = ProfileFile::open(folder.settingsFile());
    // A file holding nothing but a place would stop the next start from restoring the factory
    // settings.
    if (!file.exists())
        return PlaceKept::NoSettingsFile;
    const QList<KeptPlace> places = withKeptPlace(readKeptPlaces(file.document()), place);
    if (!writeKeptPlaces(file.document(), places)) {
        return FileError{QCoreApplication::translate(
            "SettingsWriter", "The window's place on these screens cannot be stored.")};
    }
    const FileResult<ProfileFile::Saved> saved = file.save();
    if (!saved)
        return FileError{saved.error()};
    return saved.value() == ProfileFile::Saved::Written ? PlaceKept::Written : PlaceKept::Unchanged;
}
