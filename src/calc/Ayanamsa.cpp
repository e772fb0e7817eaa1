#include "Ayanamsa.h"

#include "Angles.h"
#include "Ephemeris.h"

#include <array>

namespace tarvik {

namespace {

// The mean ayanamsas, degrees, as c0 + c1 T + c2 T^2 + c3 T^3 + c4 T^4:
// fitted to Swiss Ephemeris's (precessed from each mode's epoch and value)
// from 1789 to 2331 by `ephbuild --ayanamsas`, which prints these rows.
constexpr std::array<std::array<double, 5>, 3> AyanamsaPolynomials = {{
    {22.460511484845, 1.396273782320, 3.070622137801e-04, 2.423381651964e-08, -5.397360718968e-09},  // N.C. Lahiri, within 0.00003"
    {22.363659018041, 1.396273968916, 3.070291954078e-04, 2.406654336343e-08, -5.385023193502e-09},  // K.P., within 0.00003"
    {21.014210018041, 1.396273968916, 3.070291968395e-04, 2.406570063310e-08, -5.384901728781e-09},  // B.V. Raman, within 0.00003"
}};

} // namespace

double MeanAyanamsa(int ayanamsaChoice, double T)
{
    const bool known = ayanamsaChoice == AyanamsaKP || ayanamsaChoice == AyanamsaRaman;
    const auto& c = AyanamsaPolynomials[known ? ayanamsaChoice : AyanamsaLahiri];
    return c[0] + T * (c[1] + T * (c[2] + T * (c[3] + T * c[4])));
}

double TrueAyanamsa(int ayanamsaChoice, double jd)
{
    return MeanAyanamsa(ayanamsaChoice, CenturiesOfJulianDay(jd)) + NutationInLongitude(jd);
}

double SiderealLongitude(EphemerisQuantity body, double jd, int ayanamsaChoice)
{
    return ReduceDegrees(MeanEquinoxLongitude(body, jd) - MeanAyanamsa(ayanamsaChoice, CenturiesOfJulianDay(jd)));
}

} // namespace tarvik
