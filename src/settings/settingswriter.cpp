#include "settings/settingswriter.h"

#include "settings/profilefile.h"
#include "settings/settingsvalue.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

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

bool isBackGroundCode(const QString &text)
{
    static constexpr std::array<QStringView, 5> codes = {u"non", u"pic", u"sld", u"grt1", u"grt2"};
    return std::find(codes.begin(), codes.end(), text) != codes.end();
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
    using SettingsValue::flagToText;
    using SettingsValue::numberToText;
    const DisplayOptions &options = save.options;
    Writes writes(document);

    if (save.localCity)
        writes.write(Key::settings, Key::local, *save.localCity);

    writes.write(Key::options, Key::hideSysTrayIcon, flagToText(options.hideSysTrayIcon));
    writes.write(Key::options, Key::alwaysOnTop, flagToText(options.alwaysOnTop));
    writes.write(Key::options, Key::displayClock, flagToText(options.displayClock));
    writes.write(Key::options, Key::displayTime, flagToText(options.displayTime));
    writes.write(Key::options, Key::timeFormat, numberToText(options.timeFormat));
    writes.write(Key::options, Key::displayDate, flagToText(options.displayDate));
    writes.write(Key::options, Key::dateFormat, numberToText(options.dateFormat));
    writes.write(Key::options, Key::displayOpsDate, flagToText(options.displayOpsDate));
    writes.write(Key::options, Key::opsDateFormat, numberToText(options.opsDateFormat));
    writes.write(Key::options, Key::opsDateDiff, numberToText(options.opsDateDiff));
    writes.write(Key::options, Key::followDst, flagToText(options.followDst));

    writes.write(Key::clocksStyle, Key::clockPicture, numberToText(options.clockPicture));
    writes.write(Key::clocksStyle, Key::bgPicture, options.bgPicture);
    writes.write(Key::clocksStyle, Key::solid, options.solid);
    writes.write(Key::clocksStyle, Key::oneColor, options.oneColor);
    writes.write(Key::clocksStyle, Key::oneColorDir, numberToText(options.oneColorDir));
    writes.write(Key::clocksStyle, Key::twoColors1, options.twoColors1);
    writes.write(Key::clocksStyle, Key::twoColors2, options.twoColors2);
    if (isBackGroundCode(options.backGround))
        writes.write(Key::clocksStyle, Key::backGround, options.backGround);
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
    ProfileFile file = ProfileFile::open(folder.settingsFile());
    if (FileResult<> written = writeClockList(file.document(), oldClockCount, clockList); !written)
        return written;
    return saveDocument(file);
}
