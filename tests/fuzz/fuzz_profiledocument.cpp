// Settings files (the loader reads through this document) under writes and section removals: a
// write reads back, an edit touches nothing else, the text saves and reads again the same.

#include "fuzzsupport.h"
#include "settings/profiledocument.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

const auto trimmed = [](QString text) {
    return text.remove(QRegularExpression(u"^[ \t]+|[ \t]+\\z"_s));
};

bool sameName(const QString &a, const QString &b) // trimmed, ASCII letters in any case
{
    const QString x = trimmed(a), y = trimmed(b);
    return std::equal(x.begin(), x.end(), y.begin(), y.end(), [](QChar c, QChar d) {
        return c == d || (c.unicode() < 128 && d.unicode() < 128 && c.toLower() == d.toLower());
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Fuzz::Input input(data, size);
    QStringList sections, keys; // the names read and edited: the text's own and some others
    for (const QString &line : input.text.split(QRegularExpression(u"[\r\n]"_s))) {
        const QString content = trimmed(line);
        if (content.startsWith(u'[') && content.lastIndexOf(u']') > 0 && sections.size() < 8)
            sections.append(content.sliced(1, content.lastIndexOf(u']') - 1));
        else if (!content.startsWith(u'[') && line.contains(u'=') && keys.size() < 8)
            keys.append(line.first(line.indexOf(u'=')));
    }
    sections << u"Settings"_s << u" options "_s << u"CLOCK_01"_s << u"Clocks_Style"_s;
    keys << u"Local"_s << u"clocks"_s << u"Country/City"_s << u"Solid "_s;
    sections.removeDuplicates();
    keys.removeDuplicates();
    ProfileDocument document = ProfileDocument::fromText(input.text);
    Fuzz::check(document.toText() == input.text, "reading keeps the text", input.text);
    // Every name read; after an edit of `section` (and `key`) the others read as before.
    QList<std::optional<QString>> reads;
    const auto readAll = [&](const ProfileDocument &read, const QString *section = nullptr,
                             const QString *key = nullptr) {
        QList<std::optional<QString>> values;
        for (qsizetype i = 0; i < sections.size() * keys.size(); ++i) {
            values.append(read.value(sections[i / keys.size()], keys[i % keys.size()]));
            Fuzz::check(!section || values[i] == reads[i] ||
                            (sameName(sections[i / keys.size()], *section) &&
                             (!key || sameName(keys[i % keys.size()], *key))),
                        "an edit touches no other key or section");
        }
        return values;
    };
    reads = readAll(document);
    for (int edit = 0; edit < 16 && input.choices.remaining_bytes() > 0; ++edit) {
        const QString section = input.takeName(sections), before = document.toText();
        if (input.choices.ConsumeIntegralInRange(0, 3) == 0) {
            const bool existed = document.hasSection(section);
            Fuzz::check(document.removeSection(section) == existed &&
                            (existed || document.toText() == before),
                        "a removal finds the section a read finds, or changes nothing", before);
            reads = readAll(document, &section);
            continue;
        }
        const QString key = input.takeName(keys), value = input.takeText(300);
        const bool written = document.setValue(section, key, value);
        QString readBack = value.first(qMin(value.size(), ProfileDocument::MaxValueLength));
        if (readBack.size() < value.size() && readBack.back().isHighSurrogate())
            readBack.chop(1); // cut to the read length, never through a surrogate pair
        Fuzz::check(written ? document.value(section, key) == readBack
                            : document.toText() == before,
                    "a write reads back; a refused one changes nothing", value);
        reads = readAll(document, &section, &key);
    }
    const QString edited = document.toText();
    const ProfileDocument reread = ProfileDocument::fromText(edited);
    Fuzz::check(TextFile::decode(TextFile::encode(edited)) == edited && reread.toText() == edited &&
                    readAll(reread) == reads,
                "the edited text saves and reads back unchanged, to the same values", edited);
    return 0;
}
