#pragma once

#include <QHash>
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

    FlagFolder() = default;

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
