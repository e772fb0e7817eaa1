#include "TimeText.h"

#include "calc/TextFormat.h"

#include <cmath>

namespace tarvik {

namespace {
// The whole part with a leading "0" below ten.
std::string twoDigits(double value)
{
    const long long whole = static_cast<long long>(std::floor(std::fabs(value)));
    return (whole < 10 ? "0" : "") + std::to_string(whole);
}
} // namespace

std::string FormatTime(double hours, double minutes, double seconds, TimeTextForm form, double fraction,
                       std::string_view colon)
{
    const std::string hh = twoDigits(hours), mm = twoDigits(minutes), ss = twoDigits(seconds);
    const std::string ff = fraction < 10 ? twoDigits(fraction) : NumberText(fraction);
    switch (form) {
    case TimeTextForm::Short: return hh + std::string(colon) + mm + std::string(colon) + ss;
    case TimeTextForm::Labelled: return hh + "hr " + mm + "m " + ss + "s";
    case TimeTextForm::Long: return hh + ":" + mm + ":" + ss + ":" + ff;
    case TimeTextForm::LongLabelled: return hh + "hr " + mm + "m " + ss + "s " + ff + "ss";
    }
    return {};
}

} // namespace tarvik
