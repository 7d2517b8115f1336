#pragma once

#include "settings/appfolder.h"

#include <QString>

#include <memory>

class QLockFile;

/// Keeps the program to one running instance per user and application folder, by a lock file in
/// the user's runtime folder whose name is derived from the application folder's path. The lock
/// is held for as long as the object lives. A lock left by an instance that crashed does not
/// block: the system checks whether the process named in it still runs.
class SingleInstance final {
public:
    enum class Outcome {
        Acquired,    // this is the only instance
        HeldByOther, // another instance runs: end at once
        Unavailable, // the lock cannot be made (no writable folder): run without one
    };

    /// lockFolder: where the lock file goes; the user's runtime folder when empty.
    explicit SingleInstance(const QString &applicationFolder, const QString &lockFolder = {});
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    [[nodiscard]] Outcome tryAcquire();

    [[nodiscard]] QString lockFilePath() const { return m_lockFilePath; }

    /// The lock file's name for an application folder: the same for every spelling of the
    /// folder's path that leads to the same place.
    [[nodiscard]] static QString lockFileName(const QString &applicationFolder);

    /// The per-user folder for lock files.
    [[nodiscard]] static QString defaultLockFolder();

private:
    QString m_lockFilePath;
    std::unique_ptr<QLockFile> m_lock;
};

/// The start-up sequence up to loading the settings: false when another instance runs (the
/// program then ends at once, touching nothing); otherwise restores the missing data files, turns
/// `folder` to the factory copies of those that could not be made, and returns true. The instance
/// lock stays held by `instance`, which must live as long as the program.
[[nodiscard]] bool startUp(AppFolder &folder, SingleInstance &instance);
