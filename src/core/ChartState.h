#pragma once

#include <array>
#include <string>

namespace tarvik {

// Body numbering of the computation order, the index of PlanetLongitudes.
// Element 1 of PlanetLongitudes holds the ayanamsa, not the Lagna: the Lagna is
// HouseCusps[1]. Elements 15..26 are the same bodies one hour later (k + 13).
enum Body : int {
    Lagna = 1, Sun = 2, Mercury = 3, Venus = 4, Mars = 5, Jupiter = 6, Saturn = 7,
    Moon = 8, Rahu = 9, Ketu = 10, Uranus = 11, Neptune = 12, Pluto = 13,
};
inline constexpr int AyanamsaSlot = 1;
inline constexpr int HourLater = 13;   // PlanetLongitudes[b + HourLater]

// The results of one chart calculation. Every run of the driver overwrites
// all of it. The arrays are indexed by the numbers of the things they hold
// (body codes above, houses and vargas from 1, element 0 unused where the
// count starts at 1), so that readers write a house or a body as it is numbered.
struct ChartState {
    std::array<double, 27> PlanetLongitudes{};
    std::array<double, 13> HouseCusps{};      // 1..12, cusp 1 = ascendant
    std::array<double, 13> BhavaSandhi{};     // 1..12
    double SiderealTime = 0;                  // local apparent sidereal time, hours 0..24
    double Obliquity = 0;                     // true obliquity of the ecliptic, degrees
    double AscAyanamsa = 0;                   // the ayanamsa (of the true equinox) the ascendant subtracts

    std::array<std::string, 17> ShodashVargaNames{};
    int ShodashVargaSigns[17][11]{};          // (varga 1..16, traditional position 1..10)
    double DegInSign = 0;
    int SaptavargaSigns[14][8]{};             // (body 1..13 computation order, chart 1..7); column 0 unused
    std::string FriendshipTable[10][10][4]{}; // nine planets, three layers

    double PlaceLatitude = 0;                 // signed decimal degrees, south negative
    double PlaceLongitude = 0;                // signed decimal degrees, west negative
    double ZoneMeridianDeg = 0;               // degrees, east positive
    double DayFraction = 0;                   // (UT - 12 h) / 24
    double JulianCenturies = 0;               // T from 1900 January 0.5
    int CalcPass = 0;
    int AyanamsaChoice = 0;                   // the choice the chart was cast under (K.P. cusps read it)

    // Working values of the panchang elements at birth (filled on demand).
    std::array<double, 5> BirthPanchangValues{};

    // KP cusps: element k is cusp k + 1 (0 the ascendant, 9 the midheaven),
    // element 12 repeats cusp 1; signs of the cusps likewise.
    std::array<double, 14> KPCusps{};
    std::array<double, 13> KPHouseSigns{};

    bool operator==(const ChartState&) const = default;
};

} // namespace tarvik
