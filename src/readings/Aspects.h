#pragma once

// The aspects between ten bodies of the birth chart: every pair is classed
// by its angular separation in whole degrees into one of seven aspects of
// three natures (the conjunction, the harmonious sextile and trine, the tense
// semisquare, sesquisquare, square and opposition), and each aspect found
// gives an entry, a heading naming the two bodies and the aspect and the text
// keyed "FA_" + the pair's code + the nature. The entries fill four pages,
// seven a page, and a chart with more aspects needs further pages.

#include "core/ChartState.h"
#include "refdata/TextLookup.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

enum AspectNature : int { NoAspect = 0, Conjunction = 1, Harmonious = 2, Tense = 3 };

struct AspectKind {
    std::string_view nameKey;   // dictionary key of the aspect's name
    AspectNature nature;
    int from, to;               // window of the folded separation, whole degrees, both included
};

// Aspect index 1..7 (element 0 unused), in the order the windows are tried.
inline constexpr std::array<AspectKind, 8> AspectKinds = {{
    {"", NoAspect, 0, 0},
    {"CONJUNCTION", Conjunction, 0, 8},
    {"SEXTILE", Harmonious, 52, 68},
    {"TRINE", Harmonious, 112, 128},
    {"SEMISQUARE", Tense, 41, 49},
    {"SESQUARE", Tense, 132, 138},
    {"SQUARE", Tense, 82, 98},
    {"OPPOSITE", Tense, 172, 188},
}};

struct AspectClass {
    AspectNature nature = NoAspect;
    int index = 0;              // into AspectKinds; 0 for none

    bool operator==(const AspectClass&) const = default;
};

// A separation in whole degrees, folded to at most 180 first.
AspectClass ClassifyAspect(int separation);

// The bodies by their traditional position with their two-letter codes.
struct AspectBody {
    int position;               // traditional order: 2 Sun, 3 Moon, ... 13 Pluto
    std::string_view code;
};

// The 45 pairs in the order they are examined; the first body leads in the
// code, the heading and the key. Pairs of the Sun with Mercury and with
// Venus, which never stand far from it, count only their conjunction.
struct AspectPair {
    AspectBody first, second;
    bool conjunctionOnly = false;
};
const std::vector<AspectPair>& AspectPairs();

// The prediction key of a pair's aspect of a nature: "FA_SUMO1".
std::string AspectTextKey(const AspectPair& pair, AspectNature nature);

struct FoundAspect {
    const AspectPair* pair = nullptr;
    AspectClass aspect;
};

// The aspects among longitudes indexed by traditional position (1..13),
// in the order of the pair list. The separation is rounded to the nearest
// whole degree, halves to the even one.
std::vector<FoundAspect> FindAspects(const std::array<double, 14>& byPosition);

// A chart's longitudes by traditional position.
std::array<double, 14> ChartLongitudesByPosition(const ChartState& chart);

struct AspectEntry {
    std::string heading;
    std::string text;
};

// The entries of a chart, texts looked up in the language of the texts.
std::vector<AspectEntry> CollectAspectPredictions(const ChartState& chart, const Texts& texts);

inline constexpr int AspectEntriesPerPage = 7;

// The aspect interpretations take a page for every seven entries, up to the
// pages that every pair of bodies would fill; a page with none to show is
// neither listed nor printed. Four pages are the usual count, taken where no
// chart is at hand.
inline constexpr int UsualAspectPages = 4;
inline constexpr int MostAspectPages = 7;

// The aspect pages of a chart: as many as its aspects fill, so that none is
// left out and no page stands empty (PageCatalogue.h).
int AspectPageCount(const ChartState& chart);

} // namespace tarvik
