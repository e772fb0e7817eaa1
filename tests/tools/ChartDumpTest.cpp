#include "Batch.h"
#include "ChartJson.h"
#include "DumpOptions.h"
#include "RunCommand.h"

#include "calc/Angles.h"
#include "calc/Chart.h"
#include "calc/EphemerisTable.h"
#include "core/RegularFile.h"
#include "core/State.h"
#include "core/Version.h"
#include "refdata/Database.h"
#include "refdata/DatabaseFiles.h"
#include "refdata/FileLock.h"
#include "shell/FailingWrites.h"
#include "OwnProgramFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

using namespace tarvik;
using namespace tarvik::chartdump;
using tarvik::testing::FailingWrites;
using tarvik::testing::ScratchFolder;
using tarvik::toolruns::OwnProgramFolder;
using tarvik::toolruns::ToolRun;

namespace {
std::vector<std::string> delhiArgs()
{
    return {"--date", "15-08-1980", "--time", "10:30:00", "--lat", "28N39", "--lon", "77E13", "--zone", "82E30"};
}

// The Delhi arguments with one option's value replaced.
std::vector<std::string> delhiWith(const std::string& option, const std::string& value)
{
    std::vector<std::string> args = delhiArgs();
    for (std::size_t i = 0; i + 1 < args.size(); i += 2)
        if (args[i] == option)
            args[i + 1] = value;
    return args;
}

std::vector<std::string> with(std::vector<std::string> args, std::initializer_list<std::string> more)
{
    args.insert(args.end(), more);
    return args;
}

// The numbers of one array key of a JSON line.
std::vector<double> arrayOf(const std::string& json, const std::string& key)
{
    const std::size_t at = json.find("\"" + key + "\":[");
    if (at == std::string::npos)
        return {};
    const char* p = json.c_str() + at + key.size() + 4;
    std::vector<double> out;
    while (*p && *p != ']') {
        char* end = nullptr;
        out.push_back(std::strtod(p, &end));
        p = *end == ',' ? end + 1 : end;
    }
    return out;
}

// The value of a key that holds nested arrays, flattened in order: the numbers,
// or the quoted texts when `texts` is set (returned as they stand).
std::vector<std::string> flatValues(const std::string& json, const std::string& key, bool texts)
{
    std::vector<std::string> out;
    std::size_t at = json.find("\"" + key + "\":[");
    if (at == std::string::npos)
        return out;
    at += key.size() + 3;
    int depth = 0;
    for (std::size_t i = at; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '[') {
            ++depth;
        } else if (c == ']') {
            if (--depth == 0)
                break;
        } else if (texts && c == '"') {
            const std::size_t end = json.find('"', i + 1);
            out.push_back(json.substr(i + 1, end - i - 1));
            i = end;
        } else if (!texts && c != ',') {
            const std::size_t end = json.find_first_of(",]", i);
            out.push_back(json.substr(i, end - i));
            i = end - 1;
        }
    }
    return out;
}

using ProgramRun = tarvik::testing::CommandRun;

ProgramRun runChartdump(const std::string& arguments)
{
    const char* bin = std::getenv("TARVIK_BIN_DIR");
    return tarvik::testing::RunCommand(std::string(bin ? bin : ".") + "/chartdump " + arguments + " 2>/dev/null");
}

std::string chartdumpPath()
{
    const char* bin = std::getenv("TARVIK_BIN_DIR");
    return std::string(bin ? bin : ".") + "/chartdump";
}

// Runs a bash script (where "chartdump" is the build's) and gives its exit
// code and standard output.
ProgramRun runBash(const std::string& script)
{
    std::string quoted;
    for (const char c : "chartdump() { \"" + chartdumpPath() + "\" \"$@\"; }; " + script)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return tarvik::testing::RunCommand("bash -c '" + quoted + "'");
}

const std::string DelhiLine = "--date 15-08-1980 --time 10:30:00 --lat 28N39 --lon 77E13 --zone 82E30";
} // namespace

