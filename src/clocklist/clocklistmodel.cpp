#include "clocklist/clocklistmodel.h"

ClockListModel ClockListModel::fromClockList(const QStringList &clockList,
                                             const QList<CityLine> &cities)
{
    // Looked up by the whole line, as the stored clock is a copy of one.
    QSet<QString> listed;
    listed.reserve(cities.size());
    for (const CityLine &city : cities)
        listed.insert(city.text);

    ClockListModel model;
    for (const QString &entry : clockList) {
        if (model.size() >= MaxRows)
            break;
        std::optional<CityLine> row = CityLine::fromText(entry);
        if (!row)
            continue;
        if (!listed.contains(row->text))
            model.m_unlisted.insert(row->text);
        model.m_rows.append(std::move(*row));
    }
    return model;
}

bool ClockListModel::isListed(qsizetype row) const
{
    return isRow(row) && !m_unlisted.contains(m_rows.at(row).text);
}

bool ClockListModel::append(const CityLine &city)
{
    if (m_rows.size() >= MaxRows)
        return false;
    m_rows.append(city);
    return true;
}

std::optional<ClockListModel::RemoveRefusal>
ClockListModel::remove(std::optional<qsizetype> selected)
{
    if (m_rows.size() == 1)
        return RemoveRefusal::OnlyRow;
    if (m_rows.isEmpty())
        return RemoveRefusal::NoRows;
    if (!isRow(selected))
        return RemoveRefusal::NoSelection;
    m_rows.removeAt(*selected);
    return std::nullopt;
}

std::optional<qsizetype> ClockListModel::moveUp(std::optional<qsizetype> selected)
{
    if (!isRow(selected) || *selected == 0)
        return std::nullopt;
    return swap(*selected, *selected - 1);
}

std::optional<qsizetype> ClockListModel::moveDown(std::optional<qsizetype> selected)
{
    if (!isRow(selected) || *selected == m_rows.size() - 1)
        return std::nullopt;
    return swap(*selected, *selected + 1);
}

QStringList ClockListModel::clockList() const
{
    QStringList lines;
    lines.reserve(m_rows.size());
    for (const CityLine &row : m_rows)
        lines.append(row.text);
    return lines;
}

bool ClockListModel::isRow(std::optional<qsizetype> row) const
{
    return row && *row >= 0 && *row < m_rows.size();
}

std::optional<qsizetype> ClockListModel::swap(qsizetype row, qsizetype other)
{
    m_rows.swapItemsAt(row, other);
    return other;
}
