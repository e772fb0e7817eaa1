#include "AspectGrid.h"

#include "Frame.h"
#include "TablePages.h"
#include "calc/NameTables.h"
#include "calc/TextFormat.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarvik {

namespace {

struct AspectBand {
    int from, to;   // whole degrees, both included
    std::string_view code;
};

// Tried in order, the first band that holds the separation wins: one degree
// is the parallel before it counts as a conjunction.
constexpr std::array<AspectBand, 10> AspectBands = {{
    {1, 1, "PARL"},
    {0, 8, "CONJ"},
    {41, 49, "SSQR"},
    {52, 68, "SEXT"},
    {70, 74, "QUIN"},
    {82, 98, "SQUR"},
    {112, 128, "TRIN"},
    {132, 138, "SESQ"},
    {147, 153, "QUQU"},
    {172, 188, "OPPO"},
}};

constexpr int CellWidth = 675;
constexpr int RowHeight = 550;
constexpr int GridBodies = 12;   // Sun .. Pluto

// How far below its row's top a cell's aspect code stands, in the code's
// font: one line step, or less where that would take the code's line past
// the rule under the cell.
double codeDrop(Surface& surface, const PageLayout& layout)
{
    return std::min(layout.lineStep, (RowHeight - 30) * layout.scale - surface.LineHeight());
}

// The size of the codes: the English size, or less where the widest code
// would run past the rule on the right of its cell; one size for them all.
double codeSize(Surface& surface, const PageLayout& layout)
{
    const TextFont kept = surface.Font;
    surface.Font.Name = layout.englishFontName;
    surface.Font.Size = layout.englishFontSize * layout.scale;
    double widest = 0;
    for (const AspectBand& band : AspectBands)
        widest = std::max(widest, surface.TextWidth(band.code));
    const double room = (CellWidth - 100 - 40) * layout.scale;
    const double size = widest > room ? std::floor(surface.Font.Size * room / widest * 4) / 4
                                      : surface.Font.Size;
    surface.Font = kept;
    return size;
}

} // namespace

int AspectSeparation(double longitudeA, double longitudeB)
{
    // Whole degrees first, then the fold: a separation of 188.5 degrees is
    // 188, shown as 172.
    int degrees = static_cast<int>(std::floor(std::fmod(std::fabs(longitudeA - longitudeB), 360.0)));
    if (degrees > 180)
        degrees = 360 - degrees;
    return degrees;
}

std::string_view AspectCode(int degrees)
{
    for (const AspectBand& band : AspectBands)
        if (degrees >= band.from && degrees <= band.to)
            return band.code;
    return {};
}

void PrintAspectGrid(Surface& surface, const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const ChartState& chart = page.chart;
    const double scale = layout.scale;
    const int left = layout.leftMargin;

    int y = static_cast<int>(surface.CurrentY);
    PrintHeading(page.Dict("DRISHTI"), surface, y, layout);
    y = static_cast<int>(surface.CurrentY);

    // Column heads: the Moon to Pluto, each the later body of its column.
    surface.Font.Bold = true;
    for (int k = 0; k < GridBodies - 1; ++k) {
        surface.CurrentX = ((k + 1) * CellWidth + left) * scale;
        surface.CurrentY = y;
        surface.Print(page.Dict(BodyNames[BodyDisplayOrder[k + 3]]));
    }
    surface.Font.Bold = false;

    const double top = y - 30 * scale;
    for (int k = 0; k <= GridBodies; ++k) {
        const double x = (k * CellWidth + left - 100) * scale;
        surface.Line(x, top, x, top + GridBodies * RowHeight * scale);
    }
    for (int k = 0; k <= GridBodies; ++k) {
        const double rowTop = top + k * RowHeight * scale;
        surface.Line((left - 100) * scale, rowTop, (left + 8000) * scale, rowTop);
    }

    const double codes = codeSize(surface, layout);
    // Row i is the body at traditional position i + 1 (the Sun to Neptune);
    // its cells hold the later bodies only, the upper triangle of the grid.
    for (int i = 1; i < GridBodies; ++i) {
        const double rowY = y + i * RowHeight * scale;
        const int rowBody = BodyDisplayOrder[i + 1];
        SetBodyFont(surface, layout);
        surface.Font.Bold = true;
        surface.CurrentX = left * scale;
        surface.CurrentY = rowY;
        surface.Print(page.Dict(BodyNames[rowBody]));
        surface.Font.Bold = false;

        for (int j = i + 1; j <= GridBodies; ++j) {
            const int columnBody = BodyDisplayOrder[j + 1];
            const int d = AspectSeparation(chart.PlanetLongitudes[rowBody],
                                           chart.PlanetLongitudes[columnBody]);
            const double x = ((j - 1) * CellWidth + left) * scale;
            SetBodyFont(surface, layout);
            surface.CurrentX = x;
            surface.CurrentY = rowY;
            surface.Print(ZeroPad(d, 3));
            // The code one line step lower, but never past the foot of its cell.
            surface.Font.Name = layout.englishFontName;
            surface.Font.Size = codes;
            surface.CurrentX = x;
            surface.CurrentY = rowY + codeDrop(surface, layout);
            surface.Print(AspectCode(d));
        }
    }
    SetBodyFont(surface, layout);
    surface.CurrentX = 0;
    surface.CurrentY = top + GridBodies * RowHeight * scale;
}

} // namespace tarvik
