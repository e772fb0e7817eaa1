// The committed Saturn table of the reference database against the tool
// that makes it from the ephemeris table.

#include "RunCommand.h"

#include "core/Version.h"
#include "shell/FailingWrites.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {
std::string readAll(std::istream& in)
{
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string committedTable()
{
    const char* root = std::getenv("TARVIK_SOURCE_DIR");
    std::ifstream in(std::string(root ? root : ".") + "/data/reference/period.csv");
    return readAll(in);
}

std::string toolPath()
{
    const char* bin = std::getenv("TARVIK_BIN_DIR");
    return std::filesystem::absolute(std::string(bin ? bin : ".") + "/saturntransits").string();
}

using ToolRun = tarvik::testing::CommandRun;
using tarvik::testing::RunCommand;

std::string toolOutput() { return RunCommand(toolPath() + " --out - 2>/dev/null").out; }

const char* const Signs[12] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                               "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

int signIndex(const std::string& name)
{
    for (int i = 0; i < 12; ++i)
        if (name == Signs[i])
            return i;
    return -1;
}
} // namespace

TEST(SaturnTransitsTest, CommittedTableIsWhatTheEphemerisGives)
{
    const std::string table = committedTable();
    ASSERT_EQ(table.rfind("Date,lvm\n", 0), 0u) << "data/reference/period.csv missing or without its header";
    EXPECT_EQ(toolOutput(), table) << "regenerate with: build/bin/saturntransits --out data/reference/period.csv";
}

TEST(SaturnTransitsTest, EntriesInDateOrderThroughNeighbouringSigns)
{
    std::istringstream in(committedTable());
    std::string line;
    std::getline(in, line);
    std::string previousDate;
    int previousSign = -1;
    std::vector<std::string> lines;
    while (std::getline(in, line)) {
        lines.push_back(line);
        const std::string date = line.substr(0, line.find(','));
        const int sign = signIndex(line.substr(line.find(',') + 1));
        ASSERT_GE(sign, 0) << line;
        ASSERT_EQ(date.size(), 10u) << line;
        EXPECT_LT(previousDate, date) << line;
        if (previousSign >= 0) {
            const int step = (sign - previousSign + 12) % 12;
            EXPECT_TRUE(step == 1 || step == 11) << "from " << Signs[previousSign] << " to " << line;
        }
        previousDate = date;
        previousSign = sign;
    }
    // Every accepted birth (1800-2199), with a lifetime after it.
    EXPECT_EQ(lines.front().substr(0, 4), "1790");
    EXPECT_EQ(lines.back().substr(0, 4), "2330");

    // Entries the almanacs print, retrograde returns included, and Saturn's
    // return to Aries for five days of September 2294. (Every entry against
    // Swiss Ephemeris itself: tests/swisseph.)
    for (const char* known : {"2014-11-02,Scorpio", "2017-01-26,Sagittarius", "2017-10-26,Sagittarius",
                              "2020-01-24,Capricorn", "2022-04-29,Aquarius", "2022-07-12,Capricorn",
                              "2023-01-17,Aquarius", "2025-03-29,Pisces", "2294-09-07,Taurus", "2294-09-12,Aries"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), known), lines.end()) << known;
}

// The command line: options it does not know are refused and write
// nothing; the table goes only to the file --out names.
TEST(SaturnTransitsTest, WritesOnlyTheFileItIsToldTo)
{
    const std::string table = committedTable();
    struct Case {
        const char* arguments;
        int exitCode;
        std::string message;                  // a part of what it says
        std::vector<std::string> files;       // what the folder holds afterwards
    };
    const Case cases[] = {
        {"-h", 0, "usage: saturntransits --out FILE.csv", {}},
        {"--help", 0, "usage: saturntransits --out FILE.csv", {}},
        {"--version", 0, std::string("saturntransits (Tarvik) ") + tarvik::ProjectVersion + "\n", {}},
        {"-V", 2, "saturntransits: unknown option '-V'", {}},
        {"--verbose --out t.csv", 2, "saturntransits: unknown option '--verbose'", {}},
        {"t.csv", 2, "saturntransits: unexpected argument 't.csv'", {}},
        {"", 2, "saturntransits: missing --out FILE.csv", {}},
        {"--out", 2, "saturntransits: missing value after --out", {}},
        {"--out=", 2, "saturntransits: --out names no file", {}},
        {"--out a.csv --out b.csv", 2, "saturntransits: --out given twice", {}},
        {"--out t.csv", 0, "saturntransits: 464 entries written to t.csv", {"t.csv"}},
        {"--out=t.csv", 0, "written to t.csv", {"t.csv"}},
    };
    for (const Case& c : cases) {
        tarvik::testing::ScratchFolder folder;
        const ToolRun r = RunCommand("cd " + folder.Path().string() + " && " + toolPath() + " " + c.arguments + " 2>&1");
        EXPECT_EQ(r.exitCode, c.exitCode) << c.arguments;
        EXPECT_NE(r.out.find(c.message), std::string::npos) << c.arguments << ": " << r.out;
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
            files.push_back(entry.path().filename().string());
        EXPECT_EQ(files, c.files) << c.arguments;
        if (!c.files.empty()) {
            std::ifstream written(folder.File(c.files.front()));
            EXPECT_EQ(readAll(written), table) << c.arguments;
        }
    }
}

// A table that cannot be written (a full disk, a limit on file sizes) is
// told with the system's reason and exit 1, and leaves no file behind.
TEST(SaturnTransitsTest, ATableThatCannotBeWrittenIsTold)
{
    const ToolRun toDevice = RunCommand(toolPath() + " --out - 2>&1 >/dev/full");
    EXPECT_EQ(toDevice.exitCode, 1);
    EXPECT_NE(toDevice.out.find("saturntransits: cannot write the output: No space left on device"), std::string::npos)
        << toDevice.out;

    using tarvik::testing::FailingWrites;
    for (FailingWrites::Way way : {FailingWrites::Way::FullDisk, FailingWrites::Way::SizeLimit}) {
        FailingWrites place(way);
        place.Start({});
        if (!place.Ready())
            continue;   // no file system of our own to fill here
        const std::string file = place.File("period.csv");
        const ToolRun r = RunCommand(toolPath() + " --out " + file + " 2>&1");
        EXPECT_EQ(r.exitCode, 1) << place.Reason();
        EXPECT_NE(r.out.find("saturntransits: cannot write " + file + ": " + place.Reason()), std::string::npos)
            << r.out;
        EXPECT_FALSE(std::filesystem::exists(file)) << place.Reason();
        EXPECT_FALSE(std::filesystem::exists(file + ".part")) << place.Reason();
    }
}
