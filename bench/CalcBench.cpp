// One whole chart (both passes of the bodies, the ayanamsa and the houses,
// then the divisional charts and relationships) and one sunrise.

#include "DumpOptions.h"
#include "calc/Chart.h"
#include "calc/Sunrise.h"
#include "core/State.h"

#include <benchmark/benchmark.h>

using namespace tarvik;

namespace {
// The sample birth of the main window: 15-08-1980 10:30:00 at Delhi.
void sampleBirth()
{
    ResetProgramState();
    const auto options = chartdump::ParseOptions(
        {"--date", "15-08-1980", "--time", "10:30:00", "--lat", "28N39", "--lon", "77E13", "--zone", "82E30"});
    Native() = options.request->birth;
}

void BM_CalcChart(benchmark::State& state)
{
    sampleBirth();
    OutputRun().TrueNode = true;
    OutputRun().AyanamsaChoice = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CalcChart(OutputRun().Choices());
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
    CalcChart(OutputRun().Choices());
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcSunrise());
}
BENCHMARK(BM_CalcSunrise);
} // namespace

BENCHMARK_MAIN();
