#include "Moon.h"

#include "Angles.h"
#include "Ephemeris.h"
#include "TimeScale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace tarvik {

namespace {

// One periodic term of the Moon's longitude: coefficient (degrees) times the
// sine of a combination of the elongation D, the Moon's mean anomaly Mm, the
// Sun's mean anomaly Ms, the argument of latitude F and the node N.
struct LunarTerm {
    double coefficient;
    signed char D, Mm, Ms, F, N;
};

constexpr auto LunarSeries = std::to_array<LunarTerm>({
    // coeff     D  Mm  Ms   F   N
    {+6.2888,    0,  1,  0,  0,  0},  // Mm
    {+0.2136,    0,  2,  0,  0,  0},  // 2Mm
    {+0.01,      0,  3,  0,  0,  0},  // 3Mm
    {+1.274,     2, -1,  0,  0,  0},  // 2D - Mm
    {+0.0085,    4, -2,  0,  0,  0},  // 4D - 2Mm
    {-0.0347,    1,  0,  0,  0,  0},  // D
    {+0.6583,    2,  0,  0,  0,  0},  // 2D
    {+0.0039,    4,  0,  0,  0,  0},  // 4D
    {-0.1856,    0,  0,  1,  0,  0},  // Ms
    {-0.0021,    0,  0,  2,  0,  0},  // 2Ms
    {+0.0052,   -1,  1,  0,  0,  0},  // Mm - D
    {-0.0588,   -2,  2,  0,  0,  0},  // 2Mm - 2D
    {+0.0572,    2, -1, -1,  0,  0},  // 2D - Mm - Ms
    {+0.0533,    2,  1,  0,  0,  0},  // 2D + Mm
    {+0.0458,    2,  0, -1,  0,  0},  // 2D - Ms
    {+0.041,     0,  1, -1,  0,  0},  // Mm - Ms
    {-0.0305,    0,  1,  1,  0,  0},  // Ms + Mm
    {-0.0237,    0, -1,  0,  2,  0},  // 2F - Mm
    {-0.0153,   -2,  0,  0,  2,  0},  // 2F - 2D
    {+0.0107,    4, -1,  0,  0,  0},  // 4D - Mm
    {-0.0079,    2, -1,  1,  0,  0},  // 2D + Ms - Mm
    {-0.0068,    2,  0,  1,  0,  0},  // 2D + Ms
    {+0.005,     1,  0,  1,  0,  0},  // D + Ms
    {-0.0023,    1,  1,  0,  0,  0},  // D + Mm
    {+0.004,     2,  2,  0,  0,  0},  // 2D + 2Mm
    {+0.004,     2,  1, -1,  0,  0},  // 2D + Mm - Ms
    {-0.0037,   -2,  3,  0,  0,  0},  // 3Mm - 2D
    {-0.0026,   -2,  1,  0,  2,  0},  // Mm - 2D + 2F
    {+0.0027,    0,  2, -1,  0,  0},  // 2Mm - Ms
    {-0.0024,   -2,  2,  1,  0,  0},  // 2Mm + Ms - 2D
    {+0.0022,    2,  0, -2,  0,  0},  // 2D - 2Ms
    {-0.0021,    0,  2,  1,  0,  0},  // 2Mm + Ms
    {+0.0021,    0,  0,  0,  0,  1},  // N
    {+0.0021,    2, -1, -2,  0,  0},  // 2D - Mm - 2Ms
    {-0.0018,    2,  1,  0, -2,  0},  // 2D + Mm - 2F
    {+0.0012,    4, -1, -1,  0,  0},  // 4D - Mm - Ms
    {-0.0008,    3, -1,  0,  0,  0},  // 3D - Mm
});

// The Sun-node correction of the true node, arc-minutes every 3 degrees of
// the Sun's angle from the node, 0 to 45 (mirrored about 45 up to 90).
constexpr std::array<int, 16> SunNodeTable = {
    0, 10, 20, 30, 40, 49, 58, 66, 73, 79, 85, 90, 93, 96, 98, 98};

// The dated correction of the true node through the year: arc-minutes on
// these days; the first row is in the year before, the last in the year after.
struct DatedEntry {
    int yearOffset;
    int month;
    int day;
    int value;
};
constexpr auto DatedTable = std::to_array<DatedEntry>({
    {-1, 12, 22, +2},
    {0, 1, 3, 0},   {0, 1, 15, -2},  {0, 1, 27, -4},  {0, 2, 9, -5},   {0, 2, 21, -7},
    {0, 3, 5, -8},  {0, 3, 17, -9},  {0, 3, 29, -9},  {0, 4, 11, -9},  {0, 4, 23, -9},
    {0, 5, 5, -8},  {0, 5, 17, -7},  {0, 5, 29, -5},  {0, 6, 10, -4},  {0, 6, 23, -2},
    {0, 7, 5, 0},   {0, 7, 17, +2},  {0, 7, 29, +4},  {0, 8, 10, +5},  {0, 8, 22, +7},
    {0, 9, 4, +8},  {0, 9, 16, +9},  {0, 9, 28, +9},  {0, 10, 10, +9}, {0, 10, 22, +9},
    {0, 11, 3, +8}, {0, 11, 16, +7}, {0, 11, 28, +5}, {0, 12, 10, +4}, {0, 12, 22, +2},
    {+1, 1, 3, 0},
});

// The table value at an angle of 0 to 45 degrees, linear between the grid points.
double sunNodeTableAt(double y)
{
    y = std::clamp(y, 0.0, 45.0);
    const int k = static_cast<int>(std::floor(y / 3));
    const double f = (y - 3 * k) / 3;
    if (f == 0 || k >= 15)
        return SunNodeTable[std::min(k, 15)];
    return SunNodeTable[k] + f * (SunNodeTable[k + 1] - SunNodeTable[k]);
}

} // namespace

