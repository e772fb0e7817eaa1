#include "Moon.h"

#include "Angles.h"
#include "Ephemeris.h"
#include "TimeScale.h"

#include <algorithm>
#include <array>
#include <cmath>

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

// The true (osculating) node's excess over the mean node, arc-minutes:
// sines of the elongation D, the Sun's mean anomaly M, the Moon's mean
// anomaly M' and the argument of latitude F. The osculating node is where
// the plane of the orbit the Moon would keep if its perturbations stopped
// (normal to r x v) cuts the ecliptic. The main term, of the Sun's angle
// from the node (D - F), swings it by 1.5 degrees twice in an eclipse year;
// the others, of 9' at most, run with the Moon's months and the Sun's
// anomaly. Fitted by least squares to that node over 1800-2199
// (tools/reference/true-node-reference.js); what the twenty terms leave is
// under 4'.
struct NodeTerm {
    double arcmin;
    signed char D, M, Mm, F;
};

constexpr auto TrueNodeSeries = std::to_array<NodeTerm>({
    //   arcmin   D   M  M'   F
    { -89.838,  2,  0,  0, -2},  // 2D - 2F
    {  -9.005,  0,  1,  0,  0},  // M
    {  -7.350,  2,  0,  0,  0},  // 2D
    {  +7.064,  0,  0,  0,  2},  // 2F
    {  -4.790,  0,  0,  2, -2},  // 2M' - 2F
    {  -3.699,  2, -1,  0, -2},  // 2D - M - 2F
    {  +2.941,  2,  0, -1,  0},  // 2D - M'
    {  +2.448,  0,  0,  1, -2},  // M' - 2F
    {  +1.964,  0,  0,  1,  0},  // M'
    {  +1.947,  2,  1,  0, -2},  // 2D + M - 2F
    {  +1.166,  4,  0,  0, -4},  // 4D - 4F
    {  +1.066,  2,  0, -1, -2},  // 2D - M' - 2F
    {  -0.889,  2,  0,  1, -2},  // 2D + M' - 2F
    {  +0.885,  2,  0, -2,  0},  // 2D - 2M'
    {  -0.478,  2, -1,  0,  0},  // 2D - M
    {  -0.271,  2,  0,  1,  0},  // 2D + M'
    {  -0.258,  1,  0, -1,  0},  // D - M'
    {  +0.251,  0,  0,  1,  2},  // M' + 2F
    {  -0.192,  0,  1,  0, -2},  // M - 2F
    {  +0.183,  2, -1, -1,  0},  // 2D - M - M'
});

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

namespace {
// The four arguments of the lunar series, in degrees: the elongation D, the
// Sun's mean anomaly M, the Moon's mean anomaly M' and its argument of
// latitude F.
struct LunarArguments {
    double D, M, Mm, F;
};

LunarArguments ArgumentsOf(const LunarElements& m)
{
    return {m.moonLongitude - m.sunLongitude, m.sunLongitude - m.sunPerigee, m.moonLongitude - m.moonPerigee,
            m.moonLongitude - m.node};
}
} // namespace

double MoonLongitude(double T)
{
    const LunarElements m = MeanLunarElements(T);
    const LunarArguments a = ArgumentsOf(m);

    double lambda = m.moonLongitude;
    for (const LunarTerm& t : LunarSeries) {
        const double argument = t.D * a.D + t.Mm * a.Mm + t.Ms * a.M + t.F * a.F + t.N * m.node;
        lambda += t.coefficient * std::sin(argument * DegToRad);
    }
    // The reduction from the Moon's orbit to the ecliptic, and a constant.
    lambda = lambda - 0.1143 * std::sin(2 * (lambda - m.node) * DegToRad) + 0.004;
    return ReduceDegrees(lambda);
}

double TrueNodeCorrection(double T)
{
    const LunarArguments a = ArgumentsOf(MeanLunarElements(T));
    double minutes = 0;
    for (const NodeTerm& t : TrueNodeSeries)
        minutes += t.arcmin * std::sin((t.D * a.D + t.M * a.M + t.Mm * a.Mm + t.F * a.F) * DegToRad);
    return minutes;
}

double CalcRahu(double T, const NodeChoice& choice)
{
    const double mean = MeanNode(T);
    if (!choice.trueNode)
        return mean;
    return ReduceDegrees(mean + TrueNodeCorrection(T) / 60);
}

void CalcMoon(ChartState& chart, const NodeChoice& choice)
{
    const double T = chart.JulianCenturies;
    const double rahu = CalcRahu(T, choice);
    chart.PlanetLongitudes[PassSlot(chart, Moon)] = MoonLongitude(T);
    chart.PlanetLongitudes[PassSlot(chart, Rahu)] = rahu;
    chart.PlanetLongitudes[PassSlot(chart, Ketu)] = ReduceDegrees(rahu + 180);
}

} // namespace tarvik
