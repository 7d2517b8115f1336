#pragma once

#include "settings/cityentry.h"
#include "zonetime/hands.h"
#include "zonetime/rowtexts.h"
#include "zonetime/zoneoffset.h"
#include "zonetime/zonetable.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QTimeZone>

#include <optional>

struct SettingsState;

/// What one second's tick gives one clock column.
struct ColumnTick {
    /// The zone's wall-clock reading (naive, in Qt::UTC; see zonetime.h), or nothing for a clock
    /// entry that is no city line.
    std::optional<QDateTime> zoneTime;
    /// The time row text, or nothing when the label keeps its text (time row off, a time format
    /// the program does not know, entry no city line).
    std::optional<QString> timeText;
    /// Where to draw the hands; unchanged from the previous tick when the face is off.
    HandPoints hands;
};

/// The texts of one column's date row and opposite-date row.
struct ColumnDates {
    QString date;
    QString oppositeDate;

    friend bool operator==(const ColumnDates &, const ColumnDates &) = default;
};

/// The clocks of one clock window, prepared once per build from the settings state: every
/// entry's zone is found once and the text patterns are taken apart once, so that the per-second
/// tick and the per-minute date refresh are cheap.
///
/// By default every clock keeps the fixed offset of its city line and the computer's clock is
/// read as showing the local city's time. With the followDst option, the current UTC time comes
/// from the computer's own clock and zone, and each clock that ZoneLookup places in a zone of the
/// system's time-zone database (the zone table's zone for a factory city) keeps that zone's time,
/// summer time included; the others keep their fixed offsets.
///
/// Results are indexed like the settings' clockList. An entry too short to be a city line is
/// skipped: it gets no zone time, no texts and no hand movement, and it does not interrupt the
/// carry-over of date texts between the other columns.
class ZoneClockSet final {
public:
    /// Which of the rows with texts the window shows.
    struct Rows {
        bool time = false;
        bool date = false;
        bool oppositeDate = false;
    };

    /// `now` is the computer's clock at the build: with followDst, the zones are looked up by the
    /// offsets of the year from then. `zones` names the zones of the factory cities; it is used
    /// only while the set is built (an empty table: every city is matched by its offset).
    ZoneClockSet(const SettingsState &state, const QLocale &locale,
                 const QDateTime &now = QDateTime::currentDateTime(), const ZoneTable &zones = {});

    [[nodiscard]] qsizetype size() const { return m_columns.size(); }

    /// Whether entry `index` is a city line with an offset (false outside the list too).
    [[nodiscard]] bool isCityLine(qsizetype index) const;

    [[nodiscard]] Rows rows() const { return m_rows; }

    /// The city name of entry `index`, or nothing when it is no city line.
    [[nodiscard]] std::optional<QString> name(qsizetype index) const;

    /// The zone time of entry `index` when the computer's clock reads `now`.
    [[nodiscard]] std::optional<QDateTime> zoneTime(qsizetype index, const QDateTime &now) const;

    /// The time row text of entry `index` when the computer's clock reads `now`, as tick() makes
    /// it: nothing when the row is off, the format unknown, or the entry no city line.
    [[nodiscard]] std::optional<QString> timeText(qsizetype index, const QDateTime &now) const;

    /// One second's update of every column: zone time, time text and hand points. The hand points
    /// are kept per column between ticks (they move only while the face is shown).
    [[nodiscard]] QList<ColumnTick> tick(const QDateTime &now);

    /// The date and opposite-date texts of every column. Both texts start empty and carry over
    /// from one column to the next unless a column makes new ones, so a row that is off, or a
    /// format outside the table, leaves the row empty; a skipped entry gets empty texts.
    [[nodiscard]] QList<ColumnDates> dates(const QDateTime &now) const;

    /// The zone of the system's time-zone database that entry `index` follows, or nothing when it
    /// keeps its fixed offset (followDst off, no zone found, no city line).
    [[nodiscard]] std::optional<QTimeZone> followedZone(qsizetype index) const;

    /// The tooltip of entry `index`'s city name when the computer's clock reads `now`: "name
    /// (zone)" with the line's zone text. For a followed zone also its offset at `now` and its
    /// identifier ("New York (-05:00, now -04:00 America/New_York)"), then a line with its
    /// difference from the computer's clock ("+9 h, tomorrow", "−5 h 30", "same time"), and,
    /// when the zone's offset changes within 14 days, a line with the local date and time of the
    /// change and the new offset. A city kept on its fixed offset because the zones that fit it
    /// disagree says so in a second line. Nothing for an entry that is no city line.
    [[nodiscard]] std::optional<QString> cityToolTip(qsizetype index, const QDateTime &now) const;

private:
    /// One clock entry that is a city line: either a fixed offset or a followed zone.
    struct Column {
        CityEntry city;
        ZoneOffset offset;
        std::optional<QTimeZone> followed;
        QList<QByteArray> disagreeing; // see ZoneMatch
    };

    [[nodiscard]] int localOffsetMinutes(const QDateTime &now) const;
    /// The UTC instant of the computer's reading `now`, naive: the real one when following zones,
    /// else the reading minus the local city's offset.
    [[nodiscard]] QDateTime utcOf(const QDateTime &now) const;
    [[nodiscard]] static QDateTime zoneTimeAt(const Column &column, const QDateTime &utc);

    std::optional<ZoneOffset> m_localOffset; // nothing: the computer's own offset
    bool m_followDst = false;
    QList<std::optional<Column>> m_columns;
    QList<HandPoints> m_hands;
    bool m_displayClock = false;
    Rows m_rows;
    QLocale m_locale;
    TimeText m_timeText;
    DateTexts m_dateTexts;
};
