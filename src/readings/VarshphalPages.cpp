#include "VarshphalPages.h"

#include "MuddaDasha.h"
#include "YearStart.h"
#include "calc/Chart.h"
#include "calc/MomentGuard.h"
#include "calc/NameTables.h"
#include "calc/PanchangElements.h"
#include "calc/TextFormat.h"
#include "calc/TimeScale.h"
#include "calc/Vargas.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "pages/ChartDrawing.h"
#include "pages/Frame.h"
#include "pages/Justified.h"
#include "pages/TablePages.h"
#include "refdata/TextLookup.h"

#include <cmath>
#include <optional>

namespace tarvik {

namespace {

int wholeTwips(double v) { return static_cast<int>(std::nearbyint(v)); }

// "dd-mm-yyyy" of a day count.
std::string dateText(int dayCount)
{
    const CalendarDate d = DateOfDayNumber(dayCount);
    return ZeroPad(d.day, 2) + "-" + ZeroPad(d.month, 2) + "-" + ZeroPad(d.year, 4);
}

// The year start stands in Native while the page is drawn.
void printYearChart(Surface& surface, bool toPrinter, int completedYears, double birthAscendant,
                    const RunChoices& choices)
{
    const RunValues& run = OutputRun();
    PrintPlanetTable(surface, 1, toPrinter, choices);

    const int tithi = static_cast<int>(PanchangElementsOf(Chart()).elements[TithiElement]);
    const BirthRecord& n = Native();
    const std::string heading =
        Dict("varshphaldeg") + " " + run.PunctOpen + std::to_string(run.VarshphalYear) + "  " +
        ZeroPad(n.Day, 2) + choices.dash + ZeroPad(n.Month, 2) + choices.dash +
        ZeroPad(n.Year, 4) + " " + ZeroPad(n.Hour, 2) + choices.colon + ZeroPad(n.Minute, 2) +
        choices.colon + ZeroPad(n.Second, 2) + " " + Dict(YearTithiKey(tithi)) + run.PunctClose;
    int y = static_cast<int>(surface.CurrentY);
    PrintHeading(heading, surface, y);

    DrawChart(surface, choices, 1, Dict("_VARSHTARVIK"), true, Centred);

    y = static_cast<int>(surface.CurrentY);
    PrintHeading(Dict("munthain") + "  " + std::to_string(MunthaSign(birthAscendant, completedYears)),
                 surface, y);
}

// The house of each body of the year chart, Sun (position 2) to Ketu (10),
// counted in whole signs from the year ascendant's sign.
std::array<int, 11> yearHouses(const ChartState& year)
{
    const int ascendantSign = SaptavargaSign(1, year.HouseCusps[1]);
    std::array<int, 11> houses{};
    for (int p = 2; p <= 10; ++p) {
        const double longitude = year.PlanetLongitudes[BodyDisplayOrder[p]];
        houses[p] = HouseOfSign(static_cast<int>(longitude / 30) + 1, ascendantSign);
    }
    return houses;
}

void printPeriods(Surface& surface, bool toPrinter, int page, int startLord,
                  const YearStart& start, const std::optional<YearStart>& next, const ChartState& year,
                  const RunChoices& choices)
{
    PrintPageFrame(surface, toPrinter);
    const std::array<int, 11> houses = yearHouses(year);
    // The year ends the day before the next one begins: the Sun's return
    // moves through the calendar (a quarter day a year, back a day in a leap
    // year, and a 29 February birth has no birthday three years in four).
    const int lastDay = next ? DayNumber(next->day, next->month, next->year) - 1 : 0;
    const auto periods = MuddaPeriods(startLord, start.day, start.month, start.year, lastDay);
    const std::size_t first = page == 2 ? 0 : 5;
    const std::size_t last = page == 2 ? 5 : 9;
    for (std::size_t i = first; i < last; ++i) {
        const MuddaPeriod& p = periods[i];
        const int position = MuddaLords[p.lord].position;
        const int house = houses[position];
        PrintVarshParagraph(surface, LookupVarshText(VarshphalTextKey(position, house)),
                            MuddaHeading(p.lord, p.firstDay, p.lastDay, house, choices));
    }
}

} // namespace

std::string_view YearTithiKey(int tithi)
{
    if (tithi % 15 == 0)
        return tithi == 30 ? "_Amavasya" : "_Purnima";
    return TithiKeys[tithi % 15];
}

std::string MuddaHeading(int lord, int firstDay, int lastDay, int house, const RunChoices& choices)
{
    const std::string name = Dict(MuddaLords[lord].name);
    const std::string from = dateText(firstDay), to = dateText(lastDay);
    const std::string h = std::to_string(house);
    if (choices.languageHindi)
        return from + " " + Dict("from") + " " + to + " " + Dict("to") + " " + name + " " +
               Dict("influenceof") + " " + Dict("varshlagna") + " " + name + " " + Dict("BHAV") +
               " " + h + " " + Dict("inhouse");
    return Dict("INFLUENCEOF") + " " + name + " " + Dict("from") + " " + from + " " + Dict("to") +
           " " + to + ". " + Dict("varshlagna") + " " + name + " " + Dict("inhouse") + " " + h;
}

void PrintVarshParagraph(Surface& surface, std::string_view text, std::string_view heading,
                         bool compact)
{
    const RunValues& run = OutputRun();
    const double scale = run.OutputScale;
    const double left = Config().LeftMarginTwips * scale;

    surface.Font.Size = run.BodyFontSize * scale;
    surface.Font.Bold = true;
    surface.CurrentX = left;
    PrintJustified(wholeTwips(7500 * scale), wholeTwips(surface.CurrentX),
                   wholeTwips(surface.CurrentY), heading, surface);
    surface.Font.Size = run.BodyFontSize * scale;
    surface.Font.Bold = false;

    // Paragraphs are separated by line breaks; a carriage return before the
    // line feed belongs to the break.
    const int x = wholeTwips(left + (compact ? 0 : 500 * scale));
    std::size_t begin = 0;
    while (true) {
        const std::size_t feed = text.find('\n', begin);
        std::string_view piece = text.substr(begin, feed == std::string_view::npos
                                                        ? std::string_view::npos
                                                        : feed - begin);
        if (feed != std::string_view::npos && !piece.empty() && piece.back() == '\r')
            piece.remove_suffix(1);
        PrintJustified(wholeTwips(8500 * scale), x, wholeTwips(surface.CurrentY), piece, surface);
        if (feed == std::string_view::npos)
            break;
        begin = feed + 1;
    }
    surface.Font.Size = run.BodyFontSize * scale;
    surface.CurrentY += run.LineStep * (compact ? 1 : 2);
}

void VarshphalPage(Surface& surface, bool toPrinter, int page, const RunChoices& choices)
{
    const RunValues& run = OutputRun();
    const std::optional<YearStart> start =
        FindYearStart(Native(), run.VarshphalYear, choices.ayanamsaChoice, choices.trueNode);
    if (!start) {
        reporter().Message("Error:Can't predict before birth");
        return;
    }

    const ChartState& birth = Chart();
    const int startLord = MuddaStartLord(birth.PlanetLongitudes[Moon], start->completedYears);
    const BirthRecord yearStart = YearStartRecord(Native(), *start);

    if (page == 1) {
        // The tables and the chart drawing read the chart standing in the
        // program state: the year chart stands there while the page is drawn.
        const NativeMomentGuard guard;
        const double birthAscendant = birth.HouseCusps[1];
        Native() = yearStart;
        CalcChart(choices);
        printYearChart(surface, toPrinter, start->completedYears, birthAscendant, choices);
    } else if (page == 2 || page == 3) {
        // The periods read only the year chart's bodies and ascendant.
        ChartState year;
        ComputeChart(ChartInputOf(yearStart, choices.ayanamsaChoice, choices.trueNode), year);
        const std::optional<YearStart> next =
            FindYearStart(Native(), run.VarshphalYear + 1, choices.ayanamsaChoice, choices.trueNode);
        printPeriods(surface, toPrinter, page, startLord, *start, next, year, choices);
    } else {
        PrintPageFrame(surface, toPrinter);
    }
}

} // namespace tarvik
