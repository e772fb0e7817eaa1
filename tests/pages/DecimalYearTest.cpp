#include "PageTestSupport.h"

#include "calc/DecimalYear.h"

using namespace tarvik;
using namespace tarvik::testing;

namespace {

double decimalYear(int y, double m, double d) { return y + m / 12 + d / 360; }

class DecimalYearTest : public PageTest {};

} // namespace

TEST_F(DecimalYearTest, DateOfADecimalYear)
{
    struct Case { double v; bool fullYear; const char* expected; };
    const Case cases[] = {
        {decimalYear(1990, 3, 15), true, "15-03-1990"},
        {decimalYear(1990, 3, 15), false, "15-03-90"},
        {decimalYear(1990, 12, 10), true, "10-12-1990"},       // December: month 0 of 1991
        {decimalYear(1990, 2, 29), true, "01-03-1990"},        // February has 28 days
        {decimalYear(1990, 2, 30), true, "01-03-1990"},       // the same as March, day 0
        {decimalYear(1990, 3, 0.2), true, "01-03-1990"},       // day 0 shows as 1
        {decimalYear(1990, 3, 14.6), true, "15-03-1990"},      // the day is rounded
        {decimalYear(1990, 3, 14.4), true, "14-03-1990"},
        {decimalYear(2005, 6, 1), false, "01-06-05"},
        {decimalYear(2005, 6, 1), true, "01-06-2005"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecimalYearToDate(c.v, c.fullYear, OutputRun().Choices()), c.expected) << c.v;
}

TEST_F(DecimalYearTest, DateAndTimeOfADecimalYear)
{
    struct Case { double v; const char* expected; };
    const Case cases[] = {
        {decimalYear(1990, 3, 15), "15-03-1990 00:00:00"},     // an exact day stays on its day
        {decimalYear(1990, 3, 15.5), "15-03-1990 12:00:00"},
        {decimalYear(1990, 3, 15) - 0.4 / 86400 / 360, "15-03-1990 00:00:00"},
        {decimalYear(1990, 3, 15) - 1.0 / 86400 / 360, "14-03-1990 23:59:59"},
        {decimalYear(1990, 3, 0.2), "28-02-1990 04:48:00"},    // day 0: the month before's last
        {decimalYear(1990, 12, 10), "10-12-1990 00:00:00"},
        {decimalYear(1990, 2, 29), "01-03-1990 00:00:00"},
        {decimalYear(1990, 4, 30), "30-04-1990 00:00:00"},
        {decimalYear(1990, 1, 29.75), "29-01-1990 18:00:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecimalYearToDateTime(c.v, OutputRun().Choices()), c.expected) << c.v;
}

TEST_F(DecimalYearTest, DatesUseTheLanguagePunctuation)
{
    OutputRun().PunctDash = "~";
    OutputRun().PunctColon = ";";
    EXPECT_EQ(DecimalYearToDate(decimalYear(1990, 3, 15), true, OutputRun().Choices()), "15~03~1990");
    EXPECT_EQ(DecimalYearToDateTime(decimalYear(1990, 3, 15.5), OutputRun().Choices()), "15~03~1990 12;00;00");
}

TEST_F(DecimalYearTest, ParsesDayMonthYearByPosition)
{
    struct Case { const char* text; std::optional<CalendarDate> expected; };
    const Case cases[] = {
        {"05/01/1990", CalendarDate{5, 1, 1990}},
        {"05-01-1990", CalendarDate{5, 1, 1990}},   // the separators are not read
        {"31/12/2000", CalendarDate{31, 12, 2000}},
        {"29/02/2000", CalendarDate{29, 2, 2000}},
        {"05/01/90", CalendarDate{5, 1, 1990}},
        {"05/01/05", CalendarDate{5, 1, 2005}},
        {"29/02/1900", std::nullopt},
        {"31/04/1990", std::nullopt},
        {"15/13/1990", std::nullopt},
        {"00/01/1990", std::nullopt},
        {"", std::nullopt},
        {"ab/cd/efgh", std::nullopt},
    };
    for (const Case& c : cases) {
        collector.messages.clear();
        EXPECT_EQ(ParseDMYToDate(c.text), c.expected) << c.text;
        if (c.expected)
            EXPECT_TRUE(collector.messages.empty()) << c.text;
        else
            EXPECT_EQ(collector.messages, (std::vector<std::string>{std::string("Invalid Date: ") + c.text}));
    }
}
