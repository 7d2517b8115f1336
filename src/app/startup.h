#pragma once

#include "app/singleinstance.h"
#include "settings/appfolder.h"

/// What start-up did about one data file.
enum class DataFileRestore {
    Present,  // the file (or a folder of its name) is there; it was left alone
    Restored, // it was missing and is now a byte-for-byte copy of its factory copy
    Failed,   // it was missing and could not be restored (no factory copy, folder not writable)
};

struct DataFilesRestored {
    DataFileRestore settings;
    DataFileRestore cityList;

    friend bool operator==(const DataFilesRestored &, const DataFilesRestored &) = default;
};

/// Makes the folders of the user's files, then restores a missing Kerani.ini from Kerani.bak and a
/// missing Cities.txt from Cities.bak, each on its own. An existing file is never replaced, nor
/// anything else of that name deleted. Failures are not errors: the readers meet the missing file
/// and use their defaults.
[[nodiscard]] DataFilesRestored restoreMissingDataFiles(const AppFolder &folder);

/// The start-up sequence up to loading the settings: false when another instance runs (the
/// program then ends at once, touching nothing); otherwise restores the missing data files, turns
/// `folder` to the factory copies of those that could not be made, and returns true. The instance
/// lock stays held by `instance`, which must live as long as the program.
[[nodiscard]] bool startUp(AppFolder &folder, SingleInstance &instance);
