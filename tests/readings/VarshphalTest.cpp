// The annual chart: the year start against a direct search of the Sun, the
// mudda periods, the muntha and the houses, and the pages on the recording
// surface (what they print, and that the birth chart stands after each).

#include "pages/PageTestSupport.h"

#include "calc/CalcFixture.h"
#include "calc/Chart.h"
#include "calc/MomentGuard.h"
#include "calc/RunCopies.h"
#include "calc/TextFormat.h"
#include "calc/TimeScale.h"
#include "pages/Frame.h"
#include "pages/PositionTables.h"
#include "pages/TablePages.h"
#include "registry/PageDispatcher.h"
#include "readings/MuddaDasha.h"
#include "readings/VarshphalPages.h"
#include "panchang/Vimshottari.h"
#include "readings/YearStart.h"

#include <algorithm>
#include <cmath>
#include <regex>
#include <stdexcept>

using namespace tarvik;
using namespace tarvik::testing;
using tarvik::testing::DelhiBirth;

namespace {

BirthRecord NewYorkBirth(int day, int month, int year, int hour, int minute)
{
    BirthRecord b = DelhiBirth(day, month, year, hour, minute);
    b.Place = "New York";
    b.LatDeg = 40;
    b.LatMin = 42;
    b.LongDeg = 74;
    b.LongMin = 0;
    b.LongDir = "W";
    b.ZoneDeg = 75;
    b.ZoneMin = 0;
    b.ZoneDir = "W";
    b.ZoneMeridian = -75;
    b.ZoneHours = -5;
    return b;
}

long long MinuteCount(int day, int month, int year, int hour, int minute)
{
    return DayNumber(day, month, year) * 1440LL + hour * 60 + minute;
}

// The chart the program casts for a minute of standard zone time at the
// birth place: its Sun.
double SunAtMinute(const BirthRecord& birth, long long minute)
{
    const DayAndClock at = DayAndClockOfSeconds(minute * 60);
    BirthRecord r = RecordAtMoment(birth, DateOfDayNumber(at.dayNumber), at.hour, at.minute, 0);
    r.TimeCorrection = 0;
    Native() = r;
    CalcChart(OutputRun().Choices());
    return Chart().PlanetLongitudes[Sun];
}

// The first minute at which the Sun has come back to its birth longitude,
// walked hour by hour from five days before the birthday of the year, then
// minute by minute through the hour of the crossing.
long long ReturnMinuteBySearch(const BirthRecord& birth, int year)
{
    Native() = birth;
    CalcChart(OutputRun().Choices());
    const double target = Chart().PlanetLongitudes[Sun];
    auto reached = [&](long long m) { return std::remainder(SunAtMinute(birth, m) - target, 360.0) >= 0; };
    const int day = birth.Month == 2 && birth.Day == 29 ? 28 : birth.Day;
    long long m = MinuteCount(day, birth.Month, year, 0, 0) - 5 * 1440;
    EXPECT_FALSE(reached(m));
    while (!reached(m))
        m += 60;
    m -= 60;
    while (!reached(m))
        ++m;
    return m;
}

long long SecondOf(const YearStart& s)
{
    return MinuteCount(s.day, s.month, s.year, s.hour, s.minute) * 60 + s.second;
}

class YearStartTest : public tarvik::testing::CalcTest {};

TEST_F(YearStartTest, TheSunsReturnWithinAMinuteOfADirectSearch)
{
    BirthRecord warTime = DelhiBirth(12, 9, 1943, 9, 40);
    warTime.TimeCorrection = -1;   // clocks an hour ahead of standard time
    const struct {
        const char* what;
        BirthRecord birth;
        int year;
        int ayanamsa;
        int startYear;   // the calendar year the return falls in
    } cases[] = {
        {"a morning birth, first year", DelhiBirth(15, 8, 1980, 10, 30), 1981, 0, 1981},
        {"the same, 46 years on", DelhiBirth(15, 8, 1980, 10, 30), 2026, 0, 2026},
        {"the same, 80 years on", DelhiBirth(15, 8, 1980, 10, 30), 2060, 0, 2060},
        {"late on 31 December: the return is on 1 January", DelhiBirth(31, 12, 1990, 23, 30), 1991, 0, 1992},
        {"early on 1 January: the return is on 31 December", DelhiBirth(1, 1, 1990, 0, 15), 1993, 0, 1992},
        {"half a minute before midnight", DelhiBirth(10, 6, 1975, 23, 59, 30), 1976, 0, 1976},
        {"twenty seconds after midnight", DelhiBirth(11, 6, 1975, 0, 0, 20), 1990, 0, 1990},
        {"west of Greenwich", NewYorkBirth(20, 3, 1965, 3, 10), 2000, 0, 2000},
        {"war time at birth", warTime, 1950, 0, 1950},
        {"29 February, a common year", DelhiBirth(29, 2, 1980, 12, 0), 1981, 0, 1981},
        {"29 February, a leap year", DelhiBirth(29, 2, 1980, 12, 0), 1984, 0, 1984},
        {"K.P., a birth on the 1st of the month", DelhiBirth(1, 3, 1970, 6, 0), 1990, 1, 1990},
        {"B.V. Raman", DelhiBirth(5, 11, 1955, 18, 45), 1985, 2, 1985},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OutputRun().AyanamsaChoice = c.ayanamsa;
        const auto start = FindYearStart(c.birth, c.year, c.ayanamsa, true);
        ASSERT_TRUE(start);
        EXPECT_EQ(start->completedYears, c.year - c.birth.Year);
        EXPECT_EQ(start->year, c.startYear);
        const long long found = SecondOf(*start);
        const long long searched = ReturnMinuteBySearch(c.birth, c.year) * 60;
        // The search's minute is the first one at or past the return.
        EXPECT_GT(found, searched - 60);
        EXPECT_LE(found, searched);
    }
}

// The year chart cast for the found moment has the Sun where the birth chart has it.
TEST_F(YearStartTest, TheYearChartsSunStandsOnTheBirthSun)
{
    for (int ayanamsa : {0, 1, 2}) {
        for (int year : {1990, 2003, 2031}) {
            SCOPED_TRACE(std::to_string(ayanamsa) + " " + std::to_string(year));
            OutputRun().AyanamsaChoice = ayanamsa;
            const BirthRecord birth = DelhiBirth(22, 4, 1977, 4, 5, 50);
            Native() = birth;
            CalcChart(OutputRun().Choices());
            const double birthSun = Chart().PlanetLongitudes[Sun];
            const auto start = FindYearStart(birth, year, ayanamsa, true);
            ASSERT_TRUE(start);
            Native() = YearStartRecord(birth, *start);
            CalcChart(OutputRun().Choices());
            // One second of the Sun's motion is 0.04"; a few seconds of arc allowed.
            EXPECT_NEAR(std::remainder(Chart().PlanetLongitudes[Sun] - birthSun, 360.0), 0, 2e-4);
        }
    }
}

TEST_F(YearStartTest, TheBirthYearIsTheBirthMomentInStandardTime)
{
    BirthRecord warTime = DelhiBirth(1, 1, 1944, 0, 20, 5);
    warTime.TimeCorrection = -1;
    const struct {
        BirthRecord birth;
        YearStart expected;
    } cases[] = {
        {DelhiBirth(15, 8, 1980, 10, 30, 15), {0, 15, 8, 1980, 10, 30, 15}},
        // An hour of war time before twenty past midnight on New Year's day.
        {warTime, {0, 31, 12, 1943, 23, 20, 5}},
    };
    for (const auto& c : cases) {
        const auto start = FindYearStart(c.birth, c.birth.Year, 0, true);
        ASSERT_TRUE(start);
        EXPECT_EQ(*start, c.expected);
    }
}

TEST_F(YearStartTest, NoYearBeforeTheBirth)
{
    EXPECT_FALSE(FindYearStart(DelhiBirth(15, 8, 1980), 1979, 0, true));
    EXPECT_FALSE(FindYearStart(DelhiBirth(1, 1, 2000), 1, 0, true));
}

TEST_F(YearStartTest, TheRecordKeepsPlaceAndZoneAndDropsTheWarTime)
{
    BirthRecord birth = NewYorkBirth(20, 3, 1965, 3, 10);
    birth.TimeCorrection = -1;
    const BirthRecord moved = YearStartRecord(birth, {3, 21, 3, 1968, 4, 5, 6});
    BirthRecord expected = birth;
    expected.Day = 21;
    expected.Year = 1968;
    expected.Hour = 4;
    expected.Minute = 5;
    expected.Second = 6;
    expected.TimeCorrection = 0;
    EXPECT_EQ(moved, expected);
}

// ---- The mudda dasha, the muntha and the houses ----

constexpr double NakshatraSpan = 40.0 / 3;

TEST(MuddaDasha, StartingLordFromTheBirthNakshatraAndTheYears)
{
    const struct {
        int nakshatra;
        int years;
        int lord;
    } cases[] = {
        {10, 3, 2},    // Magha, the third year: the Moon
        {1, 0, 8},     // Ashvini in the birth year: the sum is -1, Ketu
        {2, 9, 9},     // a remainder of 0 is Venus
        {1, 1, 9},
        {3, 0, 1},     // Krittika, the Sun's own nakshatra: the Sun
        {27, 0, 7},    // Revati, Mercury's
        {27, 50, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.nakshatra) + " " + std::to_string(c.years));
        for (double part : {0.0, 0.5, 0.999})
            EXPECT_EQ(MuddaStartLord((c.nakshatra - 1 + part) * NakshatraSpan, c.years), c.lord);
    }
}

