// The Preview button: the output run (the entries checked, each person's
// chart, the run values and the page list) and the first page, the Basic
// page, drawn onto the preview's picture; the window itself is not shown.
// The program's own databases, the sample person of the main window.

#include "core/Reporter.h"
#include "core/State.h"
#include "refdata/Databases.h"
#include "shell/ModalDialogs.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace tarvik;

namespace {

void BM_PreviewButtonToBasicPage(benchmark::State& state)
{
    const bool match = state.range(0) != 0;
    const bool hindi = state.range(1) != 0;
    ResetProgramState();
    const char* bin = std::getenv("TARVIK_BIN_DIR");
    Program().ProgramFolder = bin ? bin : ".";
    QTemporaryDir settings;
    CollectingReporter messages;
    ScopedReporter quiet(messages);
    int shown = 0;
    ScopedDialogScript script({.showModal = [&](QDialog&) { ++shown; }});

    frmMain window(StartupOptions{settings.filePath(QStringLiteral("settings.ini")), 0});
    if (!window.Form_Load()) {
        state.SkipWithError("the program's databases cannot be opened");
        return;
    }
    window.SSTab1->setCurrentIndex(match ? 1 : 0);
    window.cmbLanguage->setCurrentIndex(hindi ? 1 : 0);
    for (auto _ : state)
        window.Command1->click();
    if (shown != static_cast<int>(state.iterations()) || !messages.messages.empty())
        state.SkipWithError("the preview was not reached without a message");
    CloseReferenceDatabases();
}
BENCHMARK(BM_PreviewButtonToBasicPage)
    ->ArgNames({"match", "hindi"})
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
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