TEST(ChartDumpOptionsTest, ReadsTheBirthLikeThePlaceTables)
{
    const ParsedOptions p = ParseOptions(with(delhiArgs(), {"--ayanamsa", "1", "--node", "mean", "--war-time", "+01:00"}));
    ASSERT_TRUE(p.error.empty()) << p.error;
    ASSERT_TRUE(p.request);
    const BirthRecord& b = p.request->birth;
    EXPECT_EQ(b.Day, 15);
    EXPECT_EQ(b.Month, 8);
    EXPECT_EQ(b.Year, 1980);
    EXPECT_EQ(b.Hour, 10);
    EXPECT_EQ(b.Minute, 30);
    EXPECT_EQ(b.LatDeg, 28);
    EXPECT_EQ(b.LatMin, 39);
    EXPECT_EQ(b.LatDir, "N");
    EXPECT_EQ(b.LongDeg, 77);
    EXPECT_EQ(b.LongMin, 13);
    EXPECT_EQ(b.ZoneMeridian, 82.5);
    EXPECT_EQ(b.ZoneHours, 5.5);
    EXPECT_EQ(b.TimeCorrection, -1.0);
    EXPECT_EQ(p.request->ayanamsaChoice, 1);
    EXPECT_FALSE(p.request->trueNode);

    // West zones are negative, a single minute digit counts as tens, and
    // letters are taken in either case.
    const ParsedOptions west = ParseOptions({"--date=4-7-1976", "--time=23:59:59", "--lat=40n4", "--lon=74w0",
                                             "--zone=75W00", "--war-time=-0:30"});
    ASSERT_TRUE(west.request) << west.error;
    EXPECT_EQ(west.request->birth.LatMin, 40);
    EXPECT_EQ(west.request->birth.LatDir, "N");
    EXPECT_EQ(west.request->birth.LongDir, "W");
    EXPECT_EQ(west.request->birth.ZoneMeridian, -75.0);
    EXPECT_EQ(west.request->birth.ZoneHours, -5.0);
    EXPECT_EQ(west.request->birth.TimeCorrection, 0.5);
    EXPECT_TRUE(west.request->trueNode);
    EXPECT_EQ(west.request->ayanamsaChoice, 0);
}

TEST(ChartDumpOptionsTest, BadArgumentsAreNamed)
{
    struct Case { std::vector<std::string> args; const char* message; };
    const std::vector<Case> cases = {
        {{}, "missing --date"},
        {{"--date", "15-08-1980"}, "missing --time"},
        {with(delhiArgs(), {"--colour", "red"}), "unknown option '--colour'"},
        {with(delhiArgs(), {"colour"}), "unexpected argument 'colour'"},
        {with(delhiArgs(), {"--node"}), "missing value after --node"},
        {with(delhiArgs(), {"--date", "16-08-1980"}), "--date given twice"},
        {delhiWith("--date", "29-02-1900"), "invalid --date '29-02-1900'"},
        {delhiWith("--date", "1980-08-15"), "expected DD-MM-YYYY"},
        {delhiWith("--time", "24:00:00"), "invalid --time '24:00:00'"},
        {delhiWith("--lat", "28E39"), "invalid --lat '28E39'"},
        {delhiWith("--lat", "91N00"), "at most 90 degrees"},
        {delhiWith("--lat", "28N75"), "minutes 0-59"},
        {delhiWith("--lon", "181E00"), "at most 180 degrees"},
        {delhiWith("--zone", "5.5"), "invalid --zone '5.5'"},
        {with(delhiArgs(), {"--ayanamsa", "3"}), "invalid --ayanamsa '3'"},
        {with(delhiArgs(), {"--node", "True"}), "invalid --node 'True'"},
        {with(delhiArgs(), {"--war-time", "1"}), "invalid --war-time '1'"},
        {with(delhiArgs(), {"--batch", "f.txt"}), "--batch takes no other options"},
        {{"--batch", "f.txt", "--panchang"}, "--batch takes no other options"},
        {with(delhiArgs(), {"--panchang=yes"}), "--panchang takes no value"},
        {with(delhiArgs(), {"--panchang", "--panchang"}), "--panchang given twice"},
        {with(delhiArgs(), {"--date", "16-08-1980", "--help"}), "--date given twice"},
    };
    for (const Case& c : cases) {
        const ParsedOptions p = ParseOptions(c.args);
        EXPECT_FALSE(p.request);
        EXPECT_NE(p.error.find(c.message), std::string::npos) << "got: " << p.error;
    }
}

