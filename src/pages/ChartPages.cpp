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

#include <cmath>

namespace tarvik {

namespace {

int lagnaRasi(const int (&saptavargaSigns)[14][8]) { return saptavargaSigns[1][1]; }

void blankParagraphs(Surface& surface, const PageLayout& layout, int n)
{
    for (int i = 0; i < n; ++i)
        PrintPredictionParagraph(surface, layout, "");
}

} // namespace

void PrintShodashPage(Surface& surface, const PageContext& page, int n)
{
    PrintPageFrame(surface, page);
    surface.CurrentY += 500;
    const ChartState& chart = page.chart;
    const int first = (n - 1) * 4 + 1;
    for (int i = 0; i < 4; ++i) {
        const int varga = first + i;
        DrawChart(surface, page, VargaChart(chart, varga), page.Dict("DIV" + chart.ShodashVargaNames[varga]), true,
                  i % 2 == 0 ? LeftChart : RightChart);
        if (i == 1)
            surface.CurrentY += 5500;
    }
}

void PrintMatchNavamsaPage(Surface& surface, const PageContext& page)
{
    PrintPageFrame(surface, page);
    const ChartState& chart = page.chart;
    const MatchCopies& match = page.match;
    const double scale = page.layout.scale;

    // Each chart names its person: the boy's on the left, the girl's on the right.
    const std::string boy = MatchPersonLabel(page.births.Native.Name, false, page.texts);
    const std::string girl = MatchPersonLabel(page.births.Partner.Name, true, page.texts);

    DrawChart(surface, page,
              BhavaChart(chart.BhavaSandhi, chart.PlanetLongitudes, lagnaRasi(match.NativeSaptavargaSigns)),
              page.Dict("_CHALIT"), false, LeftChart, nullptr, boy);
    DrawChart(surface, page,
              BhavaChart(match.PartnerSandhis, match.PartnerLongitudes, lagnaRasi(match.PartnerSaptavargaSigns)),
              page.Dict("_CHALIT"), false, RightChart, nullptr, girl);
    surface.CurrentY += 4300 * scale;

    DrawChart(surface, page, MoonChart(match.NativeSaptavargaSigns), page.Dict("_CHANDRATARVIK"), false, LeftChart,
              nullptr, boy);
    DrawChart(surface, page, MoonChart(match.PartnerSaptavargaSigns), page.Dict("_CHANDRATARVIK"), false,
              RightChart, nullptr, girl);
    surface.CurrentY += 4300 * scale;

    DrawChart(surface, page, SignsOfColumn(match.NativeSaptavargaSigns, 4), page.Dict(VargaNames[4]), true,
              LeftChart, nullptr, boy);
    DrawChart(surface, page, SignsOfColumn(match.PartnerSaptavargaSigns, 4), page.Dict(VargaNames[4]), true,
              RightChart, nullptr, girl);
}

namespace {

// The nodes' note is set this many points below the body text, bold.
constexpr double NodeNoteSmaller = 2;

} // namespace

std::string ChartAyanamsaLine(const PageContext& page, const ChartState& chart)
{
    std::string values = FormatDMS(chart.PlanetLongitudes[AyanamsaSlot], page.choices.colon);
    if (page.matchRun)
        values += " / " + FormatDMS(page.match.PartnerLongitudes[AyanamsaSlot], page.choices.colon);
    return AyanamsaLineText(values, page.choices.ayanamsaChoice, page);
}

std::string KPAyanamsaLine(const PageContext& page)
{
    const ChartState& chart = page.chart;
    return AyanamsaLineText(
        FormatDMS(ReduceDegrees(chart.PlanetLongitudes[AyanamsaSlot] - KPShiftOf(chart)), page.choices.colon), 1,
        page);
}

void PrintReckoningLines(Surface& surface, double x, double y, const std::string& ayanamsaLine,
                         const PageContext& page)
{
    const double scale = page.layout.scale;
    surface.Font.Bold = true;
    surface.Font.Size -= NodeNoteSmaller * scale;
    PrintAt(surface, static_cast<int>(x), static_cast<int>(y),
            page.Dict(page.choices.trueNode ? "TRUERAHUKETU" : "MEANRAHUKETU"));
    surface.Font.Size += NodeNoteSmaller * scale;
    surface.Font.Bold = false;
    PrintAt(surface, static_cast<int>(x), static_cast<int>(surface.CurrentY), ayanamsaLine);
}

double ReckoningLinesHeight(Surface& surface, const PageLayout& layout)
{
    const TextFont kept = surface.Font;
    surface.Font.Bold = true;
    surface.Font.Size -= NodeNoteSmaller * layout.scale;
    double height = surface.LineHeight();
    surface.Font = kept;
    height += surface.LineHeight();
    return height;
}

void PrintReckoningAtFoot(Surface& surface, const std::string& ayanamsaLine, const PageContext& page)
{
    const PageLayout& layout = page.layout;
    SetBodyFont(surface, layout);
    PrintReckoningLines(surface, layout.leftMargin * layout.scale,
                        std::floor(PageFootLine(layout) - ReckoningLinesHeight(surface, layout)), ayanamsaLine,
                        page);
}

std::string AyanamsaLineText(const std::string& ayanamsaDms, int ayanamsaChoice, const PageContext& page)
{
    static constexpr std::array<std::string_view, 3> names = {"NCLAHIRI", "KP", "BVRAMAN"};
    std::string text = page.Dict("Ayanamsa");
    if (ayanamsaChoice >= 0 && ayanamsaChoice <= 2)
        text += " " + page.layout.open + page.Dict(names[ayanamsaChoice]) + page.layout.close;
    return text + page.choices.colon + "  " + ayanamsaDms;
}

void PrintNirayanaCharts(Surface& surface, const PageContext& page)
{
    const ChartState& chart = page.chart;
    DrawChart(surface, page, SignsOfColumn(chart.SaptavargaSigns, 1), page.Dict("_LAGNATARVIK"), true, LeftChart);
    DrawChart(surface, page, SignsOfColumn(chart.SaptavargaSigns, 4), page.Dict(VargaNames[4]), true, RightChart);
    surface.CurrentY += 4300;

    DrawChart(surface, page, MoonChart(chart.SaptavargaSigns), page.Dict("_CHANDRATARVIK"), false, LeftChart);
    DrawChart(surface, page,
              BhavaChart(chart.HouseCusps, chart.PlanetLongitudes, lagnaRasi(chart.SaptavargaSigns)),
              JoinedTexts(page.texts, {"_NIRAYANA", "_BHAVACHALIT"}), false, RightChart);
}

void PrintBhavCharts(Surface& surface, const PageContext& page)
{
    const ChartState& chart = page.chart;
    surface.CurrentY += 500;
    DrawChart(surface, page,
              BhavaChart(chart.HouseCusps, chart.PlanetLongitudes, lagnaRasi(chart.SaptavargaSigns)),
              JoinedTexts(page.texts, {"_NIRAYANA", "BHAV", "_CHALIT"}), false, LeftChart);
    DrawChart(surface, page,
              BhavaChart(chart.BhavaSandhi, chart.PlanetLongitudes, lagnaRasi(chart.SaptavargaSigns)),
              page.Dict("_CHALIT"), false, RightChart);
}

void PrintKPCharts(Surface& surface, const PageContext& page)
{
    surface.CurrentY += 500;
    blankParagraphs(surface, page.layout, 2);
    DrawChart(surface, page, KPChart(page.chart), page.Dict("_LAGNATARVIK"), true, LeftChart);
    // The navamsa beside it in the K.P. zodiac too, as the table above has it.
    DrawChart(surface, page, KPVargaChart(page.chart, 4), page.Dict(VargaNames[4]), true, RightChart);
}

void PrintKPCuspPage(Surface& surface, const PageContext& page)
{
    const ChartState& chart = page.chart;
    PrintPageFrame(surface, page);
    int y = static_cast<int>(surface.CurrentY);
    PrintHeading(page.Dict("_KP"), surface, y, page.layout);
    surface.CurrentY += 500;
    const KPCuspChart kp = KPCuspsOf(chart);
    const ChartSigns lagnaChart = KPChart(chart);
    int tableY = static_cast<int>(surface.CurrentY);
    if (!kp.cast) {
        // Beyond the polar circle there are no cusps to list or to place the
        // bodies by: the page says so where the table stands and shows the
        // lagna chart alone.
        PrintHeading(page.Dict("_NIRAYANA") + " " + page.Dict("BHAV"), surface, tableY, page.layout);
        surface.CurrentY = tableY;
        PrintPredictionParagraph(surface, page.layout, page.Dict("_KPNOCUSPS"));
        PrintReckoningLines(surface, TableLeft(page.layout), surface.CurrentY, KPAyanamsaLine(page), page);
        blankParagraphs(surface, page.layout, 2);
        DrawChart(surface, page, lagnaChart, page.Dict("_LAGNATARVIK"), true, LeftChart);
        return;
    }
    PrintCuspTable(surface, page, kp, tableY);
    PrintReckoningLines(surface, TableLeft(page.layout), surface.CurrentY, KPAyanamsaLine(page), page);
    blankParagraphs(surface, page.layout, 2);
    DrawChart(surface, page, lagnaChart, page.Dict("_LAGNATARVIK"), true, LeftChart);
    DrawChart(surface, page, KPBhavaChart(chart, kp), JoinedTexts(page.texts, {"BHAV", "TARVIK"}), false, RightChart,
              &kp.signs);
}

} // namespace tarvik
