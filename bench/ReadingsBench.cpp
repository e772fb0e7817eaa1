// The dasha pages: the Vimshottari tree alone (7290 sookshmas), and each
// kind of page drawn onto the recording surface with the delivered
// dictionary, as the preview asks for it; a general prediction page (three
// topics from the reference database, measured, then drawn) and an aspect
// page (every pair classed, the texts looked up, seven slots drawn), in
// English and Hindi.

#include "BenchDatabases.h"
#include "DumpOptions.h"
#include "calc/RunCopies.h"
#include "core/State.h"
#include "registry/PageDispatcher.h"
#include "pages/RecordingSurface.h"
#include "panchang/Vimshottari.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace tarvik;

namespace {

const char* const Keys[] = {"VimsAntar", "VimsPratya1", "VimsSooksh01", "VimsPratya",
                            "Yogini Maha 1", "Yogini Antar", "Chara"};

// A birth at Delhi, 15 August 1980 at 10:30, as an output run leaves it.
void standBirth()
{
    bench::OpenDeliveredDatabases();
    BirthRecord birth = chartdump::ParseOptions({"--date", "15-08-1980", "--time", "10:30:00", "--lat",
                                                 "28N39", "--lon", "77E13", "--zone", "82E30"})
                            .request->birth;
    birth.Name = "Asha Sharma";
    PrepareRun({.native = {birth}, .hindi = false, .yoginiFrom = 1990});
}

void BM_VimshottariTree(benchmark::State& state)
{
    const DashaAtBirth atBirth = VimshottariAtBirth(163.7);
    for (auto _ : state) {
        const DashaPeriods tree = VimshottariPeriods(atBirth, 1980.7);
        benchmark::DoNotOptimize(tree.Period(DashaLevel::Sookshma, 7289).end);
    }
}
BENCHMARK(BM_VimshottariTree)->Unit(benchmark::kMicrosecond);

void BM_DashaPageRecorded(benchmark::State& state)
{
    standBirth();
    const std::string key = Keys[state.range(0)];
    state.SetLabel(key);
    for (auto _ : state) {
        RecordingSurface surface;
        PrintPage(surface, key, false);
        benchmark::DoNotOptimize(surface.Texts().size());
    }
}
BENCHMARK(BM_DashaPageRecorded)->DenseRange(0, std::size(Keys) - 1)->Unit(benchmark::kMillisecond);

void BM_PredictionPageRecorded(benchmark::State& state)
{
    static const char* const keys[] = {"GenPage1", "AspPage1"};
    standBirth();
    ApplyDisplayConventions(state.range(1) != 0);
    for (auto _ : state) {
        RecordingSurface surface;
        PrintPage(surface, keys[state.range(0)], false);
        benchmark::DoNotOptimize(surface.Texts().size());
    }
}
BENCHMARK(BM_PredictionPageRecorded)
    ->ArgNames({"aspects", "hindi"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
