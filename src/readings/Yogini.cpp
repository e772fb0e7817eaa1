#include "Yogini.h"

#include "DashaPageText.h"
#include "panchang/Vimshottari.h"
#include "calc/TextFormat.h"
#include "calc/DecimalYear.h"
#include "pages/Frame.h"
#include "pages/TableRows.h"
#include "pages/TextFit.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace tarvik {

namespace {

constexpr int MahaBlocksPerPage = 15;
constexpr int MahaBlocksPerRow = 5;
constexpr double MahaColumnStep = 1800;
constexpr double MahaRowStep = 4000;

constexpr int AntarBlocksPerPage = 32;
constexpr int AntarBlocksPerRow = 8;
constexpr double AntarColumnStep = 1100;
constexpr double AntarRowStep = 3000;
// The blank a block's heading leaves before the next block's, beyond the
// blank between two cells of a table.
constexpr double HeadingBlank = 60;

using YoginiTexts = std::array<std::string, 8>;

// The maha periods of one page, five to a row, each with its antar periods.
void printMahaPage(Surface& surface, const DashaPeriods& periods, const std::string& birthDate,
                   const YoginiTexts& names, int part, double y0, const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const double s = layout.scale;
    const double step = layout.lineStep;
    const int first = (part - 1) * MahaBlocksPerPage;

    // The first period is shown from the birth date, not from its start, and
    // the date is the native's own: a decimal year of 360 days cannot name
    // the 31st of a month or the 29th of February.
    std::string start = birthDate;
    for (int i = 0; i < first + MahaBlocksPerPage; ++i) {
        const DashaPeriod maha = periods.Period(DashaLevel::Maha, i);
        const std::string end = DecimalYearToDate(maha.end, true, page.choices);
        if (i >= first) {
            const int j = i - first;
            const double x = layout.leftMargin * s + MahaColumnStep * (j % MahaBlocksPerRow);
            const double top = y0 + MahaRowStep * (j / MahaBlocksPerRow);
            surface.Font.Bold = true;
            PrintAt(surface, static_cast<int>(x), static_cast<int>(top),
                    names[maha.lord] + " " + std::to_string(YoginiYears[maha.lord]) + " " +
                        page.Dict("Years"));
            PrintAt(surface, static_cast<int>(x + 300), static_cast<int>(top + step), start);
            PrintAt(surface, static_cast<int>(x + 300), static_cast<int>(top + 2 * step), end);
            surface.Font.Bold = false;
            for (int k = 0; k < 8; ++k) {
                const DashaPeriod antar = periods.Period(DashaLevel::Antar, 8 * i + k);
                const double y = top + (3 + k) * step;
                PrintAt(surface, static_cast<int>(x), static_cast<int>(y),
                        ShortName(names[antar.lord], 4, page.choices));
                if (!antar.endedBeforeBirth)
                    PrintAt(surface, static_cast<int>(x + 650), static_cast<int>(y),
                            DecimalYearToDate(antar.end, false, page.choices));
            }
        }
        start = end;
    }
}

std::string dayAndMonth(double v, const RunChoices& choices)
{
    const CalendarDate date = DecimalYearToCalendar(v);
    return ZeroPad(date.day, 2) + choices.dash + ZeroPad(date.month, 2);
}

// The antar periods that end on or after the run's Yogini date, eight to a
// row, each with its pratyantar periods.
void printAntarPage(Surface& surface, const DashaPeriods& periods, const YoginiTexts& names,
                    double y0, const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const double s = layout.scale;
    const bool hindi = page.choices.languageHindi;
    const double body = layout.bodyFontSize * s;
    // Devanagari reads at a smaller size than the Latin face.
    const double textSize = body - (hindi ? 2 : 1) * s;
    const double dateSize = body - (hindi ? 3 : 2) * s;
    surface.Font.Size = textSize;

    // The blocks of the page, and their headings.
    std::vector<int> blocks;
    std::vector<std::string> headings;
    const int antars = periods.Count(DashaLevel::Antar);
    for (int n = 0; n < antars && static_cast<int>(blocks.size()) < AntarBlocksPerPage; ++n) {
        const DashaPeriod antar = periods.Period(DashaLevel::Antar, n);
        if (antar.end < page.yoginiFrom)
            continue;
        const DashaPeriod maha = periods.Period(DashaLevel::Maha, n / 8);
        blocks.push_back(n);
        headings.push_back(ShortName(names[maha.lord], 3, page.choices) + " " +
                           ShortName(names[antar.lord], 3, page.choices));
    }
    // One size for the page's headings, clear of the next block's by more
    // than the blank between their two names, so that each reads as its own.
    surface.Font.Bold = true;
    const double headingSize =
        ColumnSize(surface, headings, (AntarColumnStep - HeadingBlank) * s, page);
    surface.Font.Bold = false;

    // The pratyantar rows: each name and its date in one size, the body
    // text's unless the widest name and its date would not keep clear of the
    // next block; the dates stand after the widest name.
    std::vector<std::string> shortNames;
    for (const std::string& name : names)
        shortNames.push_back(ShortName(name, 3, page.choices));
    const auto rowWidths = [&](double& nameWidth, double& gap) {
        nameWidth = 0;
        for (const std::string& name : shortNames)
            nameWidth = std::max(nameWidth, surface.TextWidth(name));
        gap = std::max(ColumnGap * s, page.choices.languageHindi ? HindiColumnGapBlanks * surface.TextWidth(" ") : 0);
        return nameWidth + gap + surface.TextWidth(dayAndMonth(page.yoginiFrom, page.choices)) + gap;
    };
    double nameWidth = 0, gap = 0;
    const double needed = rowWidths(nameWidth, gap);
    double rowSize = textSize;
    if (needed > AntarColumnStep * s)
        rowSize = ShrunkSize(textSize, AntarColumnStep * s, needed);
    surface.Font.Size = rowSize;
    rowWidths(nameWidth, gap);
    const double dateOffset = std::max(500 * s, nameWidth + gap);
    surface.Font.Size = textSize;

    for (std::size_t shown = 0; shown < blocks.size(); ++shown) {
        const int n = blocks[shown];
        const DashaPeriod antar = periods.Period(DashaLevel::Antar, n);
        const int place = static_cast<int>(shown);
        const double x = 1440 * s + AntarColumnStep * (place % AntarBlocksPerRow);
        const double top = y0 + AntarRowStep * (place / AntarBlocksPerRow);

        surface.Font.Bold = true;
        PrintInSize(surface, static_cast<int>(x), static_cast<int>(top), headings[shown], headingSize);
        surface.Font.Size = dateSize;
        PrintAt(surface, static_cast<int>(x), static_cast<int>(surface.CurrentY),
                DecimalYearToDate(antar.start, true, page.choices));
        PrintAt(surface, static_cast<int>(x), static_cast<int>(surface.CurrentY),
                DecimalYearToDate(antar.end, true, page.choices));
        surface.Font.Size = textSize;
        surface.Font.Bold = false;

        surface.Font.Size = rowSize;
        for (int p = 0; p < 8; ++p) {
            const DashaPeriod pratyantar = periods.Period(DashaLevel::Pratyantar, 8 * n + p);
            const int y = static_cast<int>(surface.CurrentY);
            PrintAt(surface, static_cast<int>(x), y, shortNames[static_cast<std::size_t>(pratyantar.lord)]);
            if (!pratyantar.endedBeforeBirth)
                PrintAt(surface, static_cast<int>(x + dateOffset), y, dayAndMonth(pratyantar.end, page.choices));
            surface.CurrentY = y + surface.LineHeight();
        }
        surface.Font.Size = textSize;
    }
    surface.Font.Size = body;
}

} // namespace

void PrintYoginiDasha(Surface& surface, const ChartState& chart, double day, double month, double year,
                      int selector, const PageContext& page)
{
    const DashaPeriods periods = YoginiPeriods(YoginiAtMoon(chart.PlanetLongitudes[Moon]),
                                               BirthDecimalYear(day, month, year));
    int y = static_cast<int>(surface.CurrentY);
    PrintHeading(page.Dict("Yogini Dasha"), surface, y, page.layout);
    const double y0 = surface.CurrentY;
    const YoginiTexts names = DisplayTexts(YoginiNames, page.texts);
    if (selector == 0)
        printAntarPage(surface, periods, names, y0, page);
    else
        printMahaPage(surface, periods, BirthDateText(day, month, year, page.choices), names,
                      selector == -2 ? 2 : 1, y0, page);
}

} // namespace tarvik
