#pragma once

#include <QByteArray>
#include <QString>

class QImage;

/// Plain uncompressed 24-bit Windows bitmaps (BITMAPINFOHEADER, rows bottom-up, each padded to
/// four bytes): the form every bitmap reader understands. Alpha is dropped; callers flatten
/// translucent pictures onto a background first. The bytes depend on the pixels only, so a
/// generator that draws the same picture writes the same file.
namespace BmpWriter {

[[nodiscard]] QByteArray encode24(const QImage &image);

/// Writes the file; returns false (and leaves a message on stderr) when it cannot.
[[nodiscard]] bool save24(const QImage &image, const QString &path);

} // namespace BmpWriter
