#pragma once

// The periods of a dasha from birth on. A dasha system is a cycle of lords
// with their years; its mahadashas follow one another round the cycle from
// the lord running at birth, and every period is divided into sub-periods
// of all the lords, starting with its own lord and going on round the cycle,
// each lasting its parent's length times its lord's share of the cycle. So
// the sub-periods of a period fill it exactly.
//
// Periods are numbered in time order within their level, from the first
// period of the mahadasha running at birth: mahadasha k, its sub-period
// j is k * L + j (L lords), and so on down. Their dates are decimal years
// (year + month / 12 + day / 360).

#include "core/RunChoices.h"

#include <span>
#include <string>
#include <vector>

namespace tarvik {

// Levels of the tree: mahadasha, antardasha, pratyantardasha, sookshma.
enum class DashaLevel { Maha = 0, Antar = 1, Pratyantar = 2, Sookshma = 3 };

struct DashaSystem {
    std::span<const int> years;   // the lords in cycle order
    int mahadashas;               // how many are computed from birth on
    int levels;                   // down to which the tree is divided
};

struct DashaPeriod {
    int lord = 0;                 // index into the system's lords
    double start = 0;             // decimal years; the first mahadasha starts before birth
    double end = 0;
    bool endedBeforeBirth = false;
};

class DashaPeriods {
public:
    // The tree of a system whose mahadasha running at birth has the lord
    // firstLord, elapsed years of it having run at birth, for a birth on the
    // decimal year birth.
    DashaPeriods(const DashaSystem& system, int firstLord, double elapsed, double birth);

    double Birth() const { return birth_; }
    int Lords() const { return static_cast<int>(years_.size()); }
    // The number of periods of a level.
    int Count(DashaLevel level) const;

    // Period number n (0 .. Count(level) - 1) of a level. A period that ends
    // exactly at birth has not ended before it.
    DashaPeriod Period(DashaLevel level, int n) const;
    // The number of the period of a level running at birth: the first one
    // that has not ended before birth.
    int RunningAtBirth(DashaLevel level) const;

private:
    void divide(int level, int lord, long long product, long long& end);
    // How many lowest periods one period of a level holds.
    int span(DashaLevel level) const;
    bool endsBeforeBirth(long long units) const;

    std::span<const int> years_;
    int mahadashas_;
    int levels_;
    int firstLord_;
    double elapsed_;
    double birth_;
    long long unitsPerYear_ = 1;
    double elapsedUnits_;
    // The end of every period of the lowest level, in units from the start
    // of the first mahadasha: a lowest period lasts the product of its lords'
    // years in units of (cycle years)^-(levels - 1) year, so every end of
    // the tree is a whole number of units.
    std::vector<long long> ends_;
    int runningAtBirth_ = -1;     // the lowest period running at birth
};

// Birth on the 360-day decimal-year scale.
double BirthDecimalYear(double day, double month, double year);

// The end of a period as the pages write it: "DD-MM-YYYY" with the
// run's dash, or the dash alone for a period that ended before birth.
std::string EndDateText(const DashaPeriod& period, const RunChoices& run);
// "DD-MM-YYYY hh:mm:ss", or the dash alone.
std::string EndDateTimeText(const DashaPeriod& period, const RunChoices& run);

} // namespace tarvik
