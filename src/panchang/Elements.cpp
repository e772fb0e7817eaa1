#include "Elements.h"

#include "calc/Angles.h"
#include "calc/TextFormat.h"
#include "refdata/TextLookup.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {
// Arc-minutes of the circle and of one karana.
constexpr double CircleMinutes = 21600;
constexpr long KaranaMinutes = 360;

enum class Paya { None, Gold, Silver, Copper, Iron };

std::string payaText(Paya p, const Texts& texts)
{
    switch (p) {
    case Paya::Gold: return texts.Dict("Gold");
    case Paya::Silver: return texts.Dict("Silver");
    case Paya::Copper: return texts.Dict("Copper");
    case Paya::Iron: return texts.Dict("Iron");
    case Paya::None: break;
    }
    return {};
}
} // namespace

int CalcTithi(double moon, double sun)
{
    double t = (ReduceDegrees(moon) - ReduceDegrees(sun)) / 12;
    if (t < 0)
        t += 30;
    // Rounded up: the Moon has completed a tithi only when it has gained the
    // full twelve degrees, so a whole count is still the tithi that ends.
    const int n = static_cast<int>(std::ceil(t));
    return n == 0 ? 30 : n;
}

Key TithiKey(int tithi)
{
    const int r = static_cast<int>(RealMod(tithi, 15));
    if (r == 0)
        return tithi == 30 ? "Amavasya" : "Purnima";
    return TithiKeys[r];
}

std::string CalcTithiText(double moon, double sun, const Texts& texts)
{
    return texts.Dict(TithiKey(CalcTithi(moon, sun)));
}

int CalcNakshatra(double moon)
{
    const int n = static_cast<int>(std::floor(ReduceDegrees(moon) * 3 / 40)) + 1;
    return std::min(n, 27);   // a Moon a hair below 360 must not round onto a 28th
}

std::string CalcNakshatraText(double moon)
{
    return std::string(NakshatraKeys(CalcNakshatra(moon)));
}

int CalcYoga(double moon, double sun)
{
    int n = static_cast<int>(std::floor((ReduceDegrees(moon) + ReduceDegrees(sun)) * 3 / 40 + 1));
    while (n > 27)
        n -= 27;
    return n;
}

std::string CalcYogaText(double moon, double sun, const Texts& texts)
{
    return texts.Dict(YogaKeys[CalcYoga(moon, sun)]);
}

int CalcKarana(double moon, double sun)
{
    const double s = ReduceDegrees(sun) * 60;
    double m = ReduceDegrees(moon) * 60;
    if (m < s)
        m += CircleMinutes;
    const long rounded = std::lround(std::nearbyint(m - s));   // halves to even
    const int karana = static_cast<int>(rounded / KaranaMinutes) + 1;
    return karana > 60 ? karana - 60 : karana;
}

std::string CalcKaranaText(double moon, double sun, const Texts& texts)
{
    const std::string text = texts.Dict(KaranaNames[CalcKarana(moon, sun)]);
    return texts.Hindi() ? text : ProperCase(text);
}

std::string PayaByHouse(int house, const Texts& texts)
{
    switch (house) {
    case 0: case 1: case 6: case 11: return payaText(Paya::Gold, texts);
    case 2: case 5: case 9: return payaText(Paya::Silver, texts);
    case 3: case 7: case 10: return payaText(Paya::Copper, texts);
    case 4: case 8: case 12: return payaText(Paya::Iron, texts);
    default: return payaText(Paya::None, texts);
    }
}

std::string PayaByNakshatra(int nakshatra, const Texts& texts)
{
    Paya p = Paya::None;
    if ((nakshatra >= 1 && nakshatra <= 5) || nakshatra == 27)
        p = Paya::Gold;
    else if (nakshatra >= 6 && nakshatra <= 15)
        p = Paya::Silver;
    else if (nakshatra == 16)
        p = Paya::Iron;
    else if (nakshatra >= 17 && nakshatra <= 26)
        p = Paya::Copper;
    return payaText(p, texts);
}

} // namespace tarvik
