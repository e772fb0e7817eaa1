#pragma once

// The Hindu calendar of a birth: the Shaka and Vikram samvat years, the
// lunar month in the full-moon-ending reckoning, and the month of the
// national (Saka) calendar.

#include "calc/TimeScale.h"
#include "core/BirthRecord.h"
#include "core/RunChoices.h"
#include "refdata/TextLookup.h"

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
// the person's time of day, place and zone: the first day at whose moment
// the new moon that begins Chaitra has passed, in the zodiac of the run's
// ayanamsa and node choice. Chaitra begins at the first
// new moon of the year with the sidereal Sun in Meena, wherever in March or
// April it falls (in a year with two, the first). The Sun and Moon of each
// trial moment come from a chart of its own; Native and the chart state are
// not touched.
CalendarDate LunarNewYear(const BirthRecord& person, const RunChoices& run);

// The samvat years of the person's birth date: a birth on or after the
// lunar new year's day counts the new year.
SamvatYears CalcSamvatAtBirth(const BirthRecord& person, const RunChoices& run);

// A lunar month: its dictionary key ("CHAITRA" .. "PHALGUNA") and whether it
// is an added (adhika) month.
struct LunarMonth {
    std::string key;
    bool adhika = false;
    bool operator==(const LunarMonth&) const = default;
};

// The lunar month of the birth, from the lunation itself: a lunation (new
// moon to new moon) is named from the sidereal sign the Sun enters during
// it, Chaitra for Mesha and so on; one in which the Sun enters no sign is
// adhika and takes the name of the month after it, one in which it enters
// two takes the first (the second month is lost, kshaya). The reckoning is
// full-moon-ending: a birth in the dark half after the full moon belongs to
// the next month, while an adhika lunation stays whole. Each trial moment is
// a chart of its own; Native and the chart state are not touched. A birth
// month outside 1..12 gives an empty key.
LunarMonth LunarMonthAtBirth(const BirthRecord& person, const RunChoices& run);

// The key of LunarMonthAtBirth.
std::string CalcMasaAtBirth(const BirthRecord& person, const RunChoices& run);

// The text of a lunar month as the pages show it, in the language of texts:
// the dictionary text of its key, after the text of "ADHIKA" for an added
// month; "" for no month.
std::string LunarMonthText(const LunarMonth& month, const Texts& texts);

// The nakshatra of the full moon that names the lunar month falling in a
// Gregorian month (January 8 .. December 5); any other number gives 0.
int MonthFullMoonNakshatra(int month);

// The lunar month named by a full-moon nakshatra ("CHAITRA" for 14 ..
// "PHALGUNA" for 12), a dictionary key; any other number gives "".
std::string MasaName(int nakshatra);

// The month of the national calendar a Gregorian day falls in ("CHAITRA"
// from 22 March, 21 March in a leap year, "VAISAKHA" from 21 April, ...
// "PHALGUNA" from 20 February), a dictionary key; a day outside the
// calendar gives "".
std::string GetNationalMonthName(int month, int day, int year);

} // namespace tarvik
