#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

/// How the city editor's list follows a rewrite of the city list file without reading the file
/// again. The list holds one entry per line of the file; each entry knows its line, and its text is
/// the line's text before the first "!". The plans below keep that so: after a Save or a Delete the
/// list shows exactly the lines the file holds.
namespace CityEditorList {

/// The entry a line gets and the line a picked entry gives back to the fields.
struct Entry {
    QString text; // the line's text before its first "!" (the whole line when it has none)
    QString data; // the last 14 characters upper-cased: zone, "!", flag file ("+02:00!EGY.BMP")
    QString code; // the flag code, characters 8 to 10 of `data` ("EGY")
    QString zone; // characters 1 to 6 of `data`

    [[nodiscard]] static Entry fromLine(QStringView line);
};

/// What a Save changes in the list: entries of lines that the Save replaced go, and the new line
/// takes over one of them that has its text (the selected entry first), or gets a new entry.
struct SaveChange {
    QList<qsizetype> removed;        // indexes of entries that go, in ascending order
    std::optional<qsizetype> reused; // the entry that now stands for the new line; none: add one
};

/// Plans a Save. `entryLines` are the lines of the list's entries in list order, `selected` the
/// index of the selected entry if any, `replacedLines` the old lines the Save took out of the file.
[[nodiscard]] SaveChange planSave(const QStringList &entryLines, std::optional<qsizetype> selected,
                                  const QStringList &replacedLines, QStringView newLine);

/// Plans a Delete that left out every line whose text is `deletedText`: the indexes, ascending, of
/// the entries that go.
[[nodiscard]] QList<qsizetype> planDelete(const QStringList &entryLines, QStringView deletedText);

} // namespace CityEditorList
