#pragma once

// A clock time of a birth date and the ghatis since the sunrise that began
// its Hindu day, both ways, and the panchang shown beside the conversion.
// 2.5 ghatis to the hour, 60 palas to the ghati, 60 vipalas to the pala.
// Everything is the person's own: date, place, zone and time correction;
// where a chart must be run it runs under a NativeMomentGuard.

#include "core/BirthRecord.h"
#include "core/RunChoices.h"

#include <string>

namespace tarvik {

// The clock time of the person's birth date that lies ghatis after the
// sunrise beginning its Hindu day, in the ishtkaal's own reckoning
// (IshtkaalOfClockTime): the moment of the date whose ishtkaal the ghatis
// are. Taken to the first whole second at or after the moment, so that a
// clock time turned into ghatis, cut to the vipala, and back is the same
// clock time. Ghatis that name no moment of the date (beyond a Hindu day)
// count from the date's own sunrise and wrap round the clock.
ClockTime ClockTimeOfGhatis(const BirthRecord& person, double ghatis);

// The name the conversion shows for a tithi 1..30: "PURNIMA" for 15,
// "AMAVASYA" for 30, otherwise the name of its day within the half-month
// ("Pratipada" for 1 and 16).
std::string GhatiTithiName(int tithi);

// What the conversion shows of the birth date and moment.
struct GhatiPanchang {
    std::string sunrise, sunset;    // zone time of the birth date, hh:mm:ss
    std::string nationalMonth;      // the Saka month of the date, a dictionary key
    std::string tithiAtBirth;       // GhatiTithiName of the tithi at the birth moment
    std::string paksha;             // "Shukla" or "Krishna", of the tithi at birth
    std::string tithiAtSunrise;     // at the sunrise of the birth date
    int vikramSamvat = 0;           // as the Basic page gives it
    std::string lunarMonth;         // as the Basic page gives it, a dictionary key
    bool adhikaMonth = false;       // the lunar month is an added (adhika) one
};

// The sunrise, sunset and national month of the person's birth date.
GhatiPanchang GhatiDayOf(const BirthRecord& person);

// All of it for the person's birth moment; Native and the chart state are
// as they were afterwards.
GhatiPanchang GhatiPanchangOf(const BirthRecord& person, const RunChoices& run);

} // namespace tarvik
