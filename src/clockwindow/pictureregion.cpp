#include "clockwindow/pictureregion.h"

#include <QImage>

namespace {

constexpr QRgb RgbMask = 0x00ffffff;

/// One row's runs, appended to \a rects.
void appendRowRuns(const QRgb *row, int width, int y, QRgb key, QList<QRect> &rects)
{
    std::optional<int> runStart;
    for (int x = 0; x < width; ++x) {
        const bool opaque = (row[x] & RgbMask) != key;
        if (opaque && !runStart) {
            runStart = x;
        } else if (!opaque && runStart) {
            rects.append(QRect(QPoint(*runStart, y), QPoint(x - 1, y)));
            runStart.reset();
        }
    }
    // A run still open at the end of the row is closed at the right edge.
    if (runStart)
        rects.append(QRect(QPoint(*runStart, y), QPoint(width - 1, y)));
}

} // namespace

QList<QRect> pictureRegionRects(const QImage &image)
{
    QList<QRect> rects;
    if (image.isNull())
        return rects;
    // One known 32-bit layout, so every source format (indexed BMPs, 24-bit, with alpha) is read
    // the same way. ARGB32 keeps the colour of translucent pixels unchanged, where a conversion to
    // RGB32 or a premultiplied format could alter it.
    const QImage pixels = image.format() == QImage::Format_RGB32
                              ? image
                              : image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = pixels.pixel(0, 0) & RgbMask;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        appendRowRuns(row, pixels.width(), y, key, rects);
    }
    return rects;
}

std::optional<QRegion> getPictureRegion(const QImage &image)
{
    const QList<QRect> rects = pictureRegionRects(image);
    if (rects.isEmpty())
        return std::nullopt;
    QRegion region;
    for (const QRect &rect : rects)
        region += rect;
    return region;
}
