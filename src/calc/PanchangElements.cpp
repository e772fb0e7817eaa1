#include "PanchangElements.h"

#include "Angles.h"
#include "core/State.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

BirthPanchang PanchangElementsOf(const ChartState& chart)
{
    const double moon = ReduceDegrees(chart.PlanetLongitudes[Moon]);
    const double sun = ReduceDegrees(chart.PlanetLongitudes[Sun]);

    // Elapsed lunar days: each tithi is 12 degrees of the Moon's gain on the Sun.
    double elapsed = (moon - sun) / 12.0;
    if (elapsed < 0)
        elapsed += 30.0;
    // A tithi ends when the Moon has gained its full twelve degrees, so a
    // whole count belongs to the tithi that ends there; the exact conjunction
    // (nothing elapsed) is the end of the thirtieth, the new moon.
    int tithi = static_cast<int>(std::ceil(elapsed));
    if (tithi == 0)
        tithi = 30;

    // Nakshatra and pada from one count of quarters (3°20' each), so that the
    // two never disagree at a nakshatra's boundary.
    // (A Moon a hair below 360 can round up onto the 108th quarter.)
    const int quarters = std::min(static_cast<int>(std::floor(moon * 3.0 / 10.0)), 107);
    const int nakshatrasPassed = quarters / 4;

    const double yogaValue = (moon + sun) * 3.0 / 40.0;
    int yogaIndex = static_cast<int>(std::floor(yogaValue));
    while (yogaIndex > 27)
        yogaIndex -= 27;

    BirthPanchang result;
    result.workingValues[1] = nakshatrasPassed;
    result.workingValues[2] = yogaValue;
    result.workingValues[3] = moon / 30.0;

    PanchangValues& elements = result.elements;
    elements[TithiElement] = tithi;
    elements[PadaElement] = quarters % 4 + 1;
    elements[NakshatraElement] = nakshatrasPassed + 1;
    elements[YogaIndexElement] = yogaIndex;
    elements[MoonSignElement] = std::min(static_cast<int>(moon / 30.0), 11);
    return result;
}

PanchangValues CalcPanchangElements()
{
    ChartState& chart = Chart();
    const BirthPanchang birth = PanchangElementsOf(chart);
    for (int k = 1; k <= 3; ++k)
        chart.BirthPanchangValues[k] = birth.workingValues[k];
    return birth.elements;
}

int YogaNumberOfIndex(int yogaIndex)
{
    return yogaIndex == 27 ? 1 : yogaIndex + 1;
}

} // namespace tarvik
