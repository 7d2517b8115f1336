#pragma once

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

struct SettingsState;
class ZoneClockSet;
class ZoneTable;

/// What one column of the clock window shows, as text.
struct ClockFields {
    QString name;
    /// The texts of the time, date and opposite-date rows; nothing for a row the window does not
    /// show, empty where a shown row's label stays empty (a format the program does not know).
    std::optional<QString> time;
    std::optional<QString> date;
    std::optional<QString> oppositeDate;
    /// The identifier of the zone of the time-zone database the clock follows, empty when it
    /// keeps a fixed offset.
    QString zone;

    friend bool operator==(const ClockFields &, const ClockFields &) = default;
};

/// The fields of every column of `clocks` when the computer's clock reads `now`, in the window's
/// order. A clock entry too short to be a city line gets no column in the window, and so no
/// fields here. A tab or line break inside a text (a hand-edited name) becomes a blank, so that
/// every line made of the fields stays one line.
[[nodiscard]] QList<ClockFields> clockFields(const ZoneClockSet &clocks, const QDateTime &now);

/// The line `kerani --print` writes for a column: name, time text, date text, opposite-date text
/// and zone, separated by tabs; a row the window does not show gives an empty field, so every
/// line has five.
[[nodiscard]] QString printLine(const ClockFields &fields);

/// The line a copy of the clocks gives a column: the name and the texts of the rows the window
/// shows, separated by two blanks ("Tokyo  07:35:21 AM  07/12/2026  27/06/1448").
[[nodiscard]] QString copyLine(const ClockFields &fields);

/// The clocks as text, as `kerani --print` writes them: printLine() of every column of a window
/// built from `state` that shows the computer clock's reading `now`. Without summer time
/// followed, its wall-clock reading is taken to show the local city's time. `zones` is the
/// shipped zone table, `locale` the one the window writes its texts in.
[[nodiscard]] QStringList clockTextLines(const SettingsState &state, const ZoneTable &zones,
                                         const QDateTime &now, const QLocale &locale);
