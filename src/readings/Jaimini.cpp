#include "Jaimini.h"

#include "DashaPageText.h"
#include "DashaPeriods.h"
#include "calc/NameTables.h"
#include "calc/Vargas.h"
#include "core/State.h"
#include "pages/DecimalYear.h"
#include "pages/Frame.h"
#include "refdata/TextLookup.h"

#include <string>

namespace tarvik {

namespace {

constexpr int Signs = 12;
constexpr int Scorpio = 8;
constexpr int Aquarius = 11;

// Signs whose periods run forward through the zodiac, and whose
// sub-periods do: Aries, Leo, Virgo, Libra, Aquarius, Pisces.
bool runsForward(int sign)
{
    switch (sign) {
    case 1: case 5: case 6: case 7: case 11: case 12: return true;
    default: return false;
    }
}

// Signs whose years are counted forward to their lord: Aries, Taurus,
// Gemini, Libra, Scorpio, Sagittarius.
bool countsForward(int sign)
{
    switch (sign) {
    case 1: case 2: case 3: case 7: case 8: case 9: return true;
    default: return false;
    }
}

int wrapSign(int sign) { return WrapRange(sign, Signs); }

int signOf(const ChartState& chart, int body) { return SplitSign(chart.PlanetLongitudes[body]).sign; }

// The bodies Sun to Ketu standing in a sign.
int bodiesIn(const ChartState& chart, int sign)
{
    int n = 0;
    for (int body = Sun; body <= Ketu; ++body)
        n += signOf(chart, body) == sign;
    return n;
}

// Of the two lords of Scorpio or Aquarius, the one whose sign decides the
// years: the other one when one of them stands in the sign itself, else
// the stronger: the one with more bodies in its sign, then the one further
// on in its sign, and the node when they are equal in both.
int decidingLord(const ChartState& chart, int sign)
{
    const int a = sign == Scorpio ? Mars : Saturn;
    const int b = sign == Scorpio ? Ketu : Rahu;
    const bool aHome = signOf(chart, a) == sign;
    const bool bHome = signOf(chart, b) == sign;
    if (aHome)
        return b;   // both at home gives the sign itself, twelve years
    if (bHome)
        return a;
    const int na = bodiesIn(chart, signOf(chart, a));
    const int nb = bodiesIn(chart, signOf(chart, b));
    if (na != nb)
        return na > nb ? a : b;
    const double da = SplitSign(chart.PlanetLongitudes[a]).degrees;
    const double db = SplitSign(chart.PlanetLongitudes[b]).degrees;
    return da > db ? a : b;
}

} // namespace

std::array<Karaka, 7> CharaKarakas(const ChartState& chart)
{
    std::array<Karaka, 7> rows;
    for (int body = Sun; body <= Moon; ++body)
        rows[static_cast<std::size_t>(body - Sun)] = {body, SplitSign(chart.PlanetLongitudes[body]).degrees};
    for (std::size_t i = 0; i + 1 < rows.size(); ++i)
        for (std::size_t j = i + 1; j < rows.size(); ++j)
            if (rows[i].degrees < rows[j].degrees)
                std::swap(rows[i], rows[j]);
    return rows;
}

int Karakamsha(const ChartState& chart, const std::array<Karaka, 7>& karakas)
{
    return chart.ShodashVargaSigns[6][TraditionalPosition[karakas[0].body]];
}

int CharaDashaSign(int ascendantSign, int k)
{
    return wrapSign(ascendantSign + (runsForward(ascendantSign) ? k : -k));
}

int CharaSubPeriodSign(int periodSign, int j)
{
    return wrapSign(periodSign + (runsForward(periodSign) ? j + 1 : -(j + 1)));
}

int CharaDashaYears(const ChartState& chart, int sign)
{
    const int lord = sign == Scorpio || sign == Aquarius
                         ? decidingLord(chart, sign)
                         : BodyDisplayOrder[SignLords[sign]];
    const int lordSign = signOf(chart, lord);
    const int years = countsForward(sign) ? lordSign - sign : sign - lordSign;
    return years < 1 ? years + Signs : years;
}

void JaiminiPage(int cycle, Surface& surface)
{
    const RunValues& run = OutputRun();
    const Settings& settings = Config();
    const ChartState& chart = Chart();
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
        at(400, 1, cycle == 0 && k == 0 ? BirthDateText(native.Day, native.Month, native.Year)
                                        : DecimalYearToDate(date, true));
        at(0, 2, GetDictText("to"));
        at(400, 2, DecimalYearToDate(date + years[k], true));
        surface.Font.Bold = false;
        const double sub = years[k] / 12.0;
        for (int j = 0; j < 12; ++j) {
            date += sub;
            at(0, 3 + j, ShortName(signNames[CharaSubPeriodSign(signs[k], j)], 3));
            at(600, 3 + j, DecimalYearToDate(date, false));
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
