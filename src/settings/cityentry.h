#pragma once

#include <QString>

#include <optional>

/// One line of the city list, also stored whole as the local city and as every clock entry:
/// the name followed by a fixed 15-character tail "!" + ZoneOffset (6) + "!" + flag file (7), for
/// example "Cairo!+02:00!EGY.bmp". Fields are always taken by position from the end of the line,
/// never by searching for "!", so a name may itself contain "!".
struct CityEntry {
    static constexpr qsizetype TailLength = 15;

    QString name;     // everything before the tail (may be empty)
    QString zone;     // the ZoneOffset text, 6 characters, not validated
    QString flagFile; // the flag file name, 7 characters ("EGY.bmp"), not validated

    /// The entry of a line, or nothing when the line is shorter than the tail.
    [[nodiscard]] static std::optional<CityEntry> fromLine(QStringView line);

    /// The flag code: the first three characters of the flag file, upper-cased ("EGY").
    [[nodiscard]] QString flagCode() const;

    /// Whether the flag file is a plain "XXX.bmp" name (three letters or digits and ".bmp" in any
    /// case) that is safe to use as a file name in the flags folder.
    [[nodiscard]] bool hasPlainFlagFile() const;

    /// The text upper-cased one character to one, so every character keeps its position: "ß"
    /// and "ﬀ" stay as they are where a full upper-casing would write "SS" and "FF" and move the
    /// fields that follow. A pair of surrogates is one character.
    [[nodiscard]] static QString upperCasedInPlace(QStringView text);

    /// The line again: name + "!" + zone + "!" + flagFile.
    [[nodiscard]] QString toLine() const;

    friend bool operator==(const CityEntry &, const CityEntry &) = default;
};
