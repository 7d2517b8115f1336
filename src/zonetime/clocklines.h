#pragma once

#include <QDateTime>
#include <QLocale>
#include <QStringList>

struct SettingsState;
class ZoneTable;

/// The clocks as text, as `kerani --print` writes them: one line per column of the clock window,
/// in its order, each with five fields separated by tabs:
///
///   name, time text, date text, opposite-date text, zone
///
/// The name is the city's; the three texts are those the window's rows show at `now`, empty
/// where a row is hidden (or its format is one the program does not know: the row's label then
/// stays empty); the zone is the identifier of the zone of the time-zone database the clock
/// follows, empty when it keeps a fixed offset. A clock entry too short to be a city line gets
/// no column in the window, and so no line here. A tab or line break inside a field (a
/// hand-edited name) becomes a blank, so that every line keeps its five fields.
///
/// `now` is the computer's clock reading, as the window's clock gives it: without summer time
/// followed, its wall-clock reading is taken to show the local city's time. `zones` is the shipped
/// zone table, `locale` the one the window writes its texts in.
[[nodiscard]] QStringList clockTextLines(const SettingsState &state, const ZoneTable &zones,
                                         const QDateTime &now, const QLocale &locale);
