#pragma once

// What the position tables print of a longitude: its sign, its nakshatra and
// pada, the lords of its sign, star and sub, in the page's language; and the
// two marks of a body's state, retrograde motion and combustion.

#include "core/RunChoices.h"
#include "refdata/TextLookup.h"

#include <string>
#include <string_view>

namespace tarvik {

// Sign 1..12, nakshatra 1..27 (13°20' each) and pada 1..4 (3°20' each) of a
// longitude, reduced into [0, 360) first.
struct ZodiacPlace {
    int sign = 1;
    int nakshatra = 1;
    int pada = 1;
};
ZodiacPlace PlaceOf(double longitude);

// The sign's dictionary text. A sign outside 1..12 means the chart was never
// filled: an error that abandons the page rather than print a wrong name.
std::string SignText(int sign, const Texts& texts);
// "07 Punarvasu": the nakshatra's number in two digits, a blank, its text.
std::string NumberedNakshatraText(int nakshatra, const Texts& texts);
// The dictionary texts of the lord of a sign, and of a nakshatra.
std::string SignLordText(int sign, const Texts& texts);
std::string StarLordText(int nakshatra, const Texts& texts);
// The KP sub lord of a longitude in degrees, in the page's language.
std::string SubLordText(double longitude, const RunChoices& choices);

// The first n characters of text in English; Hindi keeps its words whole.
std::string EnglishCut(std::string_view text, std::size_t n, const RunChoices& choices);

// to - from wrapped into (-180, 180]: the short way round the circle, so a
// body moving from 359.9° to 0.1° has moved forward.
double SignedSeparation(double from, double to);

// A body is retrograde when its position an hour later lies behind it.
bool IsRetrograde(double now, double hourLater);
// A body within 5° of the Sun (5° itself included) is combust, on either
// side of 0° Aries.
bool IsCombust(double sun, double body);

} // namespace tarvik
