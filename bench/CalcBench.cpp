// One whole chart (both passes of the bodies, the ayanamsa and the houses,
// then the divisional charts and relationships) and one sunrise; one line of
// a chartdump batch read, and a batch of births cast and written as JSON.

#include "Batch.h"
#include "DumpOptions.h"
#include "calc/Chart.h"
#include "calc/Sunrise.h"
#include "core/State.h"

#include <benchmark/benchmark.h>

#include <string>

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

void BM_ReadBirthLine(benchmark::State& state)
{
    const std::string line =
        "--date 15-08-1980 --time 10:30:00 --lat 28N39 --lon 77E13 --zone 82E30 --war-time +01:00";
    for (auto _ : state)
        benchmark::DoNotOptimize(chartdump::ParseOptions(chartdump::SplitLine(line)));
}
BENCHMARK(BM_ReadBirthLine);

// A batch of 1,000 births as chartdump runs it: every line checked, then
// each chart cast and its JSON handed on (here only counted).
void BM_ChartdumpBatch(benchmark::State& state)
{
    constexpr int births = 1000;
    std::string text;
    for (int i = 0; i < births; ++i)
        text += "--date " + std::to_string(1 + i % 28) + "-" + std::to_string(1 + i % 12) + "-" +
                std::to_string(1800 + i % 400) + " --time " + std::to_string(i % 24) + ":30:00 --lat " +
                std::to_string(i % 60) + (i % 3 ? "N" : "S") + "15 --lon " + std::to_string(i % 180) +
                (i % 2 ? "E" : "W") + "30 --zone " + std::to_string(i % 180 / 15 * 15) + (i % 2 ? "E" : "W") +
                "00\n";
    ResetProgramState();
    for (auto _ : state) {
        benchmark::DoNotOptimize(chartdump::CheckBatch(text));
        std::size_t bytes = 0;
        chartdump::WriteBatch(text, [&](const std::string& json) {
            bytes += json.size();
            return true;
        });
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * births);
}
BENCHMARK(BM_ChartdumpBatch)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
