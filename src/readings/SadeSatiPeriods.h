#pragma once

// The passages of Saturn that make the Sade Sati of a Moon sign, from
// Saturn's sign changes as the reference database lists them.

#include "calc/TimeScale.h"
#include "core/RunChoices.h"

#include <cstddef>
#include <string>
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

// The passages through the three signs round moonSign that end after the
// day afterDay, at most `most` of them, from the ingresses in date order: the
// passage running on that day first, from the entry that opened it. A
// passage that the ingresses leave unfinished is not listed.
std::vector<SadeSatiPeriod> SadeSatiPeriods(const std::vector<SaturnIngress>& ingresses,
                                            int moonSign, int afterDay, std::size_t most = 6);

// Saturn's sign changes from table period of the reference database, in date
// order. A row whose date or sign cannot be read throws.
std::vector<SaturnIngress> ReadSaturnIngresses(Database& reference);

// The date of an ingress as every page shows a date: "dd-mm-yyyy".
std::string IngressDateText(int dayNumber, const RunChoices& choices);

} // namespace tarvik
