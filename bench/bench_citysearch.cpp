#include "citynames.h"

#include "cities/cityorder.h"
#include "cities/citysearch.h"

#include <QStandardItemModel>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int Cities = 10'000;

// What a user types, one keystroke after the other, then erases.
const QStringList Keystrokes{u"s"_s, u"sa"_s, u"sao"_s, u"sao "_s, u"sao p"_s, QString()};

// Folding every name once, as a list does when it is filled.
void foldNames(benchmark::State &state)
{
    const QStringList names = madeUpCityNames(Cities);
    for (auto _ : state) {
        for (const QString &name : names)
            benchmark::DoNotOptimize(CitySearch::fold(name));
    }
    state.SetItemsProcessed(state.iterations() * names.size());
}
BENCHMARK(foldNames)->Unit(benchmark::kMillisecond);

// One keystroke's matching: the typed text against every folded name.
void matchKeystroke(benchmark::State &state)
{
    QStringList keys;
    for (const QString &name : madeUpCityNames(Cities))
        keys.append(CitySearch::fold(name));
    qsizetype keystroke = 0;
    for (auto _ : state) {
        const CitySearch search(Keystrokes.at(keystroke++ % Keystrokes.size()));
        int matches = 0;
        for (const QString &key : keys)
            matches += search.matches(key);
        benchmark::DoNotOptimize(matches);
    }
    state.SetItemsProcessed(state.iterations() * keys.size());
}
BENCHMARK(matchKeystroke)->Unit(benchmark::kMicrosecond);

// One keystroke in a combo box of cities: the search model filters the list's model again.
void searchModelKeystroke(benchmark::State &state)
{
    QStandardItemModel list;
    QList<QStandardItem *> items;
    for (const QString &name : madeUpCityNames(Cities)) {
        auto *item = new QStandardItem(name);
        item->setData(CitySearch::fold(name), CitySearchModel::KeyRole);
        items.append(item);
    }
    list.invisibleRootItem()->appendRows(items);
    CitySearchModel search;
    search.setSourceModel(&list);
    qsizetype keystroke = 0;
    for (auto _ : state) {
        search.setSearchText(Keystrokes.at(keystroke++ % Keystrokes.size()));
        benchmark::DoNotOptimize(search.rowCount());
    }
    state.SetItemsProcessed(state.iterations() * Cities);
}
BENCHMARK(searchModelKeystroke)->Unit(benchmark::kMicrosecond);

// Sorting the list for display, in the collation of the user's language.
void sortNames(benchmark::State &state)
{
    const QStringList names = madeUpCityNames(Cities);
    const CityOrder order(QLocale(u"en_US"_s));
    for (auto _ : state)
        benchmark::DoNotOptimize(order.sorted(names));
    state.SetItemsProcessed(state.iterations() * names.size());
}
BENCHMARK(sortNames)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
