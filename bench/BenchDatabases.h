#pragma once

// The delivered databases of the build's program folder ($TARVIK_BIN_DIR,
// else the working folder), opened once for a benchmark program.

#include "core/State.h"
#include "refdata/Databases.h"

#include <cstdlib>

namespace tarvik::bench {

inline void OpenDeliveredDatabases()
{
    static const bool opened = [] {
        const char* bin = std::getenv("TARVIK_BIN_DIR");
        Program().ProgramFolder = bin ? bin : ".";
        OpenReferenceDatabases();
        return true;
    }();
    (void)opened;
}

} // namespace tarvik::bench
