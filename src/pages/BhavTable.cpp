// The Bhav page's table: each house's begin point (bhava sandhi) and middle
// (bhava madhya, the cusp) with sign, degrees, nakshatra and its lord.

#include "Frame.h"
#include "PositionTexts.h"
#include "TableRows.h"
#include "TablePages.h"
#include "calc/NameTables.h"
#include "calc/TextFormat.h"
#include "core/State.h"
#include "refdata/TextLookup.h"

#include <array>
#include <string>

namespace tarvik {

namespace {

std::string joined(std::initializer_list<std::string_view> keys)
{
    std::string s;
    for (std::string_view key : keys)
        s += (s.empty() ? "" : " ") + GetDictText(key);
    return s;
}

// Sign, degrees, nakshatra and nakshatra lord of one point, from x offset
// `from` (twips before scaling, added to the left margin); the last column
// runs to the next block of the table or to the edge of the frame. Names
// print whole; a name wider than its column is set smaller.
void printPoint(Surface& surface, double longitude, int from, int y)
{
    const double scale = OutputRun().OutputScale;
    const int left = Config().LeftMarginTwips;
    const ZodiacPlace place = PlaceOf(longitude);
    struct Cell {
        int offset, width;
        std::string text;
    };
    const std::array<Cell, 4> cells = {{
        {0, 1000, SignText(place.sign)},
        {1000, 800, FormatDMS(longitude, OutputRun().PunctColon)},
        // A two-word nakshatra too wide for its column is written "U. Bhadrapada".
        {1800, 1500, FitCell(surface, GetDictText(NakshatraKeys(place.nakshatra)),
                             (1500 - ColumnGap) * scale)},
        {3300, 1400, StarLordText(place.nakshatra)},
    }};
    for (const Cell& cell : cells)
        PrintInColumn(surface, static_cast<int>((left + from + cell.offset) * scale), y, cell.text,
                      cell.width * scale);
}

} // namespace

void PrintBhavTable(Surface& surface)
{
    const RunValues& run = OutputRun();
    const ChartState& chart = Chart();
    const double scale = run.OutputScale;
    const int left = Config().LeftMarginTwips;

    int y = static_cast<int>(surface.CurrentY + run.LineStep);
    PrintHeading(joined({"_NIRAYANA", "BHAV", "SPASHT"}), surface, y);
    y = static_cast<int>(surface.CurrentY);

    surface.Font.Size = run.BodyFontSize * scale;
    surface.Font.Bold = true;
    const auto rules = [&](int at) {
        surface.Line(left + 300, at, left + 4500, at);
        surface.Line(left + 5000, at, left + 9200, at);
    };
    rules(y);
    y += 50;
    PrintAt(surface, static_cast<int>((left + 2000) * scale), y, joined({"BHAV", "BEGIN"}));
    PrintAt(surface, static_cast<int>((left + 6750) * scale), y, joined({"BHAV", "MIDDLE"}));
    y = static_cast<int>(surface.CurrentY + 50);
    rules(y);
    surface.Font.Bold = false;
    y += static_cast<int>(run.LineStep);

    for (int house = 1; house <= 12; ++house) {
        PrintInColumn(surface, static_cast<int>(left * scale), y, ZeroPad(house, 2), 300 * scale);
        printPoint(surface, chart.BhavaSandhi[house], 300, y);
        printPoint(surface, chart.HouseCusps[house], 5000, y);
        y += static_cast<int>(run.LineStep);
    }
}

} // namespace tarvik
