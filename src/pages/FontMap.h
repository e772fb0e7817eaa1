#pragma once

// The two display faces the pages name, and the installed families that draw
// them. Each face has one size factor, so that its lines fit the line pitches
// the pages are laid out on (250 twips in English, 310 in Hindi): a page asks
// for "Tarvik" at 14 points and gets Noto Sans Devanagari at 14 x factor.

#include <string>
#include <string_view>

namespace tarvik {

inline constexpr std::string_view EnglishFace = "Tarvik English";
inline constexpr std::string_view HindiFace = "Tarvik";

struct FontFace {
    std::string family;      // an installed font family
    double sizeFactor = 1;   // applied to every size asked for
};

// The family and factor of a face name; any other name stands for itself.
FontFace MapFont(std::string_view name);

} // namespace tarvik
