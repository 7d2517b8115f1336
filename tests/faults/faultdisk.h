#pragma once

#include "settings/appfolder.h"
#include "support/testfiles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

// Disks that fail on purpose, for fault tests: a tiny tmpfs that can be filled up or made
// read-only. Root ignores file permissions, so a read-only folder cannot be made with chmod; a
// read-only or full file system fails for everyone. The mounts live in a mount namespace of this
// process alone and vanish with it, even when a test crashes.
namespace FaultDisk {

/// Why mounts are not possible here, or an empty text when they are.
inline QString &mountProblem()
{
    static QString problem;
    return problem;
}

inline bool writeIdMap(const char *path, const QByteArray &map)
{
    const int fd = ::open(path, O_WRONLY);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, map.constData(), size_t(map.size())) == map.size();
    ::close(fd);
    return written;
}

/// Moves this process into a mount namespace of its own, as root or, failing that, inside a user
/// namespace of its own. Must run while the process has one thread (unshare refuses otherwise), so
/// it is called from a static initializer, before QTest starts anything.
inline bool enterPrivateMounts()
{
    if (::unshare(CLONE_NEWNS) != 0) {
        const int rootError = errno;
        const QByteArray uid = QByteArray::number(::getuid());
        const QByteArray gid = QByteArray::number(::getgid());
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            mountProblem() =
                QStringLiteral("no private mount namespace (unshare: %1; as a user: %2)")
                    .arg(QString::fromLocal8Bit(std::strerror(rootError)),
                         QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        writeIdMap("/proc/self/setgroups", "deny");
        if (!writeIdMap("/proc/self/uid_map", "0 " + uid + " 1") ||
            !writeIdMap("/proc/self/gid_map", "0 " + gid + " 1")) {
            mountProblem() = QStringLiteral("no user id mapping in the user namespace");
            return false;
        }
    }
    // Nothing mounted here may reach the rest of the system.
    // The type is ignored here; it is named all the same, for tools that check every argument.
    if (::mount("none", "/", "none", MS_REC | MS_PRIVATE, nullptr) != 0) {
        mountProblem() = QStringLiteral("mounts cannot be made private: %1")
                             .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}

inline bool mountsAvailable()
{
    static const bool available = enterPrivateMounts();
    return available;
}

/// A tmpfs of `bytes` bytes on a new temporary folder, unmounted again when it goes.
class TinyDisk final {
public:
    explicit TinyDisk(qint64 bytes)
    {
        if (!mountsAvailable() || !m_dir.isValid()) {
            m_problem = mountProblem();
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                    MS_NOSUID | MS_NODEV, options.constData()) != 0) {
            m_problem = QStringLiteral("tmpfs cannot be mounted: %1")
                            .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        m_mounted = true;
    }
    ~TinyDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    TinyDisk(const TinyDisk &) = delete;
    TinyDisk &operator=(const TinyDisk &) = delete;

    [[nodiscard]] bool isMounted() const { return m_mounted; }
    [[nodiscard]] QString problem() const { return m_problem; }
    [[nodiscard]] QString path() const { return m_dir.path(); }

    /// Writes a filler file until the disk has no room left. Returns false when the disk never
    /// reported itself full.
    [[nodiscard]] bool fill()
    {
        QFile filler(m_dir.filePath(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'f');
        for (int i = 0; i < 1 << 20 && filler.write(block) == block.size(); ++i) {
        }
        // The last block may have gone in part: the disk is full once not one more byte fits.
        for (int i = 0; i <= block.size(); ++i) {
            if (filler.write("f", 1) != 1)
                return true;
        }
        return false;
    }

    /// Mounts the disk again read-only, with everything on it kept.
    [[nodiscard]] bool makeReadOnly()
    {
        return ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                       MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_problem;
};

/// Every file under a folder with its bytes, and every folder (bytes empty, name ending in "/"):
/// two snapshots are equal when nothing under the folder changed.
inline QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QDir root(folder);
    const auto visit = [&](const auto &self, const QString &path) -> void {
        const QDir dir(path);
        const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                        QDir::System | QDir::NoDotAndDotDot);
        for (const QFileInfo &entry : entries) {
            const QString name = root.relativeFilePath(entry.filePath());
            if (entry.isDir() && !entry.isSymLink()) {
                files.insert(name + u'/', {});
                self(self, entry.filePath());
            } else {
                QFile file(entry.filePath());
                files.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                  : QByteArrayLiteral("?"));
            }
        }
    };
    visit(visit, folder);
    return files;
}

} // namespace FaultDisk

