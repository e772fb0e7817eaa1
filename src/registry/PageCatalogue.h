#pragma once

// The pages an output run offers, in the order of its page list (read from
// the page table, PageRegistry.h): a title the user sees and the key the page
// dispatcher draws. A horoscope preview lists
// the prediction, aspect and annual-chart pages one by one; a horoscope print
// run lists each of those families as one group row, which the print run
// expands into its pages (the annual-chart pages once for every year). A
// match offers its five pages in both runs. The same key may name different
// pages in the two modes ("Basic", "Nirayana"): the dispatcher tells them
// apart by the run's mode.

#include "readings/Aspects.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

struct CatalogueRow {
    std::string title;
    std::string key;

    bool operator==(const CatalogueRow&) const = default;
};

enum class OutputKind { Preview, Print };

// aspectPages: the aspect pages of the run's chart (AspectPageCount, 0 to
// MostAspectPages; values outside are brought to the nearer end).
std::vector<CatalogueRow> PageCatalogue(bool matchMode, OutputKind kind,
                                        int aspectPages = UsualAspectPages);

// The keys of the group rows of a horoscope print run, in list order.
std::vector<std::string> PageGroupKeys();

// The pages a print-list entry draws, in order: a group key its pages (those
// of "VP" for one annual-chart year, aspectPages of "AspPage"), any other key
// itself.
std::vector<std::string> GroupPages(std::string_view key, int aspectPages = UsualAspectPages);

// The group key whose pages are drawn once for each annual-chart year.
inline constexpr std::string_view VarshphalGroupKey = "VP";

} // namespace tarvik
