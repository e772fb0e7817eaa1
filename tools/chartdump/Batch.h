#pragma once

// A batch of births, the options of one birth per line. The whole text is
// read (up to a limit) and every line checked before the first chart is
// cast, so that a bad line anywhere casts none; then the charts are cast and
// written one at a time, so that memory stays the same however many births
// the batch holds and the output flows as they are cast.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tarvik::chartdump {

// Calls each(number, line) for every line, numbered from 1, without its line
// end (a last line without its end counts too), until each returns false.
void ForEachLine(std::string_view text, const std::function<bool(std::size_t, std::string_view)>& each);

struct BatchCheck {
    std::string error;      // "<line number>: <message>" of the first bad line
    bool panchang = false;  // some line asks for the panchang (the databases)
};

// Checks every line: a blank line, or one whose first word begins with #, is
// passed over; any other holds the options of one birth.
BatchCheck CheckBatch(std::string_view text);

// Casts the chart of every birth of a checked batch in order and hands its
// JSON object to write; stops when write returns false. A chart that cannot
// be made (a damaged reference table) throws, after the ones before it.
void WriteBatch(std::string_view text, const std::function<bool(const std::string&)>& write);

} // namespace tarvik::chartdump
