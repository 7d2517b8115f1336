#pragma once

#include "cities/citylistfile.h"

#include <QList>
#include <QSet>
#include <QStringList>

#include <limits>
#include <optional>

/// The chosen clocks of the clock list editor: whole city lines in clock order, rows numbered
/// from 0. The same city may stand in several rows. A row keeps the line exactly as the city list
/// held it, so saving writes that line back unchanged.
///
/// The editor's buttons decide here: what Remove refuses and why, where Up and Down move a row.
/// A selection is a row number, or nothing when no row is selected; a number outside the list
/// counts as no selection.
class ClockListModel final {
public:
    /// The settings file counts clocks in 16 bits; a longer list could not be read back whole.
    static constexpr qsizetype MaxRows = std::numeric_limits<qint16>::max();

    /// Why Remove left the list as it was, in the order the checks are made.
    enum class RemoveRefusal {
        OnlyRow,     // the list must keep one clock at least
        NoRows,      // nothing to remove
        NoSelection, // no row chosen
    };

    ClockListModel() = default;

    /// The rows of a stored clock list, one for each entry that is a city line, as the clock
    /// window shows them. An entry that matches no line of `cities` exactly (the line was changed
    /// or removed since the clock was chosen, or a file was edited by hand) stays, with its own
    /// line, so a Save keeps the clock as it is; isListed() tells it apart. Entries too short to
    /// be city lines (a missing section reads "00") are left out, as the clock window leaves them.
    [[nodiscard]] static ClockListModel fromClockList(const QStringList &clockList,
                                                      const QList<CityLine> &cities);

    [[nodiscard]] const QList<CityLine> &rows() const { return m_rows; }
    [[nodiscard]] qsizetype size() const { return m_rows.size(); }
    [[nodiscard]] bool isEmpty() const { return m_rows.isEmpty(); }

    /// Whether the row's line is on the city list the model was made with (rows added since come
    /// from that list).
    [[nodiscard]] bool isListed(qsizetype row) const;

    /// Adds the city at the end; false, and nothing added, when the list already holds MaxRows.
    [[nodiscard]] bool append(const CityLine &city);

    /// Removes the selected row, or says why not. Checks, in order: exactly one row, no rows,
    /// no selection; so a one-row list refuses even when nothing is selected.
    [[nodiscard]] std::optional<RemoveRefusal> remove(std::optional<qsizetype> selected);

    /// Swaps the selected row with the one above and returns the row it now stands in; nothing
    /// (and no change) for the first row or no selection.
    [[nodiscard]] std::optional<qsizetype> moveUp(std::optional<qsizetype> selected);
    /// Swaps the selected row with the one below; nothing for the last row or no selection.
    [[nodiscard]] std::optional<qsizetype> moveDown(std::optional<qsizetype> selected);

    /// The lines to store, in clock order.
    [[nodiscard]] QStringList clockList() const;

private:
    [[nodiscard]] bool isRow(std::optional<qsizetype> row) const;
    [[nodiscard]] std::optional<qsizetype> swap(qsizetype row, qsizetype other);

    QList<CityLine> m_rows;
    QSet<QString> m_unlisted; // the lines of rows that are not on the city list
};