TEST(ChartJsonTest, ChartStateUnderItsOwnNamesReadingBackExactly)
{
    ResetProgramState();
    const ParsedOptions p = ParseOptions(delhiArgs());
    ASSERT_TRUE(p.request);
    const std::string json = ChartJson(*p.request);
    EXPECT_EQ(json.front(), '{');
    EXPECT_EQ(json.back(), '}');
    EXPECT_EQ(json.find('\n'), std::string::npos);

    const ChartState& c = Chart();
    struct ArrayKey { const char* key; std::vector<double> expected; };
    const ArrayKey keys[] = {
        {"PlanetLongitudes", {c.PlanetLongitudes.begin(), c.PlanetLongitudes.end()}},
        {"HouseCusps", {c.HouseCusps.begin(), c.HouseCusps.end()}},
        {"BhavaSandhi", {c.BhavaSandhi.begin(), c.BhavaSandhi.end()}},
        {"CalcSunrise", {0, 0, 0, 0, 0}},
    };
    for (const ArrayKey& k : keys) {
        const std::vector<double> got = arrayOf(json, k.key);
        ASSERT_EQ(got.size(), k.expected.size()) << k.key;
        if (std::string(k.key) == "CalcSunrise")
            continue;
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_EQ(got[i], k.expected[i]) << k.key << i;
    }
    for (const char* key : {"\"SiderealTime\":", "\"Obliquity\":", "\"JulianCenturies\":", "\"DayNumber\":723472",
                            "\"DayFraction\":", "\"AscAyanamsa\":", "\"PlaceLatitude\":28.65", "\"ZoneMeridianDeg\":82.5"})
        EXPECT_NE(json.find(key), std::string::npos) << key;
}

// A number is written in the shortest form that reads back to the same
// double; one that is not finite is null.
TEST(ChartJsonTest, NumbersReadBackToTheSameDouble)
{
    struct Case { double value; const char* text; };
    const Case cases[] = {
        {0.1, "0.1"},
        {0.1 + 0.2, "0.30000000000000004"},
        {179.21, "179.21"},
        {359.99999999999994, "359.99999999999994"},
        {-0.5, "-0.5"},
        {2451545.0, "2451545"},
        {1e-300, "1e-300"},
        {5e-324, "5e-324"},
        {1.7976931348623157e308, "1.7976931348623157e+308"},
        {std::nan(""), "null"},
        {INFINITY, "null"},
    };
    for (const Case& c : cases) {
        JsonObject o;
        o.number("x", c.value);
        EXPECT_EQ(o.str(), std::string("{\"x\":") + c.text + "}") << c.text;
        if (std::isfinite(c.value)) {
            EXPECT_EQ(std::strtod(c.text, nullptr), c.value) << c.text;
        }
    }
    JsonObject list;
    const double values[] = {1.0 / 3, 28.65};
    list.numbers("y", values);
    EXPECT_EQ(list.str(), "{\"y\":[0.3333333333333333,28.65]}");
}

TEST(ChartJsonTest, TextsAreQuotedWithTheEscapesJsonNeeds)
{
    struct Case { std::string_view value; const char* text; };
    const Case cases[] = {
        {"", R"("")"},
        {"Mesha", R"("Mesha")"},
        {"say \"yes\"", R"("say \"yes\"")"},
        {"a\\b", R"("a\\b")"},
        {"two\nlines\tand a tab", R"("two\nlines\tand a tab")"},
        {std::string_view("\x01\x1f\0", 3), R"("\u0001\u001f\u0000")"},
        {"मेष", "\"मेष\""},
    };
    for (const Case& c : cases) {
        JsonObject o;
        o.text("k", c.value);
        EXPECT_EQ(o.str(), std::string(R"({"k":)") + c.text + "}") << c.text;
    }
    // Many pieces: the text grows past any first room it was given.
    JsonObject many;
    many.reserve(4);
    const std::string row[] = {"F", "E", "N", "-"};
    for (int r = 0; r < 300; ++r) {
        JsonObject inner;
        inner.texts("r", row);
        many.object(std::to_string(r), inner);
    }
    const std::string text = many.str();
    EXPECT_TRUE(text.starts_with(R"({"0":{"r":["F","E","N","-"]},"1":{)")) << text.substr(0, 40);
    EXPECT_TRUE(text.ends_with(R"(,"299":{"r":["F","E","N","-"]}})")) << text.substr(text.size() - 40);
}

