#include "Vimshottari.h"

#include "calc/Angles.h"
#include "calc/NameTables.h"
#include "core/State.h"
#include "panchang/Elements.h"
#include "refdata/TextLookup.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {
constexpr int DaysPerYear = 360;
constexpr int DaysPerMonth = 30;
} // namespace

DashaAtBirth VimshottariAtBirth(double startLongitude)
{
    const double longitude = ReduceDegrees(startLongitude);
    const int nakshatra = CalcNakshatra(longitude);
    // The part of the nakshatra already traversed, from the same count of
    // nakshatras, so that its start is 0 and never a hair below it.
    const double traversed = std::clamp(longitude * 3 / 40 - (nakshatra - 1), 0.0, 1.0);

    DashaAtBirth d;
    d.lord = NakshatraDashaIndex(nakshatra);
    const double years = DashaYears[d.lord];
    d.elapsed = years * traversed;
    d.balance = years - d.elapsed;
    return d;
}

double DashaStartLongitude(const ChartState& chart, bool fromAscendant, bool fromSun)
{
    if (fromAscendant)
        return chart.HouseCusps[1];
    return chart.PlanetLongitudes[fromSun ? Sun : Moon];
}

DashaDuration DecodeDuration(double years)
{
    const long long days = std::llround(std::max(years, 0.0) * DaysPerYear);
    DashaDuration d;
    d.years = static_cast<int>(days / DaysPerYear);
    d.months = static_cast<int>(days % DaysPerYear / DaysPerMonth);
    d.days = static_cast<int>(days % DaysPerMonth);
    return d;
}

std::string DashaLordKey(int lord) { return std::string(BodyKeys[DashaLordBodies[lord]]); }

std::string BalanceText(const DashaAtBirth& dasha)
{
    const DashaDuration d = DecodeDuration(dasha.balance);
    return GetDictText(DashaLordKey(dasha.lord)) + " " + std::to_string(d.years) + " " +
           GetDictText("Years") + " " + std::to_string(d.months) + " " + GetDictText("_Month") +
           " " + std::to_string(d.days) + " " + GetDictText("DAYS");
}

std::string PrintVimshottariDasha(Surface&, double, double, double, bool,
                                  const DashaSelection& selection)
{
    if (!selection.balanceOnly)
        return {};
    const double start =
        DashaStartLongitude(Chart(), selection.fromAscendant, selection.fromSun);
    return BalanceText(VimshottariAtBirth(start));
}

} // namespace tarvik
