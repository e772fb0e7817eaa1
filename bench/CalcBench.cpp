// One whole chart (both passes of the bodies, the ayanamsa and the houses,
// then the divisional charts and relationships) and one sunrise; the same
// bodies, ayanamsa and houses from Swiss Ephemeris itself, the reference the
// table is made from, in the same run; one line of a chartdump batch read,
// and a batch of births cast and written as JSON.

#include "Batch.h"
#include "DumpOptions.h"
#include "calc/Chart.h"
#include "calc/Ephemeris.h"
#include "calc/EphemerisTable.h"
#include "BenchDatabases.h"
#include "calc/Sunrise.h"
#include "core/State.h"

#include <swephexp.h>

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

// What ComputeChart gives, from the library: the ten bodies and the true node
// at the moment and an hour later, sidereal (N.C. Lahiri), the ayanamsa and
// the houses at the place.
void BM_SwissEphemerisChart(benchmark::State& state)
{
    sampleBirth();
    ChartState chart;
    ComputeChart(ChartInputOf(Native(), 0, true), chart);
    const double jd = JulianDayOfCenturies(chart.JulianCenturies);
    swe_set_ephe_path(const_cast<char*>(EPHE_PATH));
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    const int bodies[] = {SE_SUN, SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER, SE_SATURN,
                          SE_MOON, SE_TRUE_NODE, SE_URANUS, SE_NEPTUNE, SE_PLUTO};
    char error[AS_MAXCH];
    double x[6], cusps[13], ascmc[10], ayanamsa = 0;
    for (auto _ : state) {
        for (double moment : {jd, jd + 1.0 / 24})
            for (int body : bodies) {
                swe_calc_ut(moment, body, SEFLG_SWIEPH | SEFLG_SIDEREAL, x, error);
                benchmark::DoNotOptimize(x[0]);
            }
        swe_get_ayanamsa_ex_ut(jd, SEFLG_SWIEPH, &ayanamsa, error);
        swe_houses_ex(jd, SEFLG_SIDEREAL, chart.PlaceLatitude, chart.PlaceLongitude, 'P', cusps, ascmc);
        benchmark::DoNotOptimize(ascmc[0]);
    }
    swe_close();
}
BENCHMARK(BM_SwissEphemerisChart);

// What the program's start-up adds: reading and checking the ephemeris table.
void BM_ReadEphemerisTable(benchmark::State& state)
{
    const std::string path = bench::ProgramFolder() + "/" + std::string(EphemerisFileName);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadEphemerisFile(path));
}
BENCHMARK(BM_ReadEphemerisTable)->Unit(benchmark::kMillisecond);

void BM_CalcSunrise(benchmark::State& state)
{
    sampleBirth();
    CalcChart(OutputRun().Choices());
    for (auto _ : state)
        benchmark::DoNotOptimize(SunriseOf(Native(), Chart()));
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
