#include "MarsHouses.h"

#include "calc/Angles.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

int SignOfLongitude(double longitude)
{
    return std::min(static_cast<int>(std::floor(ReduceDegrees(longitude) / 30)) + 1, 12);
}

int HouseFromSign(int sign, int fromSign) { return WrapRange(sign - fromSign + 1, 12); }

bool IsManglikHouse(int house)
{
    return house == 1 || house == 4 || house == 7 || house == 8 || house == 12;
}

MarsHouses MarsHousesAt(double lagna, double moon, double mars)
{
    const int marsSign = SignOfLongitude(mars);
    return {HouseFromSign(marsSign, SignOfLongitude(lagna)),
            HouseFromSign(marsSign, SignOfLongitude(moon))};
}

} // namespace tarvik
