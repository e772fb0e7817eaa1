// The Ashtakvarga page: the bindus of the seven planets per sign with their
// totals, the same after the trikona and the ekadhipatya reductions, and the
// shodhya pinda of each planet.

#include "Ashtakavarga.h"
#include "Frame.h"
#include "PositionTexts.h"
#include "TableRows.h"
#include "TablePages.h"
#include "calc/NameTables.h"
#include "calc/TextFormat.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace tarvik {

namespace {

// One table of bindus at y: sign names, the seven planets' rows with their
// totals, and the row of column totals with the grand total; y moves below it.
void printBindus(Surface& surface, const AshtakTable& table, int& y, const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const double scale = layout.scale;
    const int left = layout.leftMargin;
    // The grid's cells are gathered first and set in one size, so that a
    // caption too wide for its column does not stand smaller than the rest.
    struct Cell {
        int column, y;
        std::string text;
        bool italic;
    };
    std::vector<Cell> cells;
    const auto cell = [&](int c, int atY, const std::string& text, bool italic) {
        cells.push_back({c, atY, text, italic});
    };
    const auto label = [&](int atY, const std::string& text, bool italic) {
        surface.Font.Italic = italic;
        PrintAt(surface, static_cast<int>(left * scale), atY, text);
        surface.Font.Italic = false;
    };

    for (int c = 0; c < 12; ++c)
        cell(c, y, EnglishCut(SignText(c + 1, page.texts), 4, page.choices), false);
    cell(12, y, page.Dict("TOTAL"), true);
    y += static_cast<int>(layout.lineStep);

    std::array<int, 12> columnTotals{};
    for (int p = 0; p < AshtakPlanets; ++p) {
        label(y, page.Dict(BodyNames[BodyDisplayOrder[p + 2]]), false);
        int rowTotal = 0;
        for (int c = 0; c < 12; ++c) {
            cell(c, y, SpacePad(table[p][c], 2), false);
            rowTotal += table[p][c];
            columnTotals[c] += table[p][c];
        }
        cell(12, y, SpacePad(rowTotal, 3), true);
        y += static_cast<int>(layout.lineStep);
    }
    label(y, page.Dict("TOTAL"), true);
    int grandTotal = 0;
    for (int c = 0; c < 12; ++c) {
        cell(c, y, SpacePad(columnTotals[c], 2), true);
        grandTotal += columnTotals[c];
    }
    cell(12, y, SpacePad(grandTotal, 3), true);
    y += static_cast<int>(layout.lineStep);

    double size = surface.Font.Size;
    for (bool italic : {false, true}) {
        std::vector<std::string> texts;
        for (const Cell& c : cells)
            if (c.italic == italic)
                texts.push_back(c.text);
        surface.Font.Italic = italic;
        size = std::min(size, ColumnSize(surface, texts, 550 * scale, page));
    }
    for (const Cell& c : cells) {
        surface.Font.Italic = c.italic;
        PrintInSize(surface, static_cast<int>((left + 600 + c.column * 550) * scale), c.y, c.text, size);
    }
    surface.Font.Italic = false;
}

void nextHeading(Surface& surface, std::string_view title, int& y, const PageLayout& layout)
{
    y += static_cast<int>(layout.lineStep * 1.25);
    PrintHeading(title, surface, y, layout);
    y = static_cast<int>(surface.CurrentY);
}

void printPindas(Surface& surface, const std::array<ShodhyaPinda, AshtakPlanets>& pindas, int y,
                 const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const double scale = layout.scale;
    const int left = layout.leftMargin;
    const auto column = [&](int r, std::initializer_list<std::string> texts) {
        surface.CurrentY = y;
        for (const std::string& text : texts) {
            surface.CurrentX = left * scale + ((r + 1) * 900 + (r < 0 ? 0 : 750)) * scale;
            surface.Print(text);
        }
    };
    const auto pinda = [&](std::string_view key) { return page.Dict(key) + " " + page.Dict("PINDA"); };
    column(-1, {"", pinda("RASHI"), pinda("PLANET"), pinda("SHODHYA")});
    for (int r = 0; r < AshtakPlanets; ++r) {
        column(r, {page.Dict(BodyKeys[BodyDisplayOrder[r + 2]]), SpacePad(pindas[r].rashi, 3),
                   SpacePad(pindas[r].graha, 3), SpacePad(pindas[r].Total(), 3)});
    }
}

} // namespace

void PrintAshtakvargaPage(Surface& surface, const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const AshtakSigns signs = AshtakavargaSigns(page.chart);
    const AshtakTable bindus = AshtakavargaBindus(signs);
    const AshtakTable trikona = TrikonaReduced(bindus);
    const AshtakTable ekadhipatya = EkadhipatyaReduced(trikona, OccupiedBy(signs));

    int y = static_cast<int>(layout.topMargin * layout.scale);
    PrintHeading(page.Dict("Ashtak"), surface, y, layout);
    y = static_cast<int>(surface.CurrentY);
    printBindus(surface, bindus, y, page);

    nextHeading(surface, page.Dict("Trikon"), y, layout);
    printBindus(surface, trikona, y, page);

    nextHeading(surface, page.Dict("Ekadh"), y, layout);
    printBindus(surface, ekadhipatya, y, page);

    nextHeading(surface, page.Dict("SHODHYA") + " " + page.Dict("PINDA"), y, layout);
    printPindas(surface, ShodhyaPindas(ekadhipatya, signs), y, page);
}

} // namespace tarvik
