// chartdump: the chart of one birth (or of every line of a batch file) as
// JSON, for checking the calculation against other sources.

#include "ChartJson.h"
#include "DumpOptions.h"

#include <fstream>
#include <iostream>
#include <vector>

using namespace tarvik::chartdump;

namespace {
constexpr int BadArguments = 2;

int badArguments(const std::string& message)
{
    std::cerr << "chartdump: " << message << "\n" << Usage;
    return BadArguments;
}

// Every line is read and checked before any chart is printed, so a bad line
// prints nothing.
int runBatch(const std::string& file)
{
    std::ifstream in(file);
    if (!in)
        return badArguments("cannot read batch file '" + file + "'");
    std::vector<DumpRequest> requests;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::vector<std::string> args = SplitLine(line);
        if (args.empty() || args[0].front() == '#')
            continue;
        ParsedOptions p = ParseOptions(args);
        if (p.error.empty() && !p.request)
            p.error = "a batch line holds the options of one birth";
        if (!p.error.empty())
            return badArguments(file + ":" + std::to_string(number) + ": " + p.error);
        requests.push_back(*p.request);
    }
    for (const DumpRequest& r : requests)
        std::cout << ChartJson(r) << "\n";
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    const ParsedOptions p = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (p.help) {
        std::cout << Usage;
        return 0;
    }
    if (!p.error.empty())
        return badArguments(p.error);
    if (p.batchFile)
        return runBatch(*p.batchFile);
    std::cout << ChartJson(*p.request) << "\n";
    return 0;
}
