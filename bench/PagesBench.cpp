// Drawing a chart page: the four divisional charts of a Shodash page onto the
// preview image, and the same page onto the recording surface (the page
// engine's own work without the painting).

#include "core/State.h"
#include "pages/PageDispatcher.h"
#include "pages/PainterSurface.h"
#include "pages/RecordingSurface.h"
#include "refdata/Databases.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

using namespace tarvik;

namespace {

// A chart spread over the signs, as the driver would leave it.
void prepareChart(bool hindi)
{
    ResetProgramState();
    const char* bin = std::getenv("TARVIK_BIN_DIR");
    Program().ProgramFolder = bin ? bin : ".";
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

void openDatabases()
{
    static const bool opened = [] {
        const char* bin = std::getenv("TARVIK_BIN_DIR");
        Program().ProgramFolder = bin ? bin : ".";
        OpenReferenceDatabases();
        return true;
    }();
    (void)opened;
}

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
