#pragma once

// The four calculation and display choices of the main window's option lists.

namespace tarvik {

struct MainChoices {
    int ayanamsa = 0;       // 0 "N.C.Lahiri", 1 "K.P.", 2 "B.V. Raman"
    int charting = 0;       // 0 "North Indian", 1 "South Indian"
    int language = 1;       // 0 "English", 1 "Hindi"
    bool trueNode = true;   // "True" (first item) or "Mean" Rahu/Ketu
    bool operator==(const MainChoices&) const = default;
};

} // namespace tarvik
