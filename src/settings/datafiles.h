#pragma once

#include "settings/appfolder.h"
#include "settings/fileresult.h"

/// What restoring did about one data file, when it did not fail.
enum class DataFileRestore {
    Present,  // the file (or a folder of its name) is there; it was left alone
    Restored, // it was missing and is now a byte-for-byte copy of its factory copy
};

struct DataFilesRestored {
    FileResult<DataFileRestore> settings;
    FileResult<DataFileRestore> cityList;

    friend bool operator==(const DataFilesRestored &, const DataFilesRestored &) = default;
};

/// Makes the folders of the user's files, then restores a missing Kerani.ini from Kerani.bak and a
/// missing Cities.txt from Cities.bak, each on its own. An existing file is never replaced, nor
/// anything else of that name deleted. A file that cannot be restored (no factory copy, folder not
/// writable) fails with the reason; that is no error for the program: the readers meet the missing
/// file and use their defaults.
[[nodiscard]] DataFilesRestored restoreMissingDataFiles(const AppFolder &folder);
