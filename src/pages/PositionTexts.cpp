#include "PositionTexts.h"

#include "calc/Angles.h"
#include "calc/NameTables.h"
#include "calc/TextFormat.h"
#include "refdata/Lookups.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tarvik {

namespace {

constexpr double CombustionOrb = 5;

std::string bodyText(int traditionalPosition, const Texts& texts)
{
    return texts.Dict(BodyKeys[BodyDisplayOrder[traditionalPosition]]);
}

} // namespace

ZodiacPlace PlaceOf(double longitude)
{
    const double l = ReduceDegrees(longitude);
    const double inNakshatras = l * 3 / 40;
    ZodiacPlace place;
    // The bounds only guard the last bit of a value a hair below 360.
    place.sign = std::clamp(static_cast<int>(l / 30) + 1, 1, 12);
    place.nakshatra = std::clamp(static_cast<int>(inNakshatras) + 1, 1, 27);
    place.pada = std::clamp(static_cast<int>(Frac(inNakshatras) * 4) + 1, 1, 4);
    return place;
}

std::string SignText(int sign, const Texts& texts)
{
    if (sign < 1 || sign > 12)
        throw std::out_of_range("sign " + std::to_string(sign) + " is outside 1..12");
    return texts.Dict(SignKeys[sign]);
}

std::string NumberedNakshatraText(int nakshatra, const Texts& texts)
{
    return ZeroPad(nakshatra, 2) + " " + texts.Dict(NakshatraKeys(nakshatra));
}

std::string SignLordText(int sign, const Texts& texts) { return bodyText(SignLords[sign], texts); }

std::string StarLordText(int nakshatra, const Texts& texts) { return bodyText(NakshatraLord(nakshatra), texts); }

std::string SubLordText(double longitude, const RunChoices& choices)
{
    return TranslateWord(GetSubLord(ReduceDegrees(longitude) * 3600), choices.languageHindi);
}

std::string EnglishCut(std::string_view text, std::size_t n, const RunChoices& choices)
{
    if (choices.languageHindi)
        return std::string(text);
    std::size_t end = 0;
    for (std::size_t chars = 0; end < text.size() && chars < n; ++chars) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
    }
    return std::string(text.substr(0, end));
}

double SignedSeparation(double from, double to)
{
    const double d = ReduceDegrees(to - from);
    return d > 180 ? d - 360 : d;
}

bool IsRetrograde(double now, double hourLater) { return SignedSeparation(now, hourLater) < 0; }

bool IsCombust(double sun, double body)
{
    return std::fabs(SignedSeparation(sun, body)) <= CombustionOrb;
}

} // namespace tarvik
