#pragma once

#include "settings/appfolder.h"
#include "settings/profiledocument.h"
#include "settings/settingsstate.h"

/// The settings state as the settings file holds it. Every key that is missing (or the whole file,
/// or a file that cannot be read) takes the text "00" and the value that text gives. The clock
/// list has exactly clockCount entries: clocks whose section is missing read as "00", sections
/// beyond the count are not read, and a negative count reads as 0 (no clocks). Never changes the
/// file.
///
/// A picture background whose picture does not load reads as no background ("non"): the clock
/// window shows none, the options dialog shows "None", and its Save writes "non".
[[nodiscard]] SettingsState loadSettings(const AppFolder &folder);

/// The settings as an already parsed settings file holds them, without looking at any other file.
[[nodiscard]] SettingsState loadSettings(const ProfileDocument &document);
