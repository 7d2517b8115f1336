#include "cities/cityeditorchecks.h"

#include "settings/nativepath.h"
#include "zonetime/zoneoffset.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

using namespace Qt::StringLiterals;

namespace {

// The messages are the city editor's: they share its translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CityEditor)
};

// Whether two paths name the same folder on the disk. The file system decides, not the spelling:
// a folder reached through a link is the same folder, and so is one spelled in another case on a
// file system that ignores case, while on one that does not, FLAGS and flags are two folders.
bool isSameFolder(const QString &a, const QString &b)
{
    std::error_code error;
    return std::filesystem::equivalent(toNativePath(a), toNativePath(b), error) && !error;
}

} // namespace

namespace CityEditorChecks {

bool Fields::hasEmptyField() const
{
    return name.trimmed().isEmpty() || zone.trimmed().isEmpty() || flagCode.isEmpty();
}

QString emptyFieldMessage()
{
    return Texts::tr("One or more field(s) are empty");
}
QString wrongZoneMessage()
{
    return Texts::tr("Wrong Time Zone Format");
}
QString noFlagMessage()
{
    return Texts::tr("Select Flag First.");
}
QString nothingToDeleteMessage()
{
    return Texts::tr("There is no country to delete.");
}
QString noSelectionMessage()
{
    return Texts::tr("Select the country to delete in the list.");
}
QString inUseMessage()
{
    return Texts::tr("You can not delete this country\nbecause it is in-use.");
}
QString notFoundMessage()
{
    return Texts::tr("Country/City not found!");
}

QString wrongFlagFileMessage()
{
    return Texts::tr("The file name must be 3 letters length\nand be placed in [flags] directory.");
}

QString deleteQuestion(QStringView entryText)
{
    return Texts::tr("Do you want to delete this country?") % u"\n\n[ "_s % entryText % u" ]"_s;
}

std::optional<QString> saveRefusal(const Fields &fields)
{
    // Later checks overwrite earlier ones on purpose: the last failing check is the one shown.
    std::optional<QString> message;
    if (fields.hasEmptyField())
        message = emptyFieldMessage();
    if (!ZoneOffset::isWellFormed(fields.zone))
        message = wrongZoneMessage();
    if (fields.flagCode.isEmpty())
        message = noFlagMessage();
    return message;
}

std::optional<QString> deleteRefusal(const Fields &fields)
{
    if (fields.hasEmptyField())
        return emptyFieldMessage();
    return std::nullopt;
}

QString savedName(QStringView typed)
{
    QString name = typed.trimmed().toString();
    if (name.isEmpty())
        return name;
    // One character to one: a full upper-casing could turn a first "ß" into "SS" and change the
    // rest of the name. A character outside the BMP is a pair of surrogates and is cased whole.
    const char32_t first = name.toUcs4().constFirst();
    const char32_t upper = QChar::toUpper(first);
    if (upper == first)
        return name;
    const qsizetype width = QChar::requiresSurrogates(first) ? 2 : 1;
    return QString::fromUcs4(&upper, 1) % QStringView(name).sliced(width);
}

CityEntry savedEntry(const Fields &fields)
{
    return CityEntry{savedName(fields.name), fields.zone.trimmed(), fields.flagCode % u".bmp"_s};
}

bool isInUse(const QStringList &clockList, QStringView trimmedName)
{
    for (const QString &clock : clockList) {
        const std::optional<CityEntry> entry = CityEntry::fromLine(clock);
        if (entry && entry->name == trimmedName)
            return true;
    }
    return false;
}

bool acceptsZoneKey(QStringView text, Qt::KeyboardModifiers modifiers)
{
    const bool command = modifiers.testAnyFlags(Qt::ControlModifier | Qt::MetaModifier) &&
                         !modifiers.testFlag(Qt::AltModifier);
    if (command)
        return true;
    for (const QChar c : text) {
        const bool control = c.category() == QChar::Other_Control;
        const bool zoneCharacter = (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u':';
        if (!control && !zoneCharacter)
            return false;
    }
    return true;
}

FlagFileChoice checkFlagFile(const QString &chosenPath, const QString &flagsFolder)
{
    using Outcome = FlagFileChoice::Outcome;
    if (chosenPath.isEmpty())
        return {};
    const QFileInfo chosen(chosenPath);
    if (!chosen.isFile())
        return {};
    const QString title = chosen.fileName();
    if (title.size() != 7 || title.sliced(3).toLower() != u".bmp"_s ||
        !isSameFolder(chosen.absolutePath(), flagsFolder))
        return {Outcome::Refused, {}};
    return {Outcome::Accepted, title.first(3).toUpper()};
}

} // namespace CityEditorChecks
