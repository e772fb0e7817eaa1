#include "YoginiDasha.h"

#include "panchang/Vimshottari.h"

namespace tarvik {

YoginiAtBirth YoginiAtMoon(double moon)
{
    const NakshatraPart part = NakshatraAt(moon);
    YoginiAtBirth at;
    at.yogini = (part.nakshatra + 2) % 8;
    at.elapsed = YoginiYears[at.yogini] * part.traversed;
    return at;
}

DashaPeriods YoginiPeriods(const YoginiAtBirth& atBirth, double birth)
{
    return DashaPeriods(Yogini, atBirth.yogini, atBirth.elapsed, birth);
}

} // namespace tarvik