TEST(ChartJsonTest, DivisionsRelationshipsPanchangAndKPCuspsOfTheSameChart)
{
    ResetProgramState();
    const ParsedOptions p = ParseOptions(delhiArgs());
    ASSERT_TRUE(p.request);
    const std::string json = ChartJson(*p.request);
    const ChartState& c = Chart();

    // Tables keep the chart state's index ranges, row by row.
    const std::vector<std::string> shodash = flatValues(json, "ShodashVargaSigns", false);
    ASSERT_EQ(shodash.size(), 17u * 11u);
    for (int v = 0; v <= 16; ++v)
        for (int b = 0; b <= 10; ++b)
            EXPECT_EQ(shodash[v * 11 + b], std::to_string(c.ShodashVargaSigns[v][b])) << v << " " << b;
    const std::vector<std::string> sapta = flatValues(json, "SaptavargaSigns", false);
    ASSERT_EQ(sapta.size(), 14u * 8u);
    for (int b = 0; b <= 13; ++b)
        for (int k = 0; k <= 7; ++k)
            EXPECT_EQ(sapta[b * 8 + k], std::to_string(c.SaptavargaSigns[b][k])) << b << " " << k;
    EXPECT_NE(c.SaptavargaSigns[Moon][1], 0);

    const std::vector<std::string> friends = flatValues(json, "FriendshipTable", true);
    ASSERT_EQ(friends.size(), 400u);
    for (int i = 0; i <= 9; ++i)
        for (int j = 0; j <= 9; ++j)
            for (int layer = 0; layer <= 3; ++layer)
                EXPECT_EQ(friends[(i * 10 + j) * 4 + layer], c.FriendshipTable[i][j][layer]) << i << j << layer;
    EXPECT_EQ(friends[(1 * 10 + 1) * 4 + 0], " 22120000");

    const std::vector<double> panchang = arrayOf(json, "CalcPanchangElements");
    ASSERT_EQ(panchang.size(), 7u);
    EXPECT_GE(panchang[1], 1);
    EXPECT_LE(panchang[1], 30);
    EXPECT_GE(panchang[3], 1);

    // The KP cusps start from this chart's ascendant in the K.P. zodiac: the
    // ascendant of the same birth's K.P. chart.
    const std::vector<double> kp = arrayOf(json, "KPCusps");
    const std::vector<double> kpSigns = arrayOf(json, "KPHouseSigns");
    ASSERT_EQ(kp.size(), 14u);
    ASSERT_EQ(kpSigns.size(), 13u);
    ChartInput kpInput = ChartInputOf(p.request->birth, 1, true);
    EXPECT_NEAR(kp[0], ChartOf(kpInput).HouseCusps[1], 1e-9);
    EXPECT_EQ(kp[12], kp[0]);
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(kpSigns[k], std::floor(kp[k] / 30) + 1) << k;
}

TEST(ChartJsonTest, KPCuspsAtHighLatitudes)
{
    // Reykjavik, 26-12-1990 14:00 (zone 0E00): Placidus puts cusp 8 at
    // 241.58 (an independent ephemeris); the tables' 60° poles gave 231.48.
    ResetProgramState();
    ParsedOptions p = ParseOptions({"--date", "26-12-1990", "--time", "14:00:00", "--lat", "64N08", "--lon", "21W56",
                                    "--zone", "0E00"});
    ASSERT_TRUE(p.request);
    std::vector<double> kp = arrayOf(ChartJson(*p.request), "KPCusps");
    ASSERT_EQ(kp.size(), 14u);
    EXPECT_NEAR(kp[7], 241.58, 15.0 / 60);

    // Tromso lies inside the polar circle: the cusps are null, not numbers.
    ResetProgramState();
    p = ParseOptions({"--date", "15-01-1990", "--time", "09:00:00", "--lat", "69N38", "--lon", "18E57", "--zone",
                      "15E00"});
    ASSERT_TRUE(p.request);
    const std::string json = ChartJson(*p.request);
    EXPECT_NE(json.find("\"KPCusps\":[null,null,"), std::string::npos) << json.substr(json.find("KPCusps"), 80);
    EXPECT_NE(json.find("\"KPHouseSigns\":[null,null,"), std::string::npos);
}

