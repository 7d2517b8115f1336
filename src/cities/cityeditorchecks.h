#pragma once

#include "settings/cityentry.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <qnamespace.h>

#include <optional>

/// The city editor's decisions that need no window: which message refuses a Save or a Delete, what
/// a Save writes, whether a city is in use, and which bitmap "From File" may take as a flag.
namespace CityEditorChecks {

/// The three fields of the editor as the user left them.
struct Fields {
    QString name;     // as typed
    QString zone;     // as typed
    QString flagCode; // the chosen flag code, empty while none is chosen

    /// Whether the trimmed name, the trimmed zone or the flag code is empty.
    [[nodiscard]] bool hasEmptyField() const;
};

// Message texts.
[[nodiscard]] QString emptyFieldMessage();
[[nodiscard]] QString wrongZoneMessage();
[[nodiscard]] QString noFlagMessage();
[[nodiscard]] QString nothingToDeleteMessage();
[[nodiscard]] QString noSelectionMessage();
[[nodiscard]] QString inUseMessage();
[[nodiscard]] QString notFoundMessage();
[[nodiscard]] QString wrongFlagFileMessage();
/// The confirmation of a Delete, naming the list entry that goes.
[[nodiscard]] QString deleteQuestion(QStringView entryText);

/// Why a Save is refused, or nothing. Every failing check replaces the message of an earlier
/// one, in this order: an empty field, a zone (as typed, not trimmed) that is not a well-formed
/// ZoneOffset, no flag. So with every field empty the user is told to pick a flag first.
[[nodiscard]] std::optional<QString> saveRefusal(const Fields &fields);

/// Why a Delete is refused before it asks anything: only an empty field is checked here.
[[nodiscard]] std::optional<QString> deleteRefusal(const Fields &fields);

/// The name as Save stores it: trimmed, its first character upper-cased, the rest as typed.
[[nodiscard]] QString savedName(QStringView typed);

/// The entry a Save writes for fields that passed saveRefusal(): the saved name, the trimmed
/// zone and the flag code followed by ".bmp".
[[nodiscard]] CityEntry savedEntry(const Fields &fields);

/// Whether a clock of the loaded clock list shows the city: a clock entry's name (the entry
/// without its fixed tail) equals `trimmedName` exactly. Entries too short to hold a name show
/// no city.
[[nodiscard]] bool isInUse(const QStringList &clockList, QStringView trimmedName);

/// Whether the zone field lets a key press through. Typed characters pass only when they are
/// digits, "+", "-" or ":". Keys that type nothing (arrows, Delete), control characters (backspace)
/// and commands held with Ctrl or Cmd (paste, select all) always pass; AltGr, which some systems
/// report as Ctrl+Alt, types characters and is checked as typing. Pasted text is not typed: Save
/// checks the whole zone.
[[nodiscard]] bool acceptsZoneKey(QStringView text, Qt::KeyboardModifiers modifiers);

/// What "From File" does with the path the file chooser returned.
struct FlagFileChoice {
    enum class Outcome {
        Cancelled, // no path, or no such file: nothing happens
        Refused,   // not a "XXX.bmp" file of the flags folder: wrongFlagFileMessage()
        Accepted,  // `code` is the flag code
    };
    Outcome outcome = Outcome::Cancelled;
    QString code; // the first three characters of the file name upper-cased, when accepted
};

/// Takes a bitmap as a flag only when its name is exactly seven characters ending in ".bmp" (any
/// case) and it lies directly in `flagsFolder` (the folders compared without regard to case).
/// Nothing checks that the code is made of letters.
[[nodiscard]] FlagFileChoice checkFlagFile(const QString &chosenPath, const QString &flagsFolder);

} // namespace CityEditorChecks
