// City lists from arbitrary bytes under the city editor's Save (the name once) and Delete (its
// lines out): every other line stays in order, and the file reads back as the lines they gave.

#include "cities/citylistfile.h"
#include "cities/citylistrewrite.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Fuzz::Input input(data, size);
    const QStringList lines = CityListFile::nonEmptyLines(input.text);
    const QList<CityLine> cities = CityListFile::cityLines(input.text);
    // `written` without the saved line is `kept`: the old lines but the name's, reported gone.
    const auto check = [](const QStringList &written, const QStringList &kept,
                          const QStringList &want, const QStringList &gone,
                          const QStringList &reportedGone, const char *property) {
        const QString file = TextFile::decode(CityListFile::encode(written));
        Fuzz::check(kept == want && reportedGone == gone &&
                        CityListFile::nonEmptyLines(file) == written,
                    property, file);
    };
    for (int round = 0; round < 4;
         ++round) { // names the list holds, as the editor offers them, and new ones
        const auto pick = input.choices.ConsumeIntegralInRange<qsizetype>(0, cities.size());
        const bool fromList = pick < cities.size() && input.choices.ConsumeBool();
        const QString name = fromList ? cities[pick].entry.name : input.takeText(40);
        const QString zone = input.takeText(6).leftJustified(6, u'0', true);
        const CityEntry entry{name, zone, input.takeText(7).leftJustified(7, u'x', true)};
        if (CityListFile::isWellFormed(entry)) { // the editor saves only well-formed lines
            const CityListRewrite::SaveRewrite save = CityListRewrite::forSave(lines, entry);
            QStringList others, replaced, kept = save.lines;
            const auto named = [&](const QString &line) {
                return line.size() >= CityEntry::TailLength &&
                       line.first(line.size() - CityEntry::TailLength).toLower() == name.toLower();
            };
            for (const QString &line : lines)
                (named(line) ? replaced : others).append(line);
            Fuzz::check(kept.removeAll(entry.toLine()) == 1 &&
                            std::none_of(kept.begin(), kept.end(), named),
                        "Save leaves the name in the list once, as the saved line", entry.toLine());
            check(save.lines, kept, others, replaced, save.replacedLines,
                  "Save keeps every other line in order");
        }
        const QString shown = fromList ? cities[pick].editorText() : input.takeText(40);
        const CityListRewrite::DeleteRewrite removal = CityListRewrite::forDelete(lines, shown);
        QStringList kept, removed;
        for (const QString &line : lines)
            (line.section(u'!', 0, 0) == shown ? removed : kept).append(line);
        check(removal.lines, removal.lines, kept, removed, removal.removedLines,
              "Delete leaves out exactly the lines of the name");
        if (input.choices.remaining_bytes() == 0)
            break;
    }
    return 0;
}
