#include "settings/settingsloader.h"
#include "settings/settingsvalue.h"
#include "settings/settingswriter.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// A settings file as the clock list editor writes it, with every option key present.
QByteArray settingsText(int clocks)
{
    QByteArray text = "[Settings]\r\nLocal=Cairo!+02:00!EGY.bmp\r\nClocks=" +
                      SettingsValue::clockCountText(clocks).toLatin1() + "\r\n";
    text += "[Options]\r\nHide_SysTray_Icon=0\r\nAlways_On_Top=1\r\nDisplay_Clock=1\r\n"
            "Display_Time=1\r\nTimeFormat=1\r\nDisplay_Date=1\r\nDateFormat=0\r\n"
            "Display_OpsDate=1\r\nOpsDateFormat=3\r\nOpsDateDiff=2\r\n"
            "[Clocks_Style]\r\nClock_Picture=0\r\nBGPicture=\r\nSolid=255\r\nOneColor=65280\r\n"
            "OneColorDir=0\r\nTwoColors1=16711680\r\nTwoColors2=255\r\nBackGround=grt2\r\n";
    for (int n = 1; n <= clocks; ++n) {
        text += '[' + SettingsValue::clockSectionName(n).toLatin1() + "]\r\nCountry/City=City " +
                QByteArray::number(n) + "!+01:00!AAA.bmp\r\n";
    }
    return text;
}

void BM_LoadSettings(benchmark::State &state)
{
    const int clocks = int(state.range(0));
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    QFile file(folder.settingsFile());
    if (!file.open(QIODevice::WriteOnly) || file.write(settingsText(clocks)) < 0) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    file.close();

    for (auto _ : state) {
        const SettingsState settings = loadSettings(folder);
        benchmark::DoNotOptimize(settings.clockList.size());
    }
    state.SetComplexityN(clocks);
}
BENCHMARK(BM_LoadSettings)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
    ->Complexity()
    ->Unit(benchmark::kMicrosecond);

void BM_SaveClockList(benchmark::State &state)
{
    const int clocks = int(state.range(0));
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    QStringList list;
    for (int n = 1; n <= clocks; ++n)
        list.append(u"City "_s + QString::number(n) + u"!+01:00!AAA.bmp"_s);
    // Alternate two orders so that every save really rewrites the file.
    QStringList reversed(list.crbegin(), list.crend());
    bool flip = false;
    for (auto _ : state) {
        const FileResult<> saved = saveClockList(folder, clocks, flip ? reversed : list);
        benchmark::DoNotOptimize(saved);
        flip = !flip;
    }
    state.SetComplexityN(clocks);
}
BENCHMARK(BM_SaveClockList)->Arg(10)->Arg(1000)->Complexity()->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
