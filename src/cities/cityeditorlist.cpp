#include "cities/cityeditorlist.h"

#include "settings/cityentry.h"

#include <QSet>

namespace {

QString textOf(QStringView line)
{
    const qsizetype separator = line.indexOf(u'!');
    return (separator < 0 ? line : line.first(separator)).toString();
}

} // namespace

namespace CityEditorList {

Entry Entry::fromLine(QStringView line)
{
    Entry entry;
    entry.text = textOf(line);
    // One character to one, so the zone and the code stay where the line has them.
    entry.data = CityEntry::upperCasedInPlace(line.last(qMin<qsizetype>(14, line.size())));
    entry.zone = entry.data.first(qMin<qsizetype>(6, entry.data.size()));
    entry.code = entry.data.mid(7, 3);
    return entry;
}

SaveChange planSave(const QStringList &entryLines, std::optional<qsizetype> selected,
                    const QStringList &replacedLines, QStringView newLine)
{
    // A line that occurs twice in the file is replaced twice, so every entry of a replaced line
    // goes, whatever the number of entries it has.
    const QSet<QString> replaced(replacedLines.cbegin(), replacedLines.cend());
    const QString newText = textOf(newLine);

    SaveChange change;
    // The selected entry keeps its place in the list (and its selection) when it is the city that
    // was saved; otherwise the first entry of the saved city does.
    if (selected && *selected >= 0 && *selected < entryLines.size() &&
        replaced.contains(entryLines.at(*selected)) && textOf(entryLines.at(*selected)) == newText)
        change.reused = *selected;
    for (qsizetype i = 0; i < entryLines.size(); ++i) {
        if (!replaced.contains(entryLines.at(i)) || change.reused == i)
            continue;
        if (!change.reused && textOf(entryLines.at(i)) == newText)
            change.reused = i;
        else
            change.removed.append(i);
    }
    return change;
}

QList<qsizetype> planDelete(const QStringList &entryLines, QStringView deletedText)
{
    QList<qsizetype> removed;
    for (qsizetype i = 0; i < entryLines.size(); ++i) {
        if (textOf(entryLines.at(i)) == deletedText)
            removed.append(i);
    }
    return removed;
}

} // namespace CityEditorList
