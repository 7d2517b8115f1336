#pragma once

#include "settings/fileresult.h"

#include <QByteArray>
#include <QString>

/// Replaces the content of `target` with `bytes` through a scratch file of a fixed name in the same
/// folder: a stale scratch file is removed, the bytes are written to a new scratch file, flushed to
/// the disk, and the scratch file is renamed over `target` in one atomic step. `target` is never
/// removed first, so at any moment it holds either its old or its new content.
///
/// Fails with the reason when any step fails; `target` then keeps its old content and the scratch
/// file is removed when it can be.
FileResult<> replaceThroughScratch(const QString &target, const QString &scratch,
                                   const QByteArray &bytes);
