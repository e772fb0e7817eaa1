// The Bhav page's table: each house's begin point (bhava sandhi) and middle
// (bhava madhya, the cusp) with sign, degrees, nakshatra and its lord.

#include "Frame.h"
#include "PositionTexts.h"
#include "TableRows.h"
#include "TablePages.h"
#include "calc/NameTables.h"
#include "calc/TextFormat.h"

#include <array>
#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace tarvik {

namespace {

// A cell of the table: its x (twips before scaling, from the left margin),
// its column's width, its top and its text.
struct Cell {
    int x, width, y;
    std::string text;
};

// Sign, degrees, nakshatra and nakshatra lord of one point, from x offset
// `from` (twips before scaling, added to the left margin); the last column
// runs to the next block of the table or to the edge of the frame. Names
// print whole.
void addPoint(std::vector<Cell>& cells, double longitude, int from, int y, const PageContext& page)
{
    const ZodiacPlace place = PlaceOf(longitude);
    cells.push_back({from, 1000, y, SignText(place.sign, page.texts)});
    cells.push_back({from + 1000, 800, y, FormatDMS(longitude, page.choices.colon)});
    cells.push_back({from + 1800, 1500, y, page.Dict(NakshatraKeys(place.nakshatra))});
    cells.push_back({from + 3300, 1400, y, StarLordText(place.nakshatra, page.texts)});
}

} // namespace

void PrintBhavTable(Surface& surface, const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const ChartState& chart = page.chart;
    const double scale = layout.scale;
    const int left = layout.leftMargin;

    int y = static_cast<int>(surface.CurrentY + layout.lineStep);
    PrintHeading(JoinedTexts(page.texts, {"_NIRAYANA", "BHAV", "SPASHT"}), surface, y, layout);
    y = static_cast<int>(surface.CurrentY);

    surface.Font.Size = layout.bodyFontSize * scale;
    surface.Font.Bold = true;
    const auto rules = [&](int at) {
        surface.Line(left + 300, at, left + 4500, at);
        surface.Line(left + 5000, at, left + 9200, at);
    };
    rules(y);
    y += 50;
    PrintAt(surface, static_cast<int>((left + 2000) * scale), y, JoinedTexts(page.texts, {"BHAV", "BEGIN"}));
    PrintAt(surface, static_cast<int>((left + 6750) * scale), y, JoinedTexts(page.texts, {"BHAV", "MIDDLE"}));
    y = static_cast<int>(surface.CurrentY + 50);
    rules(y);
    surface.Font.Bold = false;
    y += static_cast<int>(layout.lineStep);

    std::vector<Cell> cells;
    for (int house = 1; house <= 12; ++house) {
        cells.push_back({0, 300, y, ZeroPad(house, 2)});
        addPoint(cells, chart.BhavaSandhi[house], 300, y, page);
        addPoint(cells, chart.HouseCusps[house], 5000, y, page);
        y += static_cast<int>(layout.lineStep);
    }
    // One size for the table: where a name is too wide for its column, the
    // whole table is set smaller with it.
    double size = surface.Font.Size;
    for (const Cell& cell : cells)
        size = std::min(size, ColumnSize(surface, std::span(&cell.text, 1), cell.width * scale, page));
    for (const Cell& cell : cells)
        PrintInSize(surface, static_cast<int>((left + cell.x) * scale), cell.y, cell.text, size);
}

} // namespace tarvik
