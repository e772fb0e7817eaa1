#pragma once

// The ashtakavarga of the seven planets: the benefic points (bindus) each
// planet receives in each sign from the places of the seven planets and the
// Lagna, their trikona and ekadhipatya reductions, and the shodhya pinda.

#include "core/ChartState.h"

#include <array>

namespace tarvik {

// Planets of the ashtakavarga, rows 0..6, and the Lagna as the eighth
// contributor.
enum AshtakBody : int {
    AshtakSun, AshtakMoon, AshtakMars, AshtakMercury, AshtakJupiter, AshtakVenus, AshtakSaturn,
    AshtakLagna,
};
inline constexpr int AshtakPlanets = 7;

// The sign 1..12 of each of the seven planets and of the Lagna.
using AshtakSigns = std::array<int, 8>;
// Bindus of planet row p (0..6) in sign column c (0 Aries .. 11 Pisces).
using AshtakTable = std::array<std::array<int, 12>, AshtakPlanets>;
// The signs that hold the Lagna or one of the seven planets (column 0 Aries);
// Rahu and Ketu do not count.
using OccupiedSigns = std::array<bool, 12>;

struct ShodhyaPinda {
    int rashi = 0;   // bindus weighted by the sign they stand in
    int graha = 0;   // bindus in the planets' own signs, weighted by the planet
    int Total() const { return rashi + graha; }

    bool operator==(const ShodhyaPinda&) const = default;
};

// The signs of the birth chart: the planets from PlanetLongitudes, the Lagna
// from HouseCusps[1].
AshtakSigns AshtakavargaSigns(const ChartState& chart);
OccupiedSigns OccupiedBy(const AshtakSigns& signs);

// The bindus before any reduction. Each planet's total is fixed whatever the
// chart: 48, 49, 39, 54, 56, 52 and 39, 337 in all.
AshtakTable AshtakavargaBindus(const AshtakSigns& signs);

// Trikona reduction: in each trine of signs (Aries, Leo, Sagittarius and the
// three like it) the smallest count is taken from all three.
AshtakTable TrikonaReduced(AshtakTable table);

// Ekadhipatya reduction over the five pairs of signs with one lord (Cancer
// and Leo have no partner): nothing changes where either sign has no bindus
// or both are occupied; two empty signs both fall to the smaller count, or
// to 0 when equal; with one occupied sign, the empty one loses all when the
// occupied one has as many or more, else both keep the smaller count.
AshtakTable EkadhipatyaReduced(AshtakTable table, const OccupiedSigns& occupied);

// Shodhya pinda of each planet from the reduced bindus.
std::array<ShodhyaPinda, AshtakPlanets> ShodhyaPindas(const AshtakTable& reduced,
                                                      const AshtakSigns& signs);

} // namespace tarvik
