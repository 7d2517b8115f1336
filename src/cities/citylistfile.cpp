#include "cities/citylistfile.h"

#include "cities/scratchreplace.h"
#include "settings/textfile.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's messages, for translators.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CityListFile)
};

// Whether a line is read back as it is written: a line break would end it, a NUL end what is
// read of it, and half of a surrogate pair (a name cut by position through a character) cannot
// be written as UTF-8.
bool readsBackAsWritten(QStringView line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'\r' || c == u'\n' || c == u'\0')
            return false;
        if (c.isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return false;
    }
    return true;
}

// Calls `visit` with every non-empty line of `text`; a line ends at CR LF, LF or a lone CR. CR and
// LF each end a line on their own: the empty line between the two of a CR LF is skipped like every
// other empty line. A NUL ends what is read of a line, as in the settings file: the rest of the
// line is dropped, and a line that starts with one is empty.
template<typename Visit> void forEachNonEmptyLine(QStringView text, Visit &&visit)
{
    const auto visitRead = [&visit](QStringView line) {
        if (const qsizetype nul = line.indexOf(QChar(u'\0')); nul >= 0)
            line.truncate(nul);
        if (!line.isEmpty())
            visit(line);
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n' && text[i] != u'\r')
            continue;
        visitRead(text.sliced(start, i - start));
        start = i + 1;
    }
    visitRead(text.sliced(start));
}

} // namespace

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

bool CityListFile::isWellFormed(const CityEntry &entry)
{
    return entry.zone.size() == 6 && entry.flagFile.size() == 7 &&
           readsBackAsWritten(entry.toLine());
}

CityListFile::CityListFile(const AppFolder &folder)
    : m_path(folder.cityListFile())
    , m_scratchName(AppFolder::ScratchFileName.toString())
    , m_saveRefusal(folder.cityListSaveRefusal())
{
}

FileResult<QList<CityLine>> CityListFile::read() const
{
    const FileResult<QString> text = TextFile::read(m_path, MaxFileSize);
    if (!text)
        return FileError{text.error()};
    return cityLines(text.value());
}

FileResult<CityListRewrite::SaveRewrite> CityListFile::save(const CityEntry &entry) const
{
    if (!isWellFormed(entry))
        return FileError{Texts::tr("The city line \"%1\" is not well-formed.").arg(entry.toLine())};
    const FileResult<QStringList> oldLines = readLines(Missing::IsEmpty);
    if (!oldLines)
        return FileError{oldLines.error()};
    CityListRewrite::SaveRewrite rewrite = CityListRewrite::forSave(oldLines.value(), entry);
    if (FileResult<> written = write(rewrite.lines); !written)
        return FileError{written.error()};
    return rewrite;
}

FileResult<CityListRewrite::DeleteRewrite> CityListFile::remove(QStringView editorText) const
{
    const FileResult<QStringList> oldLines = readLines(Missing::IsError);
    if (!oldLines)
        return FileError{oldLines.error()};
    CityListRewrite::DeleteRewrite rewrite =
        CityListRewrite::forDelete(oldLines.value(), editorText);
    if (FileResult<> written = write(rewrite.lines); !written)
        return FileError{written.error()};
    return rewrite;
}

QStringList CityListFile::nonEmptyLines(QStringView text)
{
    QStringList lines;
    forEachNonEmptyLine(text, [&lines](QStringView line) { lines.append(line.toString()); });
    return lines;
}

QList<CityLine> CityListFile::cityLines(QStringView text)
{
    QList<CityLine> lines;
    forEachNonEmptyLine(text, [&lines](QStringView line) {
        // Shorter lines cannot be split by position; they are skipped, not guessed at.
        if (line.size() >= CityEntry::TailLength)
            lines.append(*CityLine::fromText(line.toString()));
    });
    return lines;
}

QByteArray CityListFile::encode(const QStringList &lines)
{
    QString text;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString &line : lines)
        text += line % u"\r\n"_s;
    return TextFile::encode(text);
}

FileResult<QStringList> CityListFile::readLines(Missing missing) const
{
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink()) {
        // Only a file that is not there at all counts as empty: one that is there but cannot be
        // read would otherwise be replaced by a list without the user's cities, and a dangling
        // link would have a file made where it points.
        if (missing == Missing::IsEmpty)
            return QStringList{};
        return FileError{Texts::tr("%1 does not exist.").arg(m_path)};
    }
    const FileResult<QString> text = TextFile::read(m_path, MaxFileSize);
    if (!text)
        return FileError{Texts::tr("%1 could not be read.\n%2").arg(m_path, text.error())};
    return nonEmptyLines(text.value());
}

FileResult<> CityListFile::write(const QStringList &lines) const
{
    if (m_saveRefusal)
        return FileError{Texts::tr("The city list could not be saved.\n%1").arg(*m_saveRefusal)};
    if (FileResult<> replaced = replaceThroughScratch(m_path, m_scratchName, encode(lines));
        !replaced)
        return FileError{Texts::tr("The city list could not be saved.\n%1").arg(replaced.error())};
    return {};
}
