#pragma once

#include "core/ChartState.h"

#include <array>
#include <string_view>

namespace tarvik {

// The sixteen divisional charts, D1 to D60, in the row order of ShodashVargaSigns.
inline constexpr std::array<std::string_view, 17> ShodashVargaNameTable = {
    "", "Rashi", "Hora", "Drekkana", "Chaturthamsa", "Saptamsa", "Navamsa", "Dasamsa",
    "Dwadasamsa", "Shodasamsa", "Vimsamsa", "Chaturvimsamsa", "Bhamsa", "Thrisamsa",
    "Khavedamsa", "Akshavedamsa", "Shatyamsa"};

// A longitude split into its sign and the degrees within it, both taken from
// the same sign index so that every divisional rule sees one boundary.
struct SignPosition {
    int sign;        // 1 Aries .. 12 Pisces
    double degrees;  // 0 <= degrees < 30
};
SignPosition SplitSign(double longitude);

// The sign 1..12 of a longitude in the sixteen-varga chart v (1 Rashi .. 16 Shatyamsa).
int ShodashVargaSign(int varga, double longitude);

// The sign 1..12 of a longitude in the seven-varga chart k (1 Rasi .. 7 Shodasamsa,
// the columns of SaptavargaSigns), by the continuous counts of the older set.
int SaptavargaSign(int chart, double longitude);

// The sixteen divisional charts of the ascendant and the nine planets, by
// traditional position (ShodashVargaSigns, ShodashVargaNames); DegInSign is
// left with the degrees of the last body, Ketu. Of a chart, into it.
void CalcShodashVarga(ChartState& chart);

// The seven divisional charts of one body: row index + 1 of SaptavargaSigns,
// columns 1..7. index 0 is the ascendant, 1..12 the bodies Sun .. Pluto.
void CalcVargas(ChartState& chart, double longitude, int index);

// The seven divisional charts of the ascendant and the twelve bodies.
void CalcAllVargas(ChartState& chart);

} // namespace tarvik
