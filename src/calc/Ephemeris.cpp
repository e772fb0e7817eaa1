#include "Ephemeris.h"

#include "Angles.h"
#include "PerturbationSeries.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace tarvik {

namespace {

// Mean elements referred to the Lahiri zodiac of 1900: the mean longitude is
// L0 + n T revolutions, every other element a + b T (degrees, AU).
struct ElementRow {
    int body;
    double L0, n;                 // revolutions, revolutions per Julian century
    double peri, periT;
    double node, nodeT;
    double e, eT;
    double incl, inclT;
    double a;
};

constexpr std::array<ElementRow, 9> Elements = {{
    //  body     L0       n           perihelion       node             eccentricity          inclination             a
    {Sun,     0.71455, 99.99826,  258.76, 0.323,  0,     0,       0.016751, -0.000042, 0,         0,         1.0},
    {Mercury, 0.43255, 415.20187, 53.44,  0.159,  24.69, -0.211,  0.205614,  0.00002,  7.00288,   0.001861,  0.3871},
    {Venus,   0.88974, 162.54949, 107.7,  0.012,  53.22, -0.496,  0.00682,  -0.000048, 3.39363,   0.001,     0.72333},
    // Both eccentricities grow from their 1900 values: a falling rate shows
    // as a 2 de T sin M error in the longitude (Mars near 5', Jupiter near
    // 8' by 2200), so the rates are positive.
    {Mars,    0.75358, 53.16751,  311.76, 0.445,  26.33, -0.625,  0.093313,  0.000092, 1.850333, -0.000675,  1.5237},
    {Jupiter, 0.59886, 8.43029,   350.26, 0.214,  76.98, -0.386,  0.048335,  0.000164, 1.308376, -0.005696,  5.2026},
    {Saturn,  0.67807, 3.39476,   68.64,  0.562,  90.33, -0.523,  0.055892, -0.000346, 2.49252,  -0.00392,   9.5547},
    {Uranus,  0.61372, 1.19019,   149.09, 0.088,  51.02, -0.897,  0.046344, -0.000027, 0.772464,  0.000625,  19.218},
    {Neptune, 0.17361, 0.60692,   24.27,  0.028,  108.22, -0.297, 0.009,     0.000006, 1.779242, -0.009544,  30.11},
    {Pluto,   0.19434, 0.40254,   200.02, 0.002,  86.49, -0.038,  0.248644,  0,        17.146778, -0.005531, 39.52},
}};

const ElementRow& rowOf(int body)
{
    for (const ElementRow& row : Elements)
        if (row.body == body)
            return row;
    throw std::out_of_range("no orbital elements for body " + std::to_string(body));
}

// Sums one perturbation series from the sines and cosines of the multiples
// of its arguments, tabulated once per chart.
class TrigTable {
public:
    TrigTable(double V, double zeta, double Q, double psi)
    {
        const double base[4] = {V, zeta, Q, psi};
        for (int a = 0; a < 4; ++a)
            for (int k = 0; k <= MaxMultiple; ++k) {
                sin_[a][k] = std::sin(k * base[a]);
                cos_[a][k] = std::cos(k * base[a]);
            }
    }

    double value(perturbation::Factor f) const
    {
        const int a = static_cast<int>(f.arg);
        switch (f.fn) {
        case perturbation::Fn::Sin: return sin_[a][f.k];
        case perturbation::Fn::Cos: return cos_[a][f.k];
        case perturbation::Fn::One: break;
        }
        return 1.0;
    }

    template <std::size_t N>
    double sum(const std::array<perturbation::Term, N>& series, double v) const
    {
        double total = 0;
        for (const perturbation::Term& t : series)
            total += (t.c + v * (t.cv + v * t.cvv)) * value(t.first) * value(t.second);
        return total;
    }

private:
    static constexpr int MaxMultiple = 4;
    double sin_[4][MaxMultiple + 1];
    double cos_[4][MaxMultiple + 1];
};

void store(ChartState& chart, int body, double longitude)
{
    chart.PlanetLongitudes[PassSlot(chart, body)] = longitude;
}

// A planet from its (possibly corrected) elements, seen from the Earth
// through the Sun's vector of the same pass.
void storePlanet(ChartState& chart, int body, const Orbit& orbit)
{
    store(chart, body, HelioToGeo(orbit, body, chart.SunHelioX, chart.SunHelioY));
}

double sinDeg(double degrees) { return std::sin(degrees * DegToRad); }

} // namespace

Orbit MeanElements(int body, double T)
{
    const ElementRow& r = rowOf(body);
    Orbit o;
    o.L = 360.0 * Frac(r.L0 + r.n * T);
    o.perihelion = r.peri + r.periT * T;
    o.node = r.node + r.nodeT * T;
    o.e = r.e + r.eT * T;
    o.inclination = r.incl + r.inclT * T;
    o.a = r.a;
    return o;
}

