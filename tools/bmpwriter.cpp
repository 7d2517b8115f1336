#include "bmpwriter.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

#include <cstdio>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int PixelsPerMetre = 3780; // 96 dpi

void put16(QByteArray &bytes, quint16 value)
{
    const quint16 le = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&le), sizeof le);
}

void put32(QByteArray &bytes, quint32 value)
{
    const quint32 le = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&le), sizeof le);
}

} // namespace

QByteArray BmpWriter::encode24(const QImage &image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = (pixels.width() * 3 + 3) / 4 * 4;
    const quint32 dataSize = quint32(rowBytes) * quint32(pixels.height());
    QByteArray bytes;
    bytes.reserve(int(FileHeaderSize + InfoHeaderSize + dataSize));
    bytes.append("BM");
    put32(bytes, FileHeaderSize + InfoHeaderSize + dataSize);
    put32(bytes, 0); // reserved
    put32(bytes, FileHeaderSize + InfoHeaderSize);
    put32(bytes, InfoHeaderSize);
    put32(bytes, quint32(pixels.width()));
    put32(bytes, quint32(pixels.height())); // positive: rows stored bottom-up
    put16(bytes, 1);                        // planes
    put16(bytes, 24);                       // bits per pixel
    put32(bytes, 0);                        // BI_RGB, no compression
    put32(bytes, dataSize);
    put32(bytes, PixelsPerMetre);
    put32(bytes, PixelsPerMetre);
    put32(bytes, 0); // colours used
    put32(bytes, 0); // important colours
    for (int y = pixels.height() - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            bytes.append(char(qBlue(row[x])));
            bytes.append(char(qGreen(row[x])));
            bytes.append(char(qRed(row[x])));
        }
        bytes.append(QByteArray(rowBytes - pixels.width() * 3, '\0'));
    }
    return bytes;
}

bool BmpWriter::save24(const QImage &image, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(encode24(image)) < 0 ||
        !file.flush()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}
