#include "Batch.h"

#include "ChartJson.h"
#include "DumpOptions.h"

namespace tarvik::chartdump {

void ForEachLine(std::string_view text, const std::function<bool(std::size_t, std::string_view)>& each)
{
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (!each(++number, text.substr(0, end)))
            return;
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

namespace {

// The birth of one line: no request for a blank or comment line; an error
// for a line that holds no birth.
ParsedOptions birthOf(std::string_view line)
{
    const std::vector<std::string> args = SplitLine(line);
    if (args.empty() || args[0].front() == '#')
        return {};
    ParsedOptions p = ParseOptions(args);
    if (p.error.empty() && !p.request)
        p.error = "a batch line holds the options of one birth";
    return p;
}

} // namespace

BatchCheck CheckBatch(std::string_view text)
{
    BatchCheck check;
    ForEachLine(text, [&](std::size_t number, std::string_view line) {
        const ParsedOptions p = birthOf(line);
        if (!p.error.empty())
            check.error = std::to_string(number) + ": " + p.error;
        else if (p.request)
            check.panchang |= p.request->panchang;
        return check.error.empty();
    });
    return check;
}

void WriteBatch(std::string_view text, const std::function<bool(const std::string&)>& write)
{
    ForEachLine(text, [&](std::size_t, std::string_view line) {
        const ParsedOptions p = birthOf(line);
        return !p.request || write(ChartJson(*p.request));
    });
}

} // namespace tarvik::chartdump
