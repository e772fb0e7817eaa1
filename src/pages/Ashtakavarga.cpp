#include "Ashtakavarga.h"

#include "PositionTexts.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

namespace tarvik {

namespace {

// The places (1 = the contributor's own sign) as a set of twelve flags.
using Places = std::uint16_t;
constexpr Places places(std::initializer_list<int> list)
{
    Places mask = 0;
    for (int place : list)
        mask = static_cast<Places>(mask | (1u << (place - 1)));
    return mask;
}

// Benefic places of each planet, counted from each contributor in the order
// Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, Lagna.
constexpr std::array<std::array<Places, 8>, AshtakPlanets> BeneficPlaces = {{
    // Sun
    {places({1, 2, 4, 7, 8, 9, 10, 11}), places({3, 6, 10, 11}), places({1, 2, 4, 7, 8, 9, 10, 11}),
     places({3, 5, 6, 9, 10, 11, 12}), places({5, 6, 9, 11}), places({6, 7, 12}),
     places({1, 2, 4, 7, 8, 9, 10, 11}), places({3, 4, 6, 10, 11, 12})},
    // Moon
    {places({3, 6, 7, 8, 10, 11}), places({1, 3, 6, 7, 10, 11}), places({2, 3, 5, 6, 9, 10, 11}),
     places({1, 3, 4, 5, 7, 8, 10, 11}), places({1, 4, 7, 8, 10, 11, 12}),
     places({3, 4, 5, 7, 9, 10, 11}), places({3, 5, 6, 11}), places({3, 6, 10, 11})},
    // Mars
    {places({3, 5, 6, 10, 11}), places({3, 6, 11}), places({1, 2, 4, 7, 8, 10, 11}),
     places({3, 5, 6, 11}), places({6, 10, 11, 12}), places({6, 8, 11, 12}),
     places({1, 4, 7, 8, 9, 10, 11}), places({1, 3, 6, 10, 11})},
    // Mercury
    {places({5, 6, 9, 11, 12}), places({2, 4, 6, 8, 10, 11}), places({1, 2, 4, 7, 8, 9, 10, 11}),
     places({1, 3, 5, 6, 9, 10, 11, 12}), places({6, 8, 11, 12}), places({1, 2, 3, 4, 5, 8, 9, 11}),
     places({1, 2, 4, 7, 8, 9, 10, 11}), places({1, 2, 4, 6, 8, 10, 11})},
    // Jupiter
    {places({1, 2, 3, 4, 7, 8, 9, 10, 11}), places({2, 5, 7, 9, 11}), places({1, 2, 4, 7, 8, 10, 11}),
     places({1, 2, 4, 5, 6, 9, 10, 11}), places({1, 2, 3, 4, 7, 8, 10, 11}),
     places({2, 5, 6, 9, 10, 11}), places({3, 5, 6, 12}), places({1, 2, 4, 5, 6, 7, 9, 10, 11})},
    // Venus
    {places({8, 11, 12}), places({1, 2, 3, 4, 5, 8, 9, 11, 12}), places({3, 5, 6, 9, 11, 12}),
     places({3, 5, 6, 9, 11}), places({5, 8, 9, 10, 11}), places({1, 2, 3, 4, 5, 8, 9, 10, 11}),
     places({3, 4, 5, 8, 9, 10, 11}), places({1, 2, 3, 4, 5, 8, 9, 11})},
    // Saturn
    {places({1, 2, 4, 7, 8, 10, 11}), places({3, 6, 11}), places({3, 5, 6, 10, 11, 12}),
     places({6, 8, 9, 10, 11, 12}), places({5, 6, 11, 12}), places({6, 11, 12}),
     places({3, 5, 6, 11}), places({1, 3, 4, 6, 10, 11})},
}};

// The trines, columns 0 Aries .. 11 Pisces.
constexpr std::array<std::array<int, 3>, 4> Trines = {{{0, 4, 8}, {1, 5, 9}, {2, 6, 10}, {3, 7, 11}}};

// Signs ruled by one lord: Mars, Venus, Mercury, Jupiter, Saturn (1-based).
constexpr std::array<std::array<int, 2>, 5> OneLordPairs = {{{1, 8}, {2, 7}, {3, 6}, {9, 12}, {10, 11}}};

// Weights of the shodhya pinda: of the signs, Aries to Pisces, and of the
// planets, Sun to Saturn.
constexpr std::array<int, 12> RashiMultipliers = {7, 10, 8, 4, 10, 5, 7, 8, 9, 5, 11, 12};
constexpr std::array<int, AshtakPlanets> GrahaMultipliers = {5, 5, 8, 5, 10, 7, 5};

// Traditional order of the ashtakavarga planets as bodies of the chart.
constexpr std::array<int, AshtakPlanets> PlanetBodies = {Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn};

} // namespace

AshtakSigns AshtakavargaSigns(const ChartState& chart)
{
    AshtakSigns signs{};
    for (int p = 0; p < AshtakPlanets; ++p)
        signs[p] = PlaceOf(chart.PlanetLongitudes[PlanetBodies[p]]).sign;
    signs[AshtakLagna] = PlaceOf(chart.HouseCusps[1]).sign;
    return signs;
}

OccupiedSigns OccupiedBy(const AshtakSigns& signs)
{
    OccupiedSigns occupied{};
    for (int sign : signs)
        occupied[sign - 1] = true;
    return occupied;
}

AshtakTable AshtakavargaBindus(const AshtakSigns& signs)
{
    AshtakTable table{};
    for (int p = 0; p < AshtakPlanets; ++p) {
        for (int contributor = 0; contributor < 8; ++contributor) {
            const int from = signs[contributor] - 1;
            for (int place = 0; place < 12; ++place)
                if (BeneficPlaces[p][contributor] & (1u << place))
                    ++table[p][(from + place) % 12];
        }
    }
    return table;
}

AshtakTable TrikonaReduced(AshtakTable table)
{
    for (auto& row : table) {
        for (const auto& trine : Trines) {
            const int least = std::min({row[trine[0]], row[trine[1]], row[trine[2]]});
            for (int c : trine)
                row[c] -= least;
        }
    }
    return table;
}

AshtakTable EkadhipatyaReduced(AshtakTable table, const OccupiedSigns& occupied)
{
    for (auto& row : table) {
        for (const auto& pair : OneLordPairs) {
            int& a = row[pair[0] - 1];
            int& b = row[pair[1] - 1];
            const bool occupiedA = occupied[pair[0] - 1];
            const bool occupiedB = occupied[pair[1] - 1];
            if (a == 0 || b == 0 || (occupiedA && occupiedB))
                continue;
            if (!occupiedA && !occupiedB) {
                a = b = (a == b ? 0 : std::min(a, b));
            } else {
                int& held = occupiedA ? a : b;
                int& empty = occupiedA ? b : a;
                if (held >= empty)
                    empty = 0;
                else
                    empty = held;
            }
        }
    }
    return table;
}

std::array<ShodhyaPinda, AshtakPlanets> ShodhyaPindas(const AshtakTable& reduced,
                                                      const AshtakSigns& signs)
{
    std::array<ShodhyaPinda, AshtakPlanets> pindas{};
    for (int p = 0; p < AshtakPlanets; ++p) {
        for (int c = 0; c < 12; ++c)
            pindas[p].rashi += reduced[p][c] * RashiMultipliers[c];
        for (int q = 0; q < AshtakPlanets; ++q)
            pindas[p].graha += reduced[p][signs[q] - 1] * GrahaMultipliers[q];
    }
    return pindas;
}

} // namespace tarvik
