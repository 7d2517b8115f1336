#include "cities/cityline.h"

using namespace Qt::StringLiterals;

std::optional<CityLine> CityLine::fromText(QString text)
{
    std::optional<CityEntry> entry = CityEntry::fromLine(text);
    if (!entry)
        return std::nullopt;
    return CityLine{std::move(text), std::move(*entry)};
}

QString CityLine::clockListText() const
{
    return entry.name % u" ["_s % entry.zone % u']';
}

QString CityLine::editorText() const
{
    const qsizetype separator = text.indexOf(u'!');
    return separator < 0 ? text : text.first(separator);
}

QString CityLine::editorData() const
{
    return CityEntry::upperCasedInPlace(QStringView(text).last(qMin<qsizetype>(14, text.size())));
}

QString CityLine::zoneAndFlagFile() const
{
    return entry.zone % entry.flagFile;
}
