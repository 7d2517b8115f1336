#pragma once

#include "settings/fileresult.h"

#include <QByteArray>
#include <QString>

/// The one way the program reads a file the user can reach, and finds the file a write replaces.
///
/// Only regular files are read, after following links: a pipe, a device, a socket or a folder in
/// a file's place is refused without waiting for it, so it can neither block the program nor feed
/// it without end. Writes follow links to their targets, so that a link stays a link.
namespace RegularFile {

/// The bytes of the file at `path`, or why there are none: it is missing, not a regular file,
/// larger than `maxBytes`, or cannot be read. The limit counts the bytes as they are read, so a
/// file that claims one size and gives more (a file of /proc, or one that grows meanwhile) is
/// refused as well. The file is opened without waiting (a pipe put there after the type was
/// checked opens at once) and its type is checked again on the open file.
FileResult<QByteArray> read(const QString &path, qint64 maxBytes);

/// The path a write to `path` replaces: `path` itself when it is no link, else the end of its
/// chain of links, so that the link stays and its target gets the new content. Fails when the
/// chain leads to nothing (a write would make a file where the user does not expect one), loops
/// or is too long, or when what is there is a folder, a pipe or a device.
FileResult<QString> writeTarget(const QString &path);

} // namespace RegularFile
