// Profile documents from arbitrary text, edited by arbitrary writes and section removals: the text
// reads back unchanged, a write reads back as written and touches no other key, a removal touches
// no other section, and the edited text parses again to the same values.

#include "settings/profiledocument.h"
#include "fuzzsupport.h"

#include <QList>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype MaxNamesFromText = 8;
constexpr int MaxEdits = 16;

bool isBlankOrTab(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimmed(QStringView text)
{
    while (!text.isEmpty() && isBlankOrTab(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlankOrTab(text.back()))
        text.chop(1);
    return text;
}

// Names are the same when they are after dropping blanks and tabs around them and lower-casing
// ASCII letters.
QString folded(QStringView name)
{
    QString result = trimmed(name).toString();
    for (QChar &c : result) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    }
    return result;
}

// What reading gives back after a write of `value`: the value itself, cut to the read length
// without leaving half of a surrogate pair.
QString readBack(const QString &value)
{
    if (value.size() <= ProfileDocument::MaxValueLength)
        return value;
    QString cut = value.first(ProfileDocument::MaxValueLength);
    if (cut.back().isHighSurrogate())
        cut.chop(1);
    return cut;
}

struct Names {
    QStringList sections;
    QStringList keys;
};

// The section and key names the text itself uses, plus some of the settings file's own, as the
// candidates for reads and edits.
Names namesIn(QStringView text)
{
    Names names;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != u'\r' && text[i] != u'\n')
            continue;
        const QStringView line = text.sliced(start, i - start);
        start = i + 1;
        const QStringView content = trimmed(line);
        if (content.startsWith(u'[')) {
            const qsizetype close = content.lastIndexOf(u']');
            if (close > 0 && names.sections.size() < MaxNamesFromText)
                names.sections.append(content.sliced(1, close - 1).toString());
        } else if (const qsizetype equals = line.indexOf(u'=');
                   equals >= 0 && names.keys.size() < MaxNamesFromText) {
            names.keys.append(line.first(equals).toString());
        }
    }
    names.sections << u"Settings"_s << u" options "_s << u"CLOCK_01"_s << u"Clocks_Style"_s;
    names.keys << u"Local"_s << u"clocks"_s << u"Country/City"_s << u"Solid "_s;
    names.sections.removeDuplicates();
    names.keys.removeDuplicates();
    return names;
}

using Reads = QList<std::optional<QString>>;

// Every read of the names. `thorough` also checks how the reads agree with each other, which is
// kept to the end of a run because it triples the look-ups.
Reads readAll(const ProfileDocument &document, const Names &names, bool thorough = false)
{
    Reads reads;
    reads.reserve(names.sections.size() * names.keys.size());
    for (const QString &section : names.sections) {
        for (const QString &key : names.keys) {
            std::optional<QString> value = document.value(section, key);
            if (thorough) {
                Fuzz::check(!value || value->size() <= ProfileDocument::MaxValueLength,
                            "a read is at most the read length",
                            [&]() -> QString { return Fuzz::quoted(*value); });
                Fuzz::check(
                    document.value(section, key, u"\u0001"_s) == value.value_or(u"\u0001"_s),
                    "a read with a default gives the default exactly when nothing is there");
                Fuzz::check(!value || document.hasSection(section), "a key read means a section");
            }
            reads.append(std::move(value));
        }
    }
    return reads;
}

/// One document under edits, with the reads of the names kept current, so that each edit is
/// checked against the reads before it.
class Session final {
public:
    Session(const QString &text, Names names)
        : m_document(ProfileDocument::fromText(text))
        , m_names(std::move(names))
        , m_reads(readAll(m_document, m_names))
    {
    }