// In the birth year the mudda lord is the Vimshottari lord of the birth nakshatra.
TEST(MuddaDasha, TheBirthYearOpensWithTheNakshatrasLord)
{
    for (int n = 1; n <= 27; ++n) {
        const int lord = MuddaStartLord((n - 0.5) * NakshatraSpan, 0);
        EXPECT_EQ(TraditionalPosition[DashaLordBodies[(n - 1) % 9]], MuddaLords[lord].position) << n;
    }
}

TEST(MuddaDasha, LordsOfThe360DayYear)
{
    int days = 0;
    for (int lord = 1; lord <= 9; ++lord) {
        const int position = MuddaLords[lord].position;
        const int dashaIndex = static_cast<int>(std::find(DashaLordBodies.begin(), DashaLordBodies.end(),
                                                          BodyDisplayOrder[position]) -
                                                DashaLordBodies.begin());
        ASSERT_LT(dashaIndex, 9) << lord;
        EXPECT_EQ(MuddaLords[lord].days, 3 * DashaYears[dashaIndex]) << lord;
        EXPECT_EQ(MuddaLords[lord].name, BodyKeys[BodyDisplayOrder[position]]) << lord;
        // The lords follow the Vimshottari order from the Sun.
        EXPECT_EQ(DashaLordBodies[(dashaIndex + 9 - lord + 1) % 9], Sun) << lord;
        days += MuddaLords[lord].days;
    }
    EXPECT_EQ(days, 360);
}

