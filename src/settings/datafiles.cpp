#include "settings/datafiles.h"

#include "settings/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool existsInAnyForm(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

FileResult<DataFileRestore> restoreFile(const QString &target, const QString &factoryCopy)
{
    if (existsInAnyForm(target))
        return DataFileRestore::Present;
    QFile source(factoryCopy);
    QByteArray bytes;
    if (!QFileInfo(factoryCopy).isDir() && source.open(QIODevice::ReadOnly))
        bytes = source.readAll();
    if (!source.isOpen() || source.error() != QFileDevice::NoError) {
        return FileError{QCoreApplication::translate("DataFiles", "%1 cannot be read: %2")
                             .arg(factoryCopy, source.errorString())};
    }
    // Written as a new file of the user's own (not a copy of the factory copy's permissions,
    // which may be read-only), and atomically, so a failure leaves no half-written file.
    if (FileResult<> written = TextFile::writeAtomically(target, bytes); !written)
        return FileError{written.error()};
    return DataFileRestore::Restored;
}

} // namespace

DataFilesRestored restoreMissingDataFiles(const AppFolder &folder)
{
    for (const QString &path : folder.userFolders())
        QDir().mkpath(path);
    return {restoreFile(folder.settingsFile(), folder.factorySettingsFile()),
            restoreFile(folder.cityListFile(), folder.factoryCityListFile())};
}
