// The lookups a page makes once per caption or table row: a keyed text (held
// in memory since the definitions database opened), a sub lord, a Hindi word; and the places of the zone with the most
// places, as the place picker reads them.

#include "BenchDatabases.h"
#include "core/State.h"
#include "refdata/Databases.h"
#include "refdata/Lookups.h"
#include "refdata/Places.h"
#include "refdata/TextLookup.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace tarvik;

namespace {

struct OpenOnce {
    OpenOnce()
    {
        Program().ProgramFolder = bench::ProgramFolder();
        OpenReferenceDatabases();
    }
};

void Open()
{
    static OpenOnce once;
}

void BM_DictionaryText(benchmark::State& state)
{
    Open();
    const Texts hindi(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(hindi.Dict("_Vrischika"));
}
BENCHMARK(BM_DictionaryText);

void BM_GetSubLord(benchmark::State& state)
{
    Open();
    double arcSeconds = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetSubLord(arcSeconds));
        arcSeconds += 7919.5;
    }
}
BENCHMARK(BM_GetSubLord);

void BM_TranslateWord(benchmark::State& state)
{
    Open();
    OutputRun().LanguageHindi = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(TranslateWord("Jupiter", true));
}
BENCHMARK(BM_TranslateWord);

void BM_PlacesOfLargestZone(benchmark::State& state)
{
    Open();
    Recordset largest(DatDatabase(), "Select [Country ID], Count(*) As n From Places Group By [Country ID] "
                                     "Order By n Desc");
    const long long zone = largest.Field("Country ID").Int();
    std::size_t places = 0;
    for (auto _ : state)
        places = PlaceList(DatDatabase(), zone).size();
    state.counters["places"] = static_cast<double>(places);
}
BENCHMARK(BM_PlacesOfLargestZone)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
