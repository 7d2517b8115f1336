#pragma once

#include <QImage>
#include <QRegion>
#include <QString>

#include <optional>

/// A clock face picture for every screen. The face file is 78 x 78 pixels with a key colour in
/// its top-left pixel marking what lies outside the face. Beside it may lie the same face drawn
/// at twice the size ("clk01@2x.png" beside "clk01.bmp"), which names the face file it was drawn
/// for by a hash of that file's bytes, so that a face replaced by the user is never shown with
/// another face's detail.
class FacePicture final {
public:
    /// No picture: faces show white.
    FacePicture() = default;
    /// Reads the face file at `path` and its detailed picture if one lies beside it; a file that
    /// is missing or unreadable gives no picture.
    static FacePicture load(const QString &path);

    /// The file name of the detailed picture that belongs beside the face file at `path`.
    [[nodiscard]] static QString detailedPath(const QString &path);
    /// The text a detailed picture carries under this key: the hash of its face file's bytes.
    [[nodiscard]] static QString sourceKey() { return QStringLiteral("Kerani-Face"); }
    [[nodiscard]] static QString sourceHash(const QByteArray &faceFileBytes);

    [[nodiscard]] bool isNull() const { return m_picture.isNull(); }
    /// The face as its file has it, for screens of pixel ratio 1.
    [[nodiscard]] const QImage &picture() const { return m_picture; }
    [[nodiscard]] bool hasDetail() const { return !m_detail.isNull(); }
    /// The face's outline in face pixels; nothing when there is no picture or it is all key.
    [[nodiscard]] const std::optional<QRegion> &outline() const { return m_outline; }
    /// The outline a pixel wider all round, for faces whose smooth edge must show whole: made
    /// once and shared by every face.
    [[nodiscard]] QRegion widenedOutline() const;

    /// The face at `ratio` device pixels per face pixel, from the detailed picture when there is
    /// one: smoothly scaled, with the key colour transparent so that its edge blends into what
    /// lies behind. Kept for the last ratio asked for.
    [[nodiscard]] QImage rendered(qreal ratio) const;

private:
    QImage m_picture;
    QImage m_detail;
    std::optional<QRegion> m_outline;
    mutable QImage m_rendered;
    mutable std::optional<QRegion> m_widenedOutline;
};
