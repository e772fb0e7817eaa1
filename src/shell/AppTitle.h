#pragma once

// The program's title: the name under which message boxes are titled when
// they name no title of their own; the caption of its version, which is the
// project's one version (project() in CMakeLists.txt); and its licence, as
// the title page and the about box tell it.

#include "core/Version.h"

#include <string>

namespace tarvik {

inline constexpr const char* AppTitle = "Tarvik for Windows";

// "Tarvik for Windows (Version 1.0.0)", as the title page and the about box show it.
inline std::string VersionCaption()
{
    return std::string(AppTitle) + " (Version " + ProjectVersion + ")";
}

// The licence in one sentence, for the title page.
inline constexpr const char* LicenceNotice =
    "Tarvik is free software under the GNU Affero General Public License, version 3 or any later "
    "version: you may use, copy, share and change it under its terms. It comes with no warranty.";

} // namespace tarvik
