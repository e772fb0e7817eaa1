#include "TextFormat.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tarvik {

namespace {
std::string pad(std::string_view text, int width, char fill)
{
    if (width <= 0)
        return {};
    const auto w = static_cast<std::size_t>(width);
    std::string out;
    if (text.size() < w)
        out.assign(w - text.size(), fill);
    out.append(text);
    out.resize(std::min(out.size(), w));
    return out;
}

std::string twoDigits(double value) { return ZeroPad(static_cast<long long>(value), 2); }

std::string joinFields(double a, double b, double c, std::string_view colon)
{
    std::string out = twoDigits(a);
    out.append(colon);
    out += twoDigits(b);
    out.append(colon);
    out += twoDigits(c);
    return out;
}

double digitsValue(const std::string& digits)
{
    return digits.empty() ? 0.0 : std::strtod(digits.c_str(), nullptr);
}
} // namespace

std::size_t Utf8Length(unsigned char lead)
{
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

std::string NumberText(double value)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
    char buf[32];
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        std::snprintf(buf, sizeof buf, "%.0f", value);
    else
        std::snprintf(buf, sizeof buf, "%.15g", value);
    return buf;
}

std::string ZeroPad(std::string_view text, int width) { return pad(text, width, '0'); }
std::string ZeroPad(double value, int width) { return pad(NumberText(value), width, '0'); }
std::string SpacePad(std::string_view text, int width) { return pad(text, width, ' '); }
std::string SpacePad(double value, int width) { return pad(NumberText(value), width, ' '); }

std::string FormatDMS(double longitude, std::string_view colon)
{
    if (!std::isfinite(longitude))
        return joinFields(0, 0, 0, colon);
    const double inSign = longitude - 30 * std::floor(longitude / 30);
    double total = std::floor(3600 * inSign + 0.5);  // nearest whole second
    if (total < 0)
        total = 0;
    if (total >= 30 * 3600)  // rounds up into the next sign, whose index the caller does not show
        total = 30 * 3600 - 1;
    return joinFields(std::floor(total / 3600), std::fmod(std::floor(total / 60), 60), std::fmod(total, 60), colon);
}

std::string FormatHMS(double hours, int modulus, std::string_view colon)
{
    const double t = std::isfinite(hours) ? std::fabs(hours) : 0.0;
    const double total = std::floor(3600 * t + 0.5);  // seconds carry into minutes and hours
    const double H = std::fmod(std::floor(total / 3600), modulus > 0 ? modulus : 24);
    return joinFields(H, std::fmod(std::floor(total / 60), 60), std::fmod(total, 60), colon);
}

std::string ProperCase(std::string text)
{
    bool wordStart = true;
    for (char& c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isalpha(u)) {
            c = static_cast<char>(wordStart ? std::toupper(u) : std::tolower(u));
            wordStart = false;
        } else {
            wordStart = u < 0x80;   // inside a multi-byte letter the word goes on
        }
    }
    return text;
}

double RealMod(double x, double m) { return x - m * std::floor(x / m); }

void SplitDegDirMin(std::string_view text, double& degrees, double& minutes, std::string& direction)
{
    std::string digits;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= '0' && c <= '9') {
            digits += static_cast<char>(c);
            ++i;
            continue;
        }
        const std::size_t n = std::min(Utf8Length(c), text.size() - i);
        direction.assign(text.substr(i, n));
        degrees = digitsValue(digits);
        digits.clear();
        i += n;
    }
    if (digits.size() < 2)
        digits += '0';
    minutes = digitsValue(digits);
}

} // namespace tarvik
