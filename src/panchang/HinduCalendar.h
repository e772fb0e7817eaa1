#pragma once

// The Hindu calendar of a birth: the Shaka and Vikram samvat years, the
// lunar month in the full-moon-ending reckoning, and the month of the
// national (Saka) calendar.

#include "calc/TimeScale.h"
#include "core/BirthRecord.h"

#include <string>

namespace tarvik {

// The samvat years of a birth. Both turn at the lunar new year, Chaitra
// Shukla Pratipada, the first tithi after the new moon that begins Chaitra.
struct SamvatYears {
    int shaka = 0;    // the Shalivahana Shaka era: the year less 79, less 78 from the new year
    int vikram = 0;   // the Vikram era: the year plus 56, plus 57 from the new year
    bool operator==(const SamvatYears&) const = default;
};

// The day of the person's year on which the lunar new year falls, as seen at
// the person's time of day, place and zone: the first day from 14 March to
// 14 April at whose moment the first tithi runs, or the second after the new
// moon passed since the day before (a first tithi that began and ended
// between the two moments). 15 April when no day of the window qualifies.
// Each day is a chart run under a NativeMomentGuard.
CalendarDate LunarNewYear(const BirthRecord& person);

// The samvat years of the person's birth date: a birth on or after the
// lunar new year's day counts the new year.
SamvatYears CalcSamvatAtBirth(const BirthRecord& person);

// The lunar month of the birth, counted from full moon to full moon: the
// month named by the full moon of the Gregorian month (MonthFullMoonNakshatra),
// or the one after it for a birth on or after the first day of the month at
// whose moment the tithi is 16 or 17 (the day after the full moon). A
// dictionary key ("CHAITRA" ..). Each day is a chart run under a
// NativeMomentGuard.
std::string CalcMasaAtBirth(const BirthRecord& person);

// The nakshatra of the full moon that names the lunar month falling in a
// Gregorian month (January 8 .. December 5); any other number gives 0.
int MonthFullMoonNakshatra(int month);

// The lunar month named by a full-moon nakshatra ("CHAITRA" for 14 ..
// "PHALGUNA" for 12), a dictionary key; any other number gives "".
std::string MasaName(int nakshatra);

// The month of the national calendar a Gregorian day falls in ("CHAITRA"
// from 22 March, "VAISAKHA" from 21 April, ... "PHALGUNA" from 20 February),
// a dictionary key; a day outside the calendar gives "".
std::string GetNationalMonthName(int month, int day);

} // namespace tarvik
