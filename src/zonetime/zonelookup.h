#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QTimeZone>

#include <map>
#include <optional>

struct CityEntry;
class ZoneTable;

/// How a city's clock keeps time when it follows summer time.
struct ZoneMatch {
    /// The zone the clock follows; nothing: it keeps the line's fixed offset.
    std::optional<QTimeZone> zone;
    /// Set when the clock keeps its fixed offset because several zones fit the line and keep
    /// different times over the coming year: their identifiers, in the database's order.
    QList<QByteArray> disagreeing;
};

/// Finds the zone of the system's time-zone database that a city line stands for, so that its
/// clock can follow that zone's summer time.
///
/// A line of the zone table (the factory cities) gets the zone the table names, or explicitly
/// none. Any other line (a user's own city) is matched among the zones of its country (the flag
/// code is the country's ISO 3166-1 alpha-3 code). A zone fits when the line's offset is one the
/// zone has without summer time over the coming year, the lowest offset it has in that year, or
/// its standard offset: so Dublin's winter +00:00 fits although the database counts Irish
/// summer time as standard and winter as a negative saving. Of the fitting zones, one whose
/// city part ("America/New_York" is "New York") is the city's name, without regard to case,
/// wins. Otherwise the fitting zones must show the same local time all through the coming year
/// (then the first in the database's order serves for them all); when they do not, no zone can
/// be told right and the clock keeps its fixed offset.
///
/// One lookup serves one clock window build: each country's zones are read once and kept.
class ZoneLookup final {
public:
    /// `at` is the start of the year whose offsets are compared: the time of the build. The
    /// table must outlive the lookup.
    ZoneLookup(QDateTime at, const ZoneTable &table);

    [[nodiscard]] ZoneMatch find(const CityEntry &city);

private:
    /// One stretch of constant offset: from its start (UTC, ms since the epoch) to the next.
    struct Period {
        qint64 startMSecs = 0;
        int offsetSeconds = 0;
    };
    struct Candidate {
        QTimeZone zone;
        QString cityName;
        QList<int> fittingOffsets; // the line offsets that fit this zone, in seconds
        QList<Period> periods;     // the coming year, the first period starting at `at`
    };

    [[nodiscard]] ZoneMatch guess(const CityEntry &city);
    [[nodiscard]] const QList<Candidate> &candidates(QLocale::Territory territory);
    [[nodiscard]] Candidate candidate(const QByteArray &id) const;
    [[nodiscard]] static bool sameLocalTime(const Candidate &a, const Candidate &b);

    QDateTime m_at;
    const ZoneTable &m_table;
    std::map<QLocale::Territory, QList<Candidate>> m_candidates;
};

/// The city part of a zone identifier as people write it: the last part with "_" read as a
/// blank ("America/Argentina/Buenos_Aires" gives "Buenos Aires").
[[nodiscard]] QString zoneCityName(QByteArrayView zoneId);
