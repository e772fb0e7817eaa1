// chartdump: the chart of one birth (or of every line of a batch file) as
// JSON, for checking the calculation against other sources.

#include "Batch.h"
#include "ChartJson.h"
#include "CheckedOutput.h"
#include "DumpOptions.h"

#include "calc/EphemerisTable.h"
#include "core/RegularFile.h"
#include "core/State.h"
#include "refdata/Database.h"
#include "refdata/Databases.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

using namespace tarvik::chartdump;

namespace {
constexpr int Failed = 1;
constexpr int BadArguments = 2;
// Far beyond any list of births to check (some 800,000 lines).
constexpr std::size_t LargestBatch = std::size_t(64) << 20;

// Every chart is cast from the ephemeris table of the program folder (next
// to the executable, or an installation's data folder); the panchang's texts
// and velantar come from the databases there, opened once when any birth
// needs them.
bool openProgramFiles(bool panchang)
{
    tarvik::Program().ProgramFolder = tarvik::ProgramFolderFor(tarvik::ExecutableFolder());
    try {
        tarvik::LoadEphemeris(tarvik::ProgramFile(tarvik::EphemerisFileName));
    } catch (const tarvik::EphemerisFileError& e) {
        std::cerr << "chartdump: every chart needs the program's ephemeris: " << e.what() << "\n";
        return false;
    }
    if (!panchang)
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

int badArguments(const std::string& message)
{
    std::cerr << "chartdump: " << message << "\n" << Usage;
    return BadArguments;
}

// Writes the objects that write(output) gives, one a line, and ends the
// output: a chart that cannot be made (a damaged reference table) or output
// that cannot be written is told, with exit 1.
int writeCharts(bool panchang, const std::function<void(tarvik::tools::CheckedOutput&)>& write)
{
    if (!openProgramFiles(panchang))
        return Failed;
    tarvik::tools::CheckedOutput out;
    try {
        write(out);
    } catch (const std::exception& e) {
        out.Close();
        std::cerr << "chartdump: " << e.what() << "\n";
        return Failed;
    }
    if (!out.Close()) {
        std::cerr << "chartdump: cannot write the output: " << out.Problem() << "\n";
        return Failed;
    }
    return 0;
}

// Every line is read and checked before any chart is printed, so a bad line
// prints nothing; then the charts are cast and written one by one.
int runBatch(const std::string& file)
{
    const bool standardInput = file == "-";
    const std::string name = standardInput ? "standard input" : "the batch file '" + file + "'";
    const int fd = standardInput ? STDIN_FILENO : ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return badArguments("cannot read " + name + ": " + std::strerror(errno));
    const tarvik::DescriptorText batch = tarvik::ReadDescriptor(fd, LargestBatch);
    if (!standardInput)
        ::close(fd);
    if (batch.error != 0)
        return badArguments("cannot read " + name + ": " + std::strerror(batch.error));
    if (batch.tooLarge)
        return badArguments(name + " is larger than " + std::to_string(LargestBatch >> 20) + " MB");
    const BatchCheck check = CheckBatch(batch.bytes);
    if (!check.error.empty())
        return badArguments((standardInput ? std::string("standard input") : file) + ":" + check.error);
    return writeCharts(check.panchang, [&](tarvik::tools::CheckedOutput& out) {
        WriteBatch(batch.bytes, [&](const std::string& object) { return out.Line(object); });
    });
}
} // namespace

int main(int argc, char** argv)
{
    const ParsedOptions p = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (p.help || p.version)
        return tarvik::tools::AnswerHelpOrVersion(p.help, Usage, "chartdump");
    if (!p.error.empty())
        return badArguments(p.error);
    if (p.batchFile)
        return runBatch(*p.batchFile);
    return writeCharts(p.request->panchang,
                       [&](tarvik::tools::CheckedOutput& out) { out.Line(ChartJson(*p.request)); });
}
