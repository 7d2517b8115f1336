#pragma once

#include "zonetime/columndates.h"
#include "zonetime/columntick.h"
#include "zonetime/datetexts.h"
#include "zonetime/timetext.h"
#include "zonetime/zoneoffset.h"

#include <QDateTime>
#include <QList>
#include <QLocale>

#include <optional>

struct SettingsState;

/// The clocks of one clock window, prepared once per build from the settings state: every
/// entry's offset is read once and the text patterns are taken apart once, so that the per-second
/// tick and the per-minute date refresh are cheap.
///
/// Results are indexed like the settings' clockList. An entry too short to be a city line is
/// skipped: it gets no zone time, no texts and no hand movement, and it does not interrupt the
/// carry-over of date texts between the other columns.
class ZoneClockSet final {
public:
    ZoneClockSet(const SettingsState &state, const QLocale &locale);

    [[nodiscard]] qsizetype size() const { return m_offsets.size(); }

    /// Whether entry `index` is a city line with an offset (false outside the list too).
    [[nodiscard]] bool isCityLine(qsizetype index) const;

    /// The zone time of entry `index` when the computer's clock reads `now`.
    [[nodiscard]] std::optional<QDateTime> zoneTime(qsizetype index, const QDateTime &now) const;

    /// One second's update of every column: zone time, time text and hand points. The hand points
    /// are kept per column between ticks (they move only while the face is shown).
    [[nodiscard]] QList<ColumnTick> tick(const QDateTime &now);

    /// The date and opposite-date texts of every column. Both texts start empty and carry over
    /// from one column to the next unless a column makes new ones, so a row that is off, or a
    /// format outside the table, leaves the row empty; a skipped entry gets empty texts.
    [[nodiscard]] QList<ColumnDates> dates(const QDateTime &now) const;

private:
    [[nodiscard]] int localOffsetMinutes(const QDateTime &now) const;

    std::optional<ZoneOffset> m_localOffset; // nothing: the computer's own offset
    QList<std::optional<ZoneOffset>> m_offsets;
    QList<HandPoints> m_hands;
    bool m_displayClock = false;
    bool m_displayTime = false;
    TimeText m_timeText;
    DateTexts m_dateTexts;
};
