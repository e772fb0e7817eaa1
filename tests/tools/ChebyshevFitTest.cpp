// The fit of ephbuild: series within their tolerance everywhere, angles
// across 360 degrees, and the dense checks near the Sun that find what the
// nodes alone miss.

#include "ChebyshevFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace tarvik;
using namespace tarvik::ephbuild;

namespace {

FitPlan planOf(int intervals, int coefficients, double tolerance)
{
    FitPlan p;
    p.firstDay = 2451545.0;
    p.intervalDays = 32;
    p.intervals = intervals;
    p.coefficients = coefficients;
    p.tolerance = tolerance;
    p.shortestPiece = 0.01;
    return p;
}

// The largest difference of a series from a function at steps of `step` days.
double worstOver(const EphemerisSeries& s, const SampleFunction& f, double step, bool angle)
{
    double worst = 0;
    for (double jd = s.firstDay; jd < s.LastDay(); jd += step) {
        const double d = s.Value(jd) - f(jd).value;
        worst = std::max(worst, std::fabs(angle ? std::remainder(d, 360.0) : d));
    }
    return worst;
}

} // namespace

TEST(ChebyshevFitTest, SmoothMotionsFitWithinTheToleranceInOnePiecePerInterval)
{
    struct Case {
        const char* what;
        bool angle;
        SampleFunction f;
    };
    const Case cases[] = {
        // A Moon-like longitude: 13 degrees a day with a monthly swing, through 360 many times.
        {"a fast longitude", true,
         [](double jd) { return Sample{std::fmod(13.2 * jd + 6.3 * std::sin(2 * std::numbers::pi * jd / 27.55), 360.0)}; }},
        {"a slow oscillation", false, [](double jd) { return Sample{0.005 * std::sin(2 * std::numbers::pi * jd / 13.66)}; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FitPlan plan = planOf(20, 24, 1e-7);
        plan.angle = c.angle;
        FitReport report;
        const EphemerisSeries s = FitSeries(EphemerisQuantity::Moon, plan, c.f, report);
        EXPECT_EQ(report.pieces, 20);
        EXPECT_EQ(report.splitIntervals, 0);
        EXPECT_LE(worstOver(s, c.f, 0.0137, c.angle), 1e-7);
        EXPECT_LE(report.worst, 1e-7);
    }
}

TEST(ChebyshevFitTest, TheBendingOfLightNearTheSunIsFoundBetweenTheNodes)
{
    // A planet passing 18" from the Sun on day 100.3: a swing of light
    // bending of +-2" within minutes, which the nodes of a 32-day interval
    // step over. Checked near the Sun the interval is split until the swing
    // is followed; unchecked it is not.
    constexpr double Passage = 2451545.0 + 100.3;
    const SampleFunction planet = [](double jd) {
        const double t = jd - Passage;                       // days; 1 degree a day against the Sun
        const double fromSun = std::hypot(t, 0.005);
        const double bending = 4.0 / 3600 * 0.005 * t / (fromSun * fromSun);   // at most 2" either way
        return Sample{100 + 0.1 * t + bending, fromSun};
    };
    FitPlan plan = planOf(8, 12, 0.1 / 3600);
    plan.fastestFromSun = 1;

    FitReport unwatched;
    const EphemerisSeries blind = FitSeries(EphemerisQuantity::Mercury, plan, planet, unwatched);
    EXPECT_GT(worstOver(blind, planet, 0.001, true) * 3600, 0.5) << "the swing should hide between the nodes";

    plan.watchFromSun = 6;
    FitReport watched;
    const EphemerisSeries seen = FitSeries(EphemerisQuantity::Mercury, plan, planet, watched);
    EXPECT_GE(watched.splitIntervals, 1);
    EXPECT_GT(watched.pieces, 8);
    EXPECT_EQ(watched.shortPiecesOver, 0);
    EXPECT_LE(worstOver(seen, planet, 0.001, true) * 3600, 0.1);
}
