#pragma once

#include "settings/appfolder.h"
#include "settings/fileresult.h"
#include "settings/profiledocument.h"
#include "settings/settingsstate.h"

#include <QStringList>

#include <optional>

/// What the options dialog's Save writes.
struct OptionsSave {
    /// The chosen local city's whole line; nothing when there is no city to choose, and then
    /// Settings/Local keeps what it holds.
    std::optional<QString> localCity;
    /// Every other key. Colours are written as decimal colour numbers, positions in lists as the
    /// numbers they hold; BackGround is written only for a known kind, so that a stored code the
    /// program does not know stays as it is.
    DisplayOptions options;
};

/// What an options Save that did not fail did.
enum class OptionsSaved {
    Saved,          // the file holds the new values (rewritten, or already holding them)
    NoSettingsFile, // there was no Kerani.ini: nothing was written, as intended
};

/// The options Save into an open document, in this order: Settings/Local (when given), the
/// Options keys, the Clocks_Style keys. Fails when a value cannot be stored (a line break in it);
/// the document may then hold part of the writes and must not be saved.
FileResult<> writeOptions(ProfileDocument &document, const OptionsSave &save);

/// The clock list Save into an open document: deletes the sections Clock_01 to the old count,
/// writes Settings/Clocks with at least two digits, and Country/City of each clock in new
/// sections from Clock_01 on, in list order. Fails as writeOptions().
FileResult<> writeClockList(ProfileDocument &document, int oldClockCount,
                            const QStringList &clockList);

/// The options dialog's Save: writes nothing when Kerani.ini does not exist, and otherwise all the
/// keys in one atomic rewrite of the file (or none, when the rewrite fails).
FileResult<OptionsSaved> saveOptions(const AppFolder &folder, const OptionsSave &save);

/// The clock list editor's Save: rewrites the clock sections in one atomic rewrite of Kerani.ini,
/// creating the file when it is missing. oldClockCount is the number of clocks before the save.
/// The dialog refuses an empty list before calling; given one, this writes Clocks "00".
FileResult<> saveClockList(const AppFolder &folder, int oldClockCount,
                           const QStringList &clockList);

/// What keeping the clock window's place did, when it did not fail.
enum class PlaceKept {
    Written,        // Kerani.ini holds the new place
    Unchanged,      // it held that place already: the file was not touched
    NoSettingsFile, // there was no Kerani.ini: nothing was written
};

/// Keeps where the user dragged the clock window on the current screen arrangement: the place
/// becomes the most recent of section Window_Position (see keptplaces.h), in one atomic rewrite
/// of Kerani.ini that changes no other key. A missing Kerani.ini is not created.
FileResult<PlaceKept> saveKeptPlace(const AppFolder &folder, const KeptPlace &place);
