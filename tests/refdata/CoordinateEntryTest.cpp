#include "refdata/CoordinateEntry.h"

#include <gtest/gtest.h>

using namespace tarvik;

namespace {

constexpr auto Lat = CoordinateKind::Latitude;
constexpr auto Long = CoordinateKind::Longitude;
constexpr auto Zone = CoordinateKind::ZoneMeridian;

TEST(CoordinateEntry, DirectionBoxesTakeOnlyTheirTwoLetters)
{
    struct Case {
        const char* typed;
        CoordinateKind kind;
        const char* shown;
    } cases[] = {
        {"S", Lat, "S"}, {"s", Lat, "S"}, {"n", Lat, "N"}, {"", Lat, "N"}, {"E", Lat, "N"}, {"x", Lat, "N"},
        {"w", Long, "W"}, {"E", Long, "E"}, {"", Long, "E"}, {"S", Long, "E"}, {"WW", Long, "E"},
        {"w", Zone, "W"}, {"N", Zone, "E"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ForcedDirection(c.typed, c.kind), c.shown) << c.typed;
}

TEST(CoordinateEntry, StoredTextsShowByTheStoredFormatsRules)
{
    struct Case {
        const char* stored;
        CoordinateKind kind;
        CoordinateBoxes shown;
    } cases[] = {
        {"28N39", Lat, {"28", "39", "N"}},
        {"28N5", Lat, {"28", "50", "N"}},     // one stored minute digit is tens
        {"28N05", Lat, {"28", "05", "N"}},
        {"08N05", Lat, {"8", "05", "N"}},
        {"20n30", Lat, {"20", "30", "N"}},    // the box forces the letter
        {"33S52", Lat, {"33", "52", "S"}},
        {"28N", Lat, {"28", "00", "N"}},
        {"166E40", Long, {"166", "40", "E"}},
        {"74W0", Long, {"74", "00", "W"}},
        {"210E00", Zone, {"210", "00", "E"}},
        {"", Long, {"0", "00", "E"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShownBoxes(c.stored, c.kind), c.shown) << c.stored;
}

TEST(CoordinateEntry, BoxesAreStoredWithTwoMinuteDigits)
{
    struct Case {
        CoordinateBoxes boxes;
        CoordinateKind kind;
        const char* stored;
    } cases[] = {
        {{"28", "39", "N"}, Lat, "28N39"},
        {{"28", "5", "N"}, Lat, "28N05"},     // five minutes typed, five minutes stored
        {{"28", "", "N"}, Lat, "28N00"},
        {{"08", "05", "n"}, Lat, "8N05"},
        {{" 28 ", " 39", "s"}, Lat, "28S39"},
        {{"0", "0", "N"}, Lat, "0N00"},
        {{"90", "0", "S"}, Lat, "90S00"},
        {{"180", "00", "W"}, Long, "180W00"},
        {{"77", "13", "e"}, Long, "77E13"},
        {{"210", "0", "E"}, Zone, "210E00"},
        {{"359", "59", "W"}, Zone, "359W59"},
    };
    for (const Case& c : cases) {
        const CoordinateText t = StoredCoordinate(c.boxes, c.kind);
        EXPECT_TRUE(t.Valid()) << c.stored << ": " << t.problem;
        EXPECT_EQ(t.text, c.stored);
    }
}

TEST(CoordinateEntry, OutOfRangeOrUnreadableBoxesAreRefusedWithAReason)
{
    struct Case {
        CoordinateBoxes boxes;
        CoordinateKind kind;
        const char* problemStart;
    } cases[] = {
        {{"", "30", "N"}, Lat, "Invalid latitude"},
        {{"91", "0", "N"}, Lat, "Invalid latitude"},
        {{"90", "30", "N"}, Lat, "Invalid latitude"},
        {{"28", "60", "N"}, Lat, "Invalid latitude"},
        {{"2a", "10", "N"}, Lat, "Invalid latitude"},
        {{"28", "-5", "N"}, Lat, "Invalid latitude"},
        {{"28", "1 2", "N"}, Lat, "Invalid latitude"},
        {{"28", "10", "E"}, Lat, "Invalid latitude"},
        {{"181", "0", "E"}, Long, "Invalid longitude"},
        {{"180", "1", "E"}, Long, "Invalid longitude"},
        {{"1000", "0", "E"}, Long, "Invalid longitude"},
        {{"77", "13", ""}, Long, "Invalid longitude"},
        {{"360", "0", "E"}, Zone, "Invalid zone meridian"},
    };
    for (const Case& c : cases) {
        const CoordinateText t = StoredCoordinate(c.boxes, c.kind);
        EXPECT_FALSE(t.Valid()) << c.boxes.degrees << " " << c.boxes.minutes << " " << c.boxes.direction;
        EXPECT_EQ(t.problem.rfind(c.problemStart, 0), 0u) << t.problem;
        EXPECT_TRUE(t.text.empty());
    }
}

TEST(CoordinateEntry, BoxesDifferWhenSavingWouldChangeTheStoredText)
{
    struct Case {
        const char* stored;
        bool differs;
    } cases[] = {
        {"28N39", false}, {"28N5", true}, {"08N39", true}, {"28n39", true}, {"28N40", true}, {"garbage", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DiffersFromStored(ShownBoxes("28N39", Lat), Lat, c.stored), c.differs) << c.stored;
    EXPECT_TRUE(DiffersFromStored({"99", "00", "N"}, Lat, "99N00"));   // cannot be stored at all
}

} // namespace

namespace {

TEST(CoordinateEntry, StoredTextsTheEditorsWouldRefuseAreDamaged)
{
    struct Case {
        const char* stored;
        CoordinateKind kind;
        bool sound;
    } cases[] = {
        {"28N39", Lat, true},   {"21N3", Lat, true},    {"28N", Lat, true},     {"08N05", Lat, true},
        {"20n30", Lat, true},   {"90S00", Lat, true},   {"74W0", Long, true},   {"180E00", Long, true},
        {"82e30", Zone, true},  {"359W59", Zone, true}, {"0E00", Zone, true},
        {"abc", Lat, false},    {"", Lat, false},       {"N39", Lat, false},    {"28", Lat, false},
        {"91N00", Lat, false},  {"90N01", Lat, false},  {"28N60", Lat, false},  {"28N6", Lat, false},
        {"28E39", Lat, false},  {"28X39", Lat, false},  {" 28N39", Lat, false}, {"28N39 ", Lat, false},
        {"28N391", Lat, false}, {"2800N39", Lat, false}, {"28N3a", Lat, false}, {"28NN39", Lat, false},
        {"181E00", Long, false}, {"77E61", Long, false}, {"1e308E99", Zone, false}, {"360E00", Zone, false},
        {"82E30E", Zone, false}, {"-5E00", Zone, false},
    };
    for (const Case& c : cases) {
        const std::string problem = StoredCoordinateProblem(c.stored, c.kind);
        EXPECT_EQ(problem.empty(), c.sound) << '"' << c.stored << "\": " << problem;
    }
}

} // namespace
