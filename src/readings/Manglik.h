#pragma once

// The Mangal (Manglik) dosha: Mars in the first, fourth, seventh, eighth or
// twelfth house of a chart. The houses are whole signs counted from the sign
// of the reference (the Lagna or the Moon), that sign being the first house.
// The Manglik page explains the dosha and gives the verdict from the Lagna
// and from the Moon; match-making takes each partner's status from the Lagna.

#include "MarsHouses.h"
#include "pages/PageContext.h"
#include "pages/Surface.h"

#include <string>

namespace tarvik {

// The verdict sentence of one reference: "In the Birth Chart Mangal is
// placed in First House. Hence Manglik Dosha is present from Lagna." in the
// language of the texts, the house's ordinal from the dictionary.
std::string ManglikVerdict(bool fromMoon, int house, const Texts& texts);

// The Manglik page below the caller's frame: the classical quotations, the
// verdicts from the native's Lagna and Moon at birth, and what the dosha is
// held to mean.
void PrintManglikDosha(Surface& surface, const PageContext& page);

} // namespace tarvik
