#include "KPChart.h"

#include "Angles.h"
#include "Houses.h"
#include "core/State.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

namespace tarvik {

namespace {

// Poles of the houses by latitude, from the KP tables of houses. The rows at
// 22°35' and 51°32' stand between whole degrees.
constexpr KPPoleRow PoleTable[] = {
    { 0,  0,    0,    0},
    { 1,  0,   39,   21},
    { 2,  0,   81,   39},
    { 3,  0,  120,   60},
    { 4,  0,  161,   81},
    { 5,  0,  200,  101},
    { 6,  0,  242,  120},
    { 7,  0,  281,  140},
    { 8,  0,  323,  161},
    { 9,  0,  364,  182},
    {10,  0,  403,  203},
    {11,  0,  444,  223},
    {12,  0,  485,  244},
    {13,  0,  525,  264},
    {14,  0,  566,  285},
    {15,  0,  610,  308},
    {16,  0,  650,  328},
    {17,  0,  690,  349},
    {18,  0,  734,  372},
    {19,  0,  778,  394},
    {20,  0,  821,  417},
    {21,  0,  864,  440},
    {22,  0,  907,  462},
    {22, 35,  932,  475},
    {23,  0,  950,  485},
    {24,  0,  996,  510},
    {25,  0, 1038,  532},
    {26,  0, 1083,  557},
    {27,  0, 1128,  582},
    {28,  0, 1177,  608},
    {29,  0, 1225,  634},
    {30,  0, 1269,  659},
    {31,  0, 1316,  686},
    {32,  0, 1356,  714},
    {33,  0, 1413,  741},
    {34,  0, 1462,  769},
    {35,  0, 1510,  797},
    {36,  0, 1561,  828},
    {37,  0, 1612,  858},
    {38,  0, 1665,  890},
    {39,  0, 1717,  922},
    {40,  0, 1772,  956},
    {41,  0, 1825,  990},
    {42,  0, 1878, 1023},
    {43,  0, 1936, 1061},
    {44,  0, 1992, 1098},
    {45,  0, 2050, 1137},
    {46,  0, 2107, 1175},
    {47,  0, 2167, 1217},
    {48,  0, 2229, 1261},
    {49,  0, 2289, 1304},
    {50,  0, 2352, 1351},
    {51,  0, 2418, 1402},
    {51, 32, 2452, 1428},
    {52,  0, 2482, 1450},
    {53,  0, 2551, 1505},
    {54,  0, 2617, 1560},
    {55,  0, 2688, 1619},
    {56,  0, 2758, 1679},
    {57,  0, 2831, 1745},
    {58,  0, 2906, 1814},
    {59,  0, 2983, 1888},
    {60,  0, 3063, 1967},
};

constexpr int LatitudeMinutes(const KPPoleRow& row) { return row.latDeg * 60 + row.latMin; }

// The latitude of the table's last row.
constexpr double PoleTableEnd = LatitudeMinutes(std::end(PoleTable)[-1]) / 60.0;

// The tropical longitude of a Placidus cusp for the midheaven's right
// ascension `ramc` (degrees). The cusp lies `hourAngle` degrees east of the
// meridian plus `share` of the ascensional difference of its own declination
// (a third or two thirds of its semi-arc from the meridian): its right
// ascension a solves a = ramc + hourAngle + share * AD(a). The map contracts
// by share * tan(latitude) tan(obliquity) < 1, so simple iteration settles.
double PlacidusCusp(double ramc, double hourAngle, double share, double latitude, double obliquity)
{
    const double k = std::tan(latitude * DegToRad) * std::tan(obliquity * DegToRad);
    double a = ramc + hourAngle;
    for (int n = 0; n < 200; ++n) {
        const double ad = std::asin(std::clamp(k * std::sin(a * DegToRad), -1.0, 1.0)) / DegToRad;
        const double next = ramc + hourAngle + share * ad;
        const bool settled = std::abs(next - a) < 1e-10;
        a = next;
        if (settled)
            break;
    }
    const double r = a * DegToRad;
    return ReduceDegrees(std::atan2(std::sin(r), std::cos(r) * std::cos(obliquity * DegToRad)) / DegToRad);
}

} // namespace

double KPCuspLatitudeLimit(double obliquity) { return 90.0 - obliquity; }

KPPoles KPPolesAt(double latitude)
{
    // Beyond the last row the 60° poles stand: the tables give nothing further.
    const double x = std::min(std::abs(latitude) * 60.0, double(LatitudeMinutes(std::end(PoleTable)[-1])));
    const auto* upper = std::upper_bound(std::begin(PoleTable) + 1, std::end(PoleTable) - 1, x,
        [](double minutes, const KPPoleRow& row) { return minutes <= LatitudeMinutes(row); });
    const KPPoleRow& lo = upper[-1];
    const KPPoleRow& hi = *upper;
    const double f = (x - LatitudeMinutes(lo)) / (LatitudeMinutes(hi) - LatitudeMinutes(lo));
    const double sign = latitude < 0 ? -1.0 : 1.0;
    return {sign * (lo.cusps2and12 + (hi.cusps2and12 - lo.cusps2and12) * f) / 60.0,
            sign * (lo.cusps3and11 + (hi.cusps3and11 - lo.cusps3and11) * f) / 60.0};
}

double SiderealTimeOfAscendant(double ascendant, double latitude, double obliquity,
                               double ayanamsa)
{
    const double eps = obliquity * DegToRad;
    const double T = ReduceDegrees(ascendant + ayanamsa);
    const int quadrant = std::min(static_cast<int>(T / 90.0), 3);
    const double A = std::array{T, 180.0 - T, T - 180.0, 360.0 - T}[quadrant] * DegToRad;

    const double r = std::atan(std::cos(eps) * std::tan(A)) / DegToRad;
    const double rightAscension = std::array{r, 180.0 - r, 180.0 + r, 360.0 - r}[quadrant];

    // Declination of the rising point and its ascensional difference; the
    // argument is held to [-1, 1], which a point that rises never leaves
    // except by rounding.
    auto arcsine = [](double v) { return std::asin(std::clamp(v, -1.0, 1.0)); };
    const double declination = arcsine(std::sin(eps) * std::sin(A));
    double ascensionalDifference = arcsine(std::tan(declination) * std::tan(latitude * DegToRad));
    if (T > 180.0)
        ascensionalDifference = -ascensionalDifference;   // southern declinations

    double hours = (rightAscension - ascensionalDifference / DegToRad - 90.0) / 15.0;
    hours = std::fmod(hours, 24.0);
    if (hours < 0)
        hours += 24.0;
    return hours >= 24.0 ? 0.0 : hours;
}

double CalcAscendantKP(double hours, double latitude)
{
    return CalcAscendant(hours, latitude, Chart().Obliquity, Births().BirthAyanamsa);
}

bool CalcKPChart()
{
    ChartState& chart = Chart();
    auto& cusps = chart.KPCusps;
    const double ayanamsa = Births().BirthAyanamsa;
    const double latitude = chart.PlaceLatitude;

    if (std::abs(latitude) >= KPCuspLatitudeLimit(chart.Obliquity)) {
        cusps.fill(0.0);
        chart.KPHouseSigns.fill(0.0);
        return false;
    }

    cusps[0] = ReduceDegrees(ReduceDegrees(Births().BirthLagna) + 6.0 / 60.0);
    const double ramc = SiderealTimeOfAscendant(cusps[0], latitude, chart.Obliquity, ayanamsa);

    cusps[9] = CalcAscendantKP(ramc - 6, 0);          // midheaven
    if (std::abs(latitude) <= PoleTableEnd) {
        const KPPoles poles = KPPolesAt(latitude);
        cusps[10] = CalcAscendantKP(ramc - 4, poles.cusps3and11);
        cusps[11] = CalcAscendantKP(ramc - 2, poles.cusps2and12);
        cusps[1] = CalcAscendantKP(ramc + 2, poles.cusps2and12);
        cusps[2] = CalcAscendantKP(ramc + 4, poles.cusps3and11);
    } else {
        // Beyond the tables, the Placidus division of the semi-arcs that
        // their poles stand for.
        auto cusp = [&](double hourAngle, double share) {
            return ReduceDegrees(PlacidusCusp(ramc * 15, hourAngle, share, latitude, chart.Obliquity) - ayanamsa);
        };
        cusps[10] = cusp(30, 1.0 / 3);
        cusps[11] = cusp(60, 2.0 / 3);
        cusps[1] = cusp(120, 2.0 / 3);
        cusps[2] = cusp(150, 1.0 / 3);
    }
    for (int k = 3; k <= 8; ++k)                       // each cusp opposite its sixth
        cusps[k] = ReduceDegrees(cusps[(k + 6) % 12] + 180.0);
    cusps[12] = cusps[0];

    for (int k = 0; k <= 11; ++k)
        chart.KPHouseSigns[k] = std::min(static_cast<int>(cusps[k] / 30.0), 11) + 1;
    return true;
}

} // namespace tarvik
