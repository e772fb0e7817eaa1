#include "ChartPages.h"

#include "ChartDrawing.h"
#include "Frame.h"
#include "TablePages.h"
#include "Paragraphs.h"
#include "SignColumns.h"
#include "TableRows.h"
#include "calc/Angles.h"
#include "calc/KPChart.h"
#include "calc/NameTables.h"
#include "calc/TextFormat.h"
#include "core/State.h"
#include "refdata/TextLookup.h"

#include <cmath>

namespace tarvik {

namespace {

std::string joined(std::initializer_list<std::string_view> keys)
{
    std::string s;
    for (std::string_view key : keys)
        s += (s.empty() ? "" : " ") + Dict(key);
    return s;
}

int lagnaRasi(const ChartSignTable& table) { return table[1][1]; }

void blankParagraphs(Surface& surface, int n)
{
    for (int i = 0; i < n; ++i)
        PrintPredictionParagraph(surface, "");
}

// The KP cusps as bhava boundaries 1..12 (cusp k starts bhava k).
std::array<double, 13> kpBoundaries()
{
    std::array<double, 13> b{};
    for (int k = 1; k <= 12; ++k)
        b[k] = Chart().KPCusps[k - 1];
    return b;
}

// The bodies in the K.P. zodiac, the one the K.P. cusps are reckoned in
// whatever ayanamsa the chart was cast with.
std::array<double, 27> cuspZodiacLongitudes()
{
    const ChartState& chart = Chart();
    const double shift = KPShiftOf(chart);
    std::array<double, 27> l = chart.PlanetLongitudes;
    for (int b = Sun; b <= Pluto; ++b)
        l[b] = ReduceDegrees(l[b] + shift);
    return l;
}

} // namespace

void PrintShodashPage(Surface& surface, bool toPrinter, int n, const RunChoices& choices)
{
    PrintPageFrame(surface, toPrinter);
    surface.CurrentY += 500;
    ChartState& chart = Chart();
    const int first = (n - 1) * 4 + 1;
    for (int i = 0; i < 4; ++i) {
        const int varga = first + i;
        FillVargaColumn(chart.SaptavargaSigns, varga);
        DrawChart(surface, choices, 0, Dict("DIV" + chart.ShodashVargaNames[varga]), true,
                  i % 2 == 0 ? LeftChart : RightChart);
        if (i == 1)
            surface.CurrentY += 5500;
    }
}

void PrintMatchNavamsaPage(Surface& surface, bool toPrinter, const RunChoices& choices)
{
    PrintPageFrame(surface, toPrinter);
    ChartState& chart = Chart();
    MatchCopies& match = Match();
    const double scale = OutputRun().OutputScale;

    // Each chart names its person: the boy's on the left, the girl's on the right.
    const std::string boy = MatchPersonLabel(Native().Name, false), girl = MatchPersonLabel(Partner().Name, true);

    PlaceBhavas(chart.SaptavargaSigns, chart.BhavaSandhi, chart.PlanetLongitudes,
                lagnaRasi(match.NativeSaptavargaSigns));
    DrawChart(surface, choices, 0, Dict("_CHALIT"), false, LeftChart, &chart.SaptavargaSigns, SignNumbers, boy);
    PlaceBhavas(chart.SaptavargaSigns, match.PartnerSandhis, match.PartnerLongitudes,
                lagnaRasi(match.PartnerSaptavargaSigns));
    DrawChart(surface, choices, 0, Dict("_CHALIT"), false, RightChart, &chart.SaptavargaSigns, SignNumbers, girl);
    surface.CurrentY += 4300 * scale;

    FillMoonChart(match.NativeSaptavargaSigns);
    FillMoonChart(match.PartnerSaptavargaSigns);
    DrawChart(surface, choices, 0, Dict("_CHANDRATARVIK"), false, LeftChart, &match.NativeSaptavargaSigns,
              SignNumbers, boy);
    DrawChart(surface, choices, 0, Dict("_CHANDRATARVIK"), false, RightChart, &match.PartnerSaptavargaSigns,
              SignNumbers, girl);
    surface.CurrentY += 4300 * scale;

    DrawChart(surface, choices, 4, Dict(VargaNames[4]), true, LeftChart, &match.NativeSaptavargaSigns, SignNumbers,
              boy);
    DrawChart(surface, choices, 4, Dict(VargaNames[4]), true, RightChart, &match.PartnerSaptavargaSigns,
              SignNumbers, girl);
}

namespace {

// The nodes' note is set this many points below the body text, bold.
constexpr double NodeNoteSmaller = 2;

} // namespace

std::string ChartAyanamsaLine(const RunChoices& choices)
{
    std::string values = FormatDMS(Chart().PlanetLongitudes[AyanamsaSlot], choices.colon);
    if (OutputRun().MatchMode)
        values += " / " + FormatDMS(Match().PartnerLongitudes[AyanamsaSlot], choices.colon);
    return AyanamsaLineText(values, choices);
}

std::string KPAyanamsaLine(const RunChoices& choices)
{
    const ChartState& chart = Chart();
    RunChoices kp = choices;
    kp.ayanamsaChoice = 1;
    return AyanamsaLineText(
        FormatDMS(ReduceDegrees(chart.PlanetLongitudes[AyanamsaSlot] - KPShiftOf(chart)), choices.colon), kp);
}

void PrintReckoningLines(Surface& surface, double x, double y, const std::string& ayanamsaLine,
                         const RunChoices& choices)
{
    const double scale = OutputRun().OutputScale;
    surface.Font.Bold = true;
    surface.Font.Size -= NodeNoteSmaller * scale;
    PrintAt(surface, static_cast<int>(x), static_cast<int>(y),
            Dict(choices.trueNode ? "TRUERAHUKETU" : "MEANRAHUKETU"));
    surface.Font.Size += NodeNoteSmaller * scale;
    surface.Font.Bold = false;
    PrintAt(surface, static_cast<int>(x), static_cast<int>(surface.CurrentY), ayanamsaLine);
}

double ReckoningLinesHeight(Surface& surface)
{
    const double scale = OutputRun().OutputScale;
    const TextFont kept = surface.Font;
    surface.Font.Bold = true;
    surface.Font.Size -= NodeNoteSmaller * scale;
    double height = surface.LineHeight();
    surface.Font = kept;
    height += surface.LineHeight();
    return height;
}

void PrintReckoningAtFoot(Surface& surface, const std::string& ayanamsaLine, const RunChoices& choices)
{
    const RunValues& run = OutputRun();
    surface.Font.Name = run.BodyFontName;
    surface.Font.Size = run.BodyFontSize * run.OutputScale;
    PrintReckoningLines(surface, Config().LeftMarginTwips * run.OutputScale,
                        std::floor(PageFootLine() - ReckoningLinesHeight(surface)), ayanamsaLine, choices);
}

std::string AyanamsaLineText(const std::string& ayanamsaDms, const RunChoices& choices)
{
    const RunValues& run = OutputRun();
    static constexpr std::array<std::string_view, 3> names = {"NCLAHIRI", "KP", "BVRAMAN"};
    std::string text = Dict("Ayanamsa");
    const int choice = choices.ayanamsaChoice;
    if (choice >= 0 && choice <= 2)
        text += " " + run.PunctOpen + Dict(names[choice]) + run.PunctClose;
    return text + choices.colon + "  " + ayanamsaDms;
}

void PrintNirayanaCharts(Surface& surface, const RunChoices& choices)
{
    ChartState& chart = Chart();
    DrawChart(surface, choices, 1, Dict("_LAGNATARVIK"), true, LeftChart);
    DrawChart(surface, choices, 4, Dict(VargaNames[4]), true, RightChart);
    surface.CurrentY += 4300;

    FillMoonChart(chart.SaptavargaSigns);
    DrawChart(surface, choices, 0, Dict("_CHANDRATARVIK"), false, LeftChart);
    PlaceBhavas(chart.SaptavargaSigns, chart.HouseCusps, chart.PlanetLongitudes,
                lagnaRasi(chart.SaptavargaSigns));
    DrawChart(surface, choices, 0, joined({"_NIRAYANA", "_BHAVACHALIT"}), false, RightChart);
}

void PrintBhavCharts(Surface& surface, const RunChoices& choices)
{
    ChartState& chart = Chart();
    surface.CurrentY += 500;
    PlaceBhavas(chart.SaptavargaSigns, chart.HouseCusps, chart.PlanetLongitudes,
                lagnaRasi(chart.SaptavargaSigns));
    DrawChart(surface, choices, 0, joined({"_NIRAYANA", "BHAV", "_CHALIT"}), false, LeftChart);
    PlaceBhavas(chart.SaptavargaSigns, chart.BhavaSandhi, chart.PlanetLongitudes,
                lagnaRasi(chart.SaptavargaSigns));
    DrawChart(surface, choices, 0, Dict("_CHALIT"), false, RightChart);
}

void PrintKPCharts(Surface& surface, const RunChoices& choices)
{
    surface.CurrentY += 500;
    blankParagraphs(surface, 2);
    FillKPChart(Chart().SaptavargaSigns);
    DrawChart(surface, choices, 0, Dict("_LAGNATARVIK"), true, LeftChart);
    // The navamsa beside it in the K.P. zodiac too, as the table above has it.
    ChartSignTable navamsa{};
    FillKPVarga(navamsa, 4);
    DrawChart(surface, choices, 4, Dict(VargaNames[4]), true, RightChart, &navamsa);
}

void PrintKPCuspPage(Surface& surface, bool toPrinter, const RunChoices& choices)
{
    ChartState& chart = Chart();
    PrintPageFrame(surface, toPrinter);
    int y = static_cast<int>(surface.CurrentY);
    PrintHeading(Dict("_KP"), surface, y);
    surface.CurrentY += 500;
    FillKPChart(chart.SaptavargaSigns);
    const bool cast = CalcKPChart();
    int tableY = static_cast<int>(surface.CurrentY);
    if (!cast) {
        // Beyond the polar circle there are no cusps to list or to place the
        // bodies by: the page says so where the table stands and shows the
        // lagna chart alone.
        PrintHeading(Dict("_NIRAYANA") + " " + Dict("BHAV"), surface, tableY);
        surface.CurrentY = tableY;
        PrintPredictionParagraph(surface, Dict("_KPNOCUSPS"));
        PrintReckoningLines(surface, TableLeft(), surface.CurrentY, KPAyanamsaLine(choices), choices);
        blankParagraphs(surface, 2);
        DrawChart(surface, choices, 0, Dict("_LAGNATARVIK"), true, LeftChart);
        return;
    }
    PrintCuspTable(surface, 3, toPrinter, tableY, choices);
    PrintReckoningLines(surface, TableLeft(), surface.CurrentY, KPAyanamsaLine(choices), choices);
    blankParagraphs(surface, 2);
    DrawChart(surface, choices, 0, Dict("_LAGNATARVIK"), true, LeftChart);
    PlaceBhavas(chart.SaptavargaSigns, kpBoundaries(), cuspZodiacLongitudes(),
                lagnaRasi(chart.SaptavargaSigns));
    DrawChart(surface, choices, 0, joined({"BHAV", "TARVIK"}), false, RightChart, nullptr, KPSignNumbers);
}

} // namespace tarvik
