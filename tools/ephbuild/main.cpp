// ephbuild: the program's ephemeris table, sampled from Swiss Ephemeris and
// fitted by Chebyshev series (calc/EphemerisTable.h describes the file).
//
//     ephbuild --out Tarvik-Eph.dat [--ephe /usr/share/libswe/ephe]
//
// Swiss Ephemeris's files (swe-basic-data) cover 1800 to 2399; before 1800
// the library gives its own analytical ephemeris, which the table takes for
// the few months before the first accepted birth and for Saturn's years
// before 1800. Within the files' years a sample the files do not give stops
// the build.

#include "ChebyshevFit.h"

#include "calc/Ephemeris.h"
#include "calc/EphemerisTable.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

using namespace tarvik;
using namespace tarvik::ephbuild;

namespace {

// The years Swiss Ephemeris's files cover: 1 January 1800 to 1 January 2400
// (terrestrial time). A planet is found at the moment its light left it, so
// the files serve from a few hours into 1800: from 6 h UT on.
constexpr double FilesFrom = 2378496.75;

// The span of the chart's quantities: from April 1799 (the charts of 1 January
// 1800 in any zone, and the searches that step back from them) to April 2201
// (the year that follows the last annual chart, of 2199, begins as late as
// January 2201, and its search steps a few weeks around it).
// Saturn runs from December 1789 to 2341 for the table of its sign entries.
// Every span begins a whole number of intervals before 1800, so that no
// piece mixes the analytical ephemeris and the files.
constexpr double ChartFrom = FilesFrom - 256;
constexpr double ChartTo = FilesFrom + 64 * 2290;
constexpr double SaturnFrom = FilesFrom - 64 * 58;
constexpr double SaturnTo = FilesFrom + 64 * 3032;

constexpr double Arcsecond = 1.0 / 3600;

[[noreturn]] void fail(const std::string& message)
{
    std::cerr << "ephbuild: " << message << "\n";
    std::exit(1);
}

std::string dateOf(double jd)
{
    int y, m, d;
    double h;
    swe_revjul(jd, SE_GREG_CAL, &y, &m, &d, &h);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
    return text;
}

class SwissSampler {
public:
    explicit SwissSampler(const std::string& path) { swe_set_ephe_path(const_cast<char*>(path.c_str())); }
    ~SwissSampler() { swe_close(); }
    SwissSampler(const SwissSampler&) = delete;
    SwissSampler& operator=(const SwissSampler&) = delete;

    // Longitude of the mean equinox of date and latitude, degrees: from the
    // files within their years, from the analytical ephemeris before them.
    std::pair<double, double> Body(int body, double jd)
    {
        double x[6];
        char error[AS_MAXCH] = "";
        const bool files = jd >= FilesFrom;
        const int flags = (files ? SEFLG_SWIEPH : SEFLG_MOSEPH) | SEFLG_NONUT;
        const int got = swe_calc_ut(jd, body, flags, x, error);
        if (got < 0)
            fail("Swiss Ephemeris, body " + std::to_string(body) + " on " + dateOf(jd) + ": " + error);
        if (files && !(got & SEFLG_SWIEPH))
            fail("Swiss Ephemeris's files are missing (" + std::string(error) +
                 "); install swe-basic-data or give their folder with --ephe");
        if (!files)
            ++analytical_;
        return {x[0], x[1]};
    }

    // Nutation in longitude and true obliquity, degrees.
    std::pair<double, double> Nutation(double jd)
    {
        double x[6];
        char error[AS_MAXCH] = "";
        if (swe_calc_ut(jd, SE_ECL_NUT, 0, x, error) < 0)
            fail(std::string("Swiss Ephemeris: ") + error);
        return {x[2], x[0]};
    }

