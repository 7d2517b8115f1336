#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

/// The bitmaps of the flags folder, listed once and then looked up as often as needed (a dialog
/// scans the folder when it loads and finds every city's picture from that one listing).
class FlagFolder final {
public:
    /// One "*.bmp" file of the folder.
    struct Bitmap {
        QString fileName; // as the folder spells it ("EGY.bmp")
        QString code;     // its first three characters upper-cased ("EGY"); nothing checks more
        QString path;     // the folder plus the file name

        friend bool operator==(const Bitmap &, const Bitmap &) = default;
    };

    /// The largest flag picture kept: three times the 16 × 11 box the clock window shows a flag
    /// in, so that a flag stays sharp on screens scaled up to three times.
    static constexpr QSize PictureSize{48, 33};

    FlagFolder() = default;

    /// The flag picture in a file, scaled down to fit in PictureSize with its proportions kept, or
    /// a null image when it cannot be read (see readPicture()). Flags are read this way only, so
    /// that a large picture costs its memory while it is read and not for as long as it is shown.
    [[nodiscard]] static QImage loadPicture(const QString &path);

    /// Lists the "*.bmp" files of `folderPath` (the extension in any case). A missing or
    /// unreadable folder gives an empty listing.
    [[nodiscard]] static FlagFolder scan(const QString &folderPath);

    /// Lists several folders as one, in name order: a bitmap of an earlier folder hides those of
    /// the same name (case ignored) in later ones, so the user's own flags come before the factory
    /// ones.
    [[nodiscard]] static FlagFolder scan(const QStringList &folderPaths);

    /// The bitmaps in name order (case ignored), for the city editor's flag list.
    [[nodiscard]] const QList<Bitmap> &bitmaps() const { return m_bitmaps; }

    /// The path of the picture for a line's flag file, its name matched without regard to case
    /// ("egy.bmp" finds EGY.bmp; a file spelled exactly so wins over one that differs in case).
    /// Nothing for a flag file that is not a plain "XXX.bmp" name, so a hand-edited line such as
    /// "../x.bmp" never reaches outside the folder, and nothing when the folder has no such file.
    [[nodiscard]] std::optional<QString> picturePath(QStringView flagFile) const;

private:
    QList<Bitmap> m_bitmaps;
    QHash<QString, qsizetype> m_byName;      // exact file name -> index in m_bitmaps
    QHash<QString, qsizetype> m_byLowerName; // lower-cased file name -> first such index
};
