// The annual chart: finding the year start (the Sun's return, a search over
// charts of trial moments), and the year chart page and a period page drawn
// on the recording surface with the delivered texts (each casts the year
// chart and puts the birth chart back).

#include "calc/Chart.h"
#include "calc/RunCopies.h"
#include "core/State.h"
#include "pages/PageDispatcher.h"
#include "pages/RecordingSurface.h"
#include "readings/ReadingPages.h"
#include "readings/YearStart.h"
#include "refdata/Databases.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

using namespace tarvik;

namespace {

BirthRecord delhiBirth()
{
    BirthRecord b;
    b.Name = "Asha Sharma";
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
    return b;
}

void BM_FindYearStart(benchmark::State& state)
{
    const BirthRecord birth = delhiBirth();
    const int year = birth.Year + static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(FindYearStart(birth, year, 0, true));
}
BENCHMARK(BM_FindYearStart)->ArgName("years")->Arg(1)->Arg(45)->Unit(benchmark::kMicrosecond);

void BM_VarshphalPageRecorded(benchmark::State& state)
{
    static const bool opened = [] {
        const char* bin = std::getenv("TARVIK_BIN_DIR");
        Program().ProgramFolder = bin ? bin : ".";
        OpenReferenceDatabases();
        return true;
    }();
    (void)opened;
    InstallReadingPages();
    ApplyDisplayConventions(false);
    Native() = delhiBirth();
    CalcChart();
    TakeBirthLongitudes();
    OutputRun().VarshphalYear = 2025;
    const std::string key = "VP" + std::to_string(state.range(0));
    for (auto _ : state) {
        RecordingSurface surface;
        PrintPage(surface, key, false);
        benchmark::DoNotOptimize(surface.Texts().size());
    }
}
BENCHMARK(BM_VarshphalPageRecorded)->ArgName("page")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