double HelioToGeo(const Orbit& orbit, int body, double& sunX, double& sunY)
{
    double M = std::fmod(orbit.L - orbit.perihelion, 360.0);
    if (M < 0)
        M += 360;
    M *= DegToRad;

    // Kepler's equation by Newton's method, to a step of 0.01 radian: the
    // convergence is quadratic, so the anomaly is then good to about 1e-5.
    const double e = orbit.e;
    double E = M + e * std::sin(M);
    // A few steps suffice for any planet's eccentricity; the cap ends the
    // loop for an anomaly that is no number (a moment far outside any
    // calendar), which never converges.
    constexpr int MostKeplerSteps = 50;
    double step;
    int steps = 0;
    do {
        const double f = E - e * std::sin(E) - M;
        step = f / (1 - e * std::cos(E));
        E -= step;
    } while (!(std::fabs(step) <= 0.01) && ++steps < MostKeplerSteps);

    const double r = orbit.a * (1 - e * std::cos(E));
    const double phi = std::atan(e / std::sqrt(1 - e * e));
    double h = std::atan(std::tan(E / 2) / std::tan(Pi / 4 - phi / 2));
    if (h < 0)
        h += Pi;
    const double nu = 2 * h;

    const double node = orbit.node * DegToRad;
    const double lambdaH = nu + orbit.perihelion * DegToRad;
    const double u = lambdaH - node;
    const double tilt = 1 - std::cos(orbit.inclination * DegToRad);
    // The orbit projected on the ecliptic; no height above it is formed.
    const double x = r * (std::cos(lambdaH) + std::sin(node) * std::sin(u) * tilt);
    const double y = r * (std::sin(lambdaH) - std::cos(node) * std::sin(u) * tilt);

    if (body == Sun) {
        sunX = x;
        sunY = y;
    }
    // For the Sun this doubles its own vector and keeps the direction; for a
    // planet it is the heliocentric vector plus the Sun's geocentric one.
    const double X = x + sunX;
    const double Y = y + sunY;
    return ReduceDegrees(std::atan2(Y, X) / DegToRad);
}

double SunLongitude(double T)
{
    double x = 0, y = 0;
    return HelioToGeo(MeanElements(Sun, T), Sun, x, y);
}

void CalcPerturbations(ChartState& chart)
{
    using namespace perturbation;
    const double T = chart.JulianCenturies;
    const double twoPi = Pi + Pi;
    const double v = T / 5 + 0.1;
    const double P = twoPi * Frac(0.65965 + 8.43029 * T);   // Jupiter's mean anomaly
    const double Qs = twoPi * Frac(0.73866 + 3.39476 * T);  // Saturn's
    const double S = twoPi * Frac(0.67644 + 1.19019 * T);   // Uranus's
    const TrigTable trig(5 * Qs - 2 * P, Qs - P, Qs, S - Qs);

    auto& jup = chart.JupiterPerturbations;
    auto& sat = chart.SaturnPerturbations;
    jup[0] = sat[0] = 0;
    jup[1] = trig.sum(J1, v);
    jup[2] = trig.sum(J2, v);
    jup[3] = J3Scale * trig.sum(J3, v);
    jup[4] = J4Scale * trig.sum(J4, v);
    sat[1] = trig.sum(S1, v);
    sat[2] = trig.sum(S2, v);
    sat[3] = S3Scale * trig.sum(S3, v);
    sat[4] = S4Scale * trig.sum(S4, v);
}

void CalcSun(ChartState& chart)
{
    store(chart, Sun, HelioToGeo(MeanElements(Sun, chart.JulianCenturies), Sun,
                                 chart.SunHelioX, chart.SunHelioY));
}

void CalcMercury(ChartState& chart) { storePlanet(chart, Mercury, MeanElements(Mercury, chart.JulianCenturies)); }
void CalcVenus(ChartState& chart) { storePlanet(chart, Venus, MeanElements(Venus, chart.JulianCenturies)); }
void CalcMars(ChartState& chart) { storePlanet(chart, Mars, MeanElements(Mars, chart.JulianCenturies)); }

namespace {
// Jupiter and Saturn with their perturbations: the longitude, eccentricity
// and axis corrected directly, the perihelion by its correction divided by
// the corrected eccentricity.
Orbit perturbed(int body, double T, const std::array<double, 5>& p)
{
    Orbit o = MeanElements(body, T);
    o.L += p[1];
    o.e += p[3];
    o.perihelion += p[2] / o.e;
    o.a += p[4];
    return o;
}
} // namespace

void CalcJupiter(ChartState& chart)
{
    storePlanet(chart, Jupiter, perturbed(Jupiter, chart.JulianCenturies, chart.JupiterPerturbations));
}

void CalcSaturn(ChartState& chart)
{
    storePlanet(chart, Saturn, perturbed(Saturn, chart.JulianCenturies, chart.SaturnPerturbations));
}

// The outer planets' periodic corrections of the mean longitude are written
// in the tropical frame, hence the Lahiri ayanamsa in their arguments.
void CalcUranus(ChartState& chart)
{
    Orbit o = MeanElements(Uranus, chart.JulianCenturies);
    const double A = chart.PlanetLongitudes[AyanamsaSlot];
    o.L -= 0.166 * sinDeg(o.L + 50 + A);
    storePlanet(chart, Uranus, o);
}

void CalcNeptune(ChartState& chart)
{
    const double T = chart.JulianCenturies;
    Orbit o = MeanElements(Neptune, T);
    const double A = chart.PlanetLongitudes[AyanamsaSlot];
    // The argument T - 1 of the last term is taken in radians as it stands.
    o.L = o.L + 0.1 - 0.1 * sinDeg(o.L / 2 - 90 + A) + 0.166 * std::sin(T - 1);
    storePlanet(chart, Neptune, o);
}

void CalcPluto(ChartState& chart)
{
    Orbit o = MeanElements(Pluto, chart.JulianCenturies);
    const double A = chart.PlanetLongitudes[AyanamsaSlot];
    o.L -= 0.1 * sinDeg(o.L + A);
    storePlanet(chart, Pluto, o);
}

} // namespace tarvik
