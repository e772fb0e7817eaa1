// chartdump: the chart of one birth (or of every line of a batch file) as
// JSON, for checking the calculation against other sources.

#include "ChartJson.h"
#include "DumpOptions.h"

#include "calc/EphemerisTable.h"
#include "core/State.h"
#include "refdata/Database.h"
#include "refdata/Databases.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

using namespace tarvik::chartdump;

namespace {
constexpr int BadArguments = 2;
constexpr int NoDatabases = 1;
// Far beyond any list of births to check (a million lines).
constexpr std::size_t LargestBatch = std::size_t(64) << 20;

// Every chart is cast from the ephemeris table of the program folder (next
// to the executable, or an installation's data folder); the panchang's texts
// and velantar come from the databases there, opened once when any request
// needs them.
bool openDatabasesFor(const std::vector<DumpRequest>& requests)
{
    tarvik::Program().ProgramFolder = tarvik::ProgramFolderFor(tarvik::ExecutableFolder());
    try {
        tarvik::LoadEphemeris(tarvik::ProgramFile(tarvik::EphemerisFileName));
    } catch (const tarvik::EphemerisFileError& e) {
        std::cerr << "chartdump: every chart needs the program's ephemeris: " << e.what() << "\n";
        return false;
    }
    bool needed = false;
    for (const DumpRequest& r : requests)
        needed |= r.panchang;
    if (!needed)
        return true;
    try {
        // Read-only: the tool changes no place, so it needs no writable copy.
        tarvik::OpenReferenceDatabases(tarvik::DataAccess::ReadOnly);
        return true;
    } catch (const tarvik::DbError& e) {
        std::cerr << "chartdump: the panchang needs the program's databases: " << e.what() << "\n";
        return false;
    }
}

// Prints one object per request, nothing when the databases cannot be opened
// or a chart cannot be made (a damaged reference table).
int print(const std::vector<DumpRequest>& requests)
{
    if (!openDatabasesFor(requests))
        return NoDatabases;
    std::vector<std::string> objects;
    try {
        for (const DumpRequest& r : requests)
            objects.push_back(ChartJson(r));
    } catch (const std::exception& e) {
        std::cerr << "chartdump: " << e.what() << "\n";
        return NoDatabases;
    }
    for (const std::string& object : objects)
        std::cout << object << "\n";
    return 0;
}

int badArguments(const std::string& message)
{
    std::cerr << "chartdump: " << message << "\n" << Usage;
    return BadArguments;
}

// Every line is read and checked before any chart is printed, so a bad line
// prints nothing.
int runBatch(const std::string& file)
{
    // A folder reads as no lines and a device may never end.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return badArguments("the batch file '" + file + "' is no regular file");
    std::ifstream in(file);
    if (!in)
        return badArguments("cannot read batch file '" + file + "'");
    const BatchLines batch = ReadBatchLines(in, LargestBatch);
    if (batch.tooLarge)
        return badArguments("the batch file '" + file + "' is larger than " + std::to_string(LargestBatch >> 20) +
                            " MB");
    std::vector<DumpRequest> requests;
    for (std::size_t i = 0; i < batch.lines.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        const std::vector<std::string> args = SplitLine(batch.lines[i]);
        if (args.empty() || args[0].front() == '#')
            continue;
        ParsedOptions p = ParseOptions(args);
        if (p.error.empty() && !p.request)
            p.error = "a batch line holds the options of one birth";
        if (!p.error.empty())
            return badArguments(file + ":" + std::to_string(number) + ": " + p.error);
        requests.push_back(*p.request);
    }
    return print(requests);
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
    return print({*p.request});
}
