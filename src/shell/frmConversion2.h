#pragma once

// The older, smaller ghati conversion window: a clock time and the ghatis,
// palas and vipalas since sunrise, both ways, with nothing of the panchang.
// No command of the program opens it.

#include "GhatiWindow.h"

namespace tarvik {

class frmConversion2 : public GhatiWindow {
    Q_OBJECT
public:
    // For the person's birth date, place, zone and time correction.
    frmConversion2(frmMain& owner, const BirthRecord& person);

    // The time in the window's own boxes to ghatis, two digits each.
    void TobToGhati();
};

} // namespace tarvik
