#include "settings/datafiles.h"

#include "settings/regularfile.h"
#include "settings/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool existsInAnyForm(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

FileResult<DataFileRestore> restoreFile(const QString &target, const QString &factoryCopy,
                                        qint64 maxBytes)
{
    if (existsInAnyForm(target))
        return DataFileRestore::Present;
    const FileResult<QByteArray> bytes = RegularFile::read(factoryCopy, maxBytes);
    if (!bytes) {
        return FileError{QCoreApplication::translate("DataFiles", "%1 cannot be read: %2")
                             .arg(factoryCopy, bytes.error())};
    }
    // Written as a new file of the user's own (not a copy of the factory copy's permissions,
    // which may be read-only), and atomically, so a failure leaves no half-written file.
    if (FileResult<> written = TextFile::writeAtomically(target, bytes.value()); !written)
        return FileError{written.error()};
    return DataFileRestore::Restored;
}

} // namespace

DataFilesRestored restoreMissingDataFiles(const AppFolder &folder)
{
    for (const QString &path : folder.userFolders())
        QDir().mkpath(path);
    return {restoreFile(folder.settingsFile(), folder.factorySettingsFile(),
                        AppFolder::MaxSettingsFileBytes),
            restoreFile(folder.cityListFile(), folder.factoryCityListFile(),
                        AppFolder::MaxCityListFileBytes)};
}
