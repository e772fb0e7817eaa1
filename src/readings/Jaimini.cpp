#include "Jaimini.h"

#include "DashaPageText.h"
#include "calc/DashaPeriods.h"
#include "calc/NameTables.h"
#include "calc/Vargas.h"
#include "core/State.h"
#include "calc/DecimalYear.h"
#include "pages/Frame.h"
#include "refdata/TextLookup.h"

#include <string>

namespace tarvik {

namespace {
constexpr int Signs = 12;
} // namespace

void JaiminiPage(int cycle, Surface& surface, const ChartState& chart, const RunChoices& choices)
{
    const RunValues& run = OutputRun();
    const Settings& settings = Config();
    const BirthRecord& native = Native();
    const double s = run.OutputScale;
    const double step = 0.8 * run.LineStep;

    int headingY = static_cast<int>(surface.CurrentY);
    PrintHeading(GetDictText("Chara Dasha"), surface, headingY);

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

    const auto signNames = DisplayTexts(SignKeys);
    surface.Font.Size -= s;
    for (int k = 0; k < Signs; ++k) {
        const double x = settings.LeftMarginTwips + 1800 * (k % 5);
        const double top = settings.TopMarginTwips + 800 * s + 4000 * (k / 5);
        const auto at = [&](double dx, int line, const std::string& text) {
            PrintAt(surface, static_cast<int>(x + dx), static_cast<int>(top + line * step), text);
        };
        surface.Font.Bold = true;
        at(0, 0, signNames[signs[k]] + " " + std::to_string(years[k]) + " " +
                     GetDictText("Years"));
        // The first period of the first cycle starts at the native's own
        // birth date, which the decimal year cannot always name.
        at(400, 1, cycle == 0 && k == 0 ? BirthDateText(native.Day, native.Month, native.Year, choices)
                                        : DecimalYearToDate(date, true, choices));
        at(0, 2, GetDictText("to"));
        at(400, 2, DecimalYearToDate(date + years[k], true, choices));
        surface.Font.Bold = false;
        const double sub = years[k] / 12.0;
        for (int j = 0; j < 12; ++j) {
            date += sub;
            at(0, 3 + j, ShortName(signNames[CharaSubPeriodSign(signs[k], j)], 3, choices));
            at(600, 3 + j, DecimalYearToDate(date, false, choices));
        }
    }
    surface.Font.Size += s;

    const std::array<Karaka, 7> karakas = CharaKarakas(chart);
    const int left = static_cast<int>(6000 * s);
    surface.Font.Italic = true;
    PrintAt(surface, left, static_cast<int>(settings.TopMarginTwips * s + 800 + 8000 * s),
            GetDictText("Karka"));
    surface.Font.Italic = false;
    for (int r = 0; r < 7; ++r) {
        const int y = static_cast<int>(surface.CurrentY + 0.5 * run.LineStep);
        PrintAt(surface, left, y, GetDictText(KarakaNames[r]));
        PrintAt(surface, static_cast<int>(7500 * s), y, GetDictText(BodyKeys[karakas[r].body]));
    }
    PrintAt(surface, left, static_cast<int>(surface.CurrentY + run.LineStep),
            GetDictText("KARAKAMSHA") + signNames[Karakamsha(chart, karakas)]);
}

} // namespace tarvik
