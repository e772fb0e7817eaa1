// The Preview button: the output run (the entries checked, each person's
// chart, the run values and the page list) and the first page, the Basic
// page, drawn onto the preview's picture; the window itself is not shown.
// The place picker on the zone with the most places: the zone change that
// fills it, one letter typed into it, and the places editor ("*") of that
// zone opening and finding a place. The program's own databases, the sample
// person of the main window.

#include "BenchDatabases.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "refdata/Databases.h"
#include "shell/ModalDialogs.h"
#include "shell/frmMain.h"
#include "shell/frmPlaces.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>

using namespace tarvik;

namespace {

void BM_PreviewButtonToBasicPage(benchmark::State& state)
{
    const bool match = state.range(0) != 0;
    const bool hindi = state.range(1) != 0;
    ResetProgramState();
    Program().ProgramFolder = bench::ProgramFolder();
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

// The main window shown, on the program's own databases, with the zones of
// the most and of the fewest places.
class ShownWindow {
public:
    explicit ShownWindow(benchmark::State& state)
    {
        ResetProgramState();
        Program().ProgramFolder = bench::ProgramFolder();
        window_ = std::make_unique<frmMain>(StartupOptions{settings_.filePath(QStringLiteral("settings.ini")), 0});
        if (!window_->Form_Load()) {
            state.SkipWithError("the program's databases cannot be opened");
            return;
        }
        Recordset rs(DatDatabase(), "Select [Country ID], Count(*) As n From Places Group By [Country ID] "
                                    "Order By n Desc");
        largest_ = rs.Field("Country ID").Int();
        places_ = rs.Field("n").Int();
        for (; !rs.Eof(); rs.MoveNext())
            smallest_ = rs.Field("Country ID").Int();
        window_->show();
        window_->activateWindow();
        if (!QTest::qWaitForWindowExposed(window_.get()))
            state.SkipWithError("the main window is not shown");
        state.counters["places"] = static_cast<double>(places_);
    }
    ~ShownWindow()
    {
        window_.reset();
        CloseReferenceDatabases();
    }
    ShownWindow(const ShownWindow&) = delete;
    ShownWindow& operator=(const ShownWindow&) = delete;

    bool Loaded() const { return largest_ != 0; }
    frmMain& Window() { return *window_; }
    // Chooses the zone in the first person's zone picker and lets the window
    // draw itself.
    void ChooseZone(bool largest)
    {
        PickerBox* zones = window_->cmbZones[0];
        zones->setCurrentIndex(zones->findData(QVariant::fromValue(largest ? largest_ : smallest_)));
        QApplication::processEvents();
    }

private:
    QTemporaryDir settings_;
    CollectingReporter messages_;
    ScopedReporter quiet_{messages_};
    std::unique_ptr<frmMain> window_;
    long long largest_ = 0;
    long long smallest_ = 0;
    long long places_ = 0;
};

// A zone change onto the zone with the most places: its places read from the
// database and put into the picker, the first shown with its coordinates.
void BM_PlacePickerZoneChange(benchmark::State& state)
{
    ShownWindow shown(state);
    if (!shown.Loaded())
        return;
    for (auto _ : state) {
        state.PauseTiming();
        shown.ChooseZone(false);
        state.ResumeTiming();
        shown.ChooseZone(true);
    }
    if (shown.Window().cmbPlaces[0]->count() == 0)
        state.SkipWithError("the largest zone's places were not listed");
}
BENCHMARK(BM_PlacePickerZoneChange)->Unit(benchmark::kMillisecond);

// One letter typed into the place picker of the largest zone: the list
// narrowed to the places whose names hold the text, and its popup drawn.
// The letter is the one most names hold (typed = -1: the longest list), or
// follows the first `typed` letters of the name in the middle of the list.
void BM_PlacePickerKeystroke(benchmark::State& state)
{
    const int letters = static_cast<int>(state.range(0));
    ShownWindow shown(state);
    if (!shown.Loaded())
        return;
    shown.ChooseZone(true);
    PickerBox* places = shown.Window().cmbPlaces[0];
    QString word = places->itemText(places->count() / 2).toLower();
    const int typed = std::max(letters, 0);
    if (letters < 0) {
        int most = -1;
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            int holding = 0;
            for (int row = 0; row < places->count(); ++row)
                holding += places->itemText(row).contains(QLatin1Char(letter), Qt::CaseInsensitive) ? 1 : 0;
            if (holding > most) {
                most = holding;
                word = QString(QLatin1Char(letter));
            }
        }
    }
    QLineEdit* box = places->lineEdit();
    places->setFocus(Qt::OtherFocusReason);
    long long matches = 0;
    for (auto _ : state) {
        state.PauseTiming();
        box->clear();
        QTest::keyClicks(box, word.left(typed));
        QApplication::processEvents();
        state.ResumeTiming();
        QTest::keyClick(box, word.at(typed).toLatin1());
        QApplication::processEvents();
        state.PauseTiming();
        matches = places->completer()->popup()->isVisible() ? places->completer()->completionModel()->rowCount() : -1;
        places->completer()->popup()->hide();
        state.ResumeTiming();
    }
    state.counters["matches"] = static_cast<double>(matches);
}
BENCHMARK(BM_PlacePickerKeystroke)->ArgName("typed")->Arg(-1)->Arg(0)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

// The place picker's own list opened (its arrow clicked) on the largest zone.
void BM_PlacePickerDropDown(benchmark::State& state)
{
    ShownWindow shown(state);
    if (!shown.Loaded())
        return;
    shown.ChooseZone(true);
    PickerBox* places = shown.Window().cmbPlaces[0];
    for (auto _ : state) {
        places->showPopup();
        QApplication::processEvents();
        state.PauseTiming();
        places->hidePopup();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlacePickerDropDown)->Unit(benchmark::kMillisecond);

// The places editor ("*") of the largest zone: opening on its first place,
// and Find with the first letters of a name.
void BM_PlacesEditorOfLargestZone(benchmark::State& state)
{
    ShownWindow shown(state);
    if (!shown.Loaded())
        return;
    shown.ChooseZone(true);
    const long long zone = shown.Window().cmbZones[0]->Key();
    for (auto _ : state) {
        CountriesTable().SetIndex("PrimaryKey");
        CountriesTable().Seek("=", {Value(zone)});
        frmPlaces editor(&shown.Window());
        editor.txtSearch->setText(QStringLiteral("Spring"));
        editor.cmdFind_Click();
        editor.cmdMove_Click(4);
        benchmark::DoNotOptimize(editor.txtCity->text());
    }
}
BENCHMARK(BM_PlacesEditorOfLargestZone)->Unit(benchmark::kMillisecond);

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
