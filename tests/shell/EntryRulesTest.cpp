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
    // After a first year, the last year stays within 2199.
    const struct {
        const char* from;
        int most;
    } firsts[] = {{"2199", 1}, {"2190", 10}, {"2024", 176}, {"1946", 254}, {"1800", 254}, {"2200", 254}, {"", 254}};
    for (const auto& f : firsts) {
        const QString from = QString::fromLatin1(f.from);
        EXPECT_EQ(MostVarshphalYearsFrom(from), f.most) << f.from;
        EXPECT_TRUE(VarshphalYearsInRange(QString::number(f.most), from)) << f.from;
        EXPECT_FALSE(VarshphalYearsInRange(QString::number(f.most + 1), from)) << f.from;
    }
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
        // A number stays for the range check to judge; no number is the current year.
        {"1900", "1900", "1900"}, {"1850", "1850", "1850"}, {"abc", "2024", "1"}, {"", "2024", "1"},
        {"  ", "2024", "1"},      {"0", "0", "1"},          {"-3", "-3", "1"},      {"2.5", "2.5", "2.5"},
        {".5", ".5", "1"},        {"-x", "2024", "1"},      {" 2006", " 2006", " 2006"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckedVarshphalFrom(QString::fromLatin1(c.typed), 2024), QString::fromLatin1(c.from)) << c.typed;
        EXPECT_EQ(CheckedVarshphalYears(QString::fromLatin1(c.typed)), QString::fromLatin1(c.years)) << c.typed;
    }
}

} // namespace

namespace {

// The refusals name the forms the boxes take, and each form named is taken.
TEST(EntryRules, TheRefusalsSayWhatTheBoxesTake)
{
    const std::string date = InvalidDateMessage, time = InvalidTimeMessage;
    EXPECT_EQ(date.rfind("Invalid Date\n\n", 0), 0u);
    EXPECT_EQ(time.rfind("Invalid Time\n\n", 0), 0u);
    EXPECT_NE(date.find("from 1800 to 2199"), std::string::npos);
    for (const char* form : {"15-Aug-1980", "15-08-1980", "15/8/1980"}) {
        EXPECT_NE(date.find(form), std::string::npos) << form;
        EXPECT_EQ(ReadDateEntry(QString::fromLatin1(form)), QDate(1980, 8, 15)) << form;
    }
    const struct {
        const char* form;
        QTime time;
    } times[] = {{"10:30", QTime(10, 30)}, {"22:30:15", QTime(22, 30, 15)}, {"10:30:15 PM", QTime(22, 30, 15)}};
    for (const auto& t : times) {
        EXPECT_NE(time.find(t.form), std::string::npos) << t.form;
        EXPECT_EQ(ReadTimeEntry(QString::fromLatin1(t.form)), t.time) << t.form;
    }
    for (const char* range : {"from 0 to 23", "1 to 12 with AM or PM", "from 0 to 59"})
        EXPECT_NE(time.find(range), std::string::npos) << range;
}

} // namespace
