#pragma once

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QTimeZone>

#include <map>
#include <optional>

struct CityEntry;

/// Finds the zone of the system's time-zone database that a city line stands for, so that its
/// clock can follow that zone's summer time. It needs no data of its own: among the zones of the
/// city's country (the flag code is the country's ISO 3166-1 alpha-3 code) it takes the one whose
/// standard offset at one instant is the line's offset; when several have it, the one whose city
/// part ("America/New_York" is "New York") is the city's name without regard to case, else the
/// first in the database's order.
///
/// One lookup serves one clock window build: each country's zones are read once and kept.
class ZoneLookup final {
public:
    /// `at` is the instant whose standard offsets are compared: the time of the build.
    explicit ZoneLookup(QDateTime at);

    /// The zone the city follows, or nothing: a flag code that is no country (a user's own
    /// city), or no zone of the country with the line's offset as its standard offset.
    [[nodiscard]] std::optional<QTimeZone> find(const CityEntry &city);

private:
    struct Candidate {
        QTimeZone zone;
        int standardOffsetSeconds = 0;
        QString cityName;
    };

    [[nodiscard]] const QList<Candidate> &candidates(QLocale::Territory territory);

    QDateTime m_at;
    std::map<QLocale::Territory, QList<Candidate>> m_candidates;
};

/// The city part of a zone identifier as people write it: the last part with "_" read as a
/// blank ("America/Argentina/Buenos_Aires" gives "Buenos Aires").
[[nodiscard]] QString zoneCityName(QByteArrayView zoneId);