TEST(ChartDumpProgramTest, ExitCodesAndBatch)
{
    const std::string delhi = "--date 15-08-1980 --time 10:30:00 --lat 28N39 --lon 77E13 --zone 82E30";
    const ProgramRun single = runChartdump(delhi);
    EXPECT_EQ(single.exitCode, 0);
    EXPECT_EQ(single.out.rfind("{\"PlanetLongitudes\":[", 0), 0u) << single.out;

    EXPECT_EQ(runChartdump("--date 15-08-1980").exitCode, 2);
    EXPECT_EQ(runChartdump("--batch /nonexistent/births.txt").exitCode, 2);
    EXPECT_EQ(runChartdump("--help").exitCode, 0);

    const std::string file = ::testing::TempDir() + "chartdump-batch.txt";
    {
        std::ofstream f(file);
        f << delhi << "\n\n# a comment\n" << delhi << " --ayanamsa 2\n";
    }
    const ProgramRun batch = runChartdump("--batch " + file);
    EXPECT_EQ(batch.exitCode, 0);
    EXPECT_EQ(std::count(batch.out.begin(), batch.out.end(), '\n'), 2);
    EXPECT_EQ(batch.out.substr(0, batch.out.find('\n') + 1), single.out);

    {
        std::ofstream f(file, std::ios::app);
        f << "--date 32-01-2000 --time 10:30:00 --lat 28N39 --lon 77E13 --zone 82E30\n";
    }
    const ProgramRun bad = runChartdump("--batch " + file);
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.out.empty()) << "a bad line prints no chart";

    // A folder is refused, not read as no lines; an endless device is
    // refused at the size limit, not read for ever.
    for (const std::string& none : {::testing::TempDir(), std::string("/dev/zero")}) {
        const ProgramRun refused = runChartdump("--batch " + none);
        EXPECT_EQ(refused.exitCode, 2) << none;
        EXPECT_TRUE(refused.out.empty()) << none;
    }
}