/// What the fault tests put in an application folder.
namespace FaultFiles {

using namespace Qt::StringLiterals;

inline const QString London = u"London!+00:00!GBR.bmp"_s;
inline const QString Cairo = u"Cairo!+02:00!EGY.bmp"_s;
inline const QString Lima = u"Lima!-05:00!PER.bmp"_s;
inline const QString Oslo = u"Oslo!+01:00!NOR.bmp"_s;

/// A settings file with London as the local city, the clocks, and times shown with seconds.
inline QByteArray settingsText(const QStringList &clocks)
{
    const auto twoDigits = [](qsizetype n) { return QByteArray::number(n).rightJustified(2, '0'); };
    QByteArray text = "[Settings]\r\nLocal=" + London.toUtf8() +
                      "\r\nClocks=" + twoDigits(clocks.size()) + "\r\n";
    for (qsizetype i = 0; i < clocks.size(); ++i)
        text += "[Clock_" + twoDigits(i + 1) + "]\r\nCountry/City=" + clocks[i].toUtf8() + "\r\n";
    return text +
           "[Options]\r\nDisplay_Time=1\r\nTimeFormat=3\r\n[Clocks_Style]\r\nBackGround=non\r\n";
}

/// Kerani.ini with the clocks Cairo and Lima, and a city list of a few kilobytes (so that a
/// rewrite needs more room than a full disk has left); or only their factory copies.
inline bool writeDataFiles(const AppFolder &folder, bool factoryCopies = false)
{
    QByteArray cities = (Cairo + u"\r\n"_s + Lima + u"\r\n"_s + Oslo + u"\r\n"_s).toUtf8();
    for (int i = 0; i < 200; ++i)
        cities += "Town " + QByteArray::number(i) + "!+03:00!XYZ.bmp\r\n";
    return TestFiles::writeBytes(factoryCopies ? folder.factorySettingsFile()
                                               : folder.settingsFile(),
                                 settingsText({Cairo, Lima})) &&
           TestFiles::writeBytes(
               factoryCopies ? folder.factoryCityListFile() : folder.cityListFile(), cities);
}

enum class Fault {
    SettingsIsFolder, // Kerani.ini is a folder
    ScratchIsFolder,  // Temp.txt is a folder
    CityListIsFolder, // Cities.txt is a folder
    FolderMissing,    // the application folder lies under a folder that does not exist
    ReadOnlyDisk,     // the application folder cannot be written to
    FullDisk,
};

/// An application folder and a fault to put on it; the disk faults on a tiny disk of its own.
class Scene final {
public:
    explicit Scene(Fault fault)
        : m_fault(fault)
    {
        if (fault == Fault::ReadOnlyDisk || fault == Fault::FullDisk)
            m_disk = std::make_unique<FaultDisk::TinyDisk>(256 * 1024);
        m_root = m_disk ? m_disk->path() : m_dir.path();
        m_folder = fault == Fault::FolderMissing ? m_root + u"/missing/Kerani"_s : m_root;
    }

    /// Why this fault cannot be made on this machine (no tiny disk can be mounted), if so.
    [[nodiscard]] std::optional<QString> unavailable() const
    {
        if (m_disk && !m_disk->isMounted())
            return u"cannot mount a tiny disk here: "_s + m_disk->problem();
        return std::nullopt;
    }

    /// The data files (or only their factory copies, as on a first start), then the fault.
    [[nodiscard]] std::optional<QString> prepare(bool factoryCopies = false)
    {
        if (m_fault != Fault::FolderMissing && !writeDataFiles(folder(), factoryCopies))
            return u"the folder cannot be prepared"_s;
        return applyFault();
    }

    /// Puts the fault on the folder; returns what went wrong, if anything did.
    [[nodiscard]] std::optional<QString> applyFault()
    {
        static const QMap<Fault, QString> folderFor = {{Fault::SettingsIsFolder, u"Kerani.ini"_s},
                                                       {Fault::ScratchIsFolder, u"Temp.txt"_s},
                                                       {Fault::CityListIsFolder, u"Cities.txt"_s}};
        if (const QString name = folderFor.value(m_fault); !name.isEmpty()) {
            QDir(m_root).remove(name);
            if (!QDir(m_root).mkpath(name + u"/inside"_s))
                return u"no folder "_s + name;
        }
        if (m_fault == Fault::ReadOnlyDisk && !m_disk->makeReadOnly())
            return u"the disk cannot be made read-only"_s;
        if (m_fault == Fault::FullDisk && !m_disk->fill())
            return u"the disk cannot be filled"_s;
        return std::nullopt;
    }

    [[nodiscard]] AppFolder folder() const { return AppFolder(m_folder); }
    [[nodiscard]] QString root() const { return m_root; }

    /// Takes the filler off a full disk.
    bool makeRoom() { return QFile::remove(m_root + u"/.filler"_s); }

private:
    Fault m_fault;
    QTemporaryDir m_dir; // the folder for the faults that need no disk of their own
    std::unique_ptr<FaultDisk::TinyDisk> m_disk;
    QString m_root;
    QString m_folder;
};

} // namespace FaultFiles
