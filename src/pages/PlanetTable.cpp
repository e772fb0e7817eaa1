// The planet position tables: one person's on the Nirayana, Sayana and KP
// pages, both persons' on the match Nirayana page with their lagna and bhava
// chalit charts.

#include "ChartDrawing.h"
#include "ChartPages.h"
#include "Frame.h"
#include "Paragraphs.h"
#include "PositionTables.h"
#include "PositionTexts.h"
#include "SignColumns.h"
#include "TableRows.h"
#include "TablePages.h"
#include "TextFit.h"
#include "calc/Angles.h"
#include "calc/KPChart.h"
#include "calc/NameTables.h"
#include "calc/TextFormat.h"

#include <cmath>

namespace tarvik {

namespace {

constexpr int FirstMarkedRow = 3;     // Mars: the Lagna, Sun and Moon carry no marks
constexpr double RowPitch = 250;      // twips between the rows of one person's table

int bodyOfRow(int row) { return BodyDisplayOrder[row + 1]; }

double longitudeOfRow(const std::array<double, 27>& longitudes,
                      const std::array<double, 13>& cusps, int row)
{
    const int body = bodyOfRow(row);
    return body == Lagna ? cusps[1] : longitudes[body];
}

bool retrogradeRow(const std::array<double, 27>& longitudes, int row)
{
    const int body = bodyOfRow(row);
    return row >= FirstMarkedRow && IsRetrograde(longitudes[body], longitudes[body + HourLater]);
}

// Where each column starts, twips from the left margin before scaling.
std::array<double, PlanetColumns> planetColumnOffsets(int mode, const PageContext& page)
{
    const bool hindi = page.choices.languageHindi;
    const bool kp = mode == KPTable;
    std::array<double, PlanetColumns> x = kp
        ? std::array<double, PlanetColumns>{0, 1000, 2000, 2900, 3450, 5200, 5700, 6400, 7100, 0, 0}
        : std::array<double, PlanetColumns>{100, 1200, 2300, 3300, 3950, 6000, 6800, 7500, 7100, 0, 0};
    if (hindi)
        x[4] += 300;
    x[9] = hindi ? 7600 : 7800;
    x[10] = (hindi ? 8400 : 8300) + (kp ? -500 : -200);
    return x;
}

std::array<std::string, PlanetColumns> planetHeaders(int mode, const PageContext& page)
{
    return {page.Dict("PLANET"), page.Dict("RASHI"), page.Dict("ANSH"), page.Dict("DIR"), page.Dict("NAKSHATRA"),
            page.Dict("PAD"),    page.Dict("RL"),    page.Dict("NL"),   mode == KPTable ? page.Dict("SL") : "",
            "",             page.Dict("_COM")};
}

std::string positionsHeading(std::string_view positionsKey, const PageContext& page)
{
    return page.Dict(positionsKey) + " " + page.Dict("SPASHT");
}

// One person's match columns: sign-lord, degrees and retrograde mark,
// nakshatra-pada.
void fillMatchPerson(MatchTableCells& cells, int firstColumn, const std::array<double, 27>& longitudes,
                     const std::array<double, 13>& cusps, const PageContext& page)
{
    const std::string& dash = page.choices.dash;
    for (int r = 0; r < PositionRows; ++r) {
        const double l = ReduceDegrees(longitudeOfRow(longitudes, cusps, r));
        const ZodiacPlace place = PlaceOf(l);
        const int lord = BodyDisplayOrder[SignLords[place.sign]];
        auto& row = cells[r];
        row[firstColumn] =
            EnglishCut(SignText(place.sign, page.texts), 4, page.choices) + dash + page.Dict(BodyNames[lord]);
        row[firstColumn + 1] =
            FormatDMS(l, page.choices.colon) + (retrogradeRow(longitudes, r) ? page.Dict("_RET") : "");
        row[firstColumn + 2] =
            page.Dict(NakshatraKeys(place.nakshatra)) + dash + std::to_string(place.pada);
    }
}

} // namespace

PlanetTableCells PlanetTableCellsOf(int mode, const ChartState& chart, const PageContext& page)
{
    const std::array<double, 27>& sidereal = chart.PlanetLongitudes;
    const double kpShift = KPShiftOf(chart);
    PlanetTableCells cells;
    for (int r = 0; r < PositionRows; ++r) {
        const int body = bodyOfRow(r);
        double l = longitudeOfRow(sidereal, chart.HouseCusps, r);
        if (mode == TropicalTable)
            l += sidereal[AyanamsaSlot];
        else if (mode == KPTable)
            l += kpShift;
        l = ReduceDegrees(l);
        const ZodiacPlace place = PlaceOf(l);

        auto& row = cells[r];
        row[0] = page.Dict(BodyKeys[body]);
        row[1] = SignText(place.sign, page.texts);
        row[2] = FormatDMS(l, page.choices.colon);
        row[3] = retrogradeRow(sidereal, r) ? page.Dict("_RET") : "";
        row[4] = NumberedNakshatraText(place.nakshatra, page.texts);
        row[5] = std::to_string(place.pada);
        row[6] = EnglishCut(SignLordText(place.sign, page.texts), 3, page.choices);
        row[7] = EnglishCut(StarLordText(place.nakshatra, page.texts), 3, page.choices);
        row[8] = mode == KPTable ? EnglishCut(SubLordText(l, page.choices), 3, page.choices) : "";
        // The nodes are points of the Moon's orbit, not bodies lit by the Sun:
        // they are never combust.
        const bool node = body == Rahu || body == Ketu;
        const bool combust = r >= FirstMarkedRow && !node && IsCombust(sidereal[Sun], sidereal[body]);
        row[10] = combust ? page.Dict("_COM") : "";
    }
    return cells;
}

void PrintPlanetTable(Surface& surface, const PageContext& page, int mode, const ChartState& chart)
{
    const PageLayout& layout = page.layout;
    PrintPageFrame(surface, page);
    PlanetTableCells cells = PlanetTableCellsOf(mode, chart, page);
    const auto offsets = planetColumnOffsets(mode, page);
    const auto headers = planetHeaders(mode, page);

    int y = static_cast<int>(surface.CurrentY);
    if (mode == KPTable) {
        PrintHeading(page.Dict("_KP"), surface, y, layout);
        PrintPredictionParagraph(surface, layout, "");
        PrintPredictionParagraph(surface, layout, "");
    } else {
        PrintHeading(positionsHeading(mode == TropicalTable ? "SAYANBHAV" : "NIRYANABHAV", page),
                     surface, y, layout);
    }

    const double top = surface.CurrentY;
    PrintCaptions(surface, headers, offsets, top, layout);
    // The nakshatras whole, the column smaller where a name would run into the pada.
    PrintTableRows(surface, cells, PositionRows, offsets, top + layout.lineStep, RowPitch,
                   {{4, (offsets[5] - offsets[4]) * layout.scale}}, page);
    // Under the table, the nodes and the ayanamsa the positions are reckoned
    // with: the K.P. one on the KP page.
    PrintReckoningLines(surface, TableLeft(layout), surface.CurrentY,
                        mode == KPTable ? KPAyanamsaLine(page) : ChartAyanamsaLine(page, chart), page);
}

MatchTableCells MatchNirayanaCells(const PageContext& page)
{
    const ChartState& chart = page.chart;
    const MatchCopies& match = page.match;
    MatchTableCells cells;
    for (int r = 0; r < PositionRows; ++r)
        cells[r][0] = page.Dict(BodyNames[bodyOfRow(r)]);
    fillMatchPerson(cells, 1, chart.PlanetLongitudes, chart.HouseCusps, page);
    fillMatchPerson(cells, 4, match.PartnerLongitudes, match.PartnerCusps, page);
    return cells;
}

void PrintMatchNirayanaPage(Surface& surface, const PageContext& page)
{
    constexpr int PrintedRows = 10;   // the Lagna to Ketu
    static constexpr std::array<double, MatchColumns> offsets = {0, 800, 1900, 3100, 5000, 6100, 7300};

    PrintPageFrame(surface, page);
    const PageLayout& layout = page.layout;
    MatchTableCells cells = MatchNirayanaCells(page);
    const std::string signLord = page.Dict("RASHI") + page.choices.dash + page.Dict("LORD");
    const std::string nakshatraPada = page.Dict("NAKSHATRA") + page.choices.dash + page.Dict("PAD");
    const std::array<std::string, MatchColumns> headers = {
        page.Dict("PLANET"), signLord, page.Dict("ANSH"), nakshatraPada, signLord, page.Dict("ANSH"), nakshatraPada};

    int y = static_cast<int>(surface.CurrentY);
    PrintHeading(positionsHeading("NIRYANABHAV", page), surface, y, layout);
    double top = surface.CurrentY;
    // Over each person's columns, the person: the boy's, then the girl's.
    const double scale = layout.scale;
    const std::string persons[2] = {MatchPersonLabel(page.births.Native.Name, false, page.texts),
                                    MatchPersonLabel(page.births.Partner.Name, true, page.texts)};
    const double left = TableLeft(layout);
    const double groupX[2] = {left + offsets[1] * scale, left + offsets[4] * scale};
    const double groupRoom[2] = {(offsets[4] - offsets[1] - ColumnGap) * scale, PageBodyRight(layout) - groupX[1]};
    const TextFont body = surface.Font;
    surface.Font.Name = layout.englishFontName;
    surface.Font.Bold = true;
    const double nameSize = layout.englishFontSize * scale;
    double heads = 0;
    for (int k = 0; k < 2; ++k) {
        const FittedText name = FitTypedText(surface, persons[k], groupRoom[k], nameSize, TypedTextFloor(nameSize));
        PrintFittedText(surface, name, groupX[k], top);
        heads = std::max(heads, name.Height());
    }
    surface.Font = body;
    top += heads;
    PrintCaptions(surface, headers, offsets, top, layout);

    // The nakshatras whole, both persons' in one size, that a name reads the
    // same in both columns.
    const double rowsTop = top + 300 * scale;
    PrintTableRows(surface, cells, PrintedRows, offsets, rowsTop, layout.lineStep,
                   {{3, (offsets[4] - offsets[3]) * scale}, {6, PageBodyRight(layout) - left - offsets[6] * scale}},
                   page);
    surface.CurrentY = rowsTop + PrintedRows * layout.lineStep;
    PrintReckoningLines(surface, left, surface.CurrentY, ChartAyanamsaLine(page, page.chart), page);

    const ChartState& chart = page.chart;
    const MatchCopies& match = page.match;
    const std::string lagnaTitle = page.Dict("_LAGNATARVIK");
    DrawChart(surface, page, SignsOfColumn(match.NativeSaptavargaSigns, 1), lagnaTitle, true, LeftChart, nullptr,
              persons[0]);
    DrawChart(surface, page, SignsOfColumn(match.PartnerSaptavargaSigns, 1), lagnaTitle, true, RightChart, nullptr,
              persons[1]);
    surface.CurrentY += 4300;

    const std::string chalitTitle = page.Dict("_NIRAYANA") + " " + page.Dict("_BHAVACHALIT");
    DrawChart(surface, page,
              BhavaChart(chart.HouseCusps, chart.PlanetLongitudes, match.NativeSaptavargaSigns[1][1]), chalitTitle,
              false, LeftChart, nullptr, persons[0]);
    DrawChart(surface, page,
              BhavaChart(match.PartnerCusps, match.PartnerLongitudes, match.PartnerSaptavargaSigns[1][1]),
              chalitTitle, false, RightChart, nullptr, persons[1]);
}

} // namespace tarvik