LunarElements MeanLunarElements(double T)
{
    LunarElements m;
    m.sunLongitude = 360.0 * Frac(0.71455 + 99.99826 * T);
    m.sunPerigee = 258.76 + 0.323 * T;
    m.moonLongitude = 360.0 * Frac(0.68882 + 1336.851353 * T);
    m.moonPerigee = 360.0 * Frac(0.8663 + 11.298994 * T - 0.00003 * T * T);
    m.node = 360.0 * Frac(0.65756 - 5.376495 * T);
    return m;
}

double MeanNode(double T) { return MeanLunarElements(T).node; }

double MoonLongitude(double T)
{
    const LunarElements m = MeanLunarElements(T);
    const double Mm = m.moonLongitude - m.moonPerigee;
    const double Ms = m.sunLongitude - m.sunPerigee;
    const double D = m.moonLongitude - m.sunLongitude;
    const double F = m.moonLongitude - m.node;

    double lambda = m.moonLongitude;
    for (const LunarTerm& t : LunarSeries) {
        const double argument = t.D * D + t.Mm * Mm + t.Ms * Ms + t.F * F + t.N * m.node;
        lambda += t.coefficient * std::sin(argument * DegToRad);
    }
    // The reduction from the Moon's orbit to the ecliptic, and a constant.
    lambda = lambda - 0.1143 * std::sin(2 * (lambda - m.node) * DegToRad) + 0.004;
    return ReduceDegrees(lambda);
}

double SunNodeCorrection(double sunLongitude, double meanNode)
{
    // The Sun's angle from the node axis, 0..180, then folded to 0..90 with
    // the sign of the half it lies in.
    double x = sunLongitude - meanNode;
    // A longitude that is no number (a moment far outside any calendar)
    // would index the table at random.
    if (!std::isfinite(x))
        throw std::domain_error("the Sun's longitude or the node's is no number");
    x = std::fmod(x, 180.0);
    if (x < 0)
        x += 180;
    if (x > 180)
        x -= 180;
    double sign = +1;
    if (x > 90) {
        x -= 90;
        sign = -1;
    }
    const double value = x < 45 ? sunNodeTableAt(x) : sunNodeTableAt(90 - x);
    return sign * value;
}

double DatedNodeCorrection(int day, int month, int year)
{
    const int birth = DayNumber(day, month, year);
    auto dateOf = [year](const DatedEntry& e) { return DayNumber(e.day, e.month, year + e.yearOffset); };
    // The first entry on or after the birth date; the first entry is always before it.
    std::size_t i = 1;
    while (i + 1 < DatedTable.size() && dateOf(DatedTable[i]) < birth)
        ++i;
    const DatedEntry& next = DatedTable[i];
    const DatedEntry& prev = DatedTable[i - 1];
    const double span = dateOf(next) - dateOf(prev);
    const double before = dateOf(next) - birth;
    return next.value - before * (next.value - prev.value) / span;
}

double CalcRahu(double meanNode, double sunLongitude, const NodeChoice& choice)
{
    if (!choice.trueNode)
        return meanNode;
    const double minutes = SunNodeCorrection(sunLongitude, meanNode)
                           + DatedNodeCorrection(choice.day, choice.month, choice.year);
    return ReduceDegrees(meanNode + minutes / 60);
}

void CalcMoon(ChartState& chart, const NodeChoice& choice)
{
    const double T = chart.JulianCenturies;
    const double rahu = CalcRahu(MeanNode(T), chart.PlanetLongitudes[Sun], choice);
    chart.PlanetLongitudes[PassSlot(chart, Moon)] = MoonLongitude(T);
    chart.PlanetLongitudes[PassSlot(chart, Rahu)] = rahu;
    chart.PlanetLongitudes[PassSlot(chart, Ketu)] = ReduceDegrees(rahu + 180);
}

} // namespace tarvik
