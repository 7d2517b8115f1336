// The city list from arbitrary bytes, and the city editor's Save and Delete rules over it: the
// lines read split by position, Save leaves the name in the list exactly once, Delete leaves out
// exactly the lines of the name, both keep every other line in order, and the rewritten file reads
// back as the lines the rule gave.

#include "cities/citylistfile.h"
#include "cities/citylistrewrite.h"
#include "fuzzsupport.h"

using namespace Qt::StringLiterals;

namespace {

// The name part of a line, or nothing when the line is too short to carry one.
std::optional<QString> nameOf(const QString &line)
{
    if (line.size() < CityEntry::TailLength)
        return std::nullopt;
    return line.first(line.size() - CityEntry::TailLength);
}

bool sameName(const QString &line, const QString &name)
{
    const std::optional<QString> lineName = nameOf(line);
    return lineName && lineName->toLower() == name.toLower();
}

QString describe(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += u"\n  "_s % Fuzz::quoted(line);
    return text;
}

void checkLines(const QString &text)
{
    const QStringList lines = CityListFile::nonEmptyLines(text);
    const QList<CityLine> cities = CityListFile::cityLines(text);
    qsizetype next = 0;
    for (const QString &line : lines) {
        Fuzz::check(!line.isEmpty() && !line.contains(u'\r') && !line.contains(u'\n'),
                    "lines are non-empty and hold no line end",
                    [&]() -> QString { return Fuzz::quoted(line); });
        if (line.size() < CityEntry::TailLength)
            continue;
        Fuzz::check(next < cities.size() && cities[next].text == line,
                    "every line long enough is a city, in order",
                    [&]() -> QString { return Fuzz::quoted(line); });
        const CityLine &city = cities[next++];
        const CityEntry &entry = city.entry;
        Fuzz::check(entry.zone.size() == 6 && entry.flagFile.size() == 7,
                    "the tail splits into a zone and a flag file",
                    [&]() -> QString { return Fuzz::quoted(line); });
        Fuzz::check(entry.name.size() == line.size() - CityEntry::TailLength &&
                        line.startsWith(entry.name) && line.endsWith(entry.flagFile) &&
                        line.sliced(line.size() - 14, 6) == entry.zone,
                    "fields are taken by position from the end",
                    [&]() -> QString { return Fuzz::quoted(line); });
        Fuzz::check(CityEntry::fromLine(entry.toLine()) == entry, "an entry's line reads back",
                    [&]() -> QString { return Fuzz::quoted(line); });
        Fuzz::check(city.editorData().size() == 14 && city.zoneAndFlagFile().size() == 13,
                    "hidden data has its fixed width",
                    [&]() -> QString { return Fuzz::quoted(line); });
        Fuzz::check(line.startsWith(city.editorText()), "the editor text starts the line");
        (void)city.clockListText();
        (void)entry.flagCode();
        (void)entry.hasPlainFlagFile();
    }
    Fuzz::check(next == cities.size(), "no city that is not a line");
}

void checkFileRoundTrip(const QStringList &lines)
{
    const QByteArray bytes = CityListFile::encode(lines);
    Fuzz::check(CityListFile::nonEmptyLines(TextFile::decode(bytes)) == lines,
                "the rewritten file reads back as its lines",
                [&]() -> QString { return describe(lines); });
}

void checkSave(const QStringList &oldLines, const CityEntry &entry)
{
    const CityListRewrite::SaveRewrite rewrite = CityListRewrite::forSave(oldLines, entry);
    const QString newLine = entry.toLine();
    const QString report = u"saved "_s % Fuzz::quoted(newLine) % u"\nold:"_s % describe(oldLines) %
                           u"\nnew:"_s % describe(rewrite.lines);

    qsizetype named = 0;
    for (const QString &line : rewrite.lines) {
        Fuzz::check(!line.isEmpty(), "Save writes no empty line",
                    [&]() -> QString { return report; });
        if (sameName(line, entry.name)) {
            ++named;
            Fuzz::check(line == newLine, "the name's only line is the saved one",
                        [&]() -> QString { return report; });
        }
    }
    Fuzz::check(named == 1, "Save leaves the name in the list exactly once",
                [&]() -> QString { return report; });

    // Every other line stays, in its order; the lines of the name are the ones reported gone.
    QStringList others;
    QStringList replaced;
    for (const QString &line : oldLines) {
        if (line.isEmpty())
            continue;
        (sameName(line, entry.name) ? replaced : others).append(line);
    }
    QStringList kept = rewrite.lines;
    kept.removeOne(newLine);
    Fuzz::check(kept == others, "Save keeps every other line in order",
                [&]() -> QString { return report; });
    Fuzz::check(rewrite.replacedLines == replaced, "Save reports the lines it replaced",
                [&]() -> QString { return report; });
    // A line of the name is replaced in place unless the new line was inserted before it.
    Fuzz::check(rewrite.placement != (replaced.isEmpty() ? CityListRewrite::Placement::Replaced
                                                         : CityListRewrite::Placement::Appended),
                "Save says where the line went", [&]() -> QString { return report; });
    checkFileRoundTrip(rewrite.lines);
}

void checkDelete(const QStringList &oldLines, const QString &editorText)
{
    const CityListRewrite::DeleteRewrite rewrite = CityListRewrite::forDelete(oldLines, editorText);
    QStringList kept;
    QStringList removed;
    for (const QString &line : oldLines) {
        if (line.isEmpty())
            continue;
        const qsizetype separator = line.indexOf(u'!');
        const QString shown = separator < 0 ? line : line.first(separator);
        (shown == editorText ? removed : kept).append(line);
    }
    const QString report = u"deleted "_s % Fuzz::quoted(editorText) % u"\nold:"_s %
                           describe(oldLines) % u"\nnew:"_s % describe(rewrite.lines);
    Fuzz::check(rewrite.lines == kept, "Delete keeps every other line in order",
                [&]() -> QString { return report; });
    Fuzz::check(rewrite.removedLines == removed, "Delete leaves out the lines of the name",
                [&]() -> QString { return report; });
    Fuzz::check(rewrite.found() == !removed.isEmpty(), "Delete says whether it found the name");
    checkFileRoundTrip(rewrite.lines);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Fuzz::Input input(data, size);
    const QString text = TextFile::decode(input.file);
    checkLines(text);
    const QStringList lines = CityListFile::nonEmptyLines(text);
    FuzzedDataProvider choices(reinterpret_cast<const std::uint8_t *>(input.choices.data()),
                               input.choices.size());

    // Save and Delete of names the list holds (as the editor offers them) and of new names.
    for (int round = 0; round < 4; ++round) {
        const QList<CityLine> cities = CityListFile::cityLines(text);
        const auto pick = choices.ConsumeIntegralInRange<qsizetype>(0, cities.size());
        const bool fromList = pick < cities.size() && choices.ConsumeBool();
        const QString name = fromList ? cities[pick].entry.name : Fuzz::takeText(choices, 40);
        // The editor saves only well-formed lines: a six-character zone and a seven-character flag
        // file, nothing in the line that would not read back.
        const QString zone = Fuzz::takeText(choices, 6).leftJustified(6, u'0', true);
        const QString flag = Fuzz::takeText(choices, 7).leftJustified(7, u'x', true);
        const CityEntry entry{name, zone, flag};
        if (CityListFile::isWellFormed(entry))
            checkSave(lines, entry);

        const QString editorText =
            fromList ? cities[pick].editorText() : Fuzz::takeText(choices, 40);
        checkDelete(lines, editorText);
        if (choices.remaining_bytes() == 0)
            break;
    }
    return 0;
}
