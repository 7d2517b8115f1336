#pragma once

#include <QImage>
#include <QSize>
#include <QString>

/// Pictures read from files the user can reach: clock faces, flags and background pictures.
///
/// A picture is read only from a regular file (see RegularFile::read) and only when it is within
/// the limits below, checked on the picture's header before any pixel is decoded. The pictures
/// the program shows are small (a face of 78 × 78, a flag in a box of 16 × 11, a background
/// stretched over the strip under the faces), so the limits are far above any real one and only
/// stop a file that would take hundreds of megabytes once decoded.
namespace PictureFile {

/// The longest side, in pixels: wider than any screen a background is stretched over.
inline constexpr int MaxSide = 10'000;
/// The most pixels: 5000 × 5000, 100 MB at four bytes a pixel while it is decoded.
inline constexpr qint64 MaxPixels = 5'000LL * 5'000;
/// The largest file: the largest picture stored without compression at four bytes a pixel, and
/// room for its header.
inline constexpr qint64 MaxBytes = MaxPixels * 4 + 1024 * 1024;

} // namespace PictureFile

/// The picture in a file, or a null image when the path names no regular file, the file holds no
/// picture, or the picture is larger than the limits.
[[nodiscard]] QImage readPicture(const QString &path);

/// The picture held in `bytes` (read by the caller from a regular file), within the same limits.
[[nodiscard]] QImage decodePicture(const QByteArray &bytes);

/// The same, scaled down with its proportions kept to fit in `box` when it is larger; a smaller
/// picture is read as it is.
[[nodiscard]] QImage readPicture(const QString &path, QSize box);
