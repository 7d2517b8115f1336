#include "app/singleinstance.h"

#include "settings/datafiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QLoggingCategory>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcStartUp, "kerani.startup", QtWarningMsg)

SingleInstance::SingleInstance(const QString &applicationFolder, const QString &lockFolder)
    : m_lockFilePath((lockFolder.isEmpty() ? defaultLockFolder() : lockFolder) % u'/' %
                     lockFileName(applicationFolder))
{
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Outcome SingleInstance::tryAcquire()
{
    if (m_lock && m_lock->isLocked())
        return Outcome::Acquired;
    QDir().mkpath(QFileInfo(m_lockFilePath).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_lockFilePath);
    // The lock is held for the program's whole life, so it must never go stale by age; only a
    // lock whose process is gone counts as stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Outcome::Acquired;
    return m_lock->error() == QLockFile::LockFailedError ? Outcome::HeldByOther
                                                         : Outcome::Unavailable;
}

QString SingleInstance::lockFileName(const QString &applicationFolder)
{
    const QFileInfo info(applicationFolder);
    QString path = info.canonicalFilePath();
    if (path.isEmpty())
        path = QDir::cleanPath(info.absoluteFilePath());
    const QByteArray hash =
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return u"kerani-"_s % QLatin1StringView(hash) % u".lock"_s;
}

QString SingleInstance::defaultLockFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

namespace {

QString describe(const FileResult<DataFileRestore> &restored)
{
    if (!restored)
        return QStringLiteral("not restored: ") + restored.error();
    return restored.value() == DataFileRestore::Present ? QStringLiteral("present")
                                                        : QStringLiteral("restored");
}

} // namespace

bool startUp(AppFolder &folder, SingleInstance &instance)
{
    // Without a usable lock folder the program still runs; only a running instance stops it.
    if (instance.tryAcquire() == SingleInstance::Outcome::HeldByOther)
        return false;
    const DataFilesRestored restored = restoreMissingDataFiles(folder);
    qCDebug(lcStartUp) << "Kerani.ini" << describe(restored.settings) << "Cities.txt"
                       << describe(restored.cityList);
    folder = folder.readingFactoryCopiesOfMissingFiles();
    return true;
}