    void setValue(const QString &section, const QString &key, const QString &value)
    {
        const QString textBefore = m_document.toText();
        if (!m_document.setValue(section, key, value)) {
            Fuzz::check(m_document.toText() == textBefore, "a refused write changes nothing",
                        [&]() -> QString { return describe(u"set"_s, section, key, value); });
            return;
        }
        m_written.append({section, key});
        Fuzz::check(m_document.value(section, key) == readBack(value), "a write reads back",
                    [&]() -> QString {
                        return describe(u"set"_s, section, key, value) % u"\nreads: "_s %
                               Fuzz::quoted(
                                   m_document.value(section, key).value_or(u"(nothing)"_s));
                    });
        const Reads after = readAll(m_document, m_names);
        qsizetype i = 0;
        for (const QString &otherSection : m_names.sections) {
            const bool sameSection = folded(otherSection) == folded(section);
            for (const QString &otherKey : m_names.keys) {
                const bool same = sameSection && folded(otherKey) == folded(key);
                Fuzz::check(same || after[i] == m_reads[i], "a write touches no other key",
                            [&]() -> QString {
                                return describe(u"set"_s, section, key, value) % u"\nchanged: ["_s %
                                       otherSection % u"] "_s % otherKey;
                            });
                ++i;
            }
        }
        m_reads = after;
    }

    void removeSection(const QString &section)
    {
        const QString textBefore = m_document.toText();
        const bool existed = m_document.hasSection(section);
        const bool removed = m_document.removeSection(section);
        Fuzz::check(removed == existed, "a removal finds the section a read finds",
                    [&]() -> QString { return describe(u"remove"_s, section, {}, {}); });
        if (!removed) {
            Fuzz::check(m_document.toText() == textBefore,
                        "removing a missing section changes nothing");
            return;
        }
        const Reads after = readAll(m_document, m_names);
        qsizetype i = 0;
        for (const QString &otherSection : m_names.sections) {
            const bool sameSection = folded(otherSection) == folded(section);
            for (qsizetype k = 0; k < m_names.keys.size(); ++k, ++i) {
                Fuzz::check(sameSection || after[i] == m_reads[i],
                            "a removal touches no other section",
                            [&]() -> QString { return describe(u"remove"_s, section, {}, {}); });
            }
        }
        m_reads = after;
    }

    /// The edited text, saved and read again, holds the same values, the written ones included.
    void checkSaved() const
    {
        const QString edited = m_document.toText();
        Fuzz::check(TextFile::decode(TextFile::encode(edited)) == edited,
                    "the saved bytes decode to the same text",
                    [&]() -> QString { return Fuzz::quoted(edited); });
        const ProfileDocument reread = ProfileDocument::fromText(edited);
        Fuzz::check(reread.toText() == edited, "the edited text reads back unchanged");
        Fuzz::check(readAll(reread, m_names, true) == readAll(m_document, m_names, true),
                    "the edited text parses to the same values",
                    [&]() -> QString { return Fuzz::quoted(edited); });
        for (const auto &written : m_written) {
            const QString &section = written.first;
            const QString &key = written.second;
            Fuzz::check(reread.value(section, key) == m_document.value(section, key),
                        "a written key parses to the value it was given", [&]() -> QString {
                            return describe(u"written"_s, section, key,
                                            reread.value(section, key).value_or(u"(nothing)"_s));
                        });
        }
    }

private:
    QString describe(const QString &what, const QString &section, const QString &key,
                     const QString &value) const
    {
        return what % u" ["_s % Fuzz::quoted(section) % u"] "_s % Fuzz::quoted(key) % u" = "_s %
               Fuzz::quoted(value) % u"\ntext: "_s % Fuzz::quoted(m_document.toText());
    }

    ProfileDocument m_document;
    Names m_names;
    Reads m_reads;
    QList<std::pair<QString, QString>> m_written;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Fuzz::Input input(data, size);
    const QString text = TextFile::decode(input.file);
    Fuzz::check(ProfileDocument::fromText(text).toText() == text, "reading keeps the text",
                [&]() -> QString { return Fuzz::quoted(text); });

    Session session(text, namesIn(text));
    const Names names = namesIn(text);
    FuzzedDataProvider choices(reinterpret_cast<const std::uint8_t *>(input.choices.data()),
                               input.choices.size());
    for (int edit = 0; edit < MaxEdits && choices.remaining_bytes() > 0; ++edit) {
        const QString section = Fuzz::takeName(choices, names.sections);
        if (choices.ConsumeIntegralInRange(0, 3) == 0) {
            session.removeSection(section);
            continue;
        }
        const QString key = Fuzz::takeName(choices, names.keys);
        session.setValue(section, key, Fuzz::takeText(choices, 300));
    }
    session.checkSaved();
    return 0;
}
