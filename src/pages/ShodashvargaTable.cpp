#include "ShodashvargaTable.h"

#include "Frame.h"
#include "PositionTexts.h"
#include "TableRows.h"
#include "TablePages.h"
#include "calc/NameTables.h"
#include "core/State.h"
#include "refdata/TextLookup.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tarvik {

namespace {

constexpr int VargaCount = 16;
constexpr int TableBodies = 10;   // Lagna .. Ketu
constexpr int Taras = 9;
constexpr double LabelGap = 120;   // twips between a varga's name and the first sign

void printTaraChakra(Surface& surface, int y, const RunChoices& choices)
{
    const RunValues& run = OutputRun();
    const int left = Config().LeftMarginTwips;
    PrintHeading(GetDictText("TARACHAKRA"), surface, y);
    surface.Font.Size = run.BodyFontSize - 1;
    y += static_cast<int>(run.LineStep);

    const int moon = PlaceOf(Chart().PlanetLongitudes[Moon]).nakshatra;
    std::vector<std::string> captions;
    for (int c = 0; c < Taras; ++c)
        captions.push_back(GetDictText("TARA" + std::to_string(c + 1)));
    std::vector<std::string> cells;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < Taras; ++c)
            cells.push_back(EnglishCut(GetDictText(NakshatraKeys(TaraNakshatra(moon, r, c))), 10, choices));
    // One table, one size: where a name would run into the next column,
    // the whole chakra is set smaller, its captions with it.
    surface.Font.Bold = true;
    double size = ColumnSize(surface, captions, 1000, choices);
    surface.Font.Bold = false;
    size = std::min(size, ColumnSize(surface, cells, 1000, choices));

    surface.Font.Bold = true;
    for (int c = 0; c < Taras; ++c)
        PrintInSize(surface, left + 1000 * c, y, captions[static_cast<std::size_t>(c)], size);
    surface.Font.Bold = false;
    y += static_cast<int>(2 * run.LineStep);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < Taras; ++c)
            PrintInSize(surface, left + 1000 * c, y, cells[static_cast<std::size_t>(Taras * r + c)], size);
        y += static_cast<int>(run.LineStep);
    }
    surface.Font.Size = run.BodyFontSize * run.OutputScale;
}

} // namespace

int TaraNakshatra(int moonNakshatra, int row, int column)
{
    int n = moonNakshatra + Taras * row + column;
    while (n > 27)
        n -= 27;
    return n;
}

void PrintShodashvargaTable(Surface& surface, const RunChoices& choices)
{
    const RunValues& run = OutputRun();
    const ChartState& chart = Chart();
    const double scale = run.OutputScale;
    const int left = Config().LeftMarginTwips;
    int y = static_cast<int>(surface.CurrentY + (choices.languageHindi ? 1000 : 2500));
    PrintHeading(GetDictText("SHODASHVARGA"), surface, y);
    y = static_cast<int>(surface.CurrentY);

    // The body columns stand 700 twips apart from 1400 twips on, or further
    // right when a varga's name needs the room.
    std::array<std::string, VargaCount + 1> labels;
    double widest = 0;
    for (int v = 1; v <= VargaCount; ++v) {
        labels[v] = GetDictText("DIV" + chart.ShodashVargaNames[v]);
        widest = std::max(widest, surface.TextWidth(labels[v]));
    }
    const double firstColumn = std::max(1400 * scale, widest + LabelGap * scale);
    const double columnWidth = 700 * scale;
    const auto columnX = [&](int k) {
        return static_cast<int>(left * scale + firstColumn + (k - 1) * columnWidth);
    };

    surface.Font.Bold = true;
    for (int k = 1; k <= TableBodies; ++k)
        PrintInColumn(surface, columnX(k), y,
                      EnglishCut(GetDictText(BodyKeys[BodyDisplayOrder[k]]), 4, choices), columnWidth,
                      choices);
    y = static_cast<int>(surface.CurrentY + run.LineStep);
    surface.Font.Bold = false;

    for (int v = 1; v <= VargaCount; ++v) {
        PrintAt(surface, static_cast<int>(left * scale), y, labels[v]);
        for (int k = 1; k <= TableBodies; ++k)
            PrintInColumn(surface, columnX(k), y,
                          EnglishCut(SignText(chart.ShodashVargaSigns[v][k]), 4, choices), columnWidth,
                          choices);
        y += static_cast<int>(run.LineStep);
    }

    printTaraChakra(surface, y + 1000, choices);
}

} // namespace tarvik