TEST(ChartDumpProgramTest, HelpVersionAndUnknownOptions)
{
    struct Case {
        const char* arguments;
        int exitCode;
        std::string out;   // how the output begins
        const char* err;   // a part of the message
    };
    const Case cases[] = {
        {"--version", 0, std::string("chartdump (Tarvik) ") + ProjectVersion + "\n", ""},
        {"--help", 0, "usage: chartdump ", ""},
        {"-h", 0, "usage: chartdump ", ""},
        {"--version --date 15-08-1980", 0, "chartdump (Tarvik) ", ""},
        {"--colour red", 2, "", "chartdump: unknown option '--colour'"},
        {"-V", 2, "", "chartdump: unknown option '-V'"},
        {"births.txt", 2, "", "chartdump: unexpected argument 'births.txt'"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = runBash(std::string("chartdump ") + c.arguments + " 2>&1");
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments;
        EXPECT_EQ(run.out.rfind(c.out, 0), 0u) << c.arguments << ": " << run.out;
        EXPECT_NE(run.out.find(c.err), std::string::npos) << c.arguments << ": " << run.out;
    }
}

// A chart that cannot be written (a full disk, a limit on file sizes) is
// told with the system's reason and exit 1, for one birth and in a batch, at
// once or at the last flush.
TEST(ChartDumpProgramTest, OutputThatCannotBeWrittenIsToldWithExitOne)
{
    ScratchFolder folder;
    std::string births;
    for (int i = 0; i < 1000; ++i)
        births += DelhiLine + "\n";
    folder.Write("births.txt", births);
    const std::string batch = "chartdump --batch " + folder.File("births.txt");
    struct Case {
        std::string what;
        std::string command;
        const char* reason;
    };
    const Case toDevice[] = {
        {"one chart", "chartdump " + DelhiLine, "No space left on device"},
        {"a batch", batch, "No space left on device"},
        {"a batch of one line", "chartdump --batch <(echo " + DelhiLine + ")", "No space left on device"},
        {"the usage", "chartdump --help", "No space left on device"},
        {"the version", "chartdump --version", "No space left on device"},
    };
    for (const Case& c : toDevice) {
        // Standard error comes through the pipe, standard output goes to the full device.
        const ProgramRun run = runBash(c.command + " 2>&1 >/dev/full");
        EXPECT_EQ(run.exitCode, 1) << c.what << ": " << run.out;
        EXPECT_NE(run.out.find(std::string("chartdump: cannot write the output: ") + c.reason), std::string::npos)
            << c.what << ": " << run.out;
    }
    for (FailingWrites::Way way : {FailingWrites::Way::FullDisk, FailingWrites::Way::SizeLimit}) {
        FailingWrites place(way);
        place.Start({});
        if (!place.Ready())
            continue;   // no file system of our own to fill here
        for (const std::string& command : {batch, "chartdump " + DelhiLine}) {
            const ProgramRun run = runBash(command + " 2>&1 >" + place.File("charts.json"));
            EXPECT_EQ(run.exitCode, 1) << place.Reason() << ": " << command;
            EXPECT_NE(run.out.find(std::string("cannot write the output: ") + place.Reason()), std::string::npos)
                << run.out;
        }
    }
}

// The batch comes from standard input as well as from a file: "-",
// /dev/stdin, a pipe, a process substitution; under the same size limit.
TEST(ChartDumpProgramTest, TheBatchIsReadFromStandardInputAndPipes)
{
    ScratchFolder folder;
    folder.Write("births.txt", DelhiLine + "\n# a comment\n\n" + DelhiLine + " --ayanamsa 2\n");
    const std::string file = folder.File("births.txt");
    const ProgramRun fromFile = runChartdump("--batch " + file);
    ASSERT_EQ(fromFile.exitCode, 0);
    ASSERT_EQ(std::count(fromFile.out.begin(), fromFile.out.end(), '\n'), 2);

    for (const std::string& command :
         {"chartdump --batch - < " + file, "chartdump --batch /dev/stdin < " + file, "cat " + file + " | chartdump --batch -",
          "chartdump --batch <(cat " + file + ")", "chartdump --batch=- < " + file}) {
        const ProgramRun run = runBash(command);
        EXPECT_EQ(run.exitCode, 0) << command;
        EXPECT_EQ(run.out, fromFile.out) << command;
    }

    struct Refused {
        std::string command;
        int exitCode;
        std::string message;
    };
    const Refused refused[] = {
        {"chartdump --batch - < /dev/null", 0, ""},
        {"printf \"%s\\n\" \"" + DelhiLine + "\" \"--date 32-01-2000\" | chartdump --batch -", 2,
         "chartdump: standard input:2: missing --time"},
        {"head -c $((64 * 1024 * 1024 + 1)) /dev/zero | tr \"\\0\" \"\\n\" | chartdump --batch -", 2,
         "chartdump: standard input is larger than 64 MB"},
        {"chartdump --batch " + folder.Path().string(), 2,
         "chartdump: cannot read the batch file '" + folder.Path().string() + "': Is a directory"},
        {"chartdump --batch " + folder.File("none.txt"), 2, "none.txt': No such file or directory"},
    };
    for (const Refused& r : refused) {
        const ProgramRun run = runBash(r.command + " 2>&1");
        EXPECT_EQ(run.exitCode, r.exitCode) << r.command;
        EXPECT_NE(run.out.find(r.message), std::string::npos) << r.command << ": " << run.out.substr(0, 200);
    }
}

// A batch of 100,000 births runs in a few tens of megabytes: each chart is
// written as soon as it is cast, and none is kept. (A chart kept takes some
// 8 KB: the batch would need close to a gigabyte.)
TEST(ChartDumpBatchTest, AHundredThousandBirthsInFlatMemory)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit allows";
#endif
    ScratchFolder folder;
    {
        std::ofstream f(folder.File("births.txt"));
        for (int i = 0; i < 100000; ++i)
            f << "--date " << 1 + i % 28 << "-" << 1 + i / 28 % 12 << "-" << 1800 + i % 400 << " --time "
              << i % 24 << ":" << (i / 7 % 60 + 10) % 60 / 10 << i % 10 << ":00 --lat " << i % 60 << (i % 3 ? "N" : "S")
              << "15 --lon " << i % 180 << (i % 2 ? "E" : "W") << "30 --zone " << i % 180 / 15 * 15
              << (i % 2 ? "E" : "W") << "00\n";
    }
    // 128 MB of address space for the program and its libraries.
    const ProgramRun run = runBash("set -o pipefail; ulimit -v 131072; chartdump --batch " + folder.File("births.txt") +
                                   " | wc -l");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "100000\n");
}

