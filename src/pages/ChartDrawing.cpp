#include "ChartDrawing.h"

#include "ChartFrames.h"
#include "Frame.h"
#include "calc/NameTables.h"
#include "core/State.h"
#include "refdata/TextLookup.h"

#include <cmath>
#include <stdexcept>

namespace tarvik {

namespace {

// A sign or house number of a table in 1..12; a value further out means the
// table was never filled, which abandons the page instead of drawing nonsense.
int checkedSign(int value, int body)
{
    const int wrapped = WrapRange(value, 12);
    if (wrapped < 1 || wrapped > 12)
        throw std::out_of_range("sign " + std::to_string(value) + " of body " +
                                std::to_string(body) + " is outside 1..12");
    return wrapped;
}

struct ChartBox {
    double x0, y0;   // left edge, and the y the title starts at
    double size;     // twips
    double f;        // twips per design unit
};

ChartBox placeChart(const Surface& surface, int position)
{
    const RunValues& run = OutputRun();
    const double size = position == Centred ? 5500 : 4000;
    double x0 = std::round(run.PageWidth / 2.0 - size / 2);
    if (position == LeftChart)
        x0 = Config().LeftMarginTwips * run.OutputScale;
    else if (position == RightChart)
        x0 = run.PageWidth - Config().LeftMarginTwips - size;
    return {x0, surface.CurrentY, size, size / ChartDesignSize};
}

// Prints the lines one under the other, the block centred on (px, py).
void printBlock(Surface& surface, const HouseText& text, double px, double py)
{
    double height = 0;
    for (int i = 0; i < text.currentLine; ++i)
        height += surface.TextHeight(text.lines[i]);
    surface.CurrentY = py - height / 2;
    for (int i = 0; i < text.currentLine; ++i) {
        surface.CurrentX = px - surface.TextWidth(text.lines[i]) / 2;
        surface.Print(text.lines[i]);
    }
}

double labelCentre(double origin, int offset, int extent, double f)
{
    return origin + offset * f + std::floor(extent / 2.0);
}

std::string houseNumberText(int house, int reference, int houseNumbers)
{
    if (houseNumbers == KPSignNumbers)
        return " " + std::to_string(static_cast<int>(std::lround(Chart().KPHouseSigns[house - 1])));
    int n = reference + house - 1;
    if (n > 12)
        n -= 12;
    return std::to_string(n);
}

void drawNorth(Surface& surface, const ChartBox& box, double top,
               const std::array<HouseText, 12>& texts, int reference, int houseNumbers)
{
    const RunValues& run = OutputRun();
    surface.PaintPicture(NorthChartFrame(), box.x0, top, box.size, box.size);
    for (int h = 1; h <= 12; ++h) {
        surface.Font.Size = run.EnglishFontSize;
        const LabelBox& n = NorthHouseNumberBoxes[h - 1];
        const double nx = labelCentre(box.x0, n.left, n.width, box.f);
        const double ny = labelCentre(top, n.top, n.height, box.f);
        const std::string number = houseNumberText(h, reference, houseNumbers);
        surface.CurrentX = nx - std::floor(surface.TextWidth(number) / 2);
        surface.CurrentY = ny - std::floor(surface.TextHeight(number) / 2);
        surface.Print(number);

        surface.Font.Size = run.BodyFontSize - (run.LanguageHindi ? 2 : 1);
        const LabelBox& b = NorthBodyBoxes[h - 1];
        printBlock(surface, texts[h - 1], labelCentre(box.x0, b.left, b.width, box.f),
                   labelCentre(top, b.top, b.height, box.f));
    }
}

void drawSouth(Surface& surface, const ChartBox& box, double top,
               const std::array<HouseText, 12>& texts, int reference)
{
    surface.PaintPicture(SouthChartFrame(), box.x0, top, box.size, box.size);
    const double cell = std::floor(box.size / 4);
    for (int s = 1; s <= 12; ++s) {
        const double cx = box.x0 + SouthSignCells[s].column * cell;
        const double cy = top + SouthSignCells[s].row * cell;
        if (s == reference) {
            // The ascendant's mark: two strokes across the cell's corner.
            surface.Line(cx + 300 * box.f, cy, cx, cy + 300 * box.f);
            surface.Line(cx + 350 * box.f, cy, cx, cy + 350 * box.f);
        }
        printBlock(surface, texts[s - 1], cx + cell / 2, cy + cell / 2);
    }
}

} // namespace

void HouseText::Add(std::string_view name)
{
    if (count == 2) {
        count = 0;
        if (currentLine < 4)
            ++currentLine;
    }
    std::string& line = lines[currentLine - 1];
    line += ' ';
    line += name;
    ++count;
}

std::array<HouseText, 12> BuildHouseTexts(const ChartSignTable& table, int column, bool withLagna,
                                          bool southStyle)
{
    std::array<HouseText, 12> texts{};
    const int reference = checkedSign(table[1][column], 1);
    for (int b = withLagna ? 1 : 2; b <= Ketu; ++b) {
        const int sign = table[b][column];
        const int entry = southStyle ? checkedSign(sign, b) : checkedSign(sign - reference + 1, b);
        texts[entry - 1].Add(GetDictText(BodyNames[b]));
    }
    return texts;
}

void DrawChart(Surface& surface, int column, std::string_view title, bool withLagna,
               int position, const ChartSignTable* table, int houseNumbers)
{
    const RunValues& run = OutputRun();
    const ChartSignTable& signs = table ? *table : Chart().SaptavargaSigns;
    const bool south = run.ChartStyle == 1;
    const ChartBox box = placeChart(surface, position);
    const int reference = checkedSign(signs[1][column], 1);
    const std::array<HouseText, 12> texts = BuildHouseTexts(signs, column, withLagna, south);

    surface.Font.Bold = true;
    surface.CurrentY = box.y0;
    surface.CurrentX = box.x0 + (box.size - surface.TextWidth(title)) / 2;
    surface.Print(title);
    surface.Font.Bold = false;
    const double top = std::trunc(surface.CurrentY);

    if (south)
        drawSouth(surface, box, top, texts, reference);
    else
        drawNorth(surface, box, top, texts, reference, houseNumbers);

    surface.Font.Size = run.BodyFontSize;
    surface.CurrentY = top + box.size + std::floor(run.LineStep * 1.5);
    if (position == LeftChart || position == RightChart)
        surface.CurrentY = box.y0;
}

} // namespace tarvik
