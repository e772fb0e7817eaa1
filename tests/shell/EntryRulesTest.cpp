#include "shell/EntryRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

using namespace tarvik;

namespace {

TEST(EntryRules, ValReadsTheLeadingNumber)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12abc", 12}, {"  3.5", 3.5}, {"-2", -2}, {"+4", 4}, {"abc", 0}, {"", 0}, {"0.7", 0.7},
        {"0.75", 0.75}, {".5", 0.5}, {"1e3", 1000}, {"2e", 2}, {"2e+", 2}, {"1.5E-1x", 0.15},
        {"-", 0}, {"1,5", 1}, {"10.21", 10.21},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Val(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(EntryRules, RoundingGoesToTheEvenNeighbourOnHalves)
{
    const struct {
        double value;
        long long rounded;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {1007.9999, 1008}, {1080.4, 1080}, {-0.6, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

TEST(EntryRules, RoundingBeyondTheWholeNumbersStopsAtTheirEnds)
{
    constexpr long long most = std::numeric_limits<long long>::max(), least = std::numeric_limits<long long>::min();
    const struct {
        double value;
        long long rounded;
        int narrow;
    } cases[] = {
        {8.9e24, most, INT_MAX},    {9e99, most, INT_MAX},      {-9e99, least, INT_MIN},
        {HUGE_VAL, most, INT_MAX}, {std::nan(""), 0, 0},        {3e9, 3000000000LL, INT_MAX},
        {-3e9, -3000000000LL, INT_MIN}, {2.5, 2, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
        EXPECT_EQ(RoundedInt(c.value), c.narrow) << c.value;
    }
    // The varshphal boxes, read as the run reads them.
    EXPECT_TRUE(VarshphalFromInRange(QStringLiteral("1800")));
    EXPECT_TRUE(VarshphalFromInRange(QStringLiteral("2199.4")));
    EXPECT_FALSE(VarshphalFromInRange(QStringLiteral("1e8")));
    EXPECT_FALSE(VarshphalFromInRange(QStringLiteral("1799")));
    EXPECT_TRUE(VarshphalYearsInRange(QStringLiteral("254")));
    EXPECT_FALSE(VarshphalYearsInRange(QStringLiteral("255")));
    EXPECT_FALSE(VarshphalYearsInRange(QStringLiteral("0.4")));
}

TEST(EntryRules, TimesAreRewrittenOnTheTwelveHourClock)
{
    const struct {
        const char* typed;
        const char* shown;   // nullptr: "Invalid Time"
    } cases[] = {
        {"10:05", "10:05:00 AM"},       {"14:30", "02:30:00 PM"},     {"19:00", "07:00:00 PM"},
        {"12:05:09 AM", "12:05:09 AM"}, {"0:00", "12:00:00 AM"},      {"12:00", "12:00:00 PM"},
        {"12:30 am", "12:30:00 AM"},    {"7 pm", "07:00:00 PM"},      {" 9:5:3 ", "09:05:03 AM"},
        {"10:30:00 AM", "10:30:00 AM"}, {"23:59:59", "11:59:59 PM"},  {"02:30:00 PM", "02:30:00 PM"},
        {"25:00", nullptr},             {"24:00", nullptr},           {"10:60", nullptr},
        {"10:05:60", nullptr},          {"13:00 PM", nullptr},        {"abc", nullptr},
        {"", nullptr},                  {"10", nullptr},              {"1:2:3:4", nullptr},
        {"10:5x", nullptr},             {"-1:00", nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<QTime> t = ReadTimeEntry(QString::fromLatin1(c.typed));
        if (!c.shown) {
            EXPECT_FALSE(t) << c.typed;
            continue;
        }
        ASSERT_TRUE(t) << c.typed;
        EXPECT_EQ(TimeEntryText(*t), QString::fromLatin1(c.shown)) << c.typed;
    }
    // Midnight's hour is 0 on the 24-hour clock the chart reads.
    EXPECT_EQ(ReadTimeEntry(u"12:05:09 AM"), QTime(0, 5, 9));
    EXPECT_EQ(ReadTimeEntry(u"02:30:00 PM"), QTime(14, 30, 0));
}

TEST(EntryRules, DatesAreReadInEnglishWhateverTheirForm)
{
    const struct {
        const char* typed;
        const char* shown;   // nullptr: no date
    } cases[] = {
        {"15-Aug-1980", "15-Aug-1980"}, {"15-aug-1980", "15-Aug-1980"}, {"5-Sep-1986", "05-Sep-1986"},
        {"15/08/1980", "15-Aug-1980"},  {"15-8-1980", "15-Aug-1980"},   {"1980-08-15", "15-Aug-1980"},
        {"15 August 1980", "15-Aug-1980"}, {"August 15, 1980", "15-Aug-1980"},
        {"29-Feb-2000", "29-Feb-2000"}, {"29-Feb-1900", nullptr},      {"31-Apr-2000", nullptr},
        {"word", nullptr},              {"", nullptr},                 {"15-Agu-1980", nullptr},
        // Any of - / . or blanks between the parts, the month as a number or a name.
        {"05-08-2001", "05-Aug-2001"},  {"5/8/2001", "05-Aug-2001"},   {"5.8.2001", "05-Aug-2001"},
        {"5 8 2001", "05-Aug-2001"},    {" 05  08  2001 ", "05-Aug-2001"}, {"20/Aug/1995", "20-Aug-1995"},
        {"20.aug.1995", "20-Aug-1995"}, {"20 AUG 1995", "20-Aug-1995"},
        {"31/02/2001", nullptr},        {"32-1-2001", nullptr},        {"1-13-2001", nullptr},
        {"05-08", nullptr},             {"05-08-01", nullptr},         {"05-08-2001x", nullptr},
        {"05-08-2001 10:30", nullptr},  {"--", nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<QDate> d = ReadDateEntry(QString::fromLatin1(c.typed));
        if (!c.shown) {
            EXPECT_FALSE(d) << c.typed;
            continue;
        }
        ASSERT_TRUE(d) << c.typed;
        EXPECT_EQ(DateEntryText(*d), QString::fromLatin1(c.shown)) << c.typed;
    }
}

TEST(EntryRules, YoginiTableStartsThreeYearsBackUnlessTheBirthIsFurtherAhead)
{
    const QDate today(2024, 3, 1);
    const QDate back = today.addDays(-1095);
    const struct {
        const char* what;
        QDate birth;
        QDate start;
    } cases[] = {
        {"ten years ago", today.addYears(-10), back},
        {"yesterday", today.addDays(-1), back},
        {"today", today, back},
        {"1095 days ahead", today.addDays(1095), back},
        {"1096 days ahead", today.addDays(1096), today.addDays(1096)},
        {"ten years ahead", today.addYears(10), today.addYears(10)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(YoginiStart(c.birth, today), c.start) << c.what;
}

TEST(EntryRules, AnnualChartBoxesKeepWhatIsSensible)
{
    const struct {
        const char* typed;
        const char* from;    // txtVFrom after leaving it
        const char* years;   // txtVYears after leaving it
    } cases[] = {
        {"1900", "2024", "1900"}, {"1901", "1901", "1901"}, {"abc", "2024", "1"}, {"", "2024", "1"},
        {"0", "2024", "1"},       {"-3", "2024", "1"},      {"2.5", "2024", "2.5"}, {"12", "2024", "12"},
        {" 2006", " 2006", " 2006"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckedVarshphalFrom(QString::fromLatin1(c.typed), 2024), QString::fromLatin1(c.from)) << c.typed;
        EXPECT_EQ(CheckedVarshphalYears(QString::fromLatin1(c.typed)), QString::fromLatin1(c.years)) << c.typed;
    }
}

} // namespace
