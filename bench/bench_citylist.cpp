#include "cities/citylistfile.h"
#include "cities/flagfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// An application folder with a generated city list of `count` lines and a flags folder with one
// bitmap per code that the lines use.
class GeneratedFolder final {
public:
    explicit GeneratedFolder(int count)
        : m_folder(m_dir.path())
    {
        QDir(m_dir.path()).mkpath(u"flags"_s);
        QString text;
        for (int i = 0; i < count; ++i) {
            const QString code = QString(QChar(u'A' + i % 26)) + QChar(u'A' + (i / 26) % 26) +
                                 QChar(u'A' + (i / 676) % 26);
            const int minutes = (i * 37) % (25 * 60) - 12 * 60;
            const QString zone =
                (minutes < 0 ? u"-"_s : u"+"_s) % QStringLiteral("%1:%2")
                                                      .arg(qAbs(minutes) / 60, 2, 10, QChar(u'0'))
                                                      .arg(qAbs(minutes) % 60, 2, 10, QChar(u'0'));
            text += u"City number %1 of the list"_s.arg(i) % u'!' % zone % u'!' %
                    (i % 2 ? code.toLower() : code) % u".bmp\r\n"_s;
            if (i < 26 * 26) {
                QFile flag(m_folder.flagsFolder() % u'/' % code % u".bmp"_s);
                if (flag.open(QIODevice::WriteOnly))
                    flag.write("BM");
            }
        }
        QFile file(m_folder.cityListFile());
        if (file.open(QIODevice::WriteOnly))
            file.write(text.toUtf8());
    }

    [[nodiscard]] const AppFolder &folder() const { return m_folder; }

private:
    QTemporaryDir m_dir;
    AppFolder m_folder;
};

void readCityList(benchmark::State &state)
{
    const GeneratedFolder generated(int(state.range(0)));
    const CityListFile file(generated.folder());
    for (auto _ : state) {
        FileResult<QList<CityLine>> lines = file.read();
        benchmark::DoNotOptimize(lines);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(readCityList)->Arg(5000)->Unit(benchmark::kMillisecond);

// What a dialog does on load: the city lines, the flags folder, and every line's picture.
void readCityListWithFlags(benchmark::State &state)
{
    const GeneratedFolder generated(int(state.range(0)));
    const CityListFile file(generated.folder());
    for (auto _ : state) {
        const FileResult<QList<CityLine>> lines = file.read();
        const FlagFolder flags = FlagFolder::scan(generated.folder().flagsFolder());
        qsizetype found = 0;
        for (const CityLine &line : lines.valueOr({}))
            found += flags.picturePath(line.entry.flagFile).has_value() ? 1 : 0;
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(readCityListWithFlags)->Arg(5000)->Unit(benchmark::kMillisecond);

void saveIntoCityList(benchmark::State &state)
{
    const GeneratedFolder generated(int(state.range(0)));
    const CityListFile file(generated.folder());
    const CityEntry entry{u"Bern"_s, u"+01:00"_s, u"CHE.bmp"_s};
    for (auto _ : state) {
        auto result = file.save(entry);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(saveIntoCityList)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
