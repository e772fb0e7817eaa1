#include "ChartDrawing.h"

#include "BlockFit.h"
#include "ChartFrames.h"
#include "Frame.h"
#include "TableRows.h"
#include "TextFit.h"
#include "calc/NameTables.h"

#include <cmath>
#include <numbers>
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

ChartBox placeChart(const Surface& surface, const PageLayout& layout, int position)
{
    const double size = position == Centred ? 5500 : 4000;
    double x0 = std::round(layout.pageWidth / 2.0 - size / 2);
    if (position == LeftChart)
        x0 = layout.leftMargin * layout.scale;
    else if (position == RightChart)
        x0 = layout.pageWidth - layout.leftMargin - size;
    return {x0, surface.CurrentY, size, size / ChartDesignSize};
}

// How far a crowded house's names may shrink, as a share of their size.
constexpr double MinimumSizeShare = 0.6;
// Twips between a sign number's line and the sides of its house, and the
// blank the names keep from the number.
constexpr double NumberClearance = 10;
constexpr double NumberBlank = 60;
// The South frame's edge lies on the chart's edge: the chart starts this far
// below its title, clear of the title's descenders.
constexpr double SouthTitleGap = 12;

// The title of a person's chart and the person's name after it, on one
// line centred over the chart: the title in the current face, the name in
// the English face at the same height of letter.
void printTitleWithPerson(Surface& surface, const ChartBox& box, std::string_view title, std::string_view person,
                          const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const TextFont titleFont = surface.Font;
    TextFont nameFont = titleFont;
    nameFont.Name = layout.englishFontName;
    // The English face beside another is set at the share of the sizes the
    // pages give the two faces.
    const double nameShare = titleFont.Name == layout.englishFontName
                                 ? 1.0
                                 : static_cast<double>(layout.englishFontSize) / layout.bodyFontSize;
    const std::string head = std::string(title) + page.choices.colon + " ";
    const auto widthAt = [&](double size, const std::string& name) {
        surface.Font = titleFont;
        surface.Font.Size = size;
        double width = surface.TextWidth(head);
        surface.Font = nameFont;
        surface.Font.Size = size * nameShare;
        width += surface.TextWidth(name);
        return width;
    };
    const double floor = TypedTextFloor(titleFont.Size);
    std::string name(person);
    double size = titleFont.Size;
    const auto fits = [&] {
        const std::optional<double> fitting =
            FirstFittingSize(titleFont.Size, floor, [&](double s) { return widthAt(s, name) <= box.size; });
        size = fitting.value_or(floor);
        return fitting.has_value();
    };
    if (!fits()) {
        name = InitialsOfLeadingWords(name);
        if (!fits()) {
            // The name as far as it goes at the smallest size, and an ellipsis.
            surface.Font = titleFont;
            surface.Font.Size = floor;
            const double room = std::max(box.size - surface.TextWidth(head), 0.0);
            surface.Font = nameFont;
            const FittedText cut =
                FitTypedText(surface, name, room, floor * nameShare, floor * nameShare, surface.LineHeight());
            name = cut.lines.empty() ? "" : cut.lines.front();
        }
    }
    const double width = widthAt(size, name);
    const double y = box.y0;
    surface.Font = titleFont;
    surface.Font.Size = size;
    // Both parts stand on one baseline.
    const double ascent = surface.Ascent();
    const double lineBottom = y + surface.LineHeight();
    surface.CurrentX = std::round(box.x0 + (box.size - width) / 2);
    surface.CurrentY = y;
    surface.Print(head, KeepLine);
    const double nameX = surface.CurrentX;
    surface.Font = nameFont;
    surface.Font.Size = size * nameShare;
    surface.CurrentX = nameX;
    surface.CurrentY = y + ascent - surface.Ascent();
    surface.Print(name, KeepLine);
    surface.Font = titleFont;
    // The chart stands where it would under a title of the full size.
    surface.CurrentY = std::max(lineBottom, y + surface.LineHeight());
}

FittedBlock fitHouse(Surface& surface, const BlockRoom& room, const HouseText& text, bool hindi)
{
    const double size = surface.Font.Size;
    return FitBlock(surface, room, [&](int perLine) { return text.Lines(perLine); },
                    static_cast<int>(text.names.size()), size, MinimumSizeShare * size, 0,
                    hindi ? HindiPitchShare : 1);
}

double labelCentre(double origin, int offset, int extent, double f)
{
    return origin + offset * f + std::floor(extent / 2.0);
}

std::string houseNumberText(int house, int reference, const std::array<double, 13>* houseSigns)
{
    if (houseSigns)
        return " " + std::to_string(static_cast<int>(std::lround((*houseSigns)[house - 1])));
    int n = reference + house - 1;
    if (n > 12)
        n -= 12;
    return std::to_string(n);
}

