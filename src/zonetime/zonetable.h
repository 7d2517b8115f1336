#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>

class AppFolder;

/// The shipped zone table (Zones.txt beside the factory city list): which zone of the system's
/// time-zone database each factory city line stands for. One line per city: the whole city line,
/// a tab, and the zone identifier, empty for a line that has no single zone and keeps its fixed
/// offset (Antarctica). The program reads it once per run.
///
/// A missing, oversized or malformed file is no table: every city is then matched as a user's
/// own city (see ZoneLookup), so nothing worse than before the table existed can happen.
class ZoneTable final {
public:
    /// The shipped table is some 30 KB; anything far larger is not it.
    static constexpr qint64 MaxFileBytes = 1024 * 1024;

    /// What the table says about one city line.
    struct Listing {
        enum class Kind {
            NotListed,   // no factory line: match it as a user's own city
            FixedOffset, // a factory line with no single zone: keep its fixed offset
            Zone,        // a factory line that stands for zoneId
        };
        Kind kind = Kind::NotListed;
        QByteArray zoneId;

        friend bool operator==(const Listing &, const Listing &) = default;
    };

    /// An empty table: it lists no line.
    ZoneTable() = default;

    /// The table of the application folder; empty when the file is missing, not a regular file,
    /// larger than MaxFileBytes or malformed.
    [[nodiscard]] static ZoneTable read(const AppFolder &folder);

    /// The table of a file's text; empty when any non-empty line is malformed (no tab, no city
    /// line before it, a zone identifier with characters no identifier has) or a city line is
    /// listed twice with different zones. Lines end with CR LF, LF or CR.
    [[nodiscard]] static ZoneTable fromText(QStringView text);

    /// What the table says about this whole city line (compared exactly, case included).
    [[nodiscard]] Listing find(QStringView cityLine) const;

    [[nodiscard]] bool isEmpty() const { return m_zones.isEmpty(); }

private:
    QHash<QString, QByteArray> m_zones; // city line -> zone identifier, empty for none
};
