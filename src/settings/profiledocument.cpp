#include "settings/profiledocument.h"

using namespace Qt::StringLiterals;

namespace {

const QString kLineEnd = u"\r\n"_s;

bool isBlankOrTab(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimmed(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlankOrTab(text[start]))
        ++start;
    while (end > start && isBlankOrTab(text[end - 1]))
        --end;
    return text.sliced(start, end - start);
}

// What a line holds as it is read: the text before its first NUL. The rest is kept in the file
// but read by nobody, as with the platform's own reader.
QStringView readable(QStringView line)
{
    const qsizetype nul = line.indexOf(QChar(u'\0'));
    return nul < 0 ? line : line.first(nul);
}

// Names match without regard to ASCII case only, as the platform compares them; other letters
// must match exactly.
QString folded(QStringView name)
{
    QString result = trimmed(name).toString();
    for (QChar &c : result) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return result;
}

// The name of a section header line ("[ name ]" with anything after the last "]"), or nothing.
std::optional<QStringView> headerName(QStringView line)
{
    const QStringView text = trimmed(readable(line));
    if (!text.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = text.lastIndexOf(u']');
    if (close < 1)
        return std::nullopt;
    return trimmed(text.sliced(1, close - 1));
}

bool isBlankLine(QStringView line)
{
    return trimmed(readable(line)).isEmpty();
}

// Whether the text would not read back as it is from a line: a line break ends the line there, a
// NUL ends what is read of it.
bool breaksLine(QStringView text)
{
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(u'\0'));
}

// The stored value without one matching pair of outer quotes.
QStringView unquoted(QStringView value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

// The text that stores a value so that it reads back as it is. Reading drops blanks and tabs
// around a value and one pair of matching outer quotes, so a value with either is put in quotes,
// which every reader of the format (the platform's own included) removes again.
QString storedForm(const QString &value)
{
    const bool needsQuotes =
        !value.isEmpty() && (isBlankOrTab(value.front()) || isBlankOrTab(value.back()) ||
                             unquoted(value).size() != value.size());
    return needsQuotes ? u'"' % value % u'"' : value;
}

QString cutToReadLength(QStringView value)
{
    if (value.size() <= ProfileDocument::MaxValueLength)
        return value.toString();
    QStringView cut = value.first(ProfileDocument::MaxValueLength);
    if (cut.back().isHighSurrogate()) // never leave half a character
        cut.chop(1);
    return cut.toString();
}

} // namespace

ProfileDocument ProfileDocument::fromText(QStringView text)
{
    ProfileDocument document;
    document.m_sections.emplace_back(); // the lines before the first header

    const auto addLine = [&document](QStringView lineText, QStringView ending) {
        if (const auto name = headerName(lineText)) {
            document.m_sectionsByName[folded(*name)].append(qsizetype(document.m_sections.size()));
            Section section;
            section.lines.push_back(Line(lineText.toString(), ending.toString()));
            document.m_sections.push_back(std::move(section));
            return;
        }
        document.m_sections.back().lines.push_back(
            parseLine(lineText.toString(), ending.toString()));
    };

    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            addLine(text.sliced(start, i - start), u"\n");
            start = i + 1;
        } else if (text[i] == u'\r') {
            const bool crlf = i + 1 < text.size() && text[i + 1] == u'\n';
            addLine(text.sliced(start, i - start), crlf ? QStringView(u"\r\n") : u"\r");
            if (crlf)
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        addLine(text.sliced(start), u"");
    return document;
}

ProfileDocument::Line ProfileDocument::parseLine(QString text, QString ending)
{
    Line line(std::move(text), std::move(ending));
    const QStringView read = readable(line.text);
    const qsizetype equals = read.indexOf(u'=');
    if (equals < 0)
        return line;
    line.isKey = true;
    line.foldedKey = folded(read.first(equals));
    qsizetype start = equals + 1;
    qsizetype end = read.size();
    while (start < end && isBlankOrTab(line.text[start]))
        ++start;
    while (end > start && isBlankOrTab(line.text[end - 1]))
        --end;
    line.valueStart = start;
    line.valueEnd = end;
    return line;
}

qsizetype ProfileDocument::findSectionIndex(QStringView section) const
{
    const QString name = folded(section);
    if (name.isEmpty())
        return -1;
    const auto found = m_sectionsByName.constFind(name);
    if (found == m_sectionsByName.cend() || found->isEmpty())
        return -1;
    return found->front();
}

const ProfileDocument::Section *ProfileDocument::findSection(QStringView section) const
{
    const qsizetype index = findSectionIndex(section);
    return index < 0 ? nullptr : &m_sections[size_t(index)];
}

qsizetype ProfileDocument::findKey(const Section &section, const QString &foldedKey)
{
    for (size_t i = 0; i < section.lines.size(); ++i) {
        if (section.lines[i].isKey && section.lines[i].foldedKey == foldedKey)
            return qsizetype(i);
    }
    return -1;
}

std::optional<QString> ProfileDocument::value(QStringView section, QStringView key) const
{
    const QString foldedKey = folded(key);
    const Section *found = findSection(section);
    if (!found || foldedKey.isEmpty())
        return std::nullopt;
    const qsizetype keyIndex = findKey(*found, foldedKey);
    if (keyIndex < 0)
        return std::nullopt;
    const Line &line = found->lines[size_t(keyIndex)];
    const QStringView stored =
        QStringView(line.text).sliced(line.valueStart, line.valueEnd - line.valueStart);
    return cutToReadLength(unquoted(stored));
}

QString ProfileDocument::value(QStringView section, QStringView key,
                               const QString &defaultValue) const
{
    return value(section, key).value_or(defaultValue);
}

bool ProfileDocument::hasSection(QStringView section) const
{
    return findSection(section) != nullptr;
}

bool ProfileDocument::setValue(QStringView section, QStringView key, const QString &value)
{
    const QString foldedKey = folded(key);
    if (folded(section).isEmpty() || foldedKey.isEmpty() || breaksLine(section) ||
        breaksLine(key) || key.contains(u'=') || breaksLine(value))
        return false;

    const qsizetype index = findSectionIndex(section);
    if (index >= 0) {
        Section &found = m_sections[size_t(index)];
        if (const qsizetype keyIndex = findKey(found, foldedKey); keyIndex >= 0) {
            Line &line = found.lines[size_t(keyIndex)];
            const QStringView stored =
                QStringView(line.text).sliced(line.valueStart, line.valueEnd - line.valueStart);
            if (unquoted(stored) == value)
                return true; // already reads as the new value: leave the bytes alone
            const QString text = storedForm(value);
            QString lineText = line.text;
            lineText.replace(line.valueStart, line.valueEnd - line.valueStart, text);
            if (headerName(lineText)) // "[key=x]": the line would become a section header
                return false;
            line.text = std::move(lineText);
            line.valueEnd = line.valueStart + text.size();
            // A ^Z that ends the file is no part of it (see TextFile): the file's last line gets
            // its line end, so that a value ending with one reads back whole.
            if (line.ending.isEmpty() && line.text.endsWith(u'\x1a'))
                line.ending = kLineEnd;
            return true;
        }
    }

    // A key that starts with "[" and a value that holds a "]" would make a section header.
    const QString keyLine = trimmed(key) % u'=' % storedForm(value);
    if (headerName(keyLine))
        return false;
    if (index < 0) {
        appendSection(trimmed(section), trimmed(key), value);
        return true;
    }
    Section &found = m_sections[size_t(index)];

    // After the section's last non-blank line; only blank lines follow it, and they are never
    // keys, so no key line moves.
    size_t last = found.lines.size() - 1;
    while (last > 0 && isBlankLine(found.lines[last].text))
        --last;
    if (found.lines[last].ending.isEmpty())
        found.lines[last].ending = kLineEnd; // it was the file's last line
    found.lines.insert(found.lines.begin() + qsizetype(last) + 1, parseLine(keyLine, kLineEnd));
    return true;
}

bool ProfileDocument::removeSection(QStringView section)
{
    // An empty name finds nothing, as in every look-up: "[]" in a file is never this section.
    const QString name = folded(section);
    if (name.isEmpty())
        return false;
    const auto found = m_sectionsByName.find(name);
    if (found == m_sectionsByName.end() || found->isEmpty())
        return false;
    Section &removed = m_sections[size_t(found->takeFirst())];
    if (found->isEmpty())
        m_sectionsByName.erase(found);
    removed.removed = true;
    removed.lines.clear();
    removed.lines.shrink_to_fit();
    return true;
}

void ProfileDocument::ensureLastLineEnded()
{
    for (auto section = m_sections.rbegin(); section != m_sections.rend(); ++section) {
        if (section->removed || section->lines.empty())
            continue;
        Line &last = section->lines.back();
        if (last.ending.isEmpty())
            last.ending = kLineEnd;
        return;
    }
}

void ProfileDocument::appendSection(QStringView section, QStringView key, const QString &value)
{
    ensureLastLineEnded();
    if (m_sections.empty())
        m_sections.emplace_back(); // a default-constructed document has no leading part yet
    Section added;
    added.lines.push_back(Line(u'[' % section % u']', kLineEnd));
    added.lines.push_back(parseLine(key % u'=' % storedForm(value), kLineEnd));
    m_sectionsByName[folded(section)].append(qsizetype(m_sections.size()));
    m_sections.push_back(std::move(added));
}

QString ProfileDocument::toText() const
{
    qsizetype size = 0;
    for (const Section &section : m_sections) {
        for (const Line &line : section.lines)
            size += line.text.size() + line.ending.size();
    }
    QString text;
    text.reserve(size);
    for (const Section &section : m_sections) {
        for (const Line &line : section.lines)
            text += line.text % line.ending;
    }
    return text;
}
