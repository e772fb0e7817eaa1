#include "ChebyshevFit.h"

#include <algorithm>
#include <numbers>
#include <vector>

namespace tarvik::ephbuild {

namespace {

struct TimedSample {
    double jd;
    Sample s;
};

double difference(double a, double b, bool angle) { return angle ? std::remainder(a - b, 360.0) : a - b; }

class IntervalFitter {
public:
    IntervalFitter(const FitPlan& plan, const SampleFunction& f, FitReport& report)
        : plan_(plan), f_(f), report_(report)
    {
    }

    // The pieces of one interval, appended to the series.
    void Fit(double a, double b, EphemerisSeries& series)
    {
        begin_ = a;
        length_ = b - a;
        watched_ = false;
        checks_.clear();
        const int before = static_cast<int>(series.pieceBegin.size());
        fitPiece(a, b, series);
        if (static_cast<int>(series.pieceBegin.size()) - before > 1)
            ++report_.splitIntervals;
    }

private:
    Sample sample(double jd)
    {
        ++report_.samples;
        return f_(jd);
    }

    void fitPiece(double a, double b, EphemerisSeries& series)
    {
        const int n = plan_.coefficients;
        const int m = 2 * n;
        // Nodes in time order (x rising), values unwrapped along them.
        std::vector<double> x(m), v(m);
        double nearest = HUGE_VAL;
        for (int k = 0; k < m; ++k) {
            x[k] = -std::cos(std::numbers::pi * (k + 0.5) / m);
            const Sample s = sample(a + (x[k] + 1) / 2 * (b - a));
            v[k] = k > 0 && plan_.angle ? v[k - 1] + std::remainder(s.value - v[k - 1], 360.0) : s.value;
            nearest = std::min(nearest, s.fromSun);
        }
        std::vector<double> c(n, 0.0);
        for (int j = 0; j < n; ++j) {
            double sum = 0;
            for (int k = 0; k < m; ++k)
                // cos(j acos(x_k)) with x_k = -cos(theta_k) = cos(pi - theta_k)
                sum += v[k] * std::cos(j * (std::numbers::pi - std::numbers::pi * (k + 0.5) / m));
            c[j] = sum * 2 / m;
        }
        c[0] /= 2;

        double worst = 0, worstDay = a;
        auto check = [&](double jd, double value) {
            const double d = std::fabs(difference(ChebyshevSum(c.data(), static_cast<int>(c.size()), 2 * (jd - a) / (b - a) - 1), value, plan_.angle));
            if (d > worst) {
                worst = d;
                worstDay = jd;
            }
        };
        for (int k = 0; k < m; ++k)
            check(a + (x[k] + 1) / 2 * (b - a), v[k]);
        // The body may come closer to the Sun between two nodes than at
        // either by as much as it moves against the Sun in the widest gap.
        const double gap = (b - a) * std::sin(std::numbers::pi / (2 * m));
        if (plan_.watchFromSun > 0 && (watched_ || nearest < plan_.watchFromSun + plan_.fastestFromSun * gap)) {
            watchInterval();
            for (const TimedSample& t : checks_)
                if (t.jd >= a && t.jd <= b)
                    check(t.jd, t.s.value);
        }

        if (worst > plan_.tolerance && (b - a) / 2 >= plan_.shortestPiece) {
            const double mid = (a + b) / 2;
            fitPiece(a, mid, series);
            fitPiece(mid, b, series);
            return;
        }
        if (worst > plan_.tolerance)
            ++report_.shortPiecesOver;
        if (worst > report_.worst) {
            report_.worst = worst;
            report_.worstDay = worstDay;
        }
        series.pieceBegin.push_back((a - begin_) / length_);
        series.coefficient.insert(series.coefficient.end(), c.begin(), c.end());
        ++report_.pieces;
    }

    // The checks of the whole interval near the Sun, taken once: steps of a
    // tenth of the time the body needs to move by its distance from the Sun.
    void watchInterval()
    {
        if (watched_)
            return;
        watched_ = true;
        constexpr double ShortestStep = 0.0005;   // days, 43 s
        const double end = begin_ + length_;
        // From just inside the interval: its ends may belong to another source.
        for (double jd = begin_ + ShortestStep; jd < end;) {
            const Sample s = sample(jd);
            if (s.fromSun < plan_.watchFromSun)
                checks_.push_back({jd, s});
            const double step = s.fromSun < plan_.watchFromSun ? s.fromSun / plan_.fastestFromSun / 10
                                                                : (s.fromSun - plan_.watchFromSun) / plan_.fastestFromSun;
            jd += std::clamp(step, ShortestStep, length_ / 8);
        }
    }

    const FitPlan& plan_;
    const SampleFunction& f_;
    FitReport& report_;
    double begin_ = 0, length_ = 1;
    bool watched_ = false;
    std::vector<TimedSample> checks_;
};

} // namespace

EphemerisSeries FitSeries(EphemerisQuantity quantity, const FitPlan& plan, const SampleFunction& f,
                          FitReport& report)
{
    EphemerisSeries series;
    series.quantity = quantity;
    series.firstDay = plan.firstDay;
    series.intervalDays = plan.intervalDays;
    series.coefficients = plan.coefficients;
    IntervalFitter fitter(plan, f, report);
    for (int k = 0; k < plan.intervals; ++k) {
        series.firstPiece.push_back(static_cast<std::uint32_t>(series.pieceBegin.size()));
        const double a = plan.firstDay + k * plan.intervalDays;
        fitter.Fit(a, a + plan.intervalDays, series);
    }
    series.firstPiece.push_back(static_cast<std::uint32_t>(series.pieceBegin.size()));
    series.Prepare();
    return series;
}

} // namespace tarvik::ephbuild
