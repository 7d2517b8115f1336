#pragma once

#include "zonetime/zoneoffset.h"

#include <QDateTime>
#include <QStringView>

#include <optional>

class Clock;

// Zone time: a city's wall-clock reading is the computer's reading, minus the local city's
// offset, plus the city's offset. There is no daylight-saving rule.
//
// Zone times are returned as "naive" date-times: a QDateTime in Qt::UTC whose date() and time()
// are the zone's wall-clock reading. Keeping them in UTC means that no time zone of the machine
// (summer time gaps and repeats included) can move the arithmetic; read them with date() and
// time(), never convert them to local time.

/// The offset of the local city's line, or nothing when the text is too short to be a city line
/// (such as the default "00").
[[nodiscard]] std::optional<ZoneOffset> localCityOffset(QStringView localCity);

/// The computer's wall-clock reading at `now`, as a naive date-time.
[[nodiscard]] QDateTime wallClock(const QDateTime &now);

/// Minutes to add to the computer's wall-clock reading to get the reading at `city`. A local city
/// that is no city line counts as the computer's own current UTC offset, so the times shown are
/// right.
[[nodiscard]] int zoneShiftMinutes(ZoneOffset city, std::optional<ZoneOffset> local,
                                   const QDateTime &now);

/// The date-time at the offset text `offsetText` when the computer's clock reads `now`, with the
/// computer's clock taken to show the time of `localCity` (a whole city line). Exact calendar
/// arithmetic: crossing midnight changes day, month and year. Invalid when `now` is invalid.
[[nodiscard]] QDateTime getZoneTime(QStringView offsetText, QStringView localCity,
                                    const QDateTime &now);
[[nodiscard]] QDateTime getZoneTime(QStringView offsetText, QStringView localCity,
                                    const Clock &clock);
