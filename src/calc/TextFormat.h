#pragma once

#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvik {

// The text of value prefixed with "0" up to width characters, then cut to
// its first width characters: ZeroPad(7, 2) is "07", ZeroPad(123, 2) is "12".
std::string ZeroPad(std::string_view text, int width);
std::string ZeroPad(double value, int width);
template <std::integral I>
std::string ZeroPad(I value, int width) { return ZeroPad(std::string_view(std::to_string(value)), width); }

// The same with blanks.
std::string SpacePad(std::string_view text, int width);
std::string SpacePad(double value, int width);
template <std::integral I>
std::string SpacePad(I value, int width) { return SpacePad(std::string_view(std::to_string(value)), width); }

// The bytes of the UTF-8 character that starts with a lead byte (1 for a
// byte that starts none).
std::size_t Utf8Length(unsigned char lead);

// A number as the program writes it in text: whole numbers without a
// point, others with up to 15 significant digits.
std::string NumberText(double value);

// Degrees, minutes and seconds of a longitude within its sign, two digits
// each, joined by the language's colon; the sign itself is not shown. A
// position that rounds up to the next sign shows 29:59:59, never a 30th degree.
std::string FormatDMS(double longitude, std::string_view colon);

// Hours, minutes and seconds of |hours| to the nearest second, the hours
// wrapped at modulus (24 for times of day, 60 for ghatis, pala and vipala).
std::string FormatHMS(double hours, int modulus, std::string_view colon);

// Every word with its first letter upper case and the rest lower case
// ("KINSTUGHNA" and "kinstughna" are Kinstughna); letters outside ASCII,
// such as Devanagari, stay as they are and do not end a word.
std::string ProperCase(std::string text);

// x - m * floor(x / m): the remainder with the sign of m (RealMod(-1, 12) = 11).
double RealMod(double x, double m);

// Parses the coordinate text of the place and zone tables: degree digits, one
// direction letter, minute digits (28N39 is 28 deg 39' north). The minutes
// are a two-digit field, so a single digit counts as tens (28N3 is 30') and
// none as 0. degrees and direction are set only when a non-digit occurs (the
// last one wins, with the digits just before it); the letter's case is kept.
void SplitDegDirMin(std::string_view text, double& degrees, double& minutes, std::string& direction);

} // namespace tarvik
