#include "Aspects.h"

#include "calc/NameTables.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tarvik {

namespace {

constexpr AspectBody SU{2, "SU"}, MO{3, "MO"}, MA{4, "MA"}, ME{5, "ME"}, JU{6, "JU"},
    VE{7, "VE"}, SA{8, "SA"}, UR{11, "UR"}, NE{12, "NE"}, PL{13, "PL"};

// Mercury leads Mars, and Venus leads Mars and Jupiter, as the texts are keyed.
const std::vector<AspectPair> Pairs = {
    {SU, MO}, {SU, MA}, {SU, ME, true}, {SU, JU}, {SU, VE, true}, {SU, SA}, {SU, UR}, {SU, NE}, {SU, PL},
    {MO, MA}, {MO, ME}, {MO, JU}, {MO, VE}, {MO, SA}, {MO, UR}, {MO, NE}, {MO, PL},
    {MA, JU}, {MA, SA}, {MA, UR}, {MA, NE}, {MA, PL},
    {ME, JU}, {ME, MA}, {ME, VE}, {ME, SA}, {ME, UR}, {ME, NE}, {ME, PL},
    {JU, SA}, {JU, UR}, {JU, NE}, {JU, PL},
    {VE, SA}, {VE, MA}, {VE, JU}, {VE, UR}, {VE, NE}, {VE, PL},
    {SA, UR}, {SA, NE}, {SA, PL},
    {UR, NE}, {UR, PL},
    {NE, PL},
};

} // namespace

AspectClass ClassifyAspect(int separation)
{
    if (separation > 180)
        separation = 360 - separation;
    for (int i = 1; i < static_cast<int>(AspectKinds.size()); ++i) {
        const AspectKind& k = AspectKinds[i];
        if (separation >= k.from && separation <= k.to)
            return {k.nature, i};
    }
    return {};
}

const std::vector<AspectPair>& AspectPairs() { return Pairs; }

std::string AspectTextKey(const AspectPair& pair, AspectNature nature)
{
    return "FA_" + std::string(pair.first.code) + std::string(pair.second.code) +
           std::to_string(static_cast<int>(nature));
}

std::vector<FoundAspect> FindAspects(const std::array<double, 14>& byPosition)
{
    std::vector<FoundAspect> found;
    for (const AspectPair& pair : Pairs) {
        const double apart =
            std::fabs(byPosition[pair.first.position] - byPosition[pair.second.position]);
        const AspectClass aspect = ClassifyAspect(static_cast<int>(std::nearbyint(apart)));
        if (aspect.nature == NoAspect)
            continue;
        if (pair.conjunctionOnly && aspect.nature != Conjunction)
            continue;
        found.push_back({&pair, aspect});
    }
    return found;
}

std::array<double, 14> ChartLongitudesByPosition(const ChartState& chart)
{
    std::array<double, 14> byPosition{};
    for (int position = 1; position <= 13; ++position)
        byPosition[position] = chart.PlanetLongitudes[BodyDisplayOrder[position]];
    return byPosition;
}

std::vector<AspectEntry> CollectAspectPredictions(const ChartState& chart, const Texts& texts)
{
    std::vector<AspectEntry> entries;
    for (const FoundAspect& f : FindAspects(ChartLongitudesByPosition(chart))) {
        const std::string heading =
            texts.Dict(BodyKeys[BodyDisplayOrder[f.pair->first.position]]) + " " +
            texts.Dict(AspectKinds[f.aspect.index].nameKey) + " " +
            texts.Dict(BodyKeys[BodyDisplayOrder[f.pair->second.position]]);
        entries.push_back({heading, texts.Prediction(AspectTextKey(*f.pair, f.aspect.nature))});
    }
    return entries;
}

int AspectPageCount(const ChartState& chart)
{
    const int entries = static_cast<int>(FindAspects(ChartLongitudesByPosition(chart)).size());
    const int pages = (entries + AspectEntriesPerPage - 1) / AspectEntriesPerPage;
    return std::min(pages, MostAspectPages);
}

} // namespace tarvik
