#include "Jaimini.h"

#include "DashaPageText.h"
#include "calc/DashaPeriods.h"
#include "calc/NameTables.h"
#include "calc/Vargas.h"
#include "calc/DecimalYear.h"
#include "pages/Frame.h"

#include <string>

namespace tarvik {

namespace {
constexpr int Signs = 12;
} // namespace

void JaiminiPage(int cycle, Surface& surface, const ChartState& chart, const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const BirthRecord& native = page.births.Native;
    const double s = layout.scale;
    const double step = 0.8 * layout.lineStep;

    int headingY = static_cast<int>(surface.CurrentY);
    PrintHeading(page.Dict("Chara Dasha"), surface, headingY, layout);

    const int ascendant = SplitSign(chart.HouseCusps[1]).sign;
    std::array<int, Signs> signs{};
    std::array<int, Signs> years{};
    double date = BirthDecimalYear(native.Day, native.Month, native.Year);
    for (int k = 0; k < Signs; ++k) {
        signs[k] = CharaDashaSign(ascendant, k);
        years[k] = CharaDashaYears(chart, signs[k]);
        if (cycle == 1)
            date += years[k];   // the second cycle begins where the first ends
    }

    const auto signNames = DisplayTexts(SignKeys, page.texts);
    surface.Font.Size -= s;
    for (int k = 0; k < Signs; ++k) {
        const double x = layout.leftMargin + 1800 * (k % 5);
        const double top = layout.topMargin + 800 * s + 4000 * (k / 5);
        const auto at = [&](double dx, int line, const std::string& text) {
            PrintAt(surface, static_cast<int>(x + dx), static_cast<int>(top + line * step), text);
        };
        surface.Font.Bold = true;
        at(0, 0, signNames[signs[k]] + " " + std::to_string(years[k]) + " " +
                     page.Dict("Years"));
        // The first period of the first cycle starts at the native's own
        // birth date, which the decimal year cannot always name.
        at(400, 1, cycle == 0 && k == 0 ? BirthDateText(native.Day, native.Month, native.Year, page.choices)
                                        : DecimalYearToDate(date, true, page.choices));
        at(0, 2, page.Dict("to"));
        at(400, 2, DecimalYearToDate(date + years[k], true, page.choices));
        surface.Font.Bold = false;
        const double sub = years[k] / 12.0;
        for (int j = 0; j < 12; ++j) {
            date += sub;
            at(0, 3 + j, ShortName(signNames[CharaSubPeriodSign(signs[k], j)], 3, page.choices));
            at(600, 3 + j, DecimalYearToDate(date, false, page.choices));
        }
    }
    surface.Font.Size += s;

    const std::array<Karaka, 7> karakas = CharaKarakas(chart);
    const int left = static_cast<int>(6000 * s);
    surface.Font.Italic = true;
    PrintAt(surface, left, static_cast<int>(layout.topMargin * s + 800 + 8000 * s),
            page.Dict("Karka"));
    surface.Font.Italic = false;
    for (int r = 0; r < 7; ++r) {
        const int y = static_cast<int>(surface.CurrentY + 0.5 * layout.lineStep);
        PrintAt(surface, left, y, page.Dict(KarakaNames[r]));
        PrintAt(surface, static_cast<int>(7500 * s), y, page.Dict(BodyKeys[karakas[r].body]));
    }
    PrintAt(surface, left, static_cast<int>(surface.CurrentY + layout.lineStep),
            page.Dict("KARAKAMSHA") + signNames[Karakamsha(chart, karakas)]);
}

} // namespace tarvik
