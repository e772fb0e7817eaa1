// The compact pratyantar page: fifteen antardashas of the Moon's dasha with
// their pratyantardashas, from some months before the present on.

#include "DashaPageText.h"
#include "VimshottariPages.h"
#include "calc/NameTables.h"
#include "calc/DecimalYear.h"
#include "pages/Frame.h"

#include <cmath>

namespace tarvik {

namespace {

constexpr int Columns = 5;
constexpr int Rows = 3;
constexpr int Blocks = Columns * Rows;
// The last first block: its fifteenth block is then the 89th of the ninety
// antardashas of the ten mahadashas.
constexpr int LastFirstAntardasha = 74;

} // namespace

std::optional<int> AntardashaOfMonth(const DashaPeriods& periods, int year, int month)
{
    const int wanted = year * 12 + month;
    const int count = periods.Count(DashaLevel::Pratyantar);
    for (int n = periods.RunningAtBirth(DashaLevel::Pratyantar); n < count; ++n) {
        const CalendarDate end =
            DecimalYearToCalendar(periods.Period(DashaLevel::Pratyantar, n).end);
        if (end.year * 12 + end.month >= wanted)
            return n / 9;
    }
    return std::nullopt;
}

int FirstCompactAntardasha(int birthAntardasha, std::optional<int> current)
{
    int first = birthAntardasha;
    if (current) {
        first = *current >= 7 ? *current - 7 : *current;
        if (first <= birthAntardasha)
            first = birthAntardasha;
    }
    return std::min(first, LastFirstAntardasha);
}

void PrintVimshottariPratyantar(Surface& surface, const ChartState& chart, double day, double month,
                                double year, int todayYear, int todayMonth, const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const double s = layout.scale;
    const double step = layout.lineStep;
    const DashaPeriods periods = VimshottariPeriods(
        VimshottariAtBirth(chart.PlanetLongitudes[Moon]), BirthDecimalYear(day, month, year));
    const int birthAntar = periods.RunningAtBirth(DashaLevel::Antar);
    const int first =
        FirstCompactAntardasha(birthAntar, AntardashaOfMonth(periods, todayYear, todayMonth));

    int headingY = static_cast<int>(surface.CurrentY);
    PrintHeading(page.Dict("PRATYA"), surface, headingY, layout);
    double y0 = std::round(surface.CurrentY + step);

    const auto lords = DisplayTexts(DashaLordNames, page.texts);
    std::string from = first == birthAntar
                           ? BirthDateText(day, month, year, page.choices)
                           : EndDateText(periods.Period(DashaLevel::Antar, first - 1), page.choices);
    for (int b = 0; b < Blocks; ++b) {
        const int column = b % Columns;
        const int a = first + b;
        const DashaPeriod maha = periods.Period(DashaLevel::Maha, a / 9);
        const DashaPeriod antar = periods.Period(DashaLevel::Antar, a);
        const double left = layout.leftMargin + column * 1600 * s;
        const double x = std::round(left + 350 * s);
        const double datesEnd = x + 1250 * s;
        const double ruleEnd = x + 1350 * s;
        const auto lineTop = [&](int n) {
            return y0 + n * step + (n == 2 || n == 4 ? 15 * s : 0);
        };

        PrintAt(surface, static_cast<int>(x), static_cast<int>(lineTop(0)),
                lords[maha.lord] + " " + page.choices.dash + " " + lords[antar.lord]);
        surface.Line(x, y0 + step + 1, ruleEnd, y0 + step + 1);

        const std::string to = EndDateText(antar, page.choices);
        if (column == 0) {
            PrintAt(surface, static_cast<int>(left), static_cast<int>(lineTop(1)),
                    page.Dict("FROM"));
            PrintAt(surface, static_cast<int>(left), static_cast<int>(lineTop(2)),
                    page.Dict("TO"));
        }
        PrintRightAligned(surface, datesEnd, lineTop(1), from);
        PrintRightAligned(surface, datesEnd, lineTop(2), to);
        surface.Line(x, y0 + 3 * step + 1, ruleEnd, y0 + 3 * step + 1);
        from = to;

        for (int p = 0; p < 9; ++p) {
            const DashaPeriod pratyantar = periods.Period(DashaLevel::Pratyantar, 9 * a + p);
            const int n = 3 + p;
            PrintAt(surface, static_cast<int>(x), static_cast<int>(lineTop(n)),
                    lords[pratyantar.lord]);
            PrintRightAligned(surface, datesEnd, lineTop(n) + 30 * s,
                              pratyantar.endedBeforeBirth
                                  ? page.choices.dash
                                  : DecimalYearToDate(pratyantar.end, false, page.choices));
        }
        if (column == Columns - 1)
            y0 = std::round(y0 + 13 * step);
    }
}

} // namespace tarvik
