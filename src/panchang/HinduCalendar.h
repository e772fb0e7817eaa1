#pragma once

// The Hindu calendar of a birth: the Shaka and Vikram samvat years, the
// lunar month in the full-moon-ending reckoning, and the month of the
// national (Saka) calendar.

#include "calc/TimeScale.h"
#include "core/BirthRecord.h"

#include <string>

namespace tarvik {

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
