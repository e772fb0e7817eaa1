#pragma once

#include "DumpOptions.h"

#include <span>
#include <string>
#include <string_view>

namespace tarvik::chartdump {

// A JSON object written key by key on one line. A number is written in the
// shortest form that reads back to the same double; a value that is not
// finite is written as null.
class JsonObject {
public:
    void number(std::string_view key, double value);
    void integer(std::string_view key, long long value);
    void text(std::string_view key, std::string_view value);
    void numbers(std::string_view key, std::span<const double> values);
    // Rows of a table, each an array: (row 0 .. n-1) x (column 0 .. m-1).
    void integerRows(std::string_view key, const int* cells, int rows, int columns);
    void texts(std::string_view key, std::span<const std::string> values);
    void object(std::string_view key, const JsonObject& value);
    // A three-index table of texts as nested arrays, the last index innermost.
    void textTable(std::string_view key, const std::string* cells, int rows, int columns, int depth);

    std::string str() const { return body_ + "}"; }
    // Room for a text of this many bytes, taken at once.
    void reserve(std::size_t bytes) { body_.reserve(bytes); }

private:
    void key(std::string_view k);
    std::string body_ = "{";
};

// Computes the chart of the request in the program-wide state and returns it
// as one JSON object (no line break). The key Panchang reads the databases,
// which must be open (OpenReferenceDatabases); its texts are English.
std::string ChartJson(const DumpRequest& request);

} // namespace tarvik::chartdump