// The limit on a batch file holds while a line is read: a file of one
// endless line is refused at the limit, not first read whole into memory.
TEST(ChartDumpBatchTest, TheSizeLimitHoldsWithinALine)
{
    struct Case {
        const char* what;
        std::string text;
        bool tooLarge;
        std::vector<std::string> lines;
    };
    std::string shortLines;
    for (int i = 0; i < 1000; ++i)
        shortLines += "ab\n";
    const Case cases[] = {
        {"one long line", std::string(100000, 'x'), true, {}},
        {"many short lines", shortLines, true, {}},
        {"lines within the limit", "a\nb\n\n c", false, {"a", "b", "", " c"}},
        {"a file of exactly the limit", std::string(999, 'y') + "\n", false, {std::string(999, 'y')}},
        {"a last line without its line end", std::string(1000, 'z'), false, {std::string(1000, 'z')}},
    };
    ScratchFolder folder;
    for (const Case& c : cases) {
        folder.Write("batch.txt", c.text);
        const int fd = ::open(folder.File("batch.txt").c_str(), O_RDONLY);
        ASSERT_GE(fd, 0);
        const DescriptorText batch = ReadDescriptor(fd, 1000);
        EXPECT_EQ(batch.tooLarge, c.tooLarge) << c.what;
        EXPECT_EQ(batch.error, 0) << c.what;
        std::vector<std::string> lines;
        ForEachLine(batch.bytes, [&](std::size_t number, std::string_view line) {
            EXPECT_EQ(number, lines.size() + 1) << c.what;
            lines.emplace_back(line);
            return true;
        });
        EXPECT_EQ(lines, c.lines) << c.what;
        EXPECT_LE(::lseek(fd, 0, SEEK_CUR), 1001) << c.what << ": read on past the limit";
        ::close(fd);
    }

    // The tool on a file of one line just past 64 MB (a sparse one: it takes no room).
    const std::string file = ::testing::TempDir() + "chartdump-one-line.txt";
    std::filesystem::remove(file);
    { std::ofstream create(file); }
    std::filesystem::resize_file(file, (std::uintmax_t(64) << 20) + 1);
    const ProgramRun refused = runChartdump("--batch " + file);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.out.empty());
    std::filesystem::remove(file);
}

TEST(ChartDumpProgramTest, DatesOutsideTheProgramsFourCenturiesAreRefused)
{
    struct Case { const char* date; int exitCode; };
    const Case cases[] = {
        {"01-01-1799", 2}, {"31-12-1799", 2}, {"01-01-1800", 0}, {"31-12-2199", 0},
        {"01-01-2200", 2}, {"31-12-2200", 2}, {"01-01-0001", 2}, {"15-08-9999", 2},
    };
    for (const Case& c : cases) {
        const ProgramRun run = runChartdump(std::string("--date ") + c.date +
                                            " --time 10:30:00 --lat 28N39 --lon 77E13 --zone 82E30");
        EXPECT_EQ(run.exitCode, c.exitCode) << c.date;
        EXPECT_EQ(run.out.empty(), c.exitCode != 0) << c.date;
        const ParsedOptions p = ParseOptions(delhiWith("--date", c.date));
        EXPECT_EQ(bool(p.request), c.exitCode == 0) << c.date;
        if (c.exitCode != 0) {
            EXPECT_NE(p.error.find("from 1800 to 2199"), std::string::npos) << p.error;
        }
    }
}

TEST(ChartDumpProgramTest, PanchangOfTheBirthFromTheProgramsDatabases)
{
    const std::string delhi = "--date 15-08-1980 --time 10:30:00 --lat 28N39 --lon 77E13 --zone 82E30";
    EXPECT_EQ(runChartdump(delhi).out.find("\"Panchang\""), std::string::npos);

    // The flag goes anywhere, also on a batch line.
    const ProgramRun run = runChartdump("--panchang " + delhi);
    ASSERT_EQ(run.exitCode, 0);
    const std::size_t at = run.out.find(",\"Panchang\":{\"Tithi\":{\"number\":");
    ASSERT_NE(at, std::string::npos) << run.out;
    const std::string panchang = run.out.substr(at);
    for (const char* part : {"\"key\":\"_Panchami\",\"text\":\"Panchami\",\"end\":\"",
                             "\"Nakshatra\":{\"number\":13,", "\"Yoga\":{", "\"Karana\":{\"number\":9,\"key\":\"BAVA\",\"text\":\"Bava\"",
                             "\"ShakaSamvat\":1902,\"VikramSamvat\":2037,", "\"Masa\":\"SRAVANA\",\"SakaMonth\":\"SRAVANA\"",
                             "\"Ishtkaal\":\"11:36:", "\"IshtkaalGhati\":11.60", "\"Velantar\":\"-00:04:31\"}}"})
        EXPECT_NE(panchang.find(part), std::string::npos) << part << " in " << panchang;
    const std::regex end("\"end\":\"[0-9]{2}:[0-5][0-9]:[0-5][0-9]\"");
    EXPECT_EQ(std::distance(std::sregex_iterator(panchang.begin(), panchang.end(), end), std::sregex_iterator()), 4);

    const std::string file = ::testing::TempDir() + "chartdump-panchang.txt";
    {
        std::ofstream f(file);
        f << delhi << "\n" << delhi << " --panchang\n";
    }
    const ProgramRun batch = runChartdump("--batch " + file);
    EXPECT_EQ(batch.exitCode, 0);
    EXPECT_EQ(batch.out.substr(batch.out.find('\n') + 1), run.out);
}

