#pragma once

// Dasha dates are decimal years on a 360-day year: day d of month m of year y
// is y + m / 12 + d / 360, so a December date has the fraction 12/12 and lands
// in the next whole year below 1/12 (decoded as month 12 of the year before).
// Date texts use the run's dash and colon.

#include "calc/TimeScale.h"
#include "core/RunChoices.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

// The date a decimal year stands for, as DecimalYearToDate writes it.
CalendarDate DecimalYearToCalendar(double v);

// "dd-mm-yy", or "dd-mm-yyyy" with fullYear; the day rounded, day 0 shown as
// 1, February's 29th and 30th as the 1st and 2nd of March.
std::string DecimalYearToDate(double v, bool fullYear, const RunChoices& run);

// "dd-mm-yyyy hh:mm:ss": the value is first rounded to a whole second; day 0
// is the last day of the month before, a day past the month's end runs into
// the next month.
std::string DecimalYearToDateTime(double v, const RunChoices& run);

// Reads "dd/mm/yyyy" by character positions (day 1-2, month 4-5, year from
// 7; the separators are not read). A date that does not exist is reported
// ("Invalid Date") and gives nothing.
std::optional<CalendarDate> ParseDMYToDate(std::string_view text);

} // namespace tarvik
