#pragma once

// Sade Sati: the seven and a half years in which Saturn passes through the
// sign before the Moon's sign at birth, the Moon's sign and the sign after
// it. A passage begins when Saturn first enters the sign before the Moon's
// and ends when it enters the second sign after the Moon's for the last time
// on that round: a retrograde step back into the Moon's next sign keeps the
// Sade Sati running. The pages list the passages that begin after the birth
// date and explain what the period is held to mean.

#include "calc/TimeScale.h"
#include "pages/Surface.h"

#include <vector>

namespace tarvik {

class Database;

// Saturn entering a sign, forward or in a retrograde loop.
struct SaturnIngress {
    int dayNumber = 0;      // DayNumber of the civil date
    int sign = 0;           // 1 Aries .. 12 Pisces
};

struct SadeSatiPeriod {
    int startDay = 0;       // day numbers of the ingresses that open and close it
    int endDay = 0;
    bool operator==(const SadeSatiPeriod&) const = default;
};

// The passages through the three signs round moonSign that begin after the
// day afterDay, at most `most` of them, from the ingresses in date order. A
// passage that the ingresses leave unfinished is not listed.
std::vector<SadeSatiPeriod> SadeSatiPeriods(const std::vector<SaturnIngress>& ingresses,
                                            int moonSign, int afterDay, std::size_t most = 6);

// Saturn's sign changes from table period of the reference database, in date
// order. A row whose date or sign cannot be read throws.
std::vector<SaturnIngress> ReadSaturnIngresses(Database& reference);

// The date of an ingress as the page shows it: "dd/mm/yyyy".
std::string IngressDateText(int dayNumber);

// The two pages below the caller's frame and heading: the native's periods
// from the Moon at birth with the idea of Sade Sati, and its effects.
void PrintSadeSatiPage1(Surface& surface);
void PrintSadeSatiPage2(Surface& surface);

} // namespace tarvik