TEST(ChartDumpProgramTest, WithoutItsFilesItPrintsNothing)
{
    // A program folder holding chartdump and the ephemeris table casts the
    // chart but not the panchang, which needs the databases; one holding
    // chartdump alone casts nothing and names the table it misses.
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "chartdump-alone";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const char* bin = std::getenv("TARVIK_BIN_DIR");
    const std::filesystem::path from(bin ? bin : ".");
    std::filesystem::copy_file(from / "chartdump", folder / "chartdump");
    const std::string ephemeris(EphemerisFileName);
    std::filesystem::create_symlink(from / ephemeris, folder / ephemeris);
    const std::string args = " --date 15-08-1980 --time 10:30:00 --lat 28N39 --lon 77E13 --zone 82E30";
    const std::string errFile = (folder / "stderr.txt").string();
    auto run = [&](const std::string& more, std::string& err) {
        const ProgramRun r = tarvik::testing::RunCommand((folder / "chartdump").string() + args + more + " 2>" + errFile);
        std::ifstream in(errFile);
        err.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return r;
    };
    std::string err;
    const ProgramRun chart = run("", err);
    EXPECT_EQ(chart.exitCode, 0) << err;
    const ProgramRun panchang = run(" --panchang", err);
    EXPECT_EQ(panchang.exitCode, 1);
    EXPECT_TRUE(panchang.out.empty()) << panchang.out;

    std::filesystem::remove(folder / ephemeris);
    const ProgramRun alone = run("", err);
    EXPECT_EQ(alone.exitCode, 1);
    EXPECT_TRUE(alone.out.empty()) << alone.out;
    EXPECT_NE(err.find((folder / ephemeris).string()), std::string::npos) << err;
    std::filesystem::remove_all(folder);
}

namespace {

const std::string Delhi = "--panchang --date 15-08-1980 --time 10:30:00 --lat 28N39 --lon 77E13 --zone 82E30";

TEST(ChartDumpProgramTest, ADamagedReferenceTableIsReportedWithExitOne)
{
    const struct {
        const char* what;
        const char* sql;
        const char* message;
    } cases[] = {
        {"no row for the birth day", "DELETE FROM velantar WHERE date = 15", "velantar"},
        {"an empty velantar table", "DELETE FROM velantar", "velantar"},
        {"no minutes for August", "UPDATE velantar SET AugMin = NULL WHERE date = 15", "velantar"},
        {"seconds that are no number", "UPDATE velantar SET AugSec = 'ab' WHERE date = 15", "velantar"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OwnProgramFolder folder;
        folder.ChangeReference(c.sql);
        const ToolRun run = folder.Run("chartdump", Delhi);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(tarvik::ReferenceDatabaseFile), std::string::npos) << run.err;
    }
}

TEST(ChartDumpProgramTest, TheDatabasesAreReadWhereTheyAreAndNeverCopied)
{
    OwnProgramFolder folder;
    if (!folder.MakeReadOnly())
        GTEST_SKIP() << "no read-only file system can be mounted here";
    std::string pattern = (std::filesystem::temp_directory_path() / "chartdump-home-XXXXXX").string();
    const std::filesystem::path home = ::mkdtemp(pattern.data());
    const ToolRun run = folder.Run("chartdump", Delhi, "XDG_DATA_HOME=" + home.string() + " HOME=/nonexistent");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\"Velantar\""), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(home)) << "a copy of the data database was made";
    std::filesystem::remove_all(home);
}

TEST(ChartDumpProgramTest, AShortLockOfTheDataFileIsWaitedFor)
{
    // Another program saving a place holds the file for a second.
    OwnProgramFolder folder;
    tarvik::locktest::FileLock lock((folder.Path() / std::string(tarvik::DataDatabaseFile)).string());
    ASSERT_TRUE(lock.Held());
    lock.ReleaseAfter(std::chrono::seconds(1));
    const ToolRun run = folder.Run("chartdump", Delhi);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\"Velantar\""), std::string::npos) << run.out;
    EXPECT_EQ(run.err.find("damaged"), std::string::npos) << run.err;
}

} // namespace
