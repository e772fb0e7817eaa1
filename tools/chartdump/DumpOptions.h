#pragma once

#include "core/BirthRecord.h"

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
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
    std::optional<DumpRequest> request;  // a chart to compute
    std::optional<std::string> batchFile;
    bool help = false;
    std::string error;                   // non-empty: bad arguments, nothing else is set
};

// Reads --date DD-MM-YYYY --time HH:MM:SS --lat 28N39 --lon 77E13 --zone 82E30
// [--ayanamsa 0|1|2] [--node true|mean] [--war-time +HH:MM] [--panchang], or --batch FILE
// alone, or --help. "--name=value" is read like "--name value".
ParsedOptions ParseOptions(const std::vector<std::string>& args);

// The lines of a batch file, read up to limit bytes in all.
struct BatchLines {
    std::vector<std::string> lines;
    bool tooLarge = false;   // the file goes on past the limit: nothing is kept
};
BatchLines ReadBatchLines(std::istream& in, std::size_t limit);

// Splits one batch line into its arguments at white space; a byte-order
// mark at its start is dropped.
std::vector<std::string> SplitLine(const std::string& line);

extern const char* const Usage;

} // namespace tarvik::chartdump