TEST(MuddaDasha, MunthaMovesOneSignAYear)
{
    const struct {
        double ascendant;
        int years;
        int muntha;
    } cases[] = {
        {345, 1, 1},     // Pisces, one year: Aries
        {345, 0, 12},    // the birth year: the ascendant's own sign
        {0, 0, 1},
        {29.99, 11, 12},
        {30, 11, 1},
        {200, 25, 8},    // Libra + 25 = 7 + 1 after two rounds
        {360, 2, 3},     // 360 is Aries
    };
    for (const auto& c : cases)
        EXPECT_EQ(MunthaSign(c.ascendant, c.years), c.muntha) << c.ascendant << " " << c.years;
}

TEST(MuddaDasha, HousesCountedFromTheAscendantsSign)
{
    for (int asc = 1; asc <= 12; ++asc) {
        EXPECT_EQ(HouseOfSign(asc, asc), 1);
        for (int sign = 1; sign <= 12; ++sign) {
            const int house = HouseOfSign(sign, asc);
            EXPECT_GE(house, 1);
            EXPECT_LE(house, 12);
            EXPECT_EQ((asc - 1 + house - 1) % 12 + 1, sign);
        }
    }
    EXPECT_EQ(HouseOfSign(12, 1), 12);
    EXPECT_EQ(HouseOfSign(1, 12), 2);
}

