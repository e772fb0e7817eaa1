#pragma once

// Builds one database file from its schema and UTF-8 text sources.
//
// Sources:
// - a table file: CSV whose header names columns of the table; whole-number
//   and real columns must hold numbers (an empty field is Null), text columns
//   take the text as it stands;
// - a keyed folder: every *.csv of the folder with the header key,eng,hin,
//   loaded into the table's first three columns; keys are upper-cased and
//   blank-padded to the table's key width, and a key defined twice is an
//   error naming both places.
// The file is written to a temporary name, compacted, and renamed over the
// target only when it is complete and opens again.

#include "Csv.h"

#include <string>
#include <vector>

namespace tarvik::dbbuild {

struct TableSource {
    std::string table;
    std::string csv;
};

struct KeyedSource {
    std::string table;
    std::string folder;
    std::size_t width = 25;
};

struct BuildPlan {
    std::string output;
    std::string schema;          // SQL file: the tables and their indexes
    std::vector<TableSource> tables;
    std::vector<KeyedSource> keyed;
};

void BuildDatabase(const BuildPlan& plan);

// The *.csv files of a folder in name order (none when the folder is missing).
std::vector<std::string> CsvFilesOf(const std::string& folder);

} // namespace tarvik::dbbuild
