#pragma once

// The general prediction pages of a horoscope, each below the heading the
// dispatcher prints: the topics read from the signs of their bodies
// ("GenPage1".."GenPage3"), each body in its sign ("PP1".."PP3") and each
// sign in the house it occupies counted from the ascendant's sign
// ("RashiP1", "RashiP2"). The positions are the birth longitudes the output
// run keeps (BirthLagna, BirthSun, ...). A part outside a family's pages
// prints nothing.

#include "PredictionLayout.h"
#include "pages/PageContext.h"
#include "pages/Surface.h"

#include <array>
#include <string_view>
#include <vector>

namespace tarvik {

// One topic of the general predictions: its heading key, the body whose text
// table it reads (computation order) and how many parts its text is stored in.
struct PredictionTopic {
    std::string_view headingKey;
    int body;
    int parts;
};

// The topics of each page part 1..3, in printing order.
const std::vector<PredictionTopic>& TopicsOfPart(int part);

// The bodies of planet-in-sign page 1..3 in the language's division of them.
const std::vector<int>& PlanetPageBodies(int part, bool hindi);

// The birth longitude of a body of the computation order (the ascendant for 1).
double BirthLongitudeOf(const BirthState& births, int body);

// The steps of each page, with their texts looked up.
PredictionSteps TopicSteps(int part, const PageContext& page);
PredictionSteps PlanetInSignSteps(int part, const PageContext& page);
PredictionSteps SignInHouseSteps(int part, const PageContext& page);

void PrintTopicPredictions(Surface& surface, int part, const PageContext& page);
void PrintPlanetInSignPredictions(Surface& surface, int part, const PageContext& page);
void PrintSignInHousePredictions(Surface& surface, int part, const PageContext& page);

} // namespace tarvik
