#pragma once

#include <string>
#include <string_view>

namespace tarvik {

// The four forms of a time text of hours, minutes and seconds:
//   Short         05:07:09 (joined by the language's colon)
//   Labelled      05hr 07m 09s
//   Long          05:07:09:03 (with the fraction F, plain colons)
//   LongLabelled  05hr 07m 09s 03ss
enum class TimeTextForm { Short, Labelled, Long, LongLabelled };

// Each part two digits at least; hours are not wrapped, so an end time on
// the next day shows 24 and more.
std::string FormatTime(double hours, double minutes, double seconds, TimeTextForm form, double fraction,
                       std::string_view colon);

} // namespace tarvik
