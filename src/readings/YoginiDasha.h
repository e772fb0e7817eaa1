#pragma once

// The Yogini dasha: the eight yoginis rule periods of 1 to 8 years, a cycle
// of 36 years, each divided into antar and pratyantar periods of all eight
// in the same proportions. The yogini at birth follows from the Moon's
// nakshatra (Ashvini begins with Bhramari), and the part of the nakshatra
// the Moon has traversed is the part of her years already run.

#include "calc/DashaPeriods.h"

#include <array>
#include <string_view>

namespace tarvik {

// The yoginis in cycle order; each name is also the key of its display text.
inline constexpr std::array<std::string_view, 8> YoginiNames = {
    "Mangla", "Pingla", "Dhanya", "Bhramari", "Bhadrika", "Ulka", "Sidha", "Sankata"};
inline constexpr std::array<int, 8> YoginiYears = {1, 2, 3, 4, 5, 6, 7, 8};

// Thirty-six maha periods from the one running at birth (four and a half
// cycles), down to the pratyantar periods.
inline constexpr DashaSystem Yogini{YoginiYears, 36, 3};

struct YoginiAtBirth {
    int yogini = 0;        // 0..7
    double elapsed = 0;    // years of her maha period run at birth
    bool operator==(const YoginiAtBirth&) const = default;
};

YoginiAtBirth YoginiAtMoon(double moon);
DashaPeriods YoginiPeriods(const YoginiAtBirth& atBirth, double birth);

} // namespace tarvik
