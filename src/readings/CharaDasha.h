#pragma once

// The Jaimini chara (sign) dasha: twelve periods, one for each sign, in the
// zodiac's order or against it from the ascendant's sign, each lasting as
// many years as the signs counted from it to its lord, less one (a lord in
// its own sign gives twelve); each period is divided into twelve equal
// sub-periods of the signs. Beside them, the seven chara karakas, the
// bodies ordered by their degrees within their signs, and the karakamsha,
// the navamsa sign of the first of them.

#include "core/ChartState.h"

#include <array>
#include <string_view>

namespace tarvik {

inline constexpr std::array<std::string_view, 7> KarakaNames = {
    "Atmakaraka", "Amatyakaraka", "Bhratrikaraka", "Matrikaraka",
    "Putrakaraka", "Gnatikaraka", "Darakaraka"};

struct Karaka {
    int body = 0;          // computation order, Sun .. Moon
    double degrees = 0;    // within its sign
};

// The seven karakas, the Atmakaraka first: the bodies from the Sun to the
// Moon by their degrees within their signs, most first. Bodies of equal
// degrees keep the places that the exchanges of the count leave them.
std::array<Karaka, 7> CharaKarakas(const ChartState& chart);

// The navamsa sign of the Atmakaraka.
int Karakamsha(const ChartState& chart, const std::array<Karaka, 7>& karakas);

// The sign of period k (0..11) for an ascendant in the given sign.
int CharaDashaSign(int ascendantSign, int k);
// The sign of sub-period j (0..11) of the period of a sign: from the next
// sign on, ending with the sign itself.
int CharaSubPeriodSign(int periodSign, int j);
// The years (1..12) of the period of a sign.
int CharaDashaYears(const ChartState& chart, int sign);

} // namespace tarvik
