// The KP cusp table: every bhava cusp with its sign, degrees, nakshatra,
// pada and its sign, star and sub lords.

#include "Frame.h"
#include "PositionTables.h"
#include "PositionTexts.h"
#include "TableRows.h"
#include "TablePages.h"
#include "calc/Angles.h"
#include "calc/TextFormat.h"
#include "core/State.h"
#include "refdata/TextLookup.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {

constexpr double RowPitch = 250;
constexpr int PrintedRows = 13;   // the twelve cusps and an empty row under them

} // namespace

CuspTableCells CuspTableCellsOf(const RunChoices& choices)
{
    const ChartState& chart = Chart();
    CuspTableCells cells;
    for (int k = 1; k <= 12; ++k) {
        const double c = ReduceDegrees(chart.KPCusps[k - 1]);
        const ZodiacPlace place = PlaceOf(c);
        cells[k - 1] = {ZeroPad(k, 2),
                        SignText(place.sign),
                        FormatDMS(c, choices.colon),
                        "",
                        NumberedNakshatraText(place.nakshatra),
                        std::to_string(place.pada),
                        SignLordText(place.sign),
                        StarLordText(place.nakshatra),
                        SubLordText(c, choices)};
    }
    return cells;
}

// The caller frames the KP page once; the table goes below its heading.
void PrintCuspTable(Surface& surface, int, bool, int& y, const RunChoices& choices)
{
    static constexpr std::array<double, CuspColumns> offsets = {0,    800,  2000, 0,   3200,
                                                                4900, 5500, 6700, 7800};
    const RunValues& run = OutputRun();
    CuspTableCells cells = CuspTableCellsOf(choices);
    const std::array<std::string, CuspColumns> headers = {
        Dict("BHAV"), Dict("RASHI"), Dict("ANSH"), "", Dict("NAKSHATRA"),
        Dict("PAD"),  Dict("_RL"),   Dict("_NL"),  Dict("_SL")};

    surface.CurrentY = y;
    int headingY = y;
    PrintHeading(Dict("_NIRAYANA") + " " + Dict("BHAV"), surface, headingY);
    y = static_cast<int>(surface.CurrentY);

    PrintCaptions(surface, headers, offsets, y);

    y = static_cast<int>(std::lround(y + run.LineStep));
    // Devanagari's vowel signs above and below need the Hindi line step
    // between rows, or one row's signs touch the next row's. The nakshatras
    // whole, the column smaller where a name would run into the pada; under
    // the twelve cusps an empty row.
    const double pitch = std::max(RowPitch, run.LineStep);
    PrintTableRows(surface, cells, cells.size(), offsets, y, pitch,
                   {{4, (offsets[5] - offsets[4]) * run.OutputScale}}, choices);
    surface.CurrentY = y + pitch * (PrintedRows - 1) + surface.LineHeight();
}

} // namespace tarvik
