#pragma once

// The pages of a print run: each chosen entry of the print list in list
// order, a group entry as its pages one after another, the annual-chart
// group once for every year from the first, each year's pages together.

#include "registry/PageCatalogue.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvik {

struct PrintStep {
    std::string key;
    std::optional<int> varshphalYear;   // the year an annual-chart page draws

    bool operator==(const PrintStep&) const = default;
};

// The most annual-chart years one print run draws.
inline constexpr int MostVarshphalYears = 254;

// The pages of the chosen keys; the annual-chart group draws years years
// from firstYear (none for a count below 1), the aspect group aspectPages
// pages (PageCatalogue.h).
std::vector<PrintStep> PrintRunPages(const std::vector<std::string>& chosenKeys, int firstYear, int years,
                                     int aspectPages = UsualAspectPages);

} // namespace tarvik
