// Samvat years and the lunar new year, the lunar month of a birth and the
// national month.

#include "PanchangFixture.h"

#include "calc/Chart.h"
#include "panchang/HinduCalendar.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

TEST(NationalMonth, BeginsOnItsDayOfTheGregorianMonth)
{
    const struct {
        int month, day;
        const char* name;
    } cases[] = {
        {3, 21, "PHALGUNA"}, {3, 22, "CHAITRA"}, {4, 20, "CHAITRA"}, {4, 21, "VAISAKHA"},
        {5, 21, "VAISAKHA"}, {5, 22, "JYAISTHA"}, {6, 21, "JYAISTHA"}, {6, 22, "ASADHA"},
        {7, 22, "ASADHA"}, {7, 23, "SRAVANA"}, {8, 22, "SRAVANA"}, {8, 23, "BHADRA"},
        {9, 22, "BHADRA"}, {9, 23, "ASVINA"}, {10, 22, "ASVINA"}, {10, 23, "KARTIKA"},
        {11, 21, "KARTIKA"}, {11, 22, "AGRAHAYANA"}, {12, 21, "AGRAHAYANA"}, {12, 22, "PAUSA"},
        {1, 20, "PAUSA"}, {1, 21, "MAGHA"}, {2, 19, "MAGHA"}, {2, 20, "PHALGUNA"},
        {2, 29, "PHALGUNA"}, {12, 31, "PAUSA"}, {1, 1, "PAUSA"},
        {2, 30, ""}, {4, 31, ""}, {3, 0, ""}, {3, 32, ""}, {0, 10, ""}, {13, 10, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetNationalMonthName(c.month, c.day), c.name) << c.day << "-" << c.month;
}

TEST(LunarMonthTables, FullMoonNakshatraAndName)
{
    const int fullMoon[] = {0, 8, 10, 12, 14, 16, 18, 20, 22, 25, 1, 3, 5, 0};
    for (int month = 0; month <= 13; ++month)
        EXPECT_EQ(MonthFullMoonNakshatra(month), fullMoon[month]) << month;

    const struct {
        int nakshatra;
        const char* name;
    } names[] = {
        {14, "CHAITRA"}, {16, "VAISAKHA"}, {18, "JYAISTHA"}, {20, "ASADHA"}, {22, "SRAVANA"},
        {25, "BHADRA"}, {1, "ASVINA"}, {3, "KARTIKA"}, {5, "MARGSHIRSH"}, {8, "PAUSA"},
        {10, "MAGHA"}, {12, "PHALGUNA"}, {0, ""}, {2, ""}, {15, ""}, {27, ""},
    };
    for (const auto& n : names)
        EXPECT_EQ(MasaName(n.nakshatra), n.name) << n.nakshatra;
}

class HinduCalendarTest : public CalcTest {};

TEST_F(HinduCalendarTest, SamvatYearsTurnAtTheLunarNewYear)
{
    const struct {
        int day, month, year, hour;
        SamvatYears years;
        const char* why;
    } cases[] = {
        {10, 1, 2001, 12, {1922, 2057}, "January: before the new year"},
        {15, 5, 2001, 12, {1923, 2058}, "May: after it"},
        {24, 3, 2001, 12, {1922, 2057}, "the day before the new year of 25 March 2001"},
        {25, 3, 2001, 12, {1923, 2058}, "its day"},
        {20, 3, 2023, 12, {1944, 2079}, "new year on 22 March 2023"},
        {22, 3, 2023, 12, {1945, 2080}, ""},
        {3, 4, 2023, 12, {1945, 2080}, "April after a March new year"},
        {8, 4, 2024, 12, {1945, 2080}, "new year on 9 April 2024"},
        {9, 4, 2024, 12, {1946, 2081}, ""},
        {31, 12, 2024, 23, {1946, 2081}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcSamvatAtBirth(DelhiBirth(c.day, c.month, c.year, c.hour, 0, 0)), c.years)
            << c.day << "-" << c.month << "-" << c.year << ": " << c.why;
}

TEST_F(HinduCalendarTest, LunarMonthFromFullMoonToFullMoon)
{
    // Full moons at 10:04 on 6 April and 18:10 on 7 March 2023 (Indian time),
    // 19:05 on 26 December 2023.
    const struct {
        int day, month, year;
        const char* masa;
    } cases[] = {
        {3, 4, 2023, "CHAITRA"}, {5, 4, 2023, "CHAITRA"}, {6, 4, 2023, "VAISAKHA"}, {20, 4, 2023, "VAISAKHA"},
        {5, 3, 2023, "PHALGUNA"}, {20, 3, 2023, "CHAITRA"},
        {20, 12, 2023, "MARGSHIRSH"}, {28, 12, 2023, "PAUSA"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcMasaAtBirth(DelhiBirth(c.day, c.month, c.year, 12, 0, 0)), c.masa)
            << c.day << "-" << c.month << "-" << c.year;
}

TEST_F(HinduCalendarTest, SearchesLeaveNativeAndTheChartAsTheyWere)
{
    const StandingChart boys = BoysChartStanding();
    const BirthRecord girl = MumbaiGirl();

    EXPECT_EQ(CalcSamvatAtBirth(girl), (SamvatYears{1906, 2041}));
    EXPECT_TRUE(boys.Unchanged());
    EXPECT_EQ(CalcMasaAtBirth(girl), "CHAITRA");
    EXPECT_TRUE(boys.Unchanged());

    // For Native itself as well.
    EXPECT_EQ(CalcSamvatAtBirth(Native()), (SamvatYears{1902, 2037}));
    EXPECT_EQ(CalcMasaAtBirth(Native()), "SRAVANA");
    EXPECT_TRUE(boys.Unchanged());
}

// The new moons that begin Chaitra, 1901 to 2049, from astronomy-engine
// (tools/reference/panchang-reference.js), Indian time.
struct ReferenceNewYear {
    int year;
    long long newMoon, firstTithiEnd;   // seconds from the midnight of day number 0
    int newMoonsInMeena;
};

long long momentOf(const std::string& text)
{
    int y, mo, d, h, mi, s;
    char dash;
    std::istringstream in(text);
    in >> y >> dash >> mo >> dash >> d >> dash >> h >> dash >> mi >> dash >> s;
    return DayNumber(d, mo, y) * 86400LL + h * 3600 + mi * 60 + s;
}

std::vector<ReferenceNewYear> loadReferenceNewYears()
{
    std::vector<ReferenceNewYear> rows;
    for (const std::string& line : ReferenceRows("reference-new-years.csv")) {
        std::istringstream f(line);
        ReferenceNewYear r{};
        std::string newMoon, end;
        f >> r.year >> newMoon >> end >> r.newMoonsInMeena;
        if (!f)
            continue;
        r.newMoon = momentOf(newMoon);
        r.firstTithiEnd = momentOf(end);
        rows.push_back(r);
    }
    return rows;
}

TEST_F(HinduCalendarTest, NewYearAndSamvatAgreeWithAnIndependentEphemeris)
{
    const std::vector<ReferenceNewYear> rows = loadReferenceNewYears();
    ASSERT_GT(rows.size(), 140u) << "reference-new-years.csv missing or short";
    // Moments nearer than this to the new moon or the end of the first tithi
    // are left to the series' own accuracy.
    constexpr long long Margin = 15 * 60;
    int checked = 0;
    for (const ReferenceNewYear& r : rows) {
        for (const int hour : {5, 12, 20}) {
            auto moment = [&](int dayNumber) { return dayNumber * 86400LL + hour * 3600; };
            // The first day at whose moment the first tithi runs, or that
            // follows it when it ran wholly between two moments.
            int expected = DayNumber(13, 3, r.year);
            while (moment(expected) <= r.newMoon)
                ++expected;
            bool close = false;
            for (const int d : {expected - 1, expected})
                for (const long long edge : {r.newMoon, r.firstTithiEnd})
                    close |= std::llabs(moment(d) - edge) < Margin;
            if (close)
                continue;
            const CalendarDate newYear = DateOfDayNumber(expected);
            const BirthRecord birth = DelhiBirth(newYear.day, newYear.month, newYear.year, hour, 0, 0);
            EXPECT_EQ(LunarNewYear(birth), newYear) << r.year << " at " << hour << " h";

            const CalendarDate before = DateOfDayNumber(expected - 1);
            EXPECT_EQ(CalcSamvatAtBirth(birth), (SamvatYears{r.year - 78, r.year + 57})) << r.year;
            EXPECT_EQ(CalcSamvatAtBirth(DelhiBirth(before.day, before.month, before.year, hour, 0, 0)),
                      (SamvatYears{r.year - 79, r.year + 56}))
                << r.year;
            ++checked;
        }
    }
    EXPECT_GT(checked, 400);
}

} // namespace
