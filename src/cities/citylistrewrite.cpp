#include "cities/citylistrewrite.h"

namespace {

// The code of a text's first character as a Unicode code point (a pair of surrogates counts as the
// one character it encodes); an empty text counts as code 0, below every character.
char32_t firstCharacterCode(QStringView text)
{
    if (text.isEmpty())
        return 0;
    const QChar first = text.front();
    if (first.isHighSurrogate() && text.size() > 1 && text[1].isLowSurrogate())
        return QChar::surrogateToUcs4(first, text[1]);
    return first.unicode();
}

// Whether the line's name, the line without its fixed tail, lower-cased is `lowerName`.
bool hasName(QStringView line, const QString &lowerName)
{
    if (line.size() < CityEntry::TailLength)
        return false;
    // No length test first: lower-casing can change a text's length ("İ" becomes "i" and a
    // combining dot), so names of different lengths can still be the same name.
    const QStringView name = line.first(line.size() - CityEntry::TailLength);
    return name.toString().toLower() == lowerName;
}

QStringView textBeforeFirstSeparator(QStringView line)
{
    const qsizetype separator = line.indexOf(u'!');
    return separator < 0 ? line : line.first(separator);
}

} // namespace

namespace CityListRewrite {

SaveRewrite forSave(const QStringList &oldLines, const CityEntry &newEntry)
{
    const QString newLine = newEntry.toLine();
    const QString lowerName = newEntry.name.toLower();
    const char32_t newCode = firstCharacterCode(newEntry.name);

    SaveRewrite result;
    result.lines.reserve(oldLines.size() + 1);
    bool placed = false;
    for (const QString &line : oldLines) {
        if (line.isEmpty())
            continue;
        if (hasName(line, lowerName)) {
            // Only the first line of the name is replaced; a later one (a file not grouped by
            // first character, or one edited by hand) would put the name in the file twice.
            if (!placed) {
                result.lines.append(newLine);
                result.placement = Placement::Replaced;
                placed = true;
            }
            result.replacedLines.append(line);
            continue;
        }
        if (!placed && firstCharacterCode(line) > newCode) {
            result.lines.append(newLine);
            result.placement = Placement::Inserted;
            placed = true;
        }
        result.lines.append(line);
    }
    if (!placed)
        result.lines.append(newLine);
    return result;
}

DeleteRewrite forDelete(const QStringList &oldLines, QStringView editorText)
{
    DeleteRewrite result;
    result.lines.reserve(oldLines.size());
    for (const QString &line : oldLines) {
        if (line.isEmpty())
            continue;
        if (textBeforeFirstSeparator(line) == editorText)
            result.removedLines.append(line);
        else
            result.lines.append(line);
    }
    return result;
}

} // namespace CityListRewrite
