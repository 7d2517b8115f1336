#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

/// The text of a profile (INI) file, parsed once and edited in memory with the rules of the
/// Windows profile functions:
///
/// - section and key names match without regard to ASCII case and are trimmed, in the file and in
///   the query ("[ Settings ]" is "Settings");
/// - only the first section of a name is searched, and in it the first key of a name;
/// - blanks and tabs around keys, "=" and values are trimmed, and one matching pair of outer
///   quotes is removed ("abc" and 'abc' read abc); there is no comment syntax; a line without "="
///   is no key; values read are cut to MaxValueLength characters;
/// - a NUL ends what is read of a line; what follows it is kept in the text but read by nobody;
/// - LF, CRLF and CR line ends are read; lines written end with CRLF;
/// - a write replaces the value where it stands and keeps every other character of the text; a
///   new key goes after the last non-blank line of the first section of that name (so blank lines
///   that separate it from the next section stay after it), a new section at the end of the text.
///
/// Lookups go through a hash of section names, so reading or writing thousands of sections stays
/// linear in their number.
class ProfileDocument final {
public:
    /// The longest value a read returns; longer values are cut (the platform reads through a
    /// buffer of 255 characters, one of them the terminator).
    static constexpr qsizetype MaxValueLength = 254;

    ProfileDocument() = default;

    [[nodiscard]] static ProfileDocument fromText(QStringView text);

    /// The value of the key, or nothing when the section or the key is missing.
    [[nodiscard]] std::optional<QString> value(QStringView section, QStringView key) const;

    /// The value of the key, or the default when the section or the key is missing.
    [[nodiscard]] QString value(QStringView section, QStringView key,
                                const QString &defaultValue) const;

    [[nodiscard]] bool hasSection(QStringView section) const;

    /// Sets the key to the value, adding the key or the section when missing. A value that reads
    /// as the new one already is left as it stands; one with blanks or tabs at either end or with
    /// matching outer quotes is stored in quotes, so that it reads back as given (up to
    /// MaxValueLength characters). Returns false and changes nothing when the
    /// write would not read back as the same key: an empty name, a line break or a NUL in a name
    /// or the value, "=" in the key name, or a key line that would read as a section header (a
    /// key starting with "[" and a "]" after it).
    [[nodiscard]] bool setValue(QStringView section, QStringView key, const QString &value);

    /// Removes the first section of the name with every line up to the next section header.
    /// Returns whether there was such a section.
    bool removeSection(QStringView section);

    /// The whole text, with every line that was not edited exactly as it was read.
    [[nodiscard]] QString toText() const;

private:
    struct Line {
        Line(QString lineText, QString lineEnding)
            : text(std::move(lineText))
            , ending(std::move(lineEnding))
        {
        }

        QString text;   // without its line end
        QString ending; // "\r\n", "\n", "\r", or empty for a last line without one
        bool isKey = false;
        QString foldedKey;        // trimmed, ASCII lower case; key lines only
        qsizetype valueStart = 0; // the value between the blanks around it; key lines only
        qsizetype valueEnd = 0;
    };
    struct Section {
        std::vector<Line> lines; // the header line first, except for the lines before any header
        bool removed = false;
    };

    [[nodiscard]] static Line parseLine(QString text, QString ending);
    [[nodiscard]] const Section *findSection(QStringView section) const;
    [[nodiscard]] qsizetype findSectionIndex(QStringView section) const;
    [[nodiscard]] static qsizetype findKey(const Section &section, const QString &foldedKey);
    void appendSection(QStringView section, QStringView key, const QString &value);
    void ensureLastLineEnded();

    std::vector<Section> m_sections; // m_sections[0] holds the lines before the first header
    QHash<QString, QList<qsizetype>> m_sectionsByName; // folded name -> indexes, in file order
};
