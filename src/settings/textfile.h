#pragma once

#include "settings/fileresult.h"

#include <QByteArray>
#include <QString>

/// Reading and writing the program's small text files.
///
/// Files are read by their byte-order mark (UTF-8, UTF-16 in either byte order), else as UTF-8 when
/// their bytes are valid UTF-8 and as Windows-1252 otherwise (files from older installations); a
/// ^Z at the end, the end-of-file mark of old editors, is no part of the text. They are written as
/// UTF-8 without a byte-order mark (unless the text itself starts with the character a mark
/// encodes, U+FEFF, which would otherwise be taken for one when read). Every write goes to a
/// temporary file in the same folder, is flushed, and is renamed over the old file, so a crash or a
/// full disk leaves either the old or the new content, never a truncated file and never none.
namespace TextFile {

[[nodiscard]] QString decode(const QByteArray &bytes);
[[nodiscard]] QByteArray encode(const QString &text);

/// The file's text, or why it cannot be read (missing, no regular file, larger than `maxBytes`,
/// unreadable; see RegularFile::read()).
FileResult<QString> read(const QString &path, qint64 maxBytes);

/// Replaces the file's content atomically. A link is followed to its target, which gets the new
/// content (see RegularFile::writeTarget()). When it fails the old file is unchanged.
FileResult<> writeAtomically(const QString &path, const QByteArray &bytes);

} // namespace TextFile
