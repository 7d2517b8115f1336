#include "settings/picturefile.h"

#include "settings/regularfile.h"

#include <QBuffer>
#include <QImageReader>

#include <optional>

namespace {

bool withinLimits(QSize size)
{
    return size.isValid() && size.width() <= PictureFile::MaxSide &&
           size.height() <= PictureFile::MaxSide &&
           qint64(size.width()) * size.height() <= PictureFile::MaxPixels;
}

QImage decode(QByteArray data, std::optional<QSize> box)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The size from the header, before any pixel is decoded. A format that does not tell it
    // could not be held to the limits, and is not read.
    const QSize size = reader.size();
    if (!withinLimits(size))
        return {};
    if (box && (size.width() > box->width() || size.height() > box->height()))
        reader.setScaledSize(size.scaled(*box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    return reader.read();
}

QImage read(const QString &path, std::optional<QSize> box)
{
    if (path.isEmpty())
        return {};
    FileResult<QByteArray> bytes = RegularFile::read(path, PictureFile::MaxBytes);
    if (!bytes)
        return {};
    return decode(std::move(bytes).value(), box);
}

} // namespace

QImage decodePicture(const QByteArray &bytes)
{
    return decode(bytes, std::nullopt);
}

QImage readPicture(const QString &path)
{
    return read(path, std::nullopt);
}

QImage readPicture(const QString &path, QSize box)
{
    return read(path, box);
}