    // Mean sidereal time of Greenwich less the rotation angle, degrees: the
    // apparent sidereal time less the rotation angle and the equation of the
    // equinoxes (the nutation in longitude along the equator).
    double MeanSiderealLessRotation(double jd)
    {
        const auto [nutation, obliquity] = Nutation(jd);
        return std::remainder(swe_sidtime(jd) * 15 - EarthRotationAngle(jd) - nutation * std::cos(obliquity * M_PI / 180),
                              360.0);
    }

    long AnalyticalSamples() const { return analytical_; }

private:
    long analytical_ = 0;
};

struct Plan {
    EphemerisQuantity quantity;
    int sweBody;                // -1: not a body
    double intervalDays;
    int coefficients;
    double toleranceArcsec;
    double fastestFromSun;      // degrees a day against the Sun; 0 for quantities light does not carry
};

// Interval and coefficients of each quantity, and the tolerance its pieces
// are held to.
const Plan Plans[] = {
    // The Sun to a hundredth of a second of arc: the year starts on its return
    // to the second.
    {EphemerisQuantity::Sun, SE_SUN, 32, 12, 0.01, 0},
    {EphemerisQuantity::Moon, SE_MOON, 32, 24, 0.2, 16},
    {EphemerisQuantity::Mercury, SE_MERCURY, 32, 14, 0.2, 4},
    {EphemerisQuantity::Venus, SE_VENUS, 64, 16, 0.2, 3},
    {EphemerisQuantity::Mars, SE_MARS, 64, 16, 0.2, 2},
    {EphemerisQuantity::Jupiter, SE_JUPITER, 64, 12, 0.2, 1.5},
    {EphemerisQuantity::Saturn, SE_SATURN, 64, 12, 0.2, 1.5},
    {EphemerisQuantity::Uranus, SE_URANUS, 64, 8, 0.2, 1.5},
    {EphemerisQuantity::Neptune, SE_NEPTUNE, 64, 8, 0.2, 1.5},
    {EphemerisQuantity::Pluto, SE_PLUTO, 64, 8, 0.2, 1.5},
    {EphemerisQuantity::MeanNode, SE_MEAN_NODE, 256, 8, 0.01, 0},
    {EphemerisQuantity::TrueNode, SE_TRUE_NODE, 32, 20, 0.2, 0},
    {EphemerisQuantity::NutationInLongitude, -1, 32, 12, 0.02, 0},
    {EphemerisQuantity::TrueObliquity, -1, 32, 10, 0.02, 0},
    {EphemerisQuantity::MeanSiderealTimeLessRotation, -1, 256, 8, 0.005, 0},
};

// Closer to the Sun than this the bending of its light is checked densely.
constexpr double WatchFromSun = 6.0;
// The shortest piece an interval is split into, days.
constexpr double ShortestPiece = 0.01;

const char* const Usage =
    "usage: ephbuild --out FILE [--ephe FOLDER]\n"
    "       ephbuild --ayanamsas\n"
    "Samples Swiss Ephemeris (its files in FOLDER, by default /usr/share/libswe/ephe) and writes\n"
    "the program's ephemeris table to FILE; or prints the polynomials of the three ayanamsas\n"
    "(calc/Ayanamsa.cpp) fitted to Swiss Ephemeris's.\n";

// Least squares by modified Gram-Schmidt: the coefficients x minimising |A x - b|.
std::vector<double> leastSquares(std::vector<std::vector<double>> columns, const std::vector<double>& b)
{
    const std::size_t n = columns.size(), m = b.size();
    std::vector<std::vector<double>> R(n, std::vector<double>(n, 0.0));
    for (std::size_t j = 0; j < n; ++j) {
        for (std::size_t k = 0; k < j; ++k) {
            double d = 0;
            for (std::size_t i = 0; i < m; ++i)
                d += columns[k][i] * columns[j][i];
            R[k][j] = d;
            for (std::size_t i = 0; i < m; ++i)
                columns[j][i] -= d * columns[k][i];
        }
        double norm = 0;
        for (double v : columns[j])
            norm += v * v;
        R[j][j] = std::sqrt(norm);
        for (double& v : columns[j])
            v /= R[j][j];
    }
    std::vector<double> x(n);
    for (std::size_t j = n; j-- > 0;) {
        double s = 0;
        for (std::size_t i = 0; i < m; ++i)
            s += columns[j][i] * b[i];
        for (std::size_t k = j + 1; k < n; ++k)
            s -= R[j][k] * x[k];
        x[j] = s / R[j][j];
    }
    return x;
}

// The mean ayanamsas (without nutation) of N.C. Lahiri, K.P. and B.V. Raman
// as polynomials of the fourth degree in T, the Julian centuries (UT) from
// 1900 January 0.5, fitted over the span of Saturn's series.
int printAyanamsas()
{
    struct Mode {
        int sweMode;
        const char* name;
    };
    const Mode modes[] = {{SE_SIDM_LAHIRI, "N.C. Lahiri"}, {SE_SIDM_KRISHNAMURTI, "K.P."}, {SE_SIDM_RAMAN, "B.V. Raman"}};
    constexpr int Degree = 4;
    for (const Mode& mode : modes) {
        swe_set_sid_mode(mode.sweMode, 0, 0);
        std::vector<double> T, value;
        for (double jd = SaturnFrom; jd <= SaturnTo; jd += 2) {
            double a;
            char error[AS_MAXCH];
            if (swe_get_ayanamsa_ex_ut(jd, SEFLG_SWIEPH | SEFLG_NONUT, &a, error) < 0)
                fail(std::string("Swiss Ephemeris: ") + error);
            T.push_back(CenturiesOfJulianDay(jd));
            value.push_back(a);
        }
        std::vector<std::vector<double>> columns(Degree + 1, std::vector<double>(T.size()));
        for (std::size_t i = 0; i < T.size(); ++i)
            for (int k = 0; k <= Degree; ++k)
                columns[k][i] = std::pow(T[i], k);
        const std::vector<double> c = leastSquares(columns, value);
        double worst = 0;
        for (std::size_t i = 0; i < T.size(); ++i) {
            double v = 0;
            for (int k = Degree; k >= 0; --k)
                v = v * T[i] + c[k];
            worst = std::max(worst, std::fabs(v - value[i]));
        }
        std::printf("    {%.12f, %.12f, %.12e, %.12e, %.12e},  // %s, within %.5f\"\n", c[0], c[1], c[2], c[3], c[4],
                    mode.name, worst * 3600);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::string out, ephe = "/usr/share/libswe/ephe";
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help") {
            std::cout << Usage;
            return 0;
        }
        if (a == "--ayanamsas") {
            SwissSampler swiss(ephe);
            return printAyanamsas();
        }
        if ((a == "--out" || a == "--ephe") && i + 1 < argc)
            (a == "--out" ? out : ephe) = argv[++i];
        else {
            std::cerr << "ephbuild: unknown argument '" << a << "'\n" << Usage;
            return 2;
        }
    }
    if (out.empty()) {
        std::cerr << Usage;
        return 2;
    }

