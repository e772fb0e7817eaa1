// The ephemeris table of the build's program folder, read once when a
// benchmark program starts, as the program reads it at start.

#include "BenchDatabases.h"
#include "calc/EphemerisTable.h"

namespace {
const bool EphemerisRead = [] {
    tarvik::LoadEphemeris(tarvik::bench::ProgramFolder() + "/" + std::string(tarvik::EphemerisFileName));
    return true;
}();
} // namespace
