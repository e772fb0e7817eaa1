// saturntransits: the dates on which Saturn enters each sidereal (Lahiri)
// sign, retrograde re-entries included, from our own ephemeris, as the
// "period" table of the reference database reads them: Date (the civil date
// in Indian Standard Time) and lvm (the English name of the sign entered).

#include "calc/Ayanamsa.h"
#include "calc/Ephemeris.h"
#include "calc/TimeScale.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

using namespace tarvik;

namespace {

constexpr const char* SignNames[12] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                       "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
constexpr double IndianZoneDays = 5.5 / 24;

// Saturn's sidereal longitude at D days from the epoch (noon UT, 31 December 1899).
double saturnAt(double D)
{
    ChartState chart;
    chart.JulianCenturies = D / DaysPerCentury;
    CalcPerturbations(chart);
    CalcAyanamsaLahiri(chart);
    CalcSun(chart);
    CalcSaturn(chart);
    return chart.PlanetLongitudes[Saturn];
}

int signAt(double D) { return static_cast<int>(std::floor(saturnAt(D) / 30)) % 12; }

struct Ingress {
    CalendarDate date;
    int sign;  // 0 Aries .. 11 Pisces
};

std::vector<Ingress> ingresses(int firstYear, int lastYear)
{
    const double start = DayNumber(1, 1, firstYear) - EpochDayNumber - 1.0;
    const double end = DayNumber(31, 12, lastYear) - EpochDayNumber + 1.0;
    std::vector<Ingress> out;
    int sign = signAt(start);
    // Saturn moves at most 8' a day, so a daily step never steps over a sign
    // and its re-entry; the moment of entry is then found by halving.
    for (double D = start; D < end; D += 1.0) {
        const int next = signAt(D + 1);
        if (next == sign)
            continue;
        double lo = D, hi = D + 1;
        while (hi - lo > 1e-5) {
            const double mid = (lo + hi) / 2;
            (signAt(mid) == sign ? lo : hi) = mid;
        }
        const int istDay = static_cast<int>(std::floor(hi + 0.5 + IndianZoneDays)) + EpochDayNumber;
        const CalendarDate date = DateOfDayNumber(istDay);
        if (date.year >= firstYear && date.year <= lastYear)
            out.push_back({date, next});
        sign = next;
    }
    return out;
}

bool writeCsv(std::ostream& out, const std::vector<Ingress>& list)
{
    out << "Date,lvm\n";
    for (const Ingress& i : list) {
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", i.date.year, i.date.month, i.date.day);
        out << date << "," << SignNames[i.sign] << "\n";
    }
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 || std::string(argv[1]) == "--help") {
        std::cerr << "usage: saturntransits FILE.csv   (or - for standard output)\n"
                     "Lists Saturn's entries into the sidereal signs from 1790 to 2330.\n";
        return argc == 2 ? 0 : 2;
    }
    const std::vector<Ingress> list = ingresses(1790, 2330);
    const std::string target = argv[1];
    if (target == "-")
        return writeCsv(std::cout, list) ? 0 : 1;

    // Written beside the target and renamed over it, so that a failure never
    // leaves a half-written table.
    const std::string temporary = target + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        if (!out || !writeCsv(out, list)) {
            std::cerr << "saturntransits: cannot write " << temporary << "\n";
            std::filesystem::remove(temporary);
            return 1;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, target, ec);
    if (ec) {
        std::cerr << "saturntransits: cannot replace " << target << ": " << ec.message() << "\n";
        std::filesystem::remove(temporary);
        return 1;
    }
    std::cerr << "saturntransits: " << list.size() << " entries written to " << target << "\n";
    return 0;
}
