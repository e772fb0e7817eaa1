#pragma once

// The houses of Mars that make a chart Manglik: the houses are whole signs
// counted from the sign of the reference (the Lagna or the Moon), that sign
// being the first house; Mars in the first, fourth, seventh, eighth or
// twelfth of them makes the dosha.

namespace tarvik {

// The sign (1..12) of a sidereal longitude.
int SignOfLongitude(double longitude);

// The house (1..12) that sign stands in, counted from fromSign.
int HouseFromSign(int sign, int fromSign);

// Mars in this house makes the chart Manglik from that reference.
bool IsManglikHouse(int house);

struct MarsHouses {
    int fromLagna = 0;
    int fromMoon = 0;
    bool operator==(const MarsHouses&) const = default;
};

// The houses of Mars from the Lagna and from the Moon, by their signs.
MarsHouses MarsHousesAt(double lagna, double moon, double mars);

} // namespace tarvik
