#include "cities/cityorder.h"

#include <algorithm>
#include <numeric>

namespace {

QLocale collationLocale(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

} // namespace

CityOrder::Key::Key(QCollatorSortKey collation, QString name)
    : m_collation(std::move(collation))
    , m_name(std::move(name))
{
}

bool operator<(const CityOrder::Key &a, const CityOrder::Key &b)
{
    if (const int collated = a.m_collation.compare(b.m_collation); collated != 0)
        return collated < 0;
    return a.m_name < b.m_name;
}

CityOrder::CityOrder(const QLocale &locale)
    : m_collator(collationLocale(locale))
{
}

CityOrder::Key CityOrder::key(const QString &name) const
{
    return Key(m_collator.sortKey(name), name);
}

QList<qsizetype> CityOrder::sorted(const QStringList &names) const
{
    // One key per name: a sort compares each name about log2(n) times.
    QList<Key> keys;
    keys.reserve(names.size());
    for (const QString &name : names)
        keys.append(key(name));
    QList<qsizetype> positions(names.size());
    std::iota(positions.begin(), positions.end(), qsizetype(0));
    std::stable_sort(positions.begin(), positions.end(),
                     [&keys](qsizetype a, qsizetype b) { return keys.at(a) < keys.at(b); });
    return positions;
}
