#pragma once

// RFC 4180 CSV in UTF-8: fields separated by commas, a field in double quotes
// may hold commas, line breaks and doubled quotes; lines end in LF or CRLF.

#include <stdexcept>
#include <string>
#include <vector>

namespace tarvik::dbbuild {

class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CsvRow {
    int line = 0;                    // where the row starts
    std::vector<std::string> fields;
};

struct CsvFile {
    std::string path;
    std::vector<std::string> header;
    std::vector<CsvRow> rows;
};

// Parses text; errors name path and line.
CsvFile ParseCsv(const std::string& path, const std::string& text);
CsvFile ReadCsv(const std::string& path);

} // namespace tarvik::dbbuild
