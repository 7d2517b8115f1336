#include "settings/profilefile.h"

#include "settings/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ProfileFile::ProfileFile(QString path, State state, QString text)
    : m_path(std::move(path))
    , m_state(state)
    , m_originalText(std::move(text))
    , m_document(ProfileDocument::fromText(m_originalText))
{
}

ProfileFile ProfileFile::open(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    // A dangling link still names something: writing through it could land anywhere.
    if (!info.exists() && !info.isSymLink())
        return ProfileFile(path, State::Missing, {});
    if (FileResult<QString> text = TextFile::read(path, maxBytes))
        return ProfileFile(path, State::Read, std::move(text).value());
    return ProfileFile(path, State::Unreadable, {});
}

FileResult<ProfileFile::Saved> ProfileFile::save()
{
    const QString text = m_document.toText();
    if (text == m_originalText) // also a missing or unreadable file that nothing was written to
        return Saved::Unchanged;
    if (m_state == State::Unreadable) {
        return FileError{
            QCoreApplication::translate("ProfileFile", "%1 cannot be read, so it was not changed.")
                .arg(QDir::toNativeSeparators(m_path))};
    }
    if (FileResult<> written = TextFile::writeAtomically(m_path, TextFile::encode(text)); !written)
        return FileError{written.error()};
    m_originalText = text;
    m_state = State::Read;
    return Saved::Written;
}
