#pragma once

#include "core/ChartState.h"

#include <array>

namespace tarvik {

// Positions in the result of CalcPanchangElements; elements 0 and 6 stay 0.
enum PanchangElement : int {
    TithiElement = 1,       // 1..30; a boundary belongs to the tithi that ends there
    PadaElement = 2,        // 1..4, quarter of the Moon's nakshatra
    NakshatraElement = 3,   // 1..27
    YogaIndexElement = 4,   // 0..27, see YogaNumberOfIndex
    MoonSignElement = 5,    // 0 Mesh .. 11 Meen
};

using PanchangValues = std::array<double, 7>;

// The lunar calendar elements of a chart, from its sidereal Sun and Moon,
// with the working values BirthPanchangValues 1..3 hold (whole nakshatras
// passed, the unreduced yoga value, the Moon in signs; 0 and 4 stay 0).
struct BirthPanchang {
    PanchangValues elements{};
    std::array<double, 5> workingValues{};
};
BirthPanchang PanchangElementsOf(const ChartState& chart);

// The elements of the last computed chart; writes its BirthPanchangValues 1..3.
PanchangValues CalcPanchangElements();

// The yoga number 1..27 of the yoga index: 0 and 27 are both the first yoga
// (Moon + Sun within the first 13°20'), any other k is yoga k + 1.
int YogaNumberOfIndex(int yogaIndex);

} // namespace tarvik
