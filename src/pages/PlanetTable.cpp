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
#include "core/State.h"
#include "refdata/TextLookup.h"

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
std::array<double, PlanetColumns> planetColumnOffsets(int mode, const RunChoices& choices)
{
    const bool hindi = choices.languageHindi;
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

std::array<std::string, PlanetColumns> planetHeaders(int mode)
{
    return {Dict("PLANET"), Dict("RASHI"), Dict("ANSH"), Dict("DIR"), Dict("NAKSHATRA"),
            Dict("PAD"),    Dict("RL"),    Dict("NL"),   mode == KPTable ? Dict("SL") : "",
            "",             Dict("_COM")};
}

std::string positionsHeading(std::string_view positionsKey)
{
    return Dict(positionsKey) + " " + Dict("SPASHT");
}

// One person's match columns: sign-lord, degrees and retrograde mark,
// nakshatra-pada.
void fillMatchPerson(MatchTableCells& cells, int firstColumn, const std::array<double, 27>& longitudes,
                     const std::array<double, 13>& cusps, const RunChoices& choices)
{
    const std::string& dash = choices.dash;
    for (int r = 0; r < PositionRows; ++r) {
        const double l = ReduceDegrees(longitudeOfRow(longitudes, cusps, r));
        const ZodiacPlace place = PlaceOf(l);
        const int lord = BodyDisplayOrder[SignLords[place.sign]];
        auto& row = cells[r];
        row[firstColumn] = EnglishCut(SignText(place.sign), 4, choices) + dash + Dict(BodyNames[lord]);
        row[firstColumn + 1] =
            FormatDMS(l, choices.colon) + (retrogradeRow(longitudes, r) ? Dict("_RET") : "");
        row[firstColumn + 2] =
            Dict(NakshatraKeys(place.nakshatra)) + dash + std::to_string(place.pada);
    }
}

} // namespace

PlanetTableCells PlanetTableCellsOf(int mode, const RunChoices& choices)
{
    const ChartState& chart = Chart();
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
        row[0] = Dict(BodyKeys[body]);
        row[1] = SignText(place.sign);
        row[2] = FormatDMS(l, choices.colon);
        row[3] = retrogradeRow(sidereal, r) ? Dict("_RET") : "";
        row[4] = NumberedNakshatraText(place.nakshatra);
        row[5] = std::to_string(place.pada);
        row[6] = EnglishCut(SignLordText(place.sign), 3, choices);
        row[7] = EnglishCut(StarLordText(place.nakshatra), 3, choices);
        row[8] = mode == KPTable ? EnglishCut(SubLordText(l, choices), 3, choices) : "";
        // The nodes are points of the Moon's orbit, not bodies lit by the Sun:
        // they are never combust.
        const bool node = body == Rahu || body == Ketu;
        const bool combust = r >= FirstMarkedRow && !node && IsCombust(sidereal[Sun], sidereal[body]);
        row[10] = combust ? Dict("_COM") : "";
    }
    return cells;
}

void PrintPlanetTable(Surface& surface, int mode, bool toPrinter, const RunChoices& choices)
{
    PrintPageFrame(surface, toPrinter);
    PlanetTableCells cells = PlanetTableCellsOf(mode, choices);
    const auto offsets = planetColumnOffsets(mode, choices);
    const auto headers = planetHeaders(mode);

    int y = static_cast<int>(surface.CurrentY);
    if (mode == KPTable) {
        PrintHeading(Dict("_KP"), surface, y);
        PrintPredictionParagraph(surface, "");
        PrintPredictionParagraph(surface, "");
    } else {
        PrintHeading(positionsHeading(mode == TropicalTable ? "SAYANBHAV" : "NIRYANABHAV"),
                     surface, y);
    }

    const double top = surface.CurrentY;
    PrintCaptions(surface, headers, offsets, top);
    // The nakshatras whole, the column smaller where a name would run into the pada.
    PrintTableRows(surface, cells, PositionRows, offsets, top + OutputRun().LineStep, RowPitch,
                   {{4, (offsets[5] - offsets[4]) * OutputRun().OutputScale}}, choices);
    // Under the table, the nodes and the ayanamsa the positions are reckoned
    // with: the K.P. one on the KP page.
    PrintReckoningLines(surface, TableLeft(), surface.CurrentY,
                        mode == KPTable ? KPAyanamsaLine(choices) : ChartAyanamsaLine(choices), choices);
}

