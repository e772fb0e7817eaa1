#pragma once

// The Vimshottari dasha at birth: which of the nine lords runs its
// mahadasha when the native is born, how much of it has run and how much is
// still to run. The 120-year cycle is counted from a start longitude (the
// Moon for the ordinary dasha, the Sun for the Aaditya dasha, the ascendant
// for the SPS Lagnam dasha): each nakshatra belongs to a lord in the order
// Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury, and the part
// of the nakshatra still to be traversed is the part of the lord's years
// still to run.

#include "calc/DashaPeriods.h"
#include "calc/NameTables.h"
#include "core/ChartState.h"
#include "refdata/TextLookup.h"

#include <array>
#include <string>

namespace tarvik {

// Dasha order 0..8 as bodies of the computation order (DashaYears gives their years).
inline constexpr std::array<Body, 9> DashaLordBodies = {
    Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury};

// The nakshatra (1..27) of a longitude (any value; reduced into [0, 360)
// first) and the part of it already traversed, from 0 at its start to just
// under 1. The nakshatra is taken from the longitude itself, so a longitude
// exactly at a nakshatra's start is that nakshatra's, with nothing traversed.
struct NakshatraPart {
    int nakshatra = 1;
    double traversed = 0;
};
NakshatraPart NakshatraAt(double longitude);

struct DashaAtBirth {
    int lord = 0;          // dasha order 0..8
    double elapsed = 0;    // years of the birth mahadasha run at birth
    double balance = 0;    // years of it still to run (the bhogya)
    bool operator==(const DashaAtBirth&) const = default;
};

// The mahadasha running at a start longitude: the lord of its nakshatra,
// with the traversed part of the nakshatra as the part of the lord's years
// already run (a nakshatra's start begins its lord's whole period).
DashaAtBirth VimshottariAtBirth(double startLongitude);

// The longitude the dasha counts from: the ascendant when fromAscendant,
// else the Sun when fromSun, else the Moon.
double DashaStartLongitude(const ChartState& chart, bool fromAscendant, bool fromSun);

// A span of dasha years as the almanacs write it: whole years, months of 30
// days and days, to the nearest day on the 360-day year, each part carried
// into the next (never 12 months or 30 days).
struct DashaDuration {
    int years = 0;
    int months = 0;
    int days = 0;
    bool operator==(const DashaDuration&) const = default;
};
DashaDuration DecodeDuration(double years);

// The dictionary key of a lord's full name ("_KETU" for 0).
std::string DashaLordKey(int lord);

// "Ketu 6 Years 11 Months 3 Days" in the language of texts: the lord, then
// the balance of its mahadasha.
std::string BalanceText(const DashaAtBirth& dasha, const Texts& texts);

// Ten mahadashas from the one running at birth, down to the sookshmas.
inline constexpr DashaSystem Vimshottari{DashaYears, 10, 4};
DashaPeriods VimshottariPeriods(const DashaAtBirth& atBirth, double birth);

} // namespace tarvik
