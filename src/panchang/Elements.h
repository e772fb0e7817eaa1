#pragma once

// The four panchang elements that follow from the sidereal Sun and Moon
// (tithi, nakshatra, yoga, karana), each as a number or as display text, and
// the paya of a birth. Every function reduces its longitudes into [0, 360)
// first, so a shifted longitude slightly outside the circle is read correctly.

#include "calc/NameTables.h"
#include "refdata/TextLookup.h"

#include <string>

namespace tarvik {

// Tithi 1..30: 1..15 the bright half (15 the full moon), 16..30 the dark
// half (30 the new moon). A boundary belongs to the tithi that ends there,
// and the exact conjunction is the end of the thirtieth.
int CalcTithi(double moon, double sun);
// The dictionary key of a tithi: the two halves share the keys of 1..14;
// 15 is "Purnima" and 30 "Amavasya".
Key TithiKey(int tithi);
// The display text of the tithi running at these longitudes, in the
// language of texts (as every text below).
std::string CalcTithiText(double moon, double sun, const Texts& texts);

// Nakshatra 1..27 of the Moon (13 deg 20' each; a boundary begins the next).
int CalcNakshatra(double moon);
// Its key, not looked up: the end-time search compares keys.
std::string CalcNakshatraText(double moon);

// Yoga 1..27 of the sum of the longitudes (13 deg 20' each).
int CalcYoga(double moon, double sun);
std::string CalcYogaText(double moon, double sun, const Texts& texts);

// Karana 1..60, the half-tithi, from the elongation in whole arc-minutes
// (rounded, halves to even). The last half arc-minute before the conjunction
// rounds to the full circle and is already the first karana of the month.
int CalcKarana(double moon, double sun);
// The karana's name from the dictionary, in English in proper case.
std::string CalcKaranaText(double moon, double sun, const Texts& texts);

// Paya by the house of the Moon's sign counted from the ascendant (0 counts
// as 1) and by the Moon's nakshatra: the display text of Gold, Silver,
// Copper or Iron; any other number gives "".
std::string PayaByHouse(int house, const Texts& texts);
std::string PayaByNakshatra(int nakshatra, const Texts& texts);

} // namespace tarvik
