#include "app/startup.h"

#include "settings/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcStartUp, "kerani.startup", QtWarningMsg)

namespace {

bool existsInAnyForm(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

DataFileRestore restoreFile(const QString &target, const QString &factoryCopy)
{
    if (existsInAnyForm(target))
        return DataFileRestore::Present;
    QFile source(factoryCopy);
    if (QFileInfo(factoryCopy).isDir() || !source.open(QIODevice::ReadOnly))
        return DataFileRestore::Failed;
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return DataFileRestore::Failed;
    // Written as a new file of the user's own (not a copy of the factory copy's permissions,
    // which may be read-only), and atomically, so a failure leaves no half-written file.
    if (TextFile::writeAtomically(target, bytes))
        return DataFileRestore::Failed;
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

bool startUp(AppFolder &folder, SingleInstance &instance)
{
    // Without a usable lock folder the program still runs; only a running instance stops it.
    if (instance.tryAcquire() == SingleInstance::Outcome::HeldByOther)
        return false;
    const DataFilesRestored restored = restoreMissingDataFiles(folder);
    // 0 present, 1 restored, 2 failed
    qCDebug(lcStartUp) << "Kerani.ini:" << int(restored.settings)
                       << "Cities.txt:" << int(restored.cityList);
    folder = folder.readingFactoryCopiesOfMissingFiles();
    return true;
}