    SwissSampler swiss(ephe);
    char version[AS_MAXCH];
    swe_version(version);

    EphemerisTable table;
    table.series.resize(EphemerisQuantityCount);
    std::ostringstream made;
    made << "Tarvik ephemeris table.\n"
         << "Geocentric ecliptic longitudes of the mean equinox of date (the apparent longitude less the\n"
            "nutation in longitude, light-time, aberration and the Sun's bending of light included) of the\n"
            "Sun, the Moon, Mercury to Pluto and the mean and true lunar node; the nutation in longitude;\n"
            "the true obliquity of the ecliptic; the mean sidereal time of Greenwich less the Earth's\n"
            "rotation angle (the apparent sidereal time less the rotation angle and the nutation in\n"
            "longitude times the cosine of the true obliquity). Degrees, as functions of the Julian day in universal time, with Swiss\n"
            "Ephemeris's delta T.\n"
         << "Sampled from Swiss Ephemeris " << version << " with its files in " << ephe
         << " (1800-2399), before 1800 from its analytical ephemeris; fitted by ephbuild with Chebyshev\n"
            "series truncated from twice as many nodes, an interval halved where its series leaves more\n"
            "than the tolerance at the nodes or, near the Sun, between them.\n";

    for (const Plan& p : Plans) {
        const bool saturn = p.quantity == EphemerisQuantity::Saturn;
        FitPlan plan;
        plan.firstDay = saturn ? SaturnFrom : ChartFrom;
        plan.intervalDays = p.intervalDays;
        plan.intervals = static_cast<int>(std::lround(((saturn ? SaturnTo : ChartTo) - plan.firstDay) / p.intervalDays));
        plan.coefficients = p.coefficients;
        plan.tolerance = p.toleranceArcsec * Arcsecond;
        plan.shortestPiece = ShortestPiece;
        plan.angle = p.quantity != EphemerisQuantity::NutationInLongitude &&
                     p.quantity != EphemerisQuantity::TrueObliquity;
        plan.watchFromSun = p.fastestFromSun > 0 ? WatchFromSun : 0;
        plan.fastestFromSun = p.fastestFromSun > 0 ? p.fastestFromSun : 1;

        const EphemerisSeries& sun = table.series[static_cast<std::size_t>(EphemerisQuantity::Sun)];
        SampleFunction f;
        if (p.sweBody >= 0) {
            f = [&, body = p.sweBody, watch = plan.watchFromSun > 0](double jd) {
                const auto [lon, lat] = swiss.Body(body, jd);
                Sample s{lon};
                if (watch) {
                    const double sunLongitude = sun.Covers(jd) ? sun.Value(jd) : swiss.Body(SE_SUN, jd).first;
                    const double d = std::remainder(lon - sunLongitude, 360.0) * M_PI / 180;
                    s.fromSun = std::acos(std::cos(lat * M_PI / 180) * std::cos(d)) * 180 / M_PI;
                }
                return s;
            };
        } else if (p.quantity == EphemerisQuantity::NutationInLongitude) {
            f = [&](double jd) { return Sample{swiss.Nutation(jd).first}; };
        } else if (p.quantity == EphemerisQuantity::TrueObliquity) {
            f = [&](double jd) { return Sample{swiss.Nutation(jd).second}; };
        } else {
            f = [&](double jd) { return Sample{swiss.MeanSiderealLessRotation(jd)}; };
        }

        FitReport report;
        table.series[static_cast<std::size_t>(p.quantity)] = FitSeries(p.quantity, plan, f, report);
        std::ostringstream line;
        line.precision(3);
        line << std::fixed << QuantityName(p.quantity) << ": " << dateOf(plan.firstDay) << " to "
             << dateOf(plan.firstDay + plan.intervals * plan.intervalDays) << ", " << p.intervalDays
             << " days x " << p.coefficients << ", " << report.pieces << " pieces (" << report.splitIntervals
             << " intervals split), within " << report.worst * 3600 << "\" (tolerance " << p.toleranceArcsec
             << "\")";
        if (report.shortPiecesOver)
            line << ", " << report.shortPiecesOver << " shortest pieces over it";
        made << line.str() << "\n";
        std::cerr << "ephbuild: " << line.str() << "; " << report.samples << " samples, worst at "
                  << dateOf(report.worstDay) << "\n";
    }
    table.description = made.str();

    try {
        WriteEphemerisFile(table, out);
    } catch (const EphemerisFileError& e) {
        fail(e.what());
    }
    std::cerr << "ephbuild: " << swiss.AnalyticalSamples() << " samples before 1800 from the analytical ephemeris; "
              << out << " written\n";
    return 0;
}
