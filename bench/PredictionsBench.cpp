// Drawing the prediction pages onto the preview image: a general page (three
// topics from the reference database, measured first, then drawn) and an
// aspect page (all pairs classed, their texts looked up, seven slots drawn),
// in English and Hindi.

#include "DumpOptions.h"
#include "calc/Chart.h"
#include "calc/RunCopies.h"
#include "core/State.h"
#include "pages/PageDispatcher.h"
#include "pages/PainterSurface.h"
#include "readings/ReadingPages.h"
#include "refdata/Databases.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace tarvik;

namespace {

// Delhi, 15 August 1980 at 10:30, as an output run leaves it.
void standBirth(bool hindi)
{
    static const bool opened = [] {
        const char* bin = std::getenv("TARVIK_BIN_DIR");
        Program().ProgramFolder = bin ? bin : ".";
        OpenReferenceDatabases();
        return true;
    }();
    (void)opened;
    const std::string folder = Program().ProgramFolder;
    ResetProgramState();
    Program().ProgramFolder = folder;
    InstallReadingPages();
    ApplyDisplayConventions(hindi);
    Native() = chartdump::ParseOptions({"--date", "15-08-1980", "--time", "10:30:00", "--lat",
                                        "28N39", "--lon", "77E13", "--zone", "82E30"})
                   .request->birth;
    Native().Name = "Asha Sharma";
    CalcChart();
    TakeBirthLongitudes();
}

void BM_PredictionPageOnImage(benchmark::State& state)
{
    static const char* const keys[] = {"GenPage1", "AspPage1"};
    standBirth(state.range(1) != 0);
    ImageSurface surface(150);
    for (auto _ : state) {
        surface.Clear();
        PrintPage(surface, keys[state.range(0)], false);
    }
}
BENCHMARK(BM_PredictionPageOnImage)
    ->ArgNames({"aspects", "hindi"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

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