void drawNorth(Surface& surface, const ChartBox& box, double top,
               const std::array<HouseText, 12>& texts, int reference, const std::array<double, 13>* houseSigns,
               const PageContext& page)
{
    const PageLayout& layout = page.layout;
    surface.PaintPicture(NorthChartFrame(), box.x0, top, box.size, box.size);
    const auto onPage = [&](DesignPoint p) { return DesignPoint{box.x0 + p.x * box.f, top + p.y * box.f}; };
    for (int h = 1; h <= 12; ++h) {
        // The sign number in the house's inner corner, as near it as the
        // house's two sides, 45 degrees either side of its axis, allow.
        const std::string bodyFace = surface.Font.Name;
        surface.Font.Name = layout.englishFontName;
        surface.Font.Size = layout.englishFontSize;
        const std::string number = houseNumberText(h, reference, houseSigns);
        const double width = surface.TextWidth(number);
        const double height = surface.LineHeight();
        const HouseAxis axis = NorthHouseAxis(h);
        const DesignPoint corner = onPage(axis.corner);
        const double reach = width / 2 + height / 2 + NumberClearance * std::numbers::sqrt2;
        const double nx = corner.x + axis.direction.x * reach;
        const double ny = corner.y + axis.direction.y * reach;
        surface.CurrentX = nx - width / 2;
        surface.CurrentY = ny - height / 2;
        surface.Print(number);
        surface.Font.Name = bodyFace;

        surface.Font.Size = layout.bodyFontSize - (page.choices.languageHindi ? 2 : 1);
        BlockRoom room;
        for (const DesignPoint& p : NorthHouseOutline(h))
            room.outline.push_back(onPage(p));
        room.keepClear.push_back({nx - width / 2 - NumberBlank, ny - height / 2 - NumberBlank,
                                  nx + width / 2 + NumberBlank, ny + height / 2 + NumberBlank});
        const LabelBox& b = NorthBodyBoxes[h - 1];
        room.centre = {labelCentre(box.x0, b.left, b.width, box.f), labelCentre(top, b.top, b.height, box.f)};
        room.from = corner;
        room.to = {corner.x + axis.direction.x * axis.reach * box.f,
                   corner.y + axis.direction.y * axis.reach * box.f};
        PrintFittedBlock(surface, fitHouse(surface, room, texts[h - 1], page.choices.languageHindi));
    }
}

void drawSouth(Surface& surface, const ChartBox& box, double top,
               const std::array<HouseText, 12>& texts, int reference, bool hindi)
{
    surface.PaintPicture(SouthChartFrame(), box.x0, top, box.size, box.size);
    const double cell = box.size / 4;
    for (int s = 1; s <= 12; ++s) {
        const double cx = box.x0 + SouthSignCells[s].column * cell;
        const double cy = top + SouthSignCells[s].row * cell;
        BlockRoom room;
        room.outline = {{cx, cy}, {cx + cell, cy}, {cx + cell, cy + cell}, {cx, cy + cell}};
        room.centre = room.from = room.to = {cx + cell / 2, cy + cell / 2};
        if (s == reference) {
            // The ascendant's mark: two strokes across the cell's corner,
            // which the names keep behind.
            surface.Line(cx + 300 * box.f, cy, cx, cy + 300 * box.f);
            surface.Line(cx + 350 * box.f, cy, cx, cy + 350 * box.f);
            room.halfPlanes.push_back({{cx + 350 * box.f, cy}, {std::numbers::sqrt2 / 2, std::numbers::sqrt2 / 2}});
        }
        PrintFittedBlock(surface, fitHouse(surface, room, texts[s - 1], hindi));
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
    names.emplace_back(name);
}

std::vector<std::string> HouseText::Lines(int perLine) const
{
    if (names.empty())
        return {};
    if (perLine <= 2)
        return {lines.begin(), lines.begin() + currentLine};
    std::vector<std::string> out((names.size() + perLine - 1) / perLine);
    for (std::size_t i = 0; i < names.size(); ++i)
        out[i / perLine] += " " + names[i];
    return out;
}

ChartSigns SignsOfColumn(const int (&table)[14][8], int column)
{
    ChartSigns signs{};
    for (int b = 1; b <= Pluto; ++b)
        signs[b] = table[b][column];
    return signs;
}

std::array<HouseText, 12> BuildHouseTexts(const ChartSigns& signs, bool withLagna, bool southStyle,
                                          const Texts& texts)
{
    std::array<HouseText, 12> houses{};
    const int reference = checkedSign(signs[1], 1);
    for (int b = withLagna ? 1 : 2; b <= Ketu; ++b) {
        const int sign = signs[b];
        const int entry = southStyle ? checkedSign(sign, b) : checkedSign(sign - reference + 1, b);
        houses[entry - 1].Add(texts.Dict(BodyNames[b]));
    }
    return houses;
}

void DrawChart(Surface& surface, const PageContext& page, const ChartSigns& signs, std::string_view title,
               bool withLagna, int position, const std::array<double, 13>* houseSigns, std::string_view person)
{
    const PageLayout& layout = page.layout;
    const bool south = layout.SouthStyle();
    const ChartBox box = placeChart(surface, layout, position);
    const int reference = checkedSign(signs[1], 1);
    const std::array<HouseText, 12> texts = BuildHouseTexts(signs, withLagna, south, page.texts);

    surface.Font.Bold = true;
    surface.CurrentY = box.y0;
    if (person.empty()) {
        surface.CurrentX = box.x0 + (box.size - surface.TextWidth(title)) / 2;
        surface.Print(title);
    } else {
        printTitleWithPerson(surface, box, title, person, page);
    }
    surface.Font.Bold = false;
    const double top = std::trunc(surface.CurrentY) + (south ? SouthTitleGap : 0);

    if (south)
        drawSouth(surface, box, top, texts, reference, page.choices.languageHindi);
    else
        drawNorth(surface, box, top, texts, reference, houseSigns, page);

    surface.Font.Size = layout.bodyFontSize;
    surface.CurrentY = top + box.size + std::floor(layout.lineStep * 1.5);
    if (position == LeftChart || position == RightChart)
        surface.CurrentY = box.y0;
}

} // namespace tarvik
