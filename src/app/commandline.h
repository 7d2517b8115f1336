#pragma once

#include "settings/appfolder.h"

#include <QDateTime>
#include <QStringList>
#include <QStringView>
#include <QTextStream>

#include <optional>

/// The options that run without a window: `--print [--at TIME]`, `--help` and `--version`.
///
/// Such a run starts no clock window, takes no instance lock and needs no display, so that it
/// works while another instance runs and from a terminal without a desktop. It only reads: the
/// settings file and the zone table from the data places of the window (the factory copy of a
/// missing settings file, as a start-up that cannot restore it would read), and writes nothing.
namespace CommandLine {

/// Whether the arguments (the program's name first) ask for a run without a window: any of
/// --print, --at, --help, -h, --help-all, --version, -v. Without them the program starts its
/// window as ever, and Qt takes its own options (-platform, -style, ...) from the rest.
[[nodiscard]] bool wantsTextRun(const QStringList &arguments);

/// The instant an --at value names: an ISO 8601 date and time with "Z" or an offset from UTC
/// ("2026-03-29T00:59:59Z", "2026-03-29T02:59:59+02:00"), in the years 1000 to 9999 of UTC.
/// Nothing for anything else, a date and time without an offset included: such a reading names
/// no single instant where summer time ends and the hour repeats, nor any in the gap where it
/// begins.
[[nodiscard]] std::optional<QDateTime> parseInstant(QStringView text);

/// Runs a text run: with --print writes clockTextLines() for the settings in `folder` at `now`
/// (or at --at), one line each, to `out`; with --help the options; with --version the version.
/// Returns the exit status: 0, or 2 for a usage error (an unknown option, a bad or lonely --at)
/// after a message on `errors`. `now` is the computer's clock.
[[nodiscard]] int run(const QStringList &arguments, const AppFolder &folder, const QDateTime &now,
                      QTextStream &out, QTextStream &errors);

} // namespace CommandLine
