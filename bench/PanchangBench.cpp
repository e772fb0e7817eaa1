// The panchang block of one Basic page: the four end-time searches from
// sunrise, the samvat and lunar-month searches, the one-step panchang; and
// what the ghati conversion window computes when it opens and converts.

#include "DumpOptions.h"
#include "calc/Chart.h"
#include "calc/Sunrise.h"
#include "core/State.h"
#include "panchang/EndTimes.h"
#include "panchang/GhatiConversion.h"
#include "panchang/HinduCalendar.h"
#include "panchang/Ishtkaal.h"
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
    CalcChart(OutputRun().Choices());
    const long long s = std::lround(SunriseOf(Native(), Chart())[3] * 3600);
    return {Native(), static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60), static_cast<int>(s % 60)};
}

void BM_EndTimeSearch(benchmark::State& state)
{
    const Sample s = sampleBirth();
    const Anga anga = static_cast<Anga>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(FindElementEnd(anga, s.birth, s.hour, s.minute, s.second, OutputRun().Choices()));
}
BENCHMARK(BM_EndTimeSearch)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// What one Basic page asks for.
void BM_BasicPageFourSearches(benchmark::State& state)
{
    const Sample s = sampleBirth();
    for (auto _ : state) {
        benchmark::DoNotOptimize(TithiEndTime(s.birth, s.hour, s.minute, s.second, OutputRun().Choices()));
        benchmark::DoNotOptimize(NakshatraEndTime(s.birth, s.hour, s.minute, s.second, OutputRun().Choices()));
        benchmark::DoNotOptimize(YogaEndTime(s.birth, s.hour, s.minute, s.second, OutputRun().Choices()));
        benchmark::DoNotOptimize(KaranaEndTime(s.birth, s.hour, s.minute, s.second, OutputRun().Choices()));
    }
}
BENCHMARK(BM_BasicPageFourSearches)->Unit(benchmark::kMillisecond);

void BM_SamvatAndMasa(benchmark::State& state)
{
    const Sample s = sampleBirth();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalcSamvatAtBirth(s.birth, OutputRun().Choices()));
        benchmark::DoNotOptimize(CalcMasaAtBirth(s.birth, OutputRun().Choices()));
    }
}
BENCHMARK(BM_SamvatAndMasa)->Unit(benchmark::kMillisecond);

void BM_PanchangAtTime(benchmark::State& state)
{
    const Sample s = sampleBirth();
    const double sun = Chart().PlanetLongitudes[Sun], moon = Chart().PlanetLongitudes[Moon];
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcPanchangAtTime(s.birth, sun, moon, 10.5, OutputRun().Choices()));
}
BENCHMARK(BM_PanchangAtTime);

// The ghati window opening: the charts of the birth and its sunrise, and the
// samvat and lunar-month searches.
void BM_GhatiWindowPanchang(benchmark::State& state)
{
    const Sample s = sampleBirth();
    for (auto _ : state)
        benchmark::DoNotOptimize(GhatiPanchangOf(s.birth, OutputRun().Choices()));
}
BENCHMARK(BM_GhatiWindowPanchang)->Unit(benchmark::kMillisecond);

// One press of each conversion button.
void BM_GhatiConversions(benchmark::State& state)
{
    const Sample s = sampleBirth();
    for (auto _ : state) {
        benchmark::DoNotOptimize(IshtkaalOfClockTime(s.birth, 10.5));
        benchmark::DoNotOptimize(ClockTimeOfGhatis(s.birth, 11.5));
    }
}
BENCHMARK(BM_GhatiConversions);
} // namespace

BENCHMARK_MAIN();
