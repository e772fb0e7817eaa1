#pragma once

// The program's title: the name the settings are stored under and the title of
// every message box that names none of its own.

namespace tarvik {

inline constexpr const char* AppTitle = "Tarvik for Windows";
inline constexpr const char* VersionCaption = "Tarvik for Windows (Version 5.0)";

} // namespace tarvik
