// The panchang block of one Basic page: the four end-time searches from
// sunrise, the samvat and lunar-month searches, the one-step panchang.

#include "DumpOptions.h"
#include "calc/Chart.h"
#include "calc/Sunrise.h"
#include "core/State.h"
#include "panchang/EndTimes.h"
#include "panchang/HinduCalendar.h"
#include "panchang/PanchangAtTime.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace tarvik;

namespace {
// The sample birth of the main window: 15-08-1980 10:30:00 at Delhi, with
// its chart standing and the sunrise of the day in zone time.
struct Sample {
    BirthRecord birth;
    int hour, minute, second;
};

Sample sampleBirth()
{
    ResetProgramState();
    const auto options = chartdump::ParseOptions(
        {"--date", "15-08-1980", "--time", "10:30:00", "--lat", "28N39", "--lon", "77E13", "--zone", "82E30"});
    Native() = options.request->birth;
    CalcChart();
    const long long s = std::lround(CalcSunrise()[3] * 3600);
    return {Native(), static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60), static_cast<int>(s % 60)};
}

void BM_EndTimeSearch(benchmark::State& state)
{
    const Sample s = sampleBirth();
    const Anga anga = static_cast<Anga>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(FindElementEnd(anga, s.birth, s.hour, s.minute, s.second));
}
BENCHMARK(BM_EndTimeSearch)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// What one Basic page asks for.
void BM_BasicPageFourSearches(benchmark::State& state)
{
    const Sample s = sampleBirth();
    for (auto _ : state) {
        benchmark::DoNotOptimize(TithiEndTime(s.birth, s.hour, s.minute, s.second));
        benchmark::DoNotOptimize(NakshatraEndTime(s.birth, s.hour, s.minute, s.second));
        benchmark::DoNotOptimize(YogaEndTime(s.birth, s.hour, s.minute, s.second));
        benchmark::DoNotOptimize(KaranaEndTime(s.birth, s.hour, s.minute, s.second));
    }
}
BENCHMARK(BM_BasicPageFourSearches)->Unit(benchmark::kMillisecond);

void BM_SamvatAndMasa(benchmark::State& state)
{
    const Sample s = sampleBirth();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalcSamvatAtBirth(s.birth));
        benchmark::DoNotOptimize(CalcMasaAtBirth(s.birth));
    }
}
BENCHMARK(BM_SamvatAndMasa)->Unit(benchmark::kMillisecond);

void BM_PanchangAtTime(benchmark::State& state)
{
    const Sample s = sampleBirth();
    const double sun = Chart().PlanetLongitudes[Sun], moon = Chart().PlanetLongitudes[Moon];
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcPanchangAtTime(s.birth, sun, moon, 10.5));
}
BENCHMARK(BM_PanchangAtTime);
} // namespace

BENCHMARK_MAIN();
