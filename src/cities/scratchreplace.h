#pragma once

#include "settings/fileresult.h"

#include <QByteArray>
#include <QString>

/// Replaces the content of `target` with `bytes` through a scratch file named `scratchName` in the
/// same folder: a stale scratch file is removed, the bytes are written to a new scratch file,
/// flushed to the disk, and the scratch file is renamed over `target` in one atomic step. `target`
/// is never removed first, so at any moment it holds either its old or its new content. When
/// `target` is a link, all this happens beside the link's target, which is replaced, and the link
/// stays (see RegularFile::writeTarget(), which also says what is refused).
///
/// Fails with the reason when any step fails; `target` then keeps its old content and the scratch
/// file is removed when it can be.
FileResult<> replaceThroughScratch(const QString &target, const QString &scratchName,
                                   const QByteArray &bytes);
