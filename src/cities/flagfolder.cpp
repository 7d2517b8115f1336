#include "cities/flagfolder.h"

#include "settings/cityentry.h"
#include "settings/picturefile.h"

#include <QDir>

using namespace Qt::StringLiterals;

FlagFolder FlagFolder::scan(const QString &folderPath)
{
    const QDir folder(folderPath);
    // The name filter ignores case unless told otherwise: EGY.BMP is listed as well.
    const QStringList names =
        folder.entryList({u"*.bmp"_s}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    FlagFolder result;
    result.m_bitmaps.reserve(names.size());
    for (const QString &name : names) {
        const qsizetype index = result.m_bitmaps.size();
        result.m_bitmaps.append(
            {name, name.first(qMin<qsizetype>(3, name.size())).toUpper(), folder.filePath(name)});
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
