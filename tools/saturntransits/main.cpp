// saturntransits: the dates on which Saturn enters each sidereal (Lahiri)
// sign, retrograde re-entries included, from the program's ephemeris, as the
// "period" table of the reference database reads them: Date (the civil date
// in Indian Standard Time) and lvm (the English name of the sign entered).

#include "calc/Angles.h"
#include "calc/Ayanamsa.h"
#include "calc/Ephemeris.h"
#include "calc/TimeScale.h"
#include "core/FileWrite.h"

#include "CheckedOutput.h"
#include "CommandLine.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

using namespace tarvik;

namespace {

constexpr const char* SignNames[12] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                       "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
constexpr double IndianZoneDays = 5.5 / 24;

// Saturn's sidereal longitude (N.C. Lahiri) and its rate a day at a Julian day (UT).
ValueAndRate saturnAt(double jd)
{
    const ValueAndRate tropical = MeanEquinoxLongitudeAndRate(EphemerisQuantity::Saturn, jd);
    const double T = CenturiesOfJulianDay(jd);
    constexpr double Day = 1 / DaysPerCentury;
    const double ayanamsaRate = (MeanAyanamsa(AyanamsaLahiri, T + Day) - MeanAyanamsa(AyanamsaLahiri, T - Day)) / 2;
    return {ReduceDegrees(tropical.value - MeanAyanamsa(AyanamsaLahiri, T)), tropical.rate - ayanamsaRate};
}

int signAt(double jd) { return static_cast<int>(std::floor(saturnAt(jd).value / 30)) % 12; }

struct Ingress {
    CalendarDate date;
    int sign;  // 0 Aries .. 11 Pisces
};

// The moment in (lo, hi] at which the sign changes from the one held at lo,
// within a second, by halving.
double crossing(double lo, double hi)
{
    const int from = signAt(lo);
    while (hi - lo > 1e-5) {
        const double mid = (lo + hi) / 2;
        (signAt(mid) == from ? lo : hi) = mid;
    }
    return hi;
}

// The station in (lo, hi) where the rate changes sign, by halving.
double station(double lo, double hi)
{
    const bool direct = saturnAt(lo).rate > 0;
    while (hi - lo > 1e-5) {
        const double mid = (lo + hi) / 2;
        ((saturnAt(mid).rate > 0) == direct ? lo : hi) = mid;
    }
    return lo;
}

std::vector<Ingress> ingresses(int firstYear, int lastYear)
{
    const double start = JulianDayOf(DayNumber(1, 1, firstYear), 0) - 1.0;
    const double end = JulianDayOf(DayNumber(31, 12, lastYear), 0) + 1.0;
    std::vector<Ingress> out;
    // Saturn moves at most 8' a day, and within a day it turns at most once:
    // each day is taken in its stretches of one direction (split at a
    // station), in each of which the sign changes at most once, so that a
    // re-entry of hours near a station is found too.
    for (double day = start; day < end; day += 1.0) {
        std::vector<double> marks = {day};
        if ((saturnAt(day).rate > 0) != (saturnAt(day + 1).rate > 0))
            marks.push_back(station(day, day + 1));
        marks.push_back(day + 1);
        for (std::size_t k = 0; k + 1 < marks.size(); ++k) {
            if (signAt(marks[k]) == signAt(marks[k + 1]))
                continue;
            const double at = crossing(marks[k], marks[k + 1]);
            const double istDays = at - EpochJulianDay + 0.5 + IndianZoneDays;
            const CalendarDate date = DateOfDayNumber(static_cast<int>(std::floor(istDays)) + EpochDayNumber);
            if (date.year >= firstYear && date.year <= lastYear)
                out.push_back({date, signAt(marks[k + 1])});
        }
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
    "Lists Saturn's entries into the sidereal signs from 1790 to 2330, from the ephemeris\n"
    "table beside the program.\n";

// What the command line asks for: the table written to `out`, the usage
// or the version, or nothing for an error.
struct Command {
    std::string out;
    bool help = false;
    bool version = false;
    std::string error;
};

tools::OptionKind optionKind(std::string_view name)
{
    return name == "--out" ? tools::OptionKind::Valued : tools::OptionKind::Unknown;
}

Command commandOf(const std::vector<std::string>& args)
{
    Command c;
    const tools::CommandLine line = tools::ReadCommandLine(args, optionKind);
    for (const tools::GivenOption& out : line.options) {
        if (out.value->empty())
            c.error = "--out names no file";
        else if (!c.out.empty())
            c.error = "--out given twice";
        if (!c.error.empty())
            return c;
        c.out = *out.value;
    }
    if (line.Stopped()) {
        c.help = line.help;
        c.version = line.version;
        c.error = line.error;
        return c;
    }
    if (c.out.empty())
        c.error = "missing --out FILE.csv";
    return c;
}

// The ephemeris table beside the executable.
std::string tableBesideProgram()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ((ec ? std::filesystem::path(".") : exe.parent_path()) / EphemerisFileName).string();
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
    try {
        LoadEphemeris(tableBesideProgram());
    } catch (const EphemerisFileError& e) {
        std::cerr << "saturntransits: " << e.what() << "\n";
        return 1;
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
