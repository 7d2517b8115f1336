// One clock window's periodic work for 100 clocks: the per-second tick (zone time, time text and
// hand points of every column) and the per-minute date rows.
#include "settings/settingsstate.h"
#include "zonetime/zoneclockset.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int ClockCount = 100;

SettingsState hundredClocks(qint16 dateFormat)
{
    SettingsState state;
    state.localCity = u"Cairo!+02:00!EGY.bmp"_s;
    for (int i = 0; i < ClockCount; ++i) {
        // Offsets from -12:00 to +14:00 in quarter hours, so columns cross midnight.
        const int minutes = -720 + (i * 15 * 7) % (26 * 60);
        const QString zone = (minutes < 0 ? u'-' : u'+') +
                             QString::number(qAbs(minutes) / 60).rightJustified(2, u'0') + u':' +
                             QString::number(qAbs(minutes) % 60).rightJustified(2, u'0');
        state.clockList.append(u"City %1!"_s.arg(i) + zone + u"!XXX.bmp"_s);
    }
    state.clockCount = qint16(ClockCount);
    DisplayOptions &options = state.displayOptions;
    options.displayClock = true;
    options.displayTime = true;
    options.displayDate = true;
    options.displayOppositeDate = true;
    options.timeFormat = TimeFormat::AmPmSeconds;
    options.dateFormat = DateFormat(dateFormat);
    options.oppositeDateFormat = DateFormat(dateFormat);
    options.oppositeDateShift = OppositeDateShift::TwoDaysOn;
    return state;
}

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QDateTime Start(QDate(2024, 7, 6), QTime(23, 59, 30), Qt::OffsetFromUTC, 2 * 3600);

void tickOfHundredClocks(benchmark::State &state)
{
    ZoneClockSet set(hundredClocks(0), English, Start);
    QDateTime now = Start;
    for (auto _ : state) {
        benchmark::DoNotOptimize(set.tick(now));
        now = now.addSecs(1);
    }
}
BENCHMARK(tickOfHundredClocks)->Unit(benchmark::kMicrosecond);

/// A hundred real cities that follow summer time.
SettingsState hundredFollowedClocks()
{
    const QStringList cities = {u"New York!-05:00!USA.bmp"_s, u"London!+00:00!GBR.bmp"_s,
                                u"Sydney!+10:00!AUS.bmp"_s,   u"Santiago!-04:00!CHL.bmp"_s,
                                u"Tehran!+03:30!IRN.bmp"_s,   u"Cairo!+02:00!EGY.bmp"_s,
                                u"Tokyo!+09:00!JPN.bmp"_s,    u"Auckland!+12:00!NZL.bmp"_s,
                                u"Denver!-07:00!USA.bmp"_s,   u"Berlin!+01:00!DEU.bmp"_s};
    SettingsState settings = hundredClocks(0);
    for (int i = 0; i < ClockCount; ++i)
        settings.clockList[i] = cities[i % cities.size()];
    settings.displayOptions.followDst = true;
    return settings;
}

// The same window with real cities that follow summer time: every tick asks each zone for its
// offset at that second.
void tickOfHundredFollowedClocks(benchmark::State &state)
{
    ZoneClockSet set(hundredFollowedClocks(), English, Start);
    QDateTime now = Start;
    for (auto _ : state) {
        benchmark::DoNotOptimize(set.tick(now));
        now = now.addSecs(1);
    }
}
BENCHMARK(tickOfHundredFollowedClocks)->Unit(benchmark::kMicrosecond);

// Building that window without the zone table: every city's zone is guessed, reading a year of
// offsets of each zone of its country once per build.
void buildOfHundredFollowedClocks(benchmark::State &state)
{
    const SettingsState settings = hundredFollowedClocks();
    for (auto _ : state)
        benchmark::DoNotOptimize(ZoneClockSet(settings, English, Start));
}
BENCHMARK(buildOfHundredFollowedClocks)->Unit(benchmark::kMillisecond);

void datesOfHundredClocks(benchmark::State &state)
{
    const ZoneClockSet set(hundredClocks(qint16(state.range(0))), English, Start);
    for (auto _ : state)
        benchmark::DoNotOptimize(set.dates(Start));
}
BENCHMARK(datesOfHundredClocks)->Arg(0)->Arg(3)->Unit(benchmark::kMicrosecond);

// A clock window's build: the clocks prepared from the settings, then their first dates.
void buildAndDatesOfHundredClocks(benchmark::State &state)
{
    const SettingsState settings = hundredClocks(qint16(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ZoneClockSet(settings, English, Start).dates(Start));
}
BENCHMARK(buildAndDatesOfHundredClocks)->Arg(0)->Arg(3)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
