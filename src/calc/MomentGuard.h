#pragma once

#include "core/State.h"

namespace tarvik {

// Keeps the birth chart standing while a routine moves the moment. Saves the
// whole of Native (a search for another person installs that person's place
// and zone as well as a trial date and time) and the whole chart state, and
// puts both back when it leaves scope, on every path out, exceptions
// included. Copying the saved chart back gives exactly the state the driver
// left, without running it again.
class NativeMomentGuard {
public:
    NativeMomentGuard() : native_(Native()), chart_(Chart()) {}
    ~NativeMomentGuard()
    {
        Native() = native_;
        Chart() = chart_;
    }
    NativeMomentGuard(const NativeMomentGuard&) = delete;
    NativeMomentGuard& operator=(const NativeMomentGuard&) = delete;

    const BirthRecord& SavedNative() const { return native_; }
    const ChartState& SavedChart() const { return chart_; }

private:
    BirthRecord native_;
    ChartState chart_;
};

} // namespace tarvik
