#pragma once

#include "settings/cityentry.h"

#include <QString>

#include <optional>

/// One line of the city list as the dialogs show it: the line's text exactly as the file holds it
/// (the separators are never tested, so the text is not rebuilt from the entry) and its entry.
struct CityLine {
    QString text;
    CityEntry entry;

    /// The line with its entry, or nothing when the line is too short to be split by position.
    [[nodiscard]] static std::optional<CityLine> fromText(QString text);

    /// "Name [+hh:mm]": the clock list editor's text of the city.
    [[nodiscard]] QString clockListText() const;

    /// The city editor's text: the part of the line before its first "!" (so a name that itself
    /// holds "!" shows cut there), the whole line when it has none.
    [[nodiscard]] QString editorText() const;

    /// The city editor's hidden data: the last 14 characters upper-cased ("+02:00!EGY.BMP").
    [[nodiscard]] QString editorData() const;

    /// The hidden data of the clock list editor and the options dialog: the zone followed directly
    /// by the flag file, 13 characters ("+02:00EGY.bmp").
    [[nodiscard]] QString zoneAndFlagFile() const;

    friend bool operator==(const CityLine &, const CityLine &) = default;
};
