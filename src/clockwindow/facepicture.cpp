#include "clockwindow/facepicture.h"

#include "clockwindow/pictureregion.h"
#include "settings/picturefile.h"
#include "settings/regularfile.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <cmath>

namespace {

// Face files are small; a file larger than this is no face.
constexpr qint64 MaxFaceBytes = 4 * 1024 * 1024;

QByteArray readFile(const QString &path)
{
    return RegularFile::read(path, MaxFaceBytes).valueOr({});
}

/// `image` with every pixel of its key colour (its top-left pixel's) transparent.
QImage keyedOut(const QImage &image)
{
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, 0) | 0xFF000000;
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] | 0xFF000000) == key)
                line[x] = 0;
        }
    }
    return keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

QString FacePicture::detailedPath(const QString &path)
{
    const QFileInfo info(path);
    return info.path() + u'/' + info.completeBaseName() + QStringLiteral("@2x.png");
}

QString FacePicture::sourceHash(const QByteArray &faceFileBytes)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(faceFileBytes, QCryptographicHash::Sha256).toHex());
}

FacePicture FacePicture::load(const QString &path)
{
    FacePicture face;
    const QByteArray bytes = readFile(path);
    face.m_picture = decodePicture(bytes);
    if (face.m_picture.isNull())
        return face;
    face.m_outline = getPictureRegion(face.m_picture);
    const QImage detail = decodePicture(readFile(detailedPath(path)));
    if (detail.size() == face.m_picture.size() * 2 && detail.text(sourceKey()) == sourceHash(bytes))
        face.m_detail = detail;
    return face;
}

QImage FacePicture::rendered(qreal ratio) const
{
    if (m_picture.isNull())
        return {};
    const QSize size(qRound(m_picture.width() * ratio), qRound(m_picture.height() * ratio));
    if (m_rendered.size() == size && m_rendered.devicePixelRatio() == ratio)
        return m_rendered;
    const QImage keyed = keyedOut(hasDetail() ? m_detail : m_picture);
    m_rendered = keyed.size() == size
                     ? keyed
                     : keyed.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_rendered.setDevicePixelRatio(ratio);
    return m_rendered;
}

QRegion FacePicture::widenedOutline() const
{
    if (!m_outline)
        return {};
    if (!m_widenedOutline) {
        const QRegion &outline = *m_outline;
        m_widenedOutline = outline + outline.translated(-1, 0) + outline.translated(1, 0) +
                           outline.translated(0, -1) + outline.translated(0, 1);
    }
    return *m_widenedOutline;
}
