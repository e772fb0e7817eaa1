// Drawing a chart page: the four divisional charts of a Shodash page onto the
// preview image, and the same page onto the recording surface (the page
// engine's own work without the painting); the Basic page of one person (with
// its sunrise chart and the end-time searches) and of a match; the year start
// of an annual chart (the Sun's return, a search over trial charts) and its
// year chart and period pages; a whole print run of a horoscope (every entry
// of the print list, the annual chart for one year) written to a PDF file.

#include "BenchDatabases.h"
#include "DumpOptions.h"
#include "calc/RunCopies.h"
#include "core/State.h"
#include "registry/PageCatalogue.h"
#include "registry/PageDispatcher.h"
#include "pages/PainterSurface.h"
#include "pages/RecordingSurface.h"
#include "readings/YearStart.h"
#include "refdata/Databases.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

using namespace tarvik;

namespace {

// A chart spread over the signs, as the driver would leave it.
void prepareChart(bool hindi)
{
    ResetProgramState();
    Program().ProgramFolder = bench::ProgramFolder();
    ApplyDisplayConventions(hindi);
    Native().Name = "Asha Sharma";
    Config().BorderFile = Program().ProgramFolder + "/swastik.wmf";
    Config().OwnerLines = {"", "Velmora", "12 Temple Road, Delhi", "+91 11 2345 6789"};
    static const char* names[17] = {"", "Rashi", "Hora", "Drekkana", "Chaturthamsa", "Saptamsa",
                                    "Navamsa", "Dasamsa", "Dwadasamsa", "Shodasamsa", "Vimsamsa",
                                    "Chaturvimsamsa", "Bhamsa", "Thrisamsa", "Khavedamsa",
                                    "Akshavedamsa", "Shatyamsa"};
    ChartState& c = Chart();
    for (int v = 1; v <= 16; ++v) {
        c.ShodashVargaNames[v] = names[v];
        for (int t = 1; t <= 10; ++t)
            c.ShodashVargaSigns[v][t] = (v * 5 + t * 3) % 12 + 1;
    }
}

void openDatabases() { bench::OpenDeliveredDatabases(); }

void BM_ChartPageOnImage(benchmark::State& state)
{
    openDatabases();
    prepareChart(state.range(0) != 0);
    OutputRun().ChartStyle = static_cast<int>(state.range(1));
    ImageSurface surface(150);
    for (auto _ : state) {
        surface.Clear();
        PrintPage(surface, "Shodash1", false);
    }
}
BENCHMARK(BM_ChartPageOnImage)
    ->ArgNames({"hindi", "south"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond);

void BM_ChartPageRecorded(benchmark::State& state)
{
    openDatabases();
    prepareChart(false);
    for (auto _ : state) {
        RecordingSurface surface;
        PrintPage(surface, "Shodash1", false);
        benchmark::DoNotOptimize(surface.Texts().size());
    }
}
BENCHMARK(BM_ChartPageRecorded)->Unit(benchmark::kMicrosecond);

BirthRecord birthOf(std::vector<std::string> options)
{
    return chartdump::ParseOptions(options).request->birth;
}

// A birth at Delhi, 15 August 1980 at 10:30, and for a match a girl born
// before sunrise at Mumbai, standing as an output run leaves them.
void standBasicBirths(bool match)
{
    ResetProgramState();
    Program().ProgramFolder = bench::ProgramFolder();
    RunInput input{.hindi = false};
    if (match)
        input.girl = PersonInput{birthOf({"--date", "03-04-1984", "--time", "05:15:00", "--lat", "19N04", "--lon",
                                          "72E53", "--zone", "82E30"})};
    input.native.birth = birthOf({"--date", "15-08-1980", "--time", "10:30:00", "--lat", "28N39", "--lon",
                                  "77E13", "--zone", "82E30"});
    input.native.birth.Name = "Asha Sharma";
    PrepareRun(input);
}

void BM_BasicPageRecorded(benchmark::State& state)
{
    openDatabases();
    standBasicBirths(state.range(0) != 0);
    for (auto _ : state) {
        RecordingSurface surface;
        PrintPage(surface, "Basic", false);
        benchmark::DoNotOptimize(surface.Texts().size());
    }
}
BENCHMARK(BM_BasicPageRecorded)->ArgName("match")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FindYearStart(benchmark::State& state)
{
    standBasicBirths(false);
    const BirthRecord birth = Native();
    const int year = birth.Year + static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(FindYearStart(birth, year, 0, true));
}
BENCHMARK(BM_FindYearStart)->ArgName("years")->Arg(1)->Arg(45)->Unit(benchmark::kMicrosecond);

void BM_VarshphalPageRecorded(benchmark::State& state)
{
    openDatabases();
    standBasicBirths(false);
    OutputRun().VarshphalYear = 2025;
    const std::string key = "VP" + std::to_string(state.range(0));
    for (auto _ : state) {
        RecordingSurface surface;
        PrintPage(surface, key, false);
        benchmark::DoNotOptimize(surface.Texts().size());
    }
}
BENCHMARK(BM_VarshphalPageRecorded)->ArgName("page")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_PrintRunToPdf(benchmark::State& state)
{
    openDatabases();
    standBasicBirths(false);
    ApplyDisplayConventions(state.range(0) != 0);
    Config().PrintBorder = true;
    Config().BorderFile = Program().ProgramFolder + "/swastik.wmf";
    Config().OwnerLines = {"", "Velmora", "12 Temple Road, Delhi", "+91 11 2345 6789"};
    RunValues& run = OutputRun();
    run.YoginiFrom = 1990;
    run.VarshphalYear = 2025;
    std::vector<std::string> steps;
    for (const CatalogueRow& row : PageCatalogue(false, OutputKind::Print))
        for (const std::string& key : GroupPages(row.key))
            steps.push_back(key);
    QTemporaryDir dir;
    const std::string file = dir.filePath("run.pdf").toStdString();
    for (auto _ : state) {
        run.BatchPrint = 1;
        run.PageStarted = false;
        run.PagesPrinted = 0;
        PdfSurface pdf(file);
        for (const std::string& key : steps)
            PrintPage(pdf, key, true);
        pdf.Finish();
    }
    state.counters["pages"] = static_cast<double>(steps.size());
}
BENCHMARK(BM_PrintRunToPdf)->ArgName("hindi")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
