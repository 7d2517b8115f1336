#pragma once

#include "settings/cityentry.h"

#include <QStringList>
#include <QStringView>

/// The rules by which the city editor's Save and Delete turn the old lines of the city list into
/// the new ones. Pure functions over lines: reading and writing the file is CityListFile's job.
/// Empty lines are always dropped; every other line is kept as it is unless a rule says otherwise.
namespace CityListRewrite {

/// Where Save put the new line.
enum class Placement {
    Appended, // no line had the name and none had a higher first character: written last
    Replaced, // it took the place of the first line with the same name (case ignored)
    Inserted, // it went before the first line with a higher first character code
};

struct SaveRewrite {
    QStringList lines; // the new content, one line each, none empty
    Placement placement = Placement::Appended;
    QStringList replacedLines; // old lines with the same name that are gone, in file order
};

struct DeleteRewrite {
    QStringList lines;        // the new content, one line each, none empty
    QStringList removedLines; // the lines left out, in file order

    [[nodiscard]] bool found() const { return !removedLines.isEmpty(); }
};

/// Save: every old line whose name equals the new entry's name without regard to case gives way to
/// the new line; otherwise the new line goes before the first line whose first character has a
/// higher code than the name's first character, or at the end. The name is in the result exactly
/// once: the first line of that name is replaced, unless an insertion came earlier, and every other
/// line of that name is dropped. Lines too short to carry a name are never taken as the name.
[[nodiscard]] SaveRewrite forSave(const QStringList &oldLines, const CityEntry &newEntry);

/// Delete: every line whose text before its first "!" (the whole line when it has none) equals
/// `editorText` exactly, case included, is left out.
[[nodiscard]] DeleteRewrite forDelete(const QStringList &oldLines, QStringView editorText);

} // namespace CityListRewrite
