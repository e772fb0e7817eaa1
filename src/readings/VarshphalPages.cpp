#include "VarshphalPages.h"

#include "MuddaDasha.h"
#include "YearStart.h"
#include "calc/Chart.h"
#include "calc/NameTables.h"
#include "calc/PanchangElements.h"
#include "calc/TextFormat.h"
#include "calc/TimeScale.h"
#include "calc/Vargas.h"
#include "core/Reporter.h"
#include "pages/ChartDrawing.h"
#include "pages/Frame.h"
#include "pages/Paragraphs.h"
#include "pages/PositionTables.h"
#include "pages/TablePages.h"

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

// The year chart cast for the year start n: its planet table, the moment
// with its tithi, the chart and the muntha.
void printYearChart(Surface& surface, const PageContext& page, const ChartState& year, const BirthRecord& n,
                    int completedYears, double birthAscendant)
{
    const PageLayout& layout = page.layout;
    const RunChoices& choices = page.choices;
    PrintPlanetTable(surface, page, SiderealTable, year);

    const int tithi = static_cast<int>(PanchangElementsOf(year).elements[TithiElement]);
    const std::string heading =
        page.Dict("varshphaldeg") + " " + layout.open + std::to_string(page.varshphalYear) + "  " +
        ZeroPad(n.Day, 2) + choices.dash + ZeroPad(n.Month, 2) + choices.dash +
        ZeroPad(n.Year, 4) + " " + ZeroPad(n.Hour, 2) + choices.colon + ZeroPad(n.Minute, 2) +
        choices.colon + ZeroPad(n.Second, 2) + " " + page.Dict(YearTithiKey(tithi)) + layout.close;
    int y = static_cast<int>(surface.CurrentY);
    PrintHeading(heading, surface, y, layout);

    DrawChart(surface, page, SignsOfColumn(year.SaptavargaSigns, 1), page.Dict("_VARSHTARVIK"), true, Centred);

    y = static_cast<int>(surface.CurrentY);
    PrintHeading(page.Dict("munthain") + "  " + std::to_string(MunthaSign(birthAscendant, completedYears)),
                 surface, y, layout);
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

void printPeriods(Surface& surface, const PageContext& page, int part, int startLord,
                  const YearStart& start, const std::optional<YearStart>& next, const ChartState& year)
{
    PrintPageFrame(surface, page);
    const std::array<int, 11> houses = yearHouses(year);
    // The year ends the day before the next one begins: the Sun's return
    // moves through the calendar (a quarter day a year, back a day in a leap
    // year, and a 29 February birth has no birthday three years in four).
    const int lastDay = next ? DayNumber(next->day, next->month, next->year) - 1 : 0;
    const auto periods = MuddaPeriods(startLord, start.day, start.month, start.year, lastDay);
    const std::size_t first = part == 2 ? 0 : 5;
    const std::size_t last = part == 2 ? 5 : 9;
    for (std::size_t i = first; i < last; ++i) {
        const MuddaPeriod& p = periods[i];
        const int position = MuddaLords[p.lord].position;
        const int house = houses[position];
        PrintVarshParagraph(surface, page.layout, page.texts.Varshphal(VarshphalTextKey(position, house)),
                            MuddaHeading(p.lord, p.firstDay, p.lastDay, house, page.texts));
    }
}

} // namespace

std::string_view YearTithiKey(int tithi)
{
    if (tithi % 15 == 0)
        return tithi == 30 ? "_Amavasya" : "_Purnima";
    return TithiKeys[tithi % 15];
}

std::string MuddaHeading(int lord, int firstDay, int lastDay, int house, const Texts& texts)
{
    const auto word = [&](std::string_view key) { return texts.Dict(key); };
    const std::string name = word(MuddaLords[lord].name);
    const std::string from = dateText(firstDay), to = dateText(lastDay);
    const std::string h = std::to_string(house);
    if (texts.Hindi())
        return from + " " + word("from") + " " + to + " " + word("to") + " " + name + " " +
               word("influenceof") + " " + word("varshlagna") + " " + name + " " + word("BHAV") +
               " " + h + " " + word("inhouse");
    return word("INFLUENCEOF") + " " + name + " " + word("from") + " " + from + " " + word("to") +
           " " + to + ". " + word("varshlagna") + " " + name + " " + word("inhouse") + " " + h;
}

void PrintVarshParagraph(Surface& surface, const PageLayout& layout, std::string_view text,
                         std::string_view heading, bool compact)
{
    const double scale = layout.scale;
    const double left = layout.leftMargin * scale;
    const ParagraphLines lines = LinesOf(layout);

    surface.Font.Size = layout.bodyFontSize * scale;
    surface.Font.Bold = true;
    surface.CurrentX = left;
    PrintJustified(wholeTwips(7500 * scale), wholeTwips(surface.CurrentX),
                   wholeTwips(surface.CurrentY), heading, surface, lines);
    surface.Font.Size = layout.bodyFontSize * scale;
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
        PrintJustified(wholeTwips(8500 * scale), x, wholeTwips(surface.CurrentY), piece, surface, lines);
        if (feed == std::string_view::npos)
            break;
        begin = feed + 1;
    }
    surface.Font.Size = layout.bodyFontSize * scale;
    surface.CurrentY += layout.lineStep * (compact ? 1 : 2);
}

void VarshphalPage(Surface& surface, const PageContext& page, int part)
{
    const RunChoices& choices = page.choices;
    const BirthRecord& native = page.births.Native;
    const std::optional<YearStart> start =
        FindYearStart(native, page.varshphalYear, choices.ayanamsaChoice, choices.trueNode);
    if (!start) {
        reporter().Message("Error:Can't predict before birth");
        return;
    }

    const ChartState& birth = page.chart;
    const int startLord = MuddaStartLord(birth.PlanetLongitudes[Moon], start->completedYears);
    const BirthRecord yearStart = YearStartRecord(native, *start);

    if (part == 1) {
        const ChartState year = ChartOf(ChartInputOf(yearStart, choices));
        printYearChart(surface, page, year, yearStart, start->completedYears, birth.HouseCusps[1]);
    } else if (part == 2 || part == 3) {
        // The periods read only the year chart's bodies and ascendant.
        ChartState year;
        ComputeChart(ChartInputOf(yearStart, choices.ayanamsaChoice, choices.trueNode), year);
        const std::optional<YearStart> next =
            FindYearStart(native, page.varshphalYear + 1, choices.ayanamsaChoice, choices.trueNode);
        printPeriods(surface, page, part, startLord, *start, next, year);
    } else {
        PrintPageFrame(surface, page);
    }
}

} // namespace tarvik
