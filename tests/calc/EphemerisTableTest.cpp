// The ephemeris table file: what the evaluator gives from its pieces, the
// file written and read back, and the files it refuses.

#include "calc/Ephemeris.h"
#include "calc/EphemerisTable.h"
#include "calc/TimeScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace tarvik;
namespace fs = std::filesystem;

namespace {

// A small table: every quantity over two intervals of 10 days from JD
// 2450000.5, the first interval one piece, the second split at 0.25 and 0.5.
// Piece j of a series holds 1 + j, 2, 0.5: the value 1 + j + 2x + 0.5(2x^2 - 1).
EphemerisTable smallTable()
{
    EphemerisTable table;
    table.description = "a small table for the tests";
    for (int q = 0; q < EphemerisQuantityCount; ++q) {
        EphemerisSeries s;
        s.quantity = static_cast<EphemerisQuantity>(q);
        s.firstDay = 2450000.5;
        s.intervalDays = 10;
        s.coefficients = 3;
        s.firstPiece = {0, 1, 4};
        s.pieceBegin = {0, 0, 0.25, 0.5};
        for (int j = 0; j < 4; ++j)
            s.coefficient.insert(s.coefficient.end(), {1.0 + j, 2.0, 0.5});
        s.Prepare();
        table.series.push_back(std::move(s));
    }
    return table;
}

std::string tempFile(const std::string& name) { return (fs::path(::testing::TempDir()) / name).string(); }

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace

TEST(EphemerisTableTest, ValueAndRateOfThePieceHoldingTheMoment)
{
    const EphemerisTable table = smallTable();
    const EphemerisSeries& s = table.Of(EphemerisQuantity::Moon);
    // Piece j spans [begin, end) of its interval; x runs from -1 to 1 over it.
    struct Case { double jd; int piece; double begin, end; };
    const Case cases[] = {
        {2450000.5, 0, 2450000.5, 2450010.5},  {2450007.0, 0, 2450000.5, 2450010.5},
        {2450010.5, 1, 2450010.5, 2450013.0},  {2450012.9, 1, 2450010.5, 2450013.0},
        {2450013.0, 2, 2450013.0, 2450015.5},  {2450020.4, 3, 2450015.5, 2450020.5},
    };
    for (const Case& c : cases) {
        const double x = 2 * (c.jd - c.begin) / (c.end - c.begin) - 1;
        const double value = 1 + c.piece + 2 * x + 0.5 * (2 * x * x - 1);
        const double rate = (2 + 2 * x) * 2 / (c.end - c.begin);
        EXPECT_NEAR(s.Value(c.jd), value, 1e-12) << c.jd;
        const ValueAndRate v = s.ValueWithRate(c.jd);
        EXPECT_NEAR(v.value, value, 1e-12) << c.jd;
        EXPECT_NEAR(v.rate, rate, 1e-12) << c.jd;
    }
    for (double outside : {2450000.4, 2450020.5, 2460000.0, std::nan("")})
        EXPECT_THROW(s.Value(outside), std::out_of_range) << outside;
}

TEST(EphemerisTableTest, SharedPolynomialsGiveEachSeriesItsOwnValue)
{
    // Series of two interval lengths evaluated in turn at moments of many
    // pieces, with one set of shared polynomials: each value as its series
    // gives it alone.
    EphemerisTable table = smallTable();
    EphemerisSeries& halves = table.series[1];
    halves.intervalDays = 5;
    halves.coefficient = {1, 2, 0.5, -3, 0.25, 0.125, 7, -1, 0.5, 2, 2, 2};
    halves.Prepare();
    ChebyshevPoints points;
    for (double jd = 2450000.5; jd < 2450010.5; jd += 0.37)
        for (int q : {0, 1, 2, 1}) {
            const EphemerisSeries& s = table.series[q];
            EXPECT_NEAR(s.Value(jd, points), s.Value(jd), 1e-12) << q << " at " << jd;
        }
}

TEST(EphemerisTableTest, WrittenAndReadBackTheSame)
{
    const EphemerisTable table = smallTable();
    const std::string path = tempFile("small-ephemeris.dat");
    WriteEphemerisFile(table, path);
    EXPECT_FALSE(fs::exists(path + ".tmp"));
    const EphemerisTable read = ReadEphemerisFile(path);
    EXPECT_EQ(read.description, table.description);
    ASSERT_EQ(read.series.size(), table.series.size());
    for (std::size_t q = 0; q < table.series.size(); ++q) {
        EXPECT_EQ(read.series[q].firstPiece, table.series[q].firstPiece);
        EXPECT_EQ(read.series[q].pieceBegin, table.series[q].pieceBegin);
        EXPECT_EQ(read.series[q].coefficient, table.series[q].coefficient);
        EXPECT_EQ(read.series[q].Value(2450016.0), table.series[q].Value(2450016.0));
    }
    EXPECT_EQ(read.FirstDay(), 2450000.5);
    EXPECT_EQ(read.LastDay(), 2450020.5);
    fs::remove(path);
}

TEST(EphemerisTableTest, AMissingShortOrDamagedFileIsRefusedNamingIt)
{
    const std::string good = tempFile("good-ephemeris.dat");
    WriteEphemerisFile(smallTable(), good);
    const std::string bytes = bytesOf(good);
    std::string flipped = bytes;
    flipped[bytes.size() / 2] ^= 0x10;
    std::string otherLayout = bytes;
    otherLayout[8] = 2;
    const struct {
        const char* what;
        std::string content;
        const char* says;
    } cases[] = {
        {"empty", "", "too short"},
        {"a header cut short", bytes.substr(0, 20), "too short"},
        {"the tables cut short", bytes.substr(0, bytes.size() - 1), "too short"},
        {"a byte more", bytes + "x", "damaged"},
        {"a byte changed", flipped, "damaged"},
        {"another layout", otherLayout, "layout 2"},
        {"another kind of file", "SQLite format 3" + std::string(40, '\0'), "not an ephemeris table"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = tempFile("bad-ephemeris.dat");
        writeBytes(path, c.content);
        try {
            ReadEphemerisFile(path);
            ADD_FAILURE() << "read";
        } catch (const EphemerisFileError& e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
        fs::remove(path);
    }
    const std::string missing = tempFile("no-such-ephemeris.dat");
    try {
        ReadEphemerisFile(missing);
        ADD_FAILURE() << "read a missing file";
    } catch (const EphemerisFileError& e) {
        EXPECT_NE(std::string(e.what()).find(missing + " is missing"), std::string::npos) << e.what();
    }
    fs::remove(good);
}

TEST(EphemerisTableTest, PiecesOutOfOrderAreRefusedEvenUnderAGoodChecksum)
{
    // A table written with its arrays wrong (as a faulty builder would) still
    // passes its checksum; the reader's own checks stop it.
    struct Case {
        const char* what;
        std::vector<std::uint32_t> firstPiece;
        std::vector<double> pieceBegin;
    };
    const Case cases[] = {
        {"an interval without pieces", {0, 1, 1}, {0, 0, 0.25, 0.5}},
        {"pieces that do not add up", {0, 1, 3}, {0, 0, 0.25, 0.5}},
        {"a piece before its interval", {0, 1, 4}, {0, 0.1, 0.25, 0.5}},
        {"pieces out of order", {0, 1, 4}, {0, 0, 0.5, 0.25}},
        {"a piece beyond its interval", {0, 1, 4}, {0, 0, 0.25, 1.5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EphemerisTable table = smallTable();
        table.series[3].firstPiece = c.firstPiece;
        table.series[3].pieceBegin = c.pieceBegin;
        const std::string path = tempFile("faulty-ephemeris.dat");
        WriteEphemerisFile(table, path);
        EXPECT_THROW(ReadEphemerisFile(path), EphemerisFileError);
        fs::remove(path);
    }
}

TEST(EphemerisTableTest, TheDeliveredTableHoldsEveryMomentAChartReaches)
{
    // From the searches before a birth on 1 January 1800 in any zone to the
    // start of the year after the last annual chart, of 2199.
    const EphemerisTable& table = TheEphemeris();
    EXPECT_LE(table.FirstDay(), JulianDayOf(DayNumber(1, 10, 1799), 0));
    EXPECT_GE(table.LastDay(), JulianDayOf(DayNumber(1, 3, 2201), 0));
    // Saturn's for its sign entries of 1790 to 2330.
    EXPECT_LE(table.Of(EphemerisQuantity::Saturn).firstDay, JulianDayOf(DayNumber(1, 12, 1789), 0));
    EXPECT_GE(table.Of(EphemerisQuantity::Saturn).LastDay(), JulianDayOf(DayNumber(1, 2, 2331), 0));
    EXPECT_NE(table.description.find("Swiss Ephemeris"), std::string::npos);
}
