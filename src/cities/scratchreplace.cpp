#include "cities/scratchreplace.h"

#include "settings/nativepath.h"
#include "settings/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// The context of this file's messages, for translators.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ScratchReplace)
};

// Without this the rename can reach the disk before the data does, and a power cut leaves an
// empty file under the old name.
bool syncToDisk([[maybe_unused]] QFile &file)
{
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return true;
#endif
}

// Makes the rename itself durable; a failure only weakens durability, never the content.
void syncFolder([[maybe_unused]] const QString &folder)
{
#ifdef Q_OS_UNIX
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
#endif
}

FileResult<> writeScratch(QFile &file, const QByteArray &bytes)
{
    // NewOnly: a file that appeared after the stale one was removed is not written through.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return FileError{
            Texts::tr("%1 could not be created: %2").arg(file.fileName(), file.errorString())};
    if (file.write(bytes) != bytes.size() || !file.flush() || !syncToDisk(file)) {
        const QString error = file.errorString();
        file.close();
        return FileError{Texts::tr("%1 could not be written: %2").arg(file.fileName(), error)};
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        return FileError{
            Texts::tr("%1 could not be written: %2").arg(file.fileName(), file.errorString())};
    return {};
}

} // namespace

FileResult<> replaceThroughScratch(const QString &target, const QString &scratchName,
                                   const QByteArray &bytes)
{
    const FileResult<QString> replaced = RegularFile::writeTarget(target);
    if (!replaced)
        return FileError{replaced.error()};
    const QFileInfo targetInfo(replaced.value());
    const QString scratch = targetInfo.dir().filePath(scratchName);
    // Removing a stale scratch file of that name would remove the target itself.
    if (targetInfo.fileName() == scratchName)
        return FileError{Texts::tr("%1 cannot be replaced through a scratch file of its own name.")
                             .arg(targetInfo.filePath())};

    // A scratch file left by an earlier rewrite that failed; a folder of that name cannot be
    // removed and ends the rewrite here, before anything was written.
    const QFileInfo scratchInfo(scratch);
    if ((scratchInfo.exists() || scratchInfo.isSymLink()) && !QFile::remove(scratch))
        return FileError{Texts::tr("%1 could not be removed.").arg(scratch)};

    QFile file(scratch);
    if (FileResult<> written = writeScratch(file, bytes); !written) {
        QFile::remove(scratch);
        return written;
    }
    // The new file keeps the access rights the user gave the old one.
    if (targetInfo.exists())
        file.setPermissions(targetInfo.permissions());

    std::error_code error;
    std::filesystem::rename(toNativePath(scratch), toNativePath(targetInfo.filePath()), error);
    if (error) {
        QFile::remove(scratch);
        return FileError{Texts::tr("%1 could not be replaced: %2")
                             .arg(targetInfo.filePath(), QString::fromLocal8Bit(error.message()))};
    }
    syncFolder(targetInfo.absolutePath());
    return {};
}