TEST(MuddaDasha, PeriodsRunDayAfterDayToTheAnniversary)
{
    const struct {
        int day, month, year;
        int lastDay, lastMonth;   // where the ninth period ends, a year later
    } starts[] = {
        {16, 8, 2026, 16, 8},
        {3, 1, 1999, 3, 1},
        {28, 2, 2023, 28, 2},     // across a 29 February
        {29, 2, 2024, 28, 2},     // no 29 February next year: the last of the month
        {31, 12, 2030, 31, 12},
    };
    for (const auto& s : starts) {
        for (int startLord = 1; startLord <= 9; ++startLord) {
            SCOPED_TRACE(std::to_string(s.day) + "-" + std::to_string(s.month) + "-" +
                         std::to_string(s.year) + " lord " + std::to_string(startLord));
            const auto periods = MuddaPeriods(startLord, s.day, s.month, s.year);
            const int yearStart = DayNumber(s.day, s.month, s.year);
            EXPECT_EQ(periods[0].firstDay, yearStart);
            for (std::size_t i = 0; i < 9; ++i) {
                const MuddaPeriod& p = periods[i];
                EXPECT_EQ(p.lord, (startLord - 1 + static_cast<int>(i)) % 9 + 1);
                if (i > 0) {
                    EXPECT_EQ(p.firstDay, periods[i - 1].lastDay + 1);
                }
                if (i < 8) {
                    EXPECT_EQ(p.lastDay - p.firstDay, MuddaLords[p.lord].days);
                }
            }
            EXPECT_EQ(periods[8].lastDay, DayNumber(s.lastDay, s.lastMonth, s.year + 1));
            EXPECT_GT(periods[8].lastDay, periods[8].firstDay);
        }
    }
}

// Given the last day of the year, the ninth period closes on it, a day
// short of the anniversary or a day past it; the eight before it keep their
// lengths.
TEST(MuddaDasha, TheNinthClosesOnTheLastDayOfTheYear)
{
    const int start = DayNumber(1, 3, 2187);
    const auto anniversary = MuddaPeriods(4, 1, 3, 2187);
    for (int lastDay :
         {DayNumber(28, 2, 2188), DayNumber(29, 2, 2188), DayNumber(1, 3, 2188), DayNumber(2, 3, 2188)}) {
        SCOPED_TRACE(lastDay - start);
        const auto periods = MuddaPeriods(4, 1, 3, 2187, lastDay);
        EXPECT_EQ(periods[8].lastDay, lastDay);
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(periods[i], anniversary[i]) << i;
        EXPECT_EQ(periods[8].firstDay, anniversary[8].firstDay);
    }
    EXPECT_EQ(anniversary[8].lastDay, DayNumber(1, 3, 2188));
}

