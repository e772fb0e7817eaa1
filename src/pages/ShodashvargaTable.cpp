#include "ShodashvargaTable.h"

#include "Frame.h"
#include "PositionTexts.h"
#include "TableRows.h"
#include "TablePages.h"
#include "calc/NameTables.h"

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

void printTaraChakra(Surface& surface, int y, const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const int left = layout.leftMargin;
    PrintHeading(page.Dict("TARACHAKRA"), surface, y, layout);
    surface.Font.Size = layout.bodyFontSize - 1;
    y += static_cast<int>(layout.lineStep);

    const int moon = PlaceOf(page.chart.PlanetLongitudes[Moon]).nakshatra;
    std::vector<std::string> captions;
    for (int c = 0; c < Taras; ++c)
        captions.push_back(page.Dict("TARA" + std::to_string(c + 1)));
    std::vector<std::string> cells;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < Taras; ++c)
            cells.push_back(EnglishCut(page.Dict(NakshatraKeys(TaraNakshatra(moon, r, c))), 10, page.choices));
    // One table, one size: where a name would run into the next column,
    // the whole chakra is set smaller, its captions with it.
    surface.Font.Bold = true;
    double size = ColumnSize(surface, captions, 1000, page);
    surface.Font.Bold = false;
    size = std::min(size, ColumnSize(surface, cells, 1000, page));

    surface.Font.Bold = true;
    for (int c = 0; c < Taras; ++c)
        PrintInSize(surface, left + 1000 * c, y, captions[static_cast<std::size_t>(c)], size);
    surface.Font.Bold = false;
    y += static_cast<int>(2 * layout.lineStep);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < Taras; ++c)
            PrintInSize(surface, left + 1000 * c, y, cells[static_cast<std::size_t>(Taras * r + c)], size);
        y += static_cast<int>(layout.lineStep);
    }
    surface.Font.Size = layout.bodyFontSize * layout.scale;
}

} // namespace

int TaraNakshatra(int moonNakshatra, int row, int column)
{
    int n = moonNakshatra + Taras * row + column;
    while (n > 27)
        n -= 27;
    return n;
}

void PrintShodashvargaTable(Surface& surface, const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const ChartState& chart = page.chart;
    const double scale = layout.scale;
    const int left = layout.leftMargin;
    int y = static_cast<int>(surface.CurrentY + (page.choices.languageHindi ? 1000 : 2500));
    PrintHeading(page.Dict("SHODASHVARGA"), surface, y, layout);
    y = static_cast<int>(surface.CurrentY);

    // The body columns stand 700 twips apart from 1400 twips on, or further
    // right when a varga's name needs the room.
    std::array<std::string, VargaCount + 1> labels;
    double widest = 0;
    for (int v = 1; v <= VargaCount; ++v) {
        labels[v] = page.Dict("DIV" + chart.ShodashVargaNames[v]);
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
                      EnglishCut(page.Dict(BodyKeys[BodyDisplayOrder[k]]), 4, page.choices), columnWidth,
                      page);
    y = static_cast<int>(surface.CurrentY + layout.lineStep);
    surface.Font.Bold = false;

    for (int v = 1; v <= VargaCount; ++v) {
        PrintAt(surface, static_cast<int>(left * scale), y, labels[v]);
        for (int k = 1; k <= TableBodies; ++k)
            PrintInColumn(surface, columnX(k), y,
                          EnglishCut(SignText(chart.ShodashVargaSigns[v][k], page.texts), 4, page.choices), columnWidth,
                          page);
        y += static_cast<int>(layout.lineStep);
    }

    printTaraChakra(surface, y + 1000, page);
}

} // namespace tarvik
