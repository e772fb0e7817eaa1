// The KP cusp table: every bhava cusp with its sign, degrees, nakshatra,
// pada and its sign, star and sub lords.

#include "Frame.h"
#include "PositionTables.h"
#include "PositionTexts.h"
#include "TableRows.h"
#include "TablePages.h"
#include "calc/Angles.h"
#include "calc/TextFormat.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {

constexpr double RowPitch = 250;
constexpr int PrintedRows = 13;   // the twelve cusps and an empty row under them

} // namespace

CuspTableCells CuspTableCellsOf(const KPCuspChart& kp, const PageContext& page)
{
    CuspTableCells cells;
    for (int k = 1; k <= 12; ++k) {
        const double c = ReduceDegrees(kp.cusps[k - 1]);
        const ZodiacPlace place = PlaceOf(c);
        cells[k - 1] = {ZeroPad(k, 2),
                        SignText(place.sign, page.texts),
                        FormatDMS(c, page.choices.colon),
                        "",
                        NumberedNakshatraText(place.nakshatra, page.texts),
                        std::to_string(place.pada),
                        SignLordText(place.sign, page.texts),
                        StarLordText(place.nakshatra, page.texts),
                        SubLordText(c, page.choices)};
    }
    return cells;
}

// The caller frames the KP page once; the table goes below its heading.
void PrintCuspTable(Surface& surface, const PageContext& page, const KPCuspChart& kp, int& y)
{
    static constexpr std::array<double, CuspColumns> offsets = {0,    800,  2000, 0,   3200,
                                                                4900, 5500, 6700, 7800};
    const PageLayout& layout = page.layout;
    CuspTableCells cells = CuspTableCellsOf(kp, page);
    const std::array<std::string, CuspColumns> headers = {
        page.Dict("BHAV"), page.Dict("RASHI"), page.Dict("ANSH"), "", page.Dict("NAKSHATRA"),
        page.Dict("PAD"),  page.Dict("_RL"),   page.Dict("_NL"),  page.Dict("_SL")};

    surface.CurrentY = y;
    int headingY = y;
    PrintHeading(page.Dict("_NIRAYANA") + " " + page.Dict("BHAV"), surface, headingY, layout);
    y = static_cast<int>(surface.CurrentY);

    PrintCaptions(surface, headers, offsets, y, layout);

    y = static_cast<int>(std::lround(y + layout.lineStep));
    // Devanagari's vowel signs above and below need the Hindi line step
    // between rows, or one row's signs touch the next row's. The nakshatras
    // whole, the column smaller where a name would run into the pada; under
    // the twelve cusps an empty row.
    const double pitch = std::max(RowPitch, layout.lineStep);
    PrintTableRows(surface, cells, cells.size(), offsets, y, pitch,
                   {{4, (offsets[5] - offsets[4]) * layout.scale}}, page);
    surface.CurrentY = y + pitch * (PrintedRows - 1) + surface.LineHeight();
}

} // namespace tarvik
