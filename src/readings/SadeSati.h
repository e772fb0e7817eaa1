#pragma once

// Sade Sati: the seven and a half years in which Saturn passes through the
// sign before the Moon's sign at birth, the Moon's sign and the sign after
// it. A passage begins when Saturn first enters the sign before the Moon's
// and ends when it enters the second sign after the Moon's for the last time
// on that round: a retrograde step back into the Moon's next sign keeps the
// Sade Sati running. The pages list the passages that begin after the birth
// date and explain what the period is held to mean.

#include "SadeSatiPeriods.h"
#include "core/BirthRecord.h"
#include "pages/PageContext.h"
#include "pages/Surface.h"

namespace tarvik {

// The two pages below the caller's frame and heading: the periods of a
// birth from its Moon (sidereal degrees) with the idea of Sade Sati, and
// its effects.
void PrintSadeSatiPage1(Surface& surface, const BirthRecord& birth, double moonAtBirth,
                        const PageContext& page);
void PrintSadeSatiPage2(Surface& surface, const PageContext& page);

} // namespace tarvik