MatchTableCells MatchNirayanaCells(const RunChoices& choices)
{
    const ChartState& chart = Chart();
    const MatchCopies& match = Match();
    MatchTableCells cells;
    for (int r = 0; r < PositionRows; ++r)
        cells[r][0] = Dict(BodyNames[bodyOfRow(r)]);
    fillMatchPerson(cells, 1, chart.PlanetLongitudes, chart.HouseCusps, choices);
    fillMatchPerson(cells, 4, match.PartnerLongitudes, match.PartnerCusps, choices);
    return cells;
}

void PrintMatchNirayanaPage(Surface& surface, bool toPrinter, const RunChoices& choices)
{
    constexpr int PrintedRows = 10;   // the Lagna to Ketu
    static constexpr std::array<double, MatchColumns> offsets = {0, 800, 1900, 3100, 5000, 6100, 7300};

    PrintPageFrame(surface, toPrinter);
    const RunValues& run = OutputRun();
    MatchTableCells cells = MatchNirayanaCells(choices);
    const std::string signLord = Dict("RASHI") + choices.dash + Dict("LORD");
    const std::string nakshatraPada = Dict("NAKSHATRA") + choices.dash + Dict("PAD");
    const std::array<std::string, MatchColumns> headers = {
        Dict("PLANET"), signLord, Dict("ANSH"), nakshatraPada, signLord, Dict("ANSH"), nakshatraPada};

    int y = static_cast<int>(surface.CurrentY);
    PrintHeading(positionsHeading("NIRYANABHAV"), surface, y);
    double top = surface.CurrentY;
    // Over each person's columns, the person: the boy's, then the girl's.
    const double scale = run.OutputScale;
    const std::string persons[2] = {MatchPersonLabel(Native().Name, false), MatchPersonLabel(Partner().Name, true)};
    const double groupX[2] = {TableLeft() + offsets[1] * scale, TableLeft() + offsets[4] * scale};
    const double groupRoom[2] = {(offsets[4] - offsets[1] - ColumnGap) * scale, PageBodyRight() - groupX[1]};
    const TextFont body = surface.Font;
    surface.Font.Name = run.EnglishFontName;
    surface.Font.Bold = true;
    const double nameSize = run.EnglishFontSize * scale;
    double heads = 0;
    for (int k = 0; k < 2; ++k) {
        const FittedText name = FitTypedText(surface, persons[k], groupRoom[k], nameSize, TypedTextFloor(nameSize));
        PrintFittedText(surface, name, groupX[k], top);
        heads = std::max(heads, name.Height());
    }
    surface.Font = body;
    top += heads;
    PrintCaptions(surface, headers, offsets, top);

    // The nakshatras whole, both persons' in one size, that a name reads the
    // same in both columns.
    const double rowsTop = top + 300 * scale;
    PrintTableRows(surface, cells, PrintedRows, offsets, rowsTop, run.LineStep,
                   {{3, (offsets[4] - offsets[3]) * scale}, {6, PageBodyRight() - TableLeft() - offsets[6] * scale}},
                   choices);
    surface.CurrentY = rowsTop + PrintedRows * run.LineStep;
    PrintReckoningLines(surface, TableLeft(), surface.CurrentY, ChartAyanamsaLine(choices), choices);

    ChartState& chart = Chart();
    MatchCopies& match = Match();
    const std::string lagnaTitle = Dict("_LAGNATARVIK");
    DrawChart(surface, choices, 1, lagnaTitle, true, LeftChart, &match.NativeSaptavargaSigns, SignNumbers, persons[0]);
    DrawChart(surface, choices, 1, lagnaTitle, true, RightChart, &match.PartnerSaptavargaSigns, SignNumbers,
              persons[1]);
    surface.CurrentY += 4300;

    const std::string chalitTitle = Dict("_NIRAYANA") + " " + Dict("_BHAVACHALIT");
    PlaceBhavas(chart.SaptavargaSigns, chart.HouseCusps, chart.PlanetLongitudes,
                match.NativeSaptavargaSigns[1][1]);
    DrawChart(surface, choices, 0, chalitTitle, false, LeftChart, &chart.SaptavargaSigns, SignNumbers, persons[0]);
    PlaceBhavas(chart.SaptavargaSigns, match.PartnerCusps, match.PartnerLongitudes,
                match.PartnerSaptavargaSigns[1][1]);
    DrawChart(surface, choices, 0, chalitTitle, false, RightChart, &chart.SaptavargaSigns, SignNumbers, persons[1]);
}

} // namespace tarvik
