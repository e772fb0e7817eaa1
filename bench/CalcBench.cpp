// One whole chart (both passes of the bodies, the ayanamsa and the houses,
// then the divisional charts and relationships) and one sunrise.

#include "calc/Chart.h"
#include "calc/Sunrise.h"
#include "core/State.h"

#include <benchmark/benchmark.h>

using namespace tarvik;

namespace {
void sampleBirth()
{
    ResetProgramState();
    BirthRecord& b = Native();
    b.Day = 15;
    b.Month = 8;
    b.Year = 1980;
    b.Hour = 10;
    b.Minute = 30;
    b.LatDeg = 28;
    b.LatMin = 39;
    b.LatDir = "N";
    b.LongDeg = 77;
    b.LongMin = 13;
    b.LongDir = "E";
    b.ZoneDeg = 82;
    b.ZoneMin = 30;
    b.ZoneDir = "E";
    b.ZoneMeridian = 82.5;
    b.ZoneHours = 5.5;
}

void BM_CalcChart(benchmark::State& state)
{
    sampleBirth();
    OutputRun().TrueNode = true;
    OutputRun().AyanamsaChoice = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CalcChart();
        benchmark::DoNotOptimize(Chart().HouseCusps[1]);
    }
}
BENCHMARK(BM_CalcChart)->Arg(0)->Arg(2);

void BM_ComputeChart(benchmark::State& state)
{
    sampleBirth();
    const ChartInput input = ChartInputOf(Native(), 0, true);
    ChartState chart;
    for (auto _ : state) {
        ComputeChart(input, chart);
        benchmark::DoNotOptimize(chart.HouseCusps[1]);
    }
}
BENCHMARK(BM_ComputeChart);

void BM_CalcSunrise(benchmark::State& state)
{
    sampleBirth();
    CalcChart();
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcSunrise());
}
BENCHMARK(BM_CalcSunrise);
} // namespace

BENCHMARK_MAIN();
