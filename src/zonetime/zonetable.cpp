#include "zonetime/zonetable.h"

#include "settings/appfolder.h"
#include "settings/cityentry.h"
#include "settings/textfile.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcZoneTable, "kerani.zonetable", QtWarningMsg)

namespace {

/// Identifiers of the time-zone database are short ASCII names such as "America/Port-au-Prince"
/// or "Etc/GMT+5".
bool isZoneIdText(QStringView text)
{
    if (text.size() > 64)
        return false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool allowed = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
                             (u >= u'0' && u <= u'9') || u == u'/' || u == u'_' || u == u'-' ||
                             u == u'+';
        if (!allowed)
            return false;
    }
    return true;
}

} // namespace

ZoneTable ZoneTable::read(const AppFolder &folder)
{
    const QString path = folder.zoneTableFile();
    const FileResult<QString> text = TextFile::read(path, MaxFileBytes);
    if (!text) {
        qCInfo(lcZoneTable) << "no zone table:" << text.error();
        return {};
    }
    ZoneTable table = fromText(text.value());
    if (table.isEmpty())
        qCWarning(lcZoneTable) << "the zone table" << path << "is empty or malformed; not used";
    return table;
}

ZoneTable ZoneTable::fromText(QStringView text)
{
    ZoneTable table;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QStringView line = text.sliced(start, end - start);
        start = end + 1;
        if (line.isEmpty())
            continue;
        // The zone identifier holds no tab; a city's name might.
        const qsizetype tab = line.lastIndexOf(u'\t');
        if (tab < 0)
            return {};
        const QStringView cityLine = line.first(tab);
        const QStringView zone = line.sliced(tab + 1);
        if (!CityEntry::fromLine(cityLine) || !isZoneIdText(zone))
            return {};
        const QByteArray zoneId = zone.toLatin1();
        const QString key = cityLine.toString();
        const auto found = table.m_zones.constFind(key);
        if (found != table.m_zones.cend() && *found != zoneId)
            return {};
        table.m_zones.insert(key, zoneId);
    }
    return table;
}

ZoneTable::Listing ZoneTable::find(QStringView cityLine) const
{
    const auto found = m_zones.constFind(cityLine.toString());
    if (found == m_zones.cend())
        return {};
    if (found->isEmpty())
        return {Listing::Kind::FixedOffset, {}};
    return {Listing::Kind::Zone, *found};
}
