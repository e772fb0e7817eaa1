#pragma once

// What the dasha pages share: the birth date as they write it, the names
// of lords and signs looked up once a page, texts set flush right against a column's edge and the short forms
// of names that narrow columns print.

#include "core/RunChoices.h"
#include "pages/Surface.h"
#include "refdata/TextLookup.h"

#include <array>

#include <string>
#include <string_view>

namespace tarvik {

// "DD-MM-YYYY" of the birth, with the language's dash.
std::string BirthDateText(double day, double month, double year, const RunChoices& choices);

// The display texts of a table of keys, each looked up once for a page.
template <std::size_t N>
std::array<std::string, N> DisplayTexts(const std::array<std::string_view, N>& keys, const Texts& texts)
{
    std::array<std::string, N> shown;
    for (std::size_t i = 0; i < N; ++i)
        shown[i] = texts.Dict(keys[i]);
    return shown;
}

// Prints text so that it ends at right, its top at y; the line ends.
void PrintRightAligned(Surface& surface, double right, double y, std::string_view text);

// The first n characters (code points) of a text.
std::string LeadingCharacters(std::string_view text, int n);

// A name shortened to its first n characters in English; Hindi names are
// short enough to stand whole.
std::string ShortName(std::string_view text, int n, const RunChoices& choices);

} // namespace tarvik
