#include "PredictionPages.h"

#include "PredictionTexts.h"
#include "calc/NameTables.h"
#include "core/ChartState.h"
#include "calc/Angles.h"

#include <algorithm>
#include <stdexcept>

namespace tarvik {

namespace {

// The topics and the body that speaks for each: the Sun for character (in
// four parts), Mercury for happiness, the Moon for the way of life, the
// ascendant for career, Saturn for occupation, Mars for health, Neptune for
// hobbies, Venus for love and Jupiter for finance.
const std::array<std::vector<PredictionTopic>, 3> Topics = {{
    {{"Character", Sun, 4}, {"HAPPINESS", Mercury, 1}, {"LIFESTYLE", Moon, 1}},
    {{"Career", Lagna, 1}, {"Occupation", Saturn, 1}, {"Health", Mars, 1}},
    {{"Hobbies", Neptune, 1}, {"Love Matters", Venus, 1}, {"Finance", Jupiter, 1}},
}};

// The Hindi texts run longer, so they are spread two, three and three a page.
const std::array<std::vector<int>, 3> EnglishPlanetPages = {{
    {Sun, Mercury, Venus}, {Mars, Jupiter, Saturn}, {Moon, Rahu}}};
const std::array<std::vector<int>, 3> HindiPlanetPages = {{
    {Sun, Mercury}, {Venus, Mars, Jupiter}, {Saturn, Moon, Rahu}}};

const std::vector<int> NoBodies;
const std::vector<PredictionTopic> NoTopics;

bool partIn(int part, int last) { return part >= 1 && part <= last; }

// Sign 1 (Aries) .. 12 of a longitude; a body at exactly 30 degrees is in Taurus.
int SignOf(double longitude)
{
    return std::min(static_cast<int>(ReduceDegrees(longitude) / 30) + 1, 12);
}

} // namespace

const std::vector<PredictionTopic>& TopicsOfPart(int part)
{
    return partIn(part, 3) ? Topics[part - 1] : NoTopics;
}

const std::vector<int>& PlanetPageBodies(int part, bool hindi)
{
    if (!partIn(part, 3))
        return NoBodies;
    return (hindi ? HindiPlanetPages : EnglishPlanetPages)[part - 1];
}

double BirthLongitudeOf(const BirthState& b, int body)
{
    switch (body) {
    case Lagna: return b.BirthLagna;
    case Sun: return b.BirthSun;
    case Mercury: return b.BirthMercury;
    case Venus: return b.BirthVenus;
    case Mars: return b.BirthMars;
    case Jupiter: return b.BirthJupiter;
    case Saturn: return b.BirthSaturn;
    case Moon: return b.BirthMoon;
    case Rahu: return b.BirthRahu;
    case Ketu: return b.BirthKetu;
    case Uranus: return b.BirthUranus;
    case Neptune: return b.BirthNeptune;
    case Pluto: return b.BirthPluto;
    }
    throw std::invalid_argument("no birth longitude for body " + std::to_string(body));
}

PredictionSteps TopicSteps(int part, const PageContext& page)
{
    const bool hindi = page.choices.languageHindi;
    PredictionSteps steps;
    for (const PredictionTopic& topic : TopicsOfPart(part)) {
        const int sign = SignOf(BirthLongitudeOf(page.births, topic.body));
        const std::string heading = page.Dict(topic.headingKey);
        if (topic.parts == 1) {
            steps.push_back(PredictionStep::Entry(heading, GetPhalText(topic.body, sign, 0, hindi)));
        } else {
            // The parts read as one text under one heading, each from the line
            // after the last, with one line of space after them all.
            steps.push_back(PredictionStep::Entry(heading, GetPhalText(topic.body, sign, 1, hindi)));
            steps.push_back(PredictionStep::Gap(0));
            for (int div = 2; div <= topic.parts; ++div)
                steps.push_back(PredictionStep::Paragraph(GetPhalText(topic.body, sign, div, hindi)));
            steps.push_back(PredictionStep::Space(1));
        }
        // Happiness and the way of life are one subject: one line between them.
        if (topic.headingKey == "HAPPINESS")
            steps.push_back(PredictionStep::Gap(1));
    }
    return steps;
}

PredictionSteps PlanetInSignSteps(int part, const PageContext& page)
{
    PredictionSteps steps;
    for (int body : PlanetPageBodies(part, page.choices.languageHindi)) {
        const int sign = SignOf(BirthLongitudeOf(page.births, body));
        steps.push_back(PredictionStep::Entry(page.Dict(BodyKeys[body]),
                                              GetPlanetInSignText(sign, body, page.choices.languageHindi)));
    }
    return steps;
}

PredictionSteps SignInHouseSteps(int part, const PageContext& page)
{
    PredictionSteps steps;
    if (!partIn(part, 2))
        return steps;
    // Whole-sign houses: the ascendant's sign is the first house. The signs
    // run in zodiac order whatever the ascendant.
    const int ascendantSign = SignOf(page.births.BirthLagna);
    for (int sign = 6 * (part - 1) + 1; sign <= 6 * part; ++sign) {
        const int house = (sign - ascendantSign + 12) % 12 + 1;
        steps.push_back(PredictionStep::Entry(page.Dict(SignKeys[sign]),
                                              GetSignInHouseText(house, sign, page.choices.languageHindi)));
    }
    return steps;
}

void PrintTopicPredictions(Surface& surface, int part, const PageContext& page)
{
    PrintStepsWithinPage(surface, page.layout, TopicSteps(part, page));
}

void PrintPlanetInSignPredictions(Surface& surface, int part, const PageContext& page)
{
    PrintStepsWithinPage(surface, page.layout, PlanetInSignSteps(part, page));
}

void PrintSignInHousePredictions(Surface& surface, int part, const PageContext& page)
{
    PrintStepsWithinPage(surface, page.layout, SignInHouseSteps(part, page));
}

} // namespace tarvik
