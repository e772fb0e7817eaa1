// saturntransits: the dates on which Saturn enters each sidereal (Lahiri)
// sign, retrograde re-entries included, from our own ephemeris, as the
// "period" table of the reference database reads them: Date (the civil date
// in Indian Standard Time) and lvm (the English name of the sign entered).

#include "calc/Ayanamsa.h"
#include "calc/Ephemeris.h"
#include "calc/TimeScale.h"
#include "core/FileWrite.h"

#include "CheckedOutput.h"

#include <cmath>
#include <cstdio>
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

std::string csv(const std::vector<Ingress>& list)
{
    std::string out = "Date,lvm\n";
    for (const Ingress& i : list) {
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", i.date.year, i.date.month, i.date.day);
        out += date;
        out += ",";
        out += SignNames[i.sign];
        out += "\n";
    }
    return out;
}

constexpr const char* Usage =
    "usage: saturntransits --out FILE.csv   (--out - writes to standard output)\n"
    "       saturntransits --help | --version\n"
    "Lists Saturn's entries into the sidereal signs from 1790 to 2330.\n";

// What the command line asks for: the table written to `out`, the usage
// or the version, or nothing for an error.
struct Command {
    std::string out;
    bool help = false;
    bool version = false;
    std::string error;
};

Command commandOf(const std::vector<std::string>& args)
{
    Command c;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h" || arg == "--version") {
            (arg == "--version" ? c.version : c.help) = true;
            return c;
        }
        std::string value;
        if (arg.rfind("--out=", 0) == 0)
            value = arg.substr(6);
        else if (arg == "--out" && i + 1 < args.size())
            value = args[++i];
        else if (arg == "--out")
            c.error = "missing value after --out";
        else if (arg.size() > 1 && arg.front() == '-')
            c.error = "unknown option '" + arg + "'";
        else
            c.error = "unexpected argument '" + arg + "'";
        if (c.error.empty() && value.empty())
            c.error = "--out names no file";
        if (c.error.empty() && !c.out.empty())
            c.error = "--out given twice";
        if (!c.error.empty())
            return c;
        c.out = value;
    }
    if (c.out.empty())
        c.error = "missing --out FILE.csv";
    return c;
}

} // namespace

int main(int argc, char** argv)
{
    const Command command = commandOf(std::vector<std::string>(argv + 1, argv + argc));
    if (command.help || command.version)
        return tools::AnswerHelpOrVersion(command.help, Usage, "saturntransits");
    if (!command.error.empty()) {
        std::cerr << "saturntransits: " << command.error << "\n" << Usage;
        return 2;
    }
    const std::vector<Ingress> list = ingresses(1790, 2330);
    const std::string table = csv(list);
    if (command.out == "-")
        return tools::WriteStandardOutput(table, "saturntransits") ? 0 : 1;
    // Written beside the target and renamed over it, so that a failure never
    // leaves a half-written table.
    const std::string problem = WriteFileWhole(command.out, table);
    if (!problem.empty()) {
        std::cerr << "saturntransits: cannot write " << command.out << ": " << problem << "\n";
        return 1;
    }
    std::cerr << "saturntransits: " << list.size() << " entries written to " << command.out << "\n";
    return 0;
}
