#pragma once

// The context a test draws a page with: that of the run the program's state
// holds, as the dispatcher makes it.

#include "core/State.h"
#include "pages/PageContext.h"

#include <string>
#include <string_view>

namespace tarvik::testing {

// Previewed, or printed on the first sheet of its run, with January 2026 for
// today.
inline PageContext RunContext(bool toPrinter = false)
{
    return PageContextOf(Program(), {toPrinter, OutputRun().BatchPrint != 0, 1}, {2026, 1});
}

// The Dictionary text of a key in the run's language.
inline std::string RunText(std::string_view key) { return Texts(OutputRun().Choices()).Dict(key); }

} // namespace tarvik::testing
