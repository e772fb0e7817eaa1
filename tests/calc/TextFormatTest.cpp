#include "CalcFixture.h"

#include "calc/TextFormat.h"

#include <gtest/gtest.h>

using namespace tarvik;

TEST(PadTest, FillsInFrontAndCutsToWidth)
{
    EXPECT_EQ(ZeroPad(7, 2), "07");
    EXPECT_EQ(ZeroPad(123, 2), "12");
    EXPECT_EQ(ZeroPad(5, 3), "005");
    EXPECT_EQ(ZeroPad("", 2), "00");
    EXPECT_EQ(ZeroPad(1234, 2), "12");
    EXPECT_EQ(ZeroPad(7.0, 2), "07");
    EXPECT_EQ(ZeroPad(2.5, 4), "02.5");
    EXPECT_EQ(ZeroPad(std::string("ab"), 4), "00ab");
    EXPECT_EQ(SpacePad(7, 3), "  7");
    EXPECT_EQ(SpacePad("Ravi", 6), "  Ravi");
    EXPECT_EQ(SpacePad("Chandra", 4), "Chan");
    EXPECT_EQ(ZeroPad(7, 0), "");
}

TEST(FormatDMSTest, PositionWithinItsSign)
{
    struct Case { double longitude; const char* text; };
    const Case cases[] = {
        {0, "00:00:00"},
        {45.5, "15:30:00"},
        {359.5, "29:30:00"},
        {123.456789, "03:27:24"},
        {15.1, "15:06:00"},
        {29.99998, "29:59:59"},   // 29:59:59.93 rounds to a whole second
        {29.9999, "29:59:59"},    // would carry into the next sign: no 30th degree
        {59.99999, "29:59:59"},
        {60, "00:00:00"},
        {-0.5, "29:30:00"},       // below 0 it is the end of Pisces
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDMS(c.longitude, ":"), c.text) << c.longitude;
}

TEST(FormatHMSTest, HoursMinutesSecondsWrappedAtTheModulus)
{
    struct Case { double value; int modulus; const char* text; };
    const Case cases[] = {
        {13.5, 24, "13:30:00"},
        {23.99999, 24, "00:00:00"},
        {25.25, 24, "01:15:00"},
        {-6.5, 24, "06:30:00"},
        {24, 24, "00:00:00"},
        {0.999999, 24, "01:00:00"},   // rounded seconds carry through minutes into hours
        {7.2679, 24, "07:16:04"},
        {75.5, 60, "15:30:00"},       // ghatis, pala, vipala
        {59.99999, 60, "00:00:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatHMS(c.value, c.modulus, ":"), c.text) << c.value;
}

class LanguageSeparatorTest : public tarvik::testing::CalcTest {};

TEST_F(LanguageSeparatorTest, TheRunsChoicesCarryItsColon)
{
    OutputRun().PunctColon = ".";
    EXPECT_EQ(FormatDMS(45.5, OutputRun().Choices().colon), "15.30.00");
    EXPECT_EQ(FormatHMS(13.5, 24, OutputRun().Choices().colon), "13.30.00");
    ApplyDisplayConventions(true);
    EXPECT_EQ(FormatHMS(13.5, 24, OutputRun().Choices().colon), "13:30:00");  // Hindi pages use the plain mark too
}

TEST(RealModTest, RemainderTakesTheSignOfTheModulus)
{
    struct Case { double x, m, expected; };
    const Case cases[] = {{7, 2, 1}, {12, 12, 0}, {-30, 360, 330}, {-1, 12, 11}, {7.5, 2, 1.5}, {5, -3, -1}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(RealMod(c.x, c.m), c.expected) << c.x << " mod " << c.m;
}

TEST(SplitDegDirMinTest, CoordinateTexts)
{
    struct Case { const char* text; double degrees; const char* direction; double minutes; };
    const Case cases[] = {
        {"28N39", 28, "N", 39},
        {"77E12", 77, "E", 12},
        {"82E30", 82, "E", 30},
        {"33S52", 33, "S", 52},
        {"77E5", 77, "E", 50},       // a single minute digit counts as tens
        {"28N3", 28, "N", 30},
        {"28N03", 28, "N", 3},
        {"N39", 0, "N", 39},
        {"28N", 28, "N", 0},
        {"28n39", 28, "n", 39},      // the case is kept as typed
        {"28N39 ", 39, " ", 0},      // the last non-digit wins
        {"28\u00b039", 28, "\u00b0", 39},  // a degree sign is one character
    };
    for (const Case& c : cases) {
        double degrees = -1, minutes = -1;
        std::string direction = "?";
        SplitDegDirMin(c.text, degrees, minutes, direction);
        EXPECT_EQ(degrees, c.degrees) << c.text;
        EXPECT_EQ(direction, c.direction) << c.text;
        EXPECT_EQ(minutes, c.minutes) << c.text;
    }
}

TEST(SplitDegDirMinTest, DigitsAloneLeaveDegreesAndDirection)
{
    double degrees = 12, minutes = 0;
    std::string direction = "S";
    SplitDegDirMin("2839", degrees, minutes, direction);
    EXPECT_EQ(degrees, 12);
    EXPECT_EQ(direction, "S");
    EXPECT_EQ(minutes, 2839);
}
