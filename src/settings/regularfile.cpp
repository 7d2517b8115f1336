#include "settings/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The context of this file's messages, for translators.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RegularFile)
};

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Why what is at `info` is no regular file to read or replace, or nothing when it is one.
std::optional<QString> notRegular(const QFileInfo &info)
{
    if (info.isDir())
        return Texts::tr("%1 is a folder, not a file.").arg(shown(info.filePath()));
    if (!info.isFile())
        return Texts::tr("%1 is not a regular file.").arg(shown(info.filePath()));
    return std::nullopt;
}

QString tooLarge(const QString &path, qint64 maxBytes)
{
    return Texts::tr("%1 is larger than %2 bytes, too large to be read.")
        .arg(shown(path))
        .arg(maxBytes);
}

// A file that was a regular file a moment ago, opened for reading. On Unix it is opened without
// waiting, since a pipe put in its place meanwhile would otherwise block the open until a writer
// came, and checked again on the open descriptor, which no later change of the path can swap.
class CheckedFile final {
public:
    explicit CheckedFile(const QString &path)
        : m_file(path)
    {
    }
    ~CheckedFile()
    {
        m_file.close();
#ifdef Q_OS_UNIX
        if (m_descriptor >= 0)
            ::close(m_descriptor);
#endif
    }
    CheckedFile(const CheckedFile &) = delete;
    CheckedFile &operator=(const CheckedFile &) = delete;

    FileResult<> open()
    {
#ifdef Q_OS_UNIX
        m_descriptor = ::open(QFile::encodeName(m_file.fileName()).constData(),
                              O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (m_descriptor < 0)
            return FileError{QString::fromLocal8Bit(std::strerror(errno))};
        struct stat status {};
        if (::fstat(m_descriptor, &status) != 0 || !S_ISREG(status.st_mode))
            return FileError{Texts::tr("%1 is not a regular file.").arg(shown(m_file.fileName()))};
        if (!m_file.open(m_descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered,
                         QFileDevice::DontCloseHandle))
            return FileError{m_file.errorString()};
#else
        if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return FileError{m_file.errorString()};
#endif
        return {};
    }

    [[nodiscard]] QFile &device()
    {
        return m_file;
    }

private:
    QFile m_file;
#ifdef Q_OS_UNIX
    int m_descriptor = -1;
#endif
};

} // namespace

namespace RegularFile {

FileResult<QByteArray> read(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        if (info.isSymLink())
            return FileError{Texts::tr("%1 is a link to %2, which does not exist.")
                                 .arg(shown(path), shown(info.symLinkTarget()))};
        return FileError{Texts::tr("%1 does not exist.").arg(shown(path))};
    }
    if (const std::optional<QString> why = notRegular(info))
        return FileError{*why};
    // The size a file claims refuses most large files before a byte is read; the count below
    // refuses the rest.
    if (info.size() > maxBytes)
        return FileError{tooLarge(path, maxBytes)};

    CheckedFile checked(path);
    if (FileResult<> opened = checked.open(); !opened)
        return FileError{opened.error()};
    QFile &file = checked.device();
    QByteArray bytes;
    bytes.reserve(qsizetype(info.size()));
    std::array<char, 64 * 1024> chunk;
    for (;;) {
        const qint64 got = file.read(chunk.data(), qint64(chunk.size()));
        if (got < 0)
            return FileError{file.errorString()};
        if (got == 0)
            return bytes;
        if (bytes.size() + got > maxBytes)
            return FileError{tooLarge(path, maxBytes)};
        bytes.append(chunk.data(), qsizetype(got));
    }
}

FileResult<QString> writeTarget(const QString &path)
{
    // As many links as the system itself follows in one path before it gives up.
    constexpr int MaxLinks = 40;
    QFileInfo info(path);
    for (int links = 0; info.isSymLink(); ++links) {
        if (links == MaxLinks)
            return FileError{
                Texts::tr("%1 is a chain of links that does not end.").arg(shown(path))};
        info.setFile(info.symLinkTarget());
    }
    if (!info.exists()) {
        if (info.filePath() != path) {
            return FileError{Texts::tr("%1 is a link to %2, which does not exist.")
                                 .arg(shown(path), shown(info.filePath()))};
        }
        return path; // a new file
    }
    if (const std::optional<QString> why = notRegular(info))
        return FileError{*why};
    return info.filePath();
}

} // namespace RegularFile
