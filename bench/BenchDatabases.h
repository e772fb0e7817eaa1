#pragma once

// The delivered databases of the build's program folder, opened once for a
// benchmark program: $TARVIK_BIN_DIR, else the folder the benchmark was
// built into (build/bin, beside the databases), wherever it is started from.

#include "core/State.h"
#include "refdata/Databases.h"

#include <cstdlib>
#include <string>

namespace tarvik::bench {

inline std::string ProgramFolder()
{
    const char* bin = std::getenv("TARVIK_BIN_DIR");
    return bin && *bin ? std::string(bin) : ProgramFolderFor(ExecutableFolder());
}

inline void OpenDeliveredDatabases()
{
    static const bool opened = [] {
        Program().ProgramFolder = ProgramFolder();
        OpenReferenceDatabases();
        return true;
    }();
    (void)opened;
}

} // namespace tarvik::bench
