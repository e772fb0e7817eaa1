#pragma once

// The prediction paragraphs of the reference database, in the language of the
// run: a body in a sign (P_Planet), a sign standing in a house (P_Rashi) and
// the topic texts read from the sign of a topic's body (P_Phal, some topics
// in several parts). Every call runs its own query; nothing is cached. The
// tables hold one row for every combination the pages ask for, so a missing
// row is damaged data: a DbError naming the table and the values, which
// abandons the page that asked.
//
// The aspect interpretations are keyed texts: Texts::Prediction
// (refdata/TextLookup.h).

#include <string>

namespace tarvik {

// Body numbers are those of the computation order (2 Sun .. 9 Rahu, 12 Neptune,
// 1 the ascendant); signs 1 (Aries) .. 12; houses 1..12 from the ascendant's sign.
std::string GetPlanetInSignText(int rashi, int planet, bool hindi);
std::string GetSignInHouseText(int house, int rashi, bool hindi);
// div 1.. for a topic stored in parts; 0 for a topic stored as one text.
std::string GetPhalText(int plnt, int rasi, int div, bool hindi);

} // namespace tarvik
