#include "cities/flagfolder.h"

#include "settings/cityentry.h"
#include "settings/picturefile.h"

#include <QDir>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

FlagFolder FlagFolder::scan(const QString &folderPath)
{
    return scan(QStringList{folderPath});
}

FlagFolder FlagFolder::scan(const QStringList &folderPaths)
{
    FlagFolder result;
    QSet<QString> earlier; // lower-cased names that an earlier folder listed
    for (const QString &folderPath : folderPaths) {
        const QDir folder(folderPath);
        // The name filter ignores case unless told otherwise: EGY.BMP is listed as well.
        const QStringList names =
            folder.entryList({u"*.bmp"_s}, QDir::Files, QDir::Name | QDir::IgnoreCase);
        QSet<QString> listed;
        for (const QString &name : names) {
            const QString lower = name.toLower();
            if (earlier.contains(lower))
                continue;
            listed.insert(lower);
            result.m_bitmaps.append({name, name.first(qMin<qsizetype>(3, name.size())).toUpper(),
                                     folder.filePath(name)});
        }
        earlier.unite(listed);
    }
    // Each folder's listing is in name order already. The sort is stable, so names that differ
    // only in case keep the order their folder listed them in.
    std::stable_sort(result.m_bitmaps.begin(), result.m_bitmaps.end(),
                     [](const Bitmap &a, const Bitmap &b) {
                         return a.fileName.compare(b.fileName, Qt::CaseInsensitive) < 0;
                     });
    for (qsizetype index = 0; index < result.m_bitmaps.size(); ++index) {
        const QString &name = result.m_bitmaps.at(index).fileName;
        result.m_byName.insert(name, index);
        // Of names that differ only in case, the first in name order answers a folded look-up.
        const QString lower = name.toLower();
        if (!result.m_byLowerName.contains(lower))
            result.m_byLowerName.insert(lower, index);
    }
    return result;
}

std::optional<QString> FlagFolder::picturePath(QStringView flagFile) const
{
    if (!CityEntry{{}, {}, flagFile.toString()}.hasPlainFlagFile())
        return std::nullopt;
    const QString name = flagFile.toString();
    if (const auto exact = m_byName.constFind(name); exact != m_byName.cend())
        return m_bitmaps.at(*exact).path;
    if (const auto folded = m_byLowerName.constFind(name.toLower()); folded != m_byLowerName.cend())
        return m_bitmaps.at(*folded).path;
    return std::nullopt;
}

QImage FlagFolder::loadPicture(const QString &path)
{
    return readPicture(path, PictureSize);
}
