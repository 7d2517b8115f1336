#pragma once

#include <QFile>
#include <QString>

#include <filesystem>
#include <string>

/// A Qt path as the standard library's filesystem functions take it, in the file system's own
/// encoding.
[[nodiscard]] inline std::filesystem::path toNativePath(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    const QByteArray encoded = QFile::encodeName(path);
    return std::filesystem::path(std::string(encoded.constData(), size_t(encoded.size())));
#endif
}
