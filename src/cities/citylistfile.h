#pragma once

#include "cities/citylistrewrite.h"
#include "settings/appfolder.h"
#include "settings/cityentry.h"
#include "settings/fileresult.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

/// One line of the city list as the dialogs show it: the line's text exactly as the file holds it
/// (the separators are never tested, so the text is not rebuilt from the entry) and its entry.
struct CityLine {
    QString text;
    CityEntry entry;

    /// The line with its entry, or nothing when the line is too short to be split by position.
    [[nodiscard]] static std::optional<CityLine> fromText(QString text);

    /// "Name [+hh:mm]": the clock list editor's text of the city.
    [[nodiscard]] QString clockListText() const;

    /// The city editor's text: the part of the line before its first "!" (so a name that itself
    /// holds "!" shows cut there), the whole line when it has none.
    [[nodiscard]] QString editorText() const;

    /// The city editor's hidden data: the last 14 characters upper-cased ("+02:00!EGY.BMP").
    [[nodiscard]] QString editorData() const;

    /// The hidden data of the clock list editor and the options dialog: the zone followed directly
    /// by the flag file, 13 characters ("+02:00EGY.bmp").
    [[nodiscard]] QString zoneAndFlagFile() const;

    friend bool operator==(const CityLine &, const CityLine &) = default;
};

/// The city list file Cities.txt: every city the user can put on a clock, one line each.
///
/// Reading takes CR LF, LF and CR line ends and skips empty lines and lines too short to be split
/// by position; a NUL ends what is read of a line. Only a regular file is read (see
/// RegularFile::read()). Save and Delete rewrite the whole file through the scratch file Temp.txt,
/// which is renamed over Cities.txt only once it holds the complete new content: a rewrite that
/// fails leaves Cities.txt as it was and says why. When Cities.txt is a link, the scratch file lies
/// beside the link's target and replaces the target, so the link stays. Written lines end with CR
/// LF and are UTF-8. In a run on the factory copy of the list (AppFolder::cityListSaveRefusal())
/// nothing is rewritten.
class CityListFile final {
public:
    /// Files larger than this are refused rather than read whole into memory.
    static constexpr qint64 MaxFileSize = AppFolder::MaxCityListFileBytes;

    explicit CityListFile(const AppFolder &folder);

    [[nodiscard]] QString path() const { return m_path; }

    /// The city lines in file order, or why there are none: the file is missing, too large or
    /// cannot be read (the dialogs then show an empty list).
    FileResult<QList<CityLine>> read() const;

    /// Writes the entry's line into the file by the Save rule (CityListRewrite::forSave). A missing
    /// file counts as an empty one and is created. A file that exists but cannot be read (a
    /// dangling link among them) is never replaced, and neither is anything when the entry would
    /// not make a well-formed line (see isWellFormed()).
    FileResult<CityListRewrite::SaveRewrite> save(const CityEntry &entry) const;

    /// Whether the entry makes a line that reads back as the same entry: a zone of 6 and a flag
    /// file of 7 characters, and no line break, NUL or half of a surrogate pair in the line.
    [[nodiscard]] static bool isWellFormed(const CityEntry &entry);

    /// Leaves out every line whose text before its first "!" is `editorText` exactly
    /// (CityListRewrite::forDelete). The file is rewritten, without its empty lines, even when no
    /// line matched; a missing file is an error, as there is nothing to delete from.
    FileResult<CityListRewrite::DeleteRewrite> remove(QStringView editorText) const;

    /// The non-empty lines of a text, line ends CR LF, LF or CR.
    [[nodiscard]] static QStringList nonEmptyLines(QStringView text);

    /// The lines of a text that are long enough to be city lines, in order.
    [[nodiscard]] static QList<CityLine> cityLines(QStringView text);

    /// The file content for a list of lines: each line followed by CR LF, in UTF-8.
    [[nodiscard]] static QByteArray encode(const QStringList &lines);

private:
    enum class Missing { IsEmpty, IsError };

    FileResult<QStringList> readLines(Missing missing) const;
    FileResult<> write(const QStringList &lines) const;

    QString m_path;
    QString m_scratchName;
    std::optional<QString> m_saveRefusal; // why no rewrite may happen (AppFolder)
};