TEST(MuddaDasha, TextKeysOfLordAndHouse)
{
    const struct {
        int position, house;
        const char* key;
    } cases[] = {
        {2, 1, "XBBA:"},     // the Sun in house 1
        {10, 12, "XJMA:"},   // Ketu in house 12
        {3, 7, "XCHA:"},
        {8, 10, "XHKA:"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VarshphalTextKey(c.position, c.house), c.key);
}

TEST(MuddaDasha, TithiOfTheYearStart)
{
    const struct {
        int tithi;
        const char* key;
    } cases[] = {
        {1, "_Pratipada"}, {14, "_Chaturdashi"}, {15, "_Purnima"},
        {16, "_Pratipada"}, {29, "_Chaturdashi"}, {30, "_Amavasya"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(YearTithiKey(c.tithi), c.key) << c.tithi;
}

// ---- The pages ----

// The program state the pages must leave as they found it.
struct StateSnapshot {
    BirthRecord native;
    ChartState chart;
    std::array<double, 14> births;

    static StateSnapshot Take()
    {
        const BirthState& b = Births();
        return {Native(), Chart(),
                {b.BirthAyanamsa, b.BirthLagna, b.BirthSun, b.BirthMoon, b.BirthMars, b.BirthMercury,
                 b.BirthJupiter, b.BirthVenus, b.BirthSaturn, b.BirthRahu, b.BirthKetu,
                 b.BirthUranus, b.BirthNeptune, b.BirthPluto}};
    }
    bool operator==(const StateSnapshot&) const = default;
};

class VarshphalPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        stand(DelhiBirth(15, 8, 1980, 10, 30));
    }

    // A horoscope run of the birth, in English.
    static void stand(const BirthRecord& birth) { PrepareRun({.native = {birth}, .hindi = false}); }

    // The chart of a moment, as the driver casts it; the birth chart is put
    // back afterwards.
    static ChartState chartOf(const BirthRecord& moment)
    {
        const NativeMomentGuard guard;
        Native() = moment;
        CalcChart(OutputRun().Choices());
        return Chart();
    }

    // The texts of the sidereal planet table (with its frame) drawn from a
    // chart standing in Native and Chart().
    static std::vector<std::string> tableTexts(const BirthRecord& moment)
    {
        const NativeMomentGuard guard;
        Native() = moment;
        CalcChart(OutputRun().Choices());
        RecordingSurface table;
        PrintPlanetTable(table, RunContext(), SiderealTable, Chart());
        return table.TextStrings();
    }

    // The first n texts of the page drawn.
    std::vector<std::string> firstTexts(std::size_t n) const
    {
        std::vector<std::string> texts = surface.TextStrings();
        texts.resize(std::min(n, texts.size()));
        return texts;
    }
};

// A dictionary that fails at the year chart's heading, once the page has
// moved the birth moment to the year start.
class FailingAtHeading : public EchoSource {
public:
    std::optional<std::string> Find(TextTable table, const std::string& paddedKey, bool hindi) override
    {
        if (paddedKey.rfind("VARSHPHALDEG", 0) == 0)
            throw std::runtime_error("no table");
        return EchoSource::Find(table, paddedKey, hindi);
    }
};

TEST_F(VarshphalPageTest, EveryPageLeavesTheBirthChartStanding)
{
    const StateSnapshot before = StateSnapshot::Take();
    for (int year : {1980, 1981, 2000, 2026}) {
        for (int page = 1; page <= 4; ++page) {
            SCOPED_TRACE(std::to_string(year) + " VP" + std::to_string(page));
            OutputRun().VarshphalYear = year;
            VarshphalPage(surface, RunContext(), page);
            EXPECT_TRUE(StateSnapshot::Take() == before);
        }
    }
    EXPECT_TRUE(collector.messages.empty());
}

TEST_F(VarshphalPageTest, AFailingPageLeavesTheBirthChartStanding)
{
    const StateSnapshot before = StateSnapshot::Take();
    FailingAtHeading failing;
    SetTextSource(&failing);
    OutputRun().VarshphalYear = 2001;
    EXPECT_THROW(VarshphalPage(surface, RunContext(), 1), std::runtime_error);
    EXPECT_TRUE(StateSnapshot::Take() == before);

    // Through the dispatcher: the page is abandoned with a message.
    EXPECT_FALSE(PrintPage(surface, "VP1", false));
    EXPECT_TRUE(StateSnapshot::Take() == before);
    ASSERT_EQ(collector.messages.size(), 1u);
    EXPECT_NE(collector.messages[0].find("VP1"), std::string::npos);
}

TEST_F(VarshphalPageTest, AYearBeforeTheBirthDrawsNothingAndChangesNothing)
{
    const StateSnapshot before = StateSnapshot::Take();
    OutputRun().VarshphalYear = 1979;
    for (int page = 1; page <= 4; ++page) {
        collector.messages.clear();
        EXPECT_TRUE(PrintPage(surface, "VP" + std::to_string(page), false));
        EXPECT_EQ(collector.messages, std::vector<std::string>{"Error:Can't predict before birth"});
    }
    EXPECT_TRUE(surface.Events().empty());
    EXPECT_TRUE(StateSnapshot::Take() == before);
}

TEST_F(VarshphalPageTest, TheYearChartIsCastForTheYearStart)
{
    OutputRun().VarshphalYear = 2026;
    const auto start = FindYearStart(Native(), 2026, 0, true);
    ASSERT_TRUE(start);
    const double birthSun = Chart().PlanetLongitudes[Sun];

    VarshphalPage(surface, RunContext(), 1);
    const BirthRecord yearStart = YearStartRecord(Native(), *start);
    const std::vector<std::string> table = tableTexts(yearStart);
    EXPECT_EQ(firstTexts(table.size()), table);
    EXPECT_NE(table, tableTexts(Native()));
    EXPECT_NEAR(std::remainder(chartOf(yearStart).PlanetLongitudes[Sun] - birthSun, 360.0), 0, 2e-4);

    const std::string date = ZeroPad(start->day, 2) + "-" + ZeroPad(start->month, 2) + "-" +
                             std::to_string(start->year);
    const std::string time = ZeroPad(start->hour, 2) + ":" + ZeroPad(start->minute, 2) + ":" +
                             ZeroPad(start->second, 2);
    const auto headings = surface.TextsContaining("VARSHPHALDEG (2026  " + date + " " + time + " _");
    ASSERT_EQ(headings.size(), 1u);
    EXPECT_TRUE(headings[0].font.Bold);
    EXPECT_TRUE(surface.FindText("_VARSHTARVIK"));
    // The birth ascendant (Virgo) moved on by 46 signs.
    const RecordedText* muntha = surface.FindText("MUNTHAIN  4");
    ASSERT_TRUE(muntha);
    EXPECT_GT(muntha->y, headings[0].y);
}

// In the birth year the year chart is the birth chart.
TEST_F(VarshphalPageTest, TheBirthYearsChartIsTheBirthChart)
{
    OutputRun().VarshphalYear = 1980;
    VarshphalPage(surface, RunContext(), 1);
    const std::vector<std::string> table = tableTexts(Native());
    EXPECT_EQ(firstTexts(table.size()), table);
    EXPECT_TRUE(surface.FindText("MUNTHAIN  6"));
}

// The periods each page prints, each headed by its lord and dates and
// followed by the text of its lord in its house of the year chart.
TEST_F(VarshphalPageTest, PeriodPagesPrintTheirLordsInTheirHouses)
{
    OutputRun().VarshphalYear = 2026;
    const auto start = FindYearStart(Native(), 2026, 0, true);
    ASSERT_TRUE(start);
    const int startLord = MuddaStartLord(Chart().PlanetLongitudes[Moon], start->completedYears);

    // The year chart, to count the houses from.
    const ChartState year = chartOf(YearStartRecord(Native(), *start));
    const int ascendantSign = static_cast<int>(year.HouseCusps[1] / 30) + 1;

    // The year closes the day before the next one begins.
    const auto next = FindYearStart(Native(), 2027, 0, true);
    ASSERT_TRUE(next);
    const auto periods = MuddaPeriods(startLord, start->day, start->month, start->year,
                                      DayNumber(next->day, next->month, next->year) - 1);
    std::size_t period = 0;
    for (int page : {2, 3}) {
        SCOPED_TRACE(page);
        surface.ClearLog();
        VarshphalPage(surface, RunContext(), page);
        const auto headings = surface.TextsContaining("INFLUENCEOF");
        ASSERT_EQ(headings.size(), page == 2 ? 5u : 4u);
        for (const RecordedText& h : headings) {
            const MuddaPeriod& p = periods[period++];
            const int position = MuddaLords[p.lord].position;
            const double longitude = year.PlanetLongitudes[BodyDisplayOrder[position]];
            const int house = HouseOfSign(static_cast<int>(longitude / 30) + 1, ascendantSign);
            EXPECT_EQ(h.text, MuddaHeading(p.lord, p.firstDay, p.lastDay, house, Texts(OutputRun().Choices())));
            EXPECT_TRUE(h.font.Bold);
            EXPECT_TRUE(surface.FindText(VarshphalTextKey(position, house))) << h.text;
        }
    }
    EXPECT_EQ(period, 9u);
    // The first period opens the year on the day of its start.
    EXPECT_EQ(periods[0].firstDay, DayNumber(start->day, start->month, start->year));
}

// The years of a life meet: the first period of a year opens on the day the
// year begins, and its ninth closes the day before the next year begins. A
// birth on 29 February at 64N50, whose years begin on 28 February, 29
// February or 1 March, and a birth of 15 August, over runs of years with
// leap years among them.
TEST_F(VarshphalPageTest, EachYearEndsTheDayBeforeTheNextBegins)
{
    const struct {
        const char* what;
        BirthRecord birth;
        int firstYear, lastYear;
    } cases[] = {
        {"29-02-2184 at 64N50", MovedTo(DelhiBirth(29, 2, 2184, 12, 0, 0), 64, 50, "N", 147, 43, "W", -135),
         2185, 2193},
        {"15-08-1980 at Delhi", DelhiBirth(15, 8, 1980, 10, 30), 2020, 2028},
        // The last year the program takes closes on the return after it.
        {"15-08-2150 at Delhi", DelhiBirth(15, 8, 2150, 10, 30), 2199, 2199},
    };
    const std::regex dates(R"((\d\d-\d\d-\d{4}) to (\d\d-\d\d-\d{4}))", std::regex::icase);
    const auto dateOf = [](int dayNumber) {
        const CalendarDate d = DateOfDayNumber(dayNumber);
        return ZeroPad(d.day, 2) + "-" + ZeroPad(d.month, 2) + "-" + ZeroPad(d.year, 4);
    };
    for (const auto& c : cases) {
        stand(c.birth);
        for (int y = c.firstYear; y <= c.lastYear; ++y) {
            SCOPED_TRACE(std::string(c.what) + ", year " + std::to_string(y));
            const auto start = FindYearStart(Native(), y, 0, true);
            const auto next = FindYearStart(Native(), y + 1, 0, true);
            ASSERT_TRUE(start && next);
            OutputRun().VarshphalYear = y;
            std::vector<std::pair<std::string, std::string>> periods;
            for (int page : {2, 3}) {
                surface.ClearLog();
                VarshphalPage(surface, RunContext(), page);
                for (const RecordedText& h : surface.TextsContaining("INFLUENCEOF")) {
                    std::smatch m;
                    ASSERT_TRUE(std::regex_search(h.text, m, dates)) << h.text;
                    periods.emplace_back(m[1], m[2]);
                }
            }
            ASSERT_EQ(periods.size(), 9u);
            EXPECT_EQ(periods.front().first, dateOf(DayNumber(start->day, start->month, start->year)));
            EXPECT_EQ(periods.back().second, dateOf(DayNumber(next->day, next->month, next->year) - 1));
        }
    }
}

TEST_F(VarshphalPageTest, TheFourthPageIsOnlyTheFrame)
{
    OutputRun().VarshphalYear = 2000;
    VarshphalPage(surface, RunContext(), 4);
    RecordingSurface frameOnly;
    PrintPageFrame(frameOnly, RunContext());
    EXPECT_EQ(surface.TextStrings(), frameOnly.TextStrings());
    EXPECT_EQ(surface.Lines().size(), frameOnly.Lines().size());
}

TEST_F(VarshphalPageTest, HeadingsInBothLanguages)
{
    const int first = DayNumber(16, 8, 2026), last = DayNumber(3, 9, 2026);
    EXPECT_EQ(MuddaHeading(1, first, last, 5, Texts(OutputRun().Choices())),
              "INFLUENCEOF _RAVI FROM 16-08-2026 TO 03-09-2026. VARSHLAGNA _RAVI INHOUSE 5");
    ApplyDisplayConventions(true);
    EXPECT_EQ(MuddaHeading(9, first, last, 12, Texts(OutputRun().Choices())),
              "16-08-2026 hi:FROM 03-09-2026 hi:TO hi:_SHUKRA hi:INFLUENCEOF hi:VARSHLAGNA "
              "hi:_SHUKRA hi:BHAV 12 hi:INHOUSE");
}

TEST_F(VarshphalPageTest, AMissingTextIsReportedAndTheHeadingStillPrinted)
{
    for (int h = 1; h <= 12; ++h)
        for (int p = 2; p <= 10; ++p)
            source.missing.insert(VarshphalTextKey(p, h));
    OutputRun().VarshphalYear = 2026;
    VarshphalPage(surface, RunContext(), 2);
    EXPECT_EQ(surface.TextsContaining("INFLUENCEOF").size(), 5u);
    ASSERT_EQ(collector.messages.size(), 5u);
    EXPECT_EQ(collector.messages[0].rfind("Not Found:X", 0), 0u);
    EXPECT_EQ(collector.messages[0].size(), std::string("Not Found:").size() + 10);
}

// ---- The paragraph of one period ----

TEST_F(VarshphalPageTest, ParagraphIndentedUnderItsBoldHeading)
{
    const int left = Config().LeftMarginTwips;
    const double step = OutputRun().LineStep;
    const struct {
        const char* text;
        std::vector<std::string> lines;   // the pieces in order
    } cases[] = {
        {"One paragraph.", {"One paragraph."}},
        {"First.\r\nSecond.", {"First.", "Second."}},
        {"First.\nSecond.", {"First.", "Second."}},
        {"First.\r\n\r\nThird.", {"First.", "", "Third."}},   // an empty line between
        {"", {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        surface = RecordingSurface();
        surface.CurrentY = 2000;
        PrintVarshParagraph(surface, RunContext().layout, c.text, "Heading");
        const RecordedText* heading = surface.FindText("Heading");
        ASSERT_TRUE(heading);
        EXPECT_EQ(heading->x, left);
        EXPECT_EQ(heading->y, 2000);
        EXPECT_TRUE(heading->font.Bold);

        double y = 2000 + step;
        for (const std::string& line : c.lines) {
            if (!line.empty()) {
                const RecordedText* t = surface.FindText(line);
                ASSERT_TRUE(t) << line;
                EXPECT_EQ(t->x, left + 500);
                EXPECT_EQ(t->y, y);
                EXPECT_FALSE(t->font.Bold);
            }
            y += step;
        }
        EXPECT_EQ(surface.CurrentY, y + 2 * step);
        EXPECT_FALSE(surface.Font.Bold);
        EXPECT_EQ(surface.Font.Size, OutputRun().BodyFontSize);
        EXPECT_EQ(surface.TextsContaining("\r").size() + surface.TextsContaining("\n").size(), 0u);
    }
}

TEST_F(VarshphalPageTest, CompactParagraphStartsAtTheMarginWithOneLineAfter)
{
    surface.CurrentY = 3000;
    PrintVarshParagraph(surface, RunContext().layout, "Text.", "Heading", true);
    const RecordedText* text = surface.FindText("Text.");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->x, Config().LeftMarginTwips);
    EXPECT_EQ(surface.CurrentY, 3000 + 3 * OutputRun().LineStep);
}

} // namespace
