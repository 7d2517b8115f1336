#include "app/startup.h"

#include "settings/datafiles.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcStartUp, "kerani.startup", QtWarningMsg)

namespace {

QString describe(const FileResult<DataFileRestore> &restored)
{
    if (!restored)
        return QStringLiteral("not restored: ") + restored.error();
    return restored.value() == DataFileRestore::Present ? QStringLiteral("present")
                                                        : QStringLiteral("restored");
}

} // namespace

bool startUp(const AppFolder &folder, SingleInstance &instance)
{
    // Without a usable lock folder the program still runs; only a running instance stops it.
    if (instance.tryAcquire() == SingleInstance::Outcome::HeldByOther)
        return false;
    const DataFilesRestored restored = restoreMissingDataFiles(folder);
    qCDebug(lcStartUp) << "Kerani.ini" << describe(restored.settings) << "Cities.txt"
                       << describe(restored.cityList);
    return true;
}
