#pragma once

// The command line of renderpages: the birth options of chartdump for the
// native (the boy in a match), the same with "--girl-" for a match's girl,
// and the pages to draw and where.

#include "DumpOptions.h"
#include "registry/PageCatalogue.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvik::renderpages {

// What a person's entries hold as typed, not read from the birth options:
// the name, the place and the country with its zone; an option not given
// keeps the tool's own text (the person's role, the coordinates, the zone).
struct TypedEntries {
    std::optional<std::string> name, place, country;
};

struct RenderRequest {
    chartdump::DumpRequest native;             // with the run's ayanamsa and node choice
    std::optional<BirthRecord> girl;           // present: a Match-Making run
    TypedEntries nativeTyped, girlTyped;
    // The native's family as typed (a horoscope's Basic page prints them).
    std::string father, mother, grandfather, gotra;
    bool hindi = false;
    int chartStyle = 0;                        // 0 North Indian, 1 South Indian
    bool allPages = false;
    std::vector<std::string> pages;            // when not allPages
    std::string outDir;
    bool png = true;                           // one picture of each page
    bool pdf = true;                           // pages.pdf, the print run
};

struct RenderOptions {
    std::optional<RenderRequest> request;
    bool help = false;
    bool version = false;
    std::string error;                         // non-empty: bad arguments
};

RenderOptions ParseRenderOptions(const std::vector<std::string>& args);

// The pages of a preview run, in the order of its page list, with the aspect
// pages of the run's chart (PageCatalogue.h).
std::vector<std::string> PreviewCatalogue(bool matchMode, int aspectPages = UsualAspectPages);

extern const char* const RenderUsage;

} // namespace tarvik::renderpages
