#pragma once

#include "settings/appfolder.h"
#include "settings/fileresult.h"
#include "settings/profiledocument.h"

#include <QString>

/// A profile file on disk: read once into a ProfileDocument, changed in memory by any number of
/// writes, and saved once, atomically. A save that would not change the text leaves the file
/// untouched.
class ProfileFile final {
public:
    enum class State {
        Missing,    // no file: reads give defaults, a save creates it
        Read,       // the file was read
        Unreadable, // something is there but cannot be read (a folder, a pipe, a dangling link,
                    // no permission, larger than the limit)
    };

    /// What a save that did not fail did.
    enum class Saved {
        Written,   // the file holds the document's text now
        Unchanged, // the text was what the file held: nothing was written
    };

    [[nodiscard]] static ProfileFile open(const QString &path,
                                          qint64 maxBytes = AppFolder::MaxSettingsFileBytes);

    [[nodiscard]] QString path() const { return m_path; }
    [[nodiscard]] State state() const { return m_state; }
    [[nodiscard]] bool exists() const { return m_state != State::Missing; }

    [[nodiscard]] const ProfileDocument &document() const { return m_document; }
    [[nodiscard]] ProfileDocument &document() { return m_document; }

    /// Writes the document when its text differs from what was read. A file that exists but could
    /// not be read is never replaced, since its content would be lost.
    FileResult<Saved> save();

private:
    ProfileFile(QString path, State state, QString text);

    QString m_path;
    State m_state;
    QString m_originalText;
    ProfileDocument m_document;
};
