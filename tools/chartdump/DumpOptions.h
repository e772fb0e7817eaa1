#pragma once

#include "core/BirthRecord.h"

#include "CommandLine.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik::chartdump {

// One chart to compute: the birth and the run settings the calculation reads.
struct DumpRequest {
    BirthRecord birth;
    int ayanamsaChoice = 0;  // 0 N.C. Lahiri, 1 K.P., 2 B.V. Raman
    bool trueNode = true;
    bool panchang = false;   // add the key Panchang (needs the program's databases)
};

// The result of reading one command line (or one line of a batch file).
struct ParsedOptions {
    std::optional<DumpRequest> request;    // a chart to compute
    std::optional<std::string> batchFile;  // "-": standard input
    bool help = false;
    bool version = false;
    std::string error;                     // non-empty: bad arguments, nothing else is set
};

// Reads --date DD-MM-YYYY --time HH:MM:SS --lat 28N39 --lon 77E13 --zone 82E30
// [--ayanamsa 0|1|2] [--node true|mean] [--war-time +HH:MM] [--panchang], or --batch FILE
// alone, or --help, or --version. "--name=value" is read like "--name value".
ParsedOptions ParseOptions(const std::vector<std::string>& args);

// What the name is among the options above (--help and --version apart):
// none of them, the one that takes no value, or one with a value.
tools::OptionKind OptionKindOf(std::string_view name);

// Splits one batch line into its arguments at white space; a byte-order
// mark at its start is dropped.
std::vector<std::string> SplitLine(std::string_view line);

extern const char* const Usage;

} // namespace tarvik::chartdump
