#include "Vimshottari.h"

#include "calc/Angles.h"
#include "calc/NameTables.h"
#include "panchang/Elements.h"
#include "refdata/TextLookup.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {
constexpr int DaysPerYear = 360;
constexpr int DaysPerMonth = 30;
} // namespace

NakshatraPart NakshatraAt(double longitude)
{
    const double reduced = ReduceDegrees(longitude);
    NakshatraPart part;
    part.nakshatra = CalcNakshatra(reduced);
    // The part already traversed, from the same count of nakshatras, so that
    // a nakshatra's start is 0 and never a hair below it.
    part.traversed = std::clamp(reduced * 3 / 40 - (part.nakshatra - 1), 0.0, 1.0);
    return part;
}

DashaAtBirth VimshottariAtBirth(double startLongitude)
{
    const NakshatraPart part = NakshatraAt(startLongitude);
    DashaAtBirth d;
    d.lord = NakshatraDashaIndex(part.nakshatra);
    const double years = DashaYears[d.lord];
    d.elapsed = years * part.traversed;
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

DashaPeriods VimshottariPeriods(const DashaAtBirth& atBirth, double birth)
{
    return DashaPeriods(Vimshottari, atBirth.lord, atBirth.elapsed, birth);
}

std::string DashaLordKey(int lord) { return std::string(BodyKeys[DashaLordBodies[lord]]); }

std::string BalanceText(const DashaAtBirth& dasha, const Texts& texts)
{
    const DashaDuration d = DecodeDuration(dasha.balance);
    return texts.Dict(DashaLordKey(dasha.lord)) + " " + std::to_string(d.years) + " " + texts.Dict("Years") +
           " " + std::to_string(d.months) + " " + texts.Dict("_Month") + " " + std::to_string(d.days) + " " +
           texts.Dict("DAYS");
}

} // namespace tarvik
