// Sade Sati periods from Saturn's sign changes: forward passages, the
// retrograde loops at their ends, births inside a passage; the table of the
// reference database and the first page drawn from it.

#include "calc/CalcFixture.h"
#include "calc/Chart.h"
#include "calc/RunCopies.h"
#include "core/Reporter.h"
#include "registry/PageDispatcher.h"
#include "pages/RecordingSurface.h"
#include "readings/ReadingPagesFixture.h"
#include "readings/MarsHouses.h"
#include "readings/SadeSati.h"
#include "refdata/RefdataFixture.h"

#include <gtest/gtest.h>

#include <regex>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

enum : int { Aries = 1, Taurus, Gemini, Cancer, Leo, Virgo, Libra, Scorpio, Sagittarius,
             Capricorn, Aquarius, Pisces };

using Ingresses = std::vector<SaturnIngress>;
using Periods = std::vector<SadeSatiPeriod>;

// A Moon in Taurus: the Sade Sati runs from Saturn's entry into Aries to its
// entry into Cancer.
TEST(SadeSatiPeriods, PassagesWithTheirRetrogradeLoops)
{
    const Ingresses forward = {{100, Aries}, {200, Taurus}, {300, Gemini}, {400, Cancer}, {500, Leo}};
    const Ingresses loopAtStart = {{100, Aries}, {150, Pisces}, {180, Aries}, {200, Taurus},
                                   {300, Gemini}, {400, Cancer}, {500, Leo}};
    const Ingresses loopAtEnd = {{100, Aries}, {200, Taurus}, {300, Gemini}, {400, Cancer},
                                 {450, Gemini}, {480, Cancer}, {500, Leo}};
    const Ingresses loopBeyond = {{100, Aries}, {200, Taurus}, {300, Gemini}, {400, Cancer},
                                  {500, Leo},   {550, Cancer}, {600, Leo}};
    const Ingresses twoRounds = {{100, Aries},  {150, Pisces},  {180, Aries},  {200, Taurus},
                                 {300, Gemini}, {400, Cancer},  {1100, Aries}, {1200, Taurus},
                                 {1300, Gemini}, {1400, Cancer}, {1500, Leo}};
    const struct {
        const char* what;
        Ingresses ingresses;
        int afterDay;
        Periods periods;
    } cases[] = {
        {"through three signs", forward, 0, {{100, 400}}},
        {"a step back before the first sign is done", loopAtStart, 0, {{100, 400}}},
        {"a step back into the Moon's next sign", loopAtEnd, 0, {{100, 480}}},
        {"a loop beyond the three signs", loopBeyond, 0, {{100, 400}}},
        {"born inside: running at birth, the re-entry begins nothing", twoRounds, 160,
         {{100, 400}, {1100, 1400}}},
        {"begun on the birth day", forward, 100, {{100, 400}}},
        {"begun the day after", forward, 99, {{100, 400}}},
        {"begun before birth, ended after", forward, 300, {{100, 400}}},
        {"ended on the birth day", forward, 400, {}},
        {"ended the day before", forward, 401, {}},
        {"the rows end inside", Ingresses(forward.begin(), forward.begin() + 3), 0, {}},
        {"the rows end on the closing entry", Ingresses(forward.begin(), forward.begin() + 4), 0,
         {{100, 400}}},
        {"the rows end after a step back", Ingresses(loopAtEnd.begin(), loopAtEnd.begin() + 5), 0,
         {}},
        {"no entry into the sign before", Ingresses(forward.begin() + 1, forward.end()), 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SadeSatiPeriods(c.ingresses, Taurus, c.afterDay), c.periods);
    }
}

// Saturn forward through the zodiac three times: for every Moon sign each
// period opens on the sign before the Moon's and closes on the second after
// it, three signs later; at most six are listed.
TEST(SadeSatiPeriods, EveryMoonSignFromTheSignBeforeToTheSecondAfter)
{
    constexpr int Step = 900;
    Ingresses rounds;
    for (int i = 0; i < 12 * 8; ++i)
        rounds.push_back({1000 + Step * i, i % 12 + 1});
    auto signOn = [&](int day) { return ((day - 1000) / Step) % 12 + 1; };
    for (int moon = Aries; moon <= Pisces; ++moon) {
        SCOPED_TRACE(moon);
        const Periods periods = SadeSatiPeriods(rounds, moon, 0);
        ASSERT_EQ(periods.size(), 6u);
        for (const SadeSatiPeriod& p : periods) {
            EXPECT_EQ(signOn(p.startDay), moon == Aries ? Pisces : moon - 1);
            EXPECT_EQ(signOn(p.endDay), (moon + 1) % 12 + 1);
            EXPECT_EQ(p.endDay - p.startDay, 3 * Step);
        }
        EXPECT_EQ(SadeSatiPeriods(rounds, moon, 0, 2).size(), 2u);
    }
}

TEST(SadeSatiPeriods, DateText)
{
    ResetProgramState();
    EXPECT_EQ(IngressDateText(DayNumber(24, 1, 2020), OutputRun().Choices()), "24-01-2020");
    EXPECT_EQ(IngressDateText(DayNumber(5, 11, 1899), OutputRun().Choices()), "05-11-1899");
}

class SaturnTable : public OpenDeliveredDatabases {};

// The delivered table: in date order, one sign on from the sign before, forward
// or back (a loop never spans a whole sign).
TEST_F(SaturnTable, SignChangesStepOneSignAtATime)
{
    const Ingresses rows = ReadSaturnIngresses(DataConnection());
    ASSERT_GT(rows.size(), 200u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_LT(rows[i - 1].dayNumber, rows[i].dayNumber);
        const int step = (rows[i].sign - rows[i - 1].sign + 12) % 12;
        EXPECT_TRUE(step == 1 || step == 11) << IngressDateText(rows[i].dayNumber, OutputRun().Choices());
    }
}

TEST(SaturnTableRead, RowsAreOrderedAndABadRowIsRefused)
{
    ScratchFolder folder;
    folder.Write("reference.db", "");
    Database db(folder.File("reference.db"), OpenMode::ReadWrite);
    db.Execute("CREATE TABLE period (\"Date\" TEXT, lvm TEXT);"
               "INSERT INTO period VALUES ('2022-04-29', 'Aquarius'), ('2020-01-24', 'capricorn'),"
               " ('2022-07-12', 'CAP');");
    const Ingresses rows = ReadSaturnIngresses(db);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].dayNumber, DayNumber(24, 1, 2020));
    EXPECT_EQ(rows[0].sign, Capricorn);
    EXPECT_EQ(rows[1].sign, Aquarius);
    EXPECT_EQ(rows[2].sign, Capricorn);

    for (const char* bad : {"('2023-02-30', 'Aquarius')", "('2023-01-17', 'Aq')",
                            "('17/01/2023', 'Aquarius')", "('', 'Aquarius')"}) {
        db.Execute("DELETE FROM period WHERE lvm = 'Aquarius' OR lvm = 'Aq';");
        db.Execute(std::string("INSERT INTO period VALUES ") + bad + ";");
        EXPECT_THROW(ReadSaturnIngresses(db), std::runtime_error) << bad;
    }
    // NULLs, and a table without rows, which would read as a life without Sade Sati.
    for (const char* bad : {"(NULL, 'Aquarius')", "('2023-01-17', NULL)"}) {
        db.Execute("DELETE FROM period;");
        db.Execute(std::string("INSERT INTO period VALUES ") + bad + ";");
        EXPECT_THROW(ReadSaturnIngresses(db), std::runtime_error) << bad;
    }
    db.Execute("DELETE FROM period;");
    EXPECT_THROW(ReadSaturnIngresses(db), std::runtime_error);
}

// Without the reference database the page is given up with a message.
TEST(SadeSatiPageAlone, WithoutTheReferenceDatabaseThePageIsAbandoned)
{
    ResetProgramState();
    CollectingReporter collector;
    ScopedReporter scope{collector};
    RecordingSurface surface;
    EXPECT_FALSE(PrintPage(surface, "Sade1", false));
    ASSERT_FALSE(collector.messages.empty());
    EXPECT_NE(collector.messages.back().find("\"Sade1\" could not be drawn"), std::string::npos)
        << collector.messages.back();
    EXPECT_TRUE(PrintPage(surface, "Sade2", false));
}

class SadeSatiPage : public DeliveredReadingPages {
protected:
    std::vector<std::string> periodLines(double moon, int day, int month, int year, bool hindi)
    {
        ApplyDisplayConventions(hindi);
        Native() = tarvik::testing::DelhiBirth(day, month, year);
        Births().BirthMoon = moon;
        RecordingSurface surface;
        EXPECT_TRUE(PrintPage(surface, "Sade1", false));
        EXPECT_TRUE(collector.messages.empty());
        static const std::regex period(R"(\d\d-\d\d-\d{4} (to|से) \d\d-\d\d-\d{4})");
        std::vector<std::string> lines;
        for (const RecordedText& t : surface.Texts())
            if (std::regex_search(t.text, period))
                lines.push_back(t.text);
        return lines;
    }
};

TEST_F(SadeSatiPage, PeriodsAfterBirthFromTheMoonSign)
{
    // Moon in Aquarius: Capricorn entered in 2020; Aries first in June 2027,
    // but Saturn steps back into Pisces and enters Aries for good in 2028.
    std::vector<std::string> lines = periodLines(310, 1, 1, 2000, false);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "From 24-01-2020 to 23-02-2028");
    EXPECT_LE(lines.size(), 6u);

    // Moon in Capricorn, born in March 2017 after Saturn's entry into
    // Sagittarius: the Sade Sati running at birth comes first; its re-entry
    // that October opens no period of its own.
    lines = periodLines(280, 1, 3, 2017, false);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 16), "From 26-01-2017 ");
    EXPECT_EQ(lines[1], "From 08-12-2046 to 05-02-2055");

    // The same in Hindi, in its own words.
    lines = periodLines(310, 1, 1, 2000, true);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "24-01-2020 से 23-02-2028 तक");
}

TEST_F(SadeSatiPage, BirthsAtBothEndsOfTheAcceptedYears)
{
    // The table reaches from before the first accepted birth to a lifetime
    // after the last.
    // Born on 1 January 1800, Moon in Capricorn: Saturn enters Sagittarius
    // in 1811 and Pisces for good in 1819.
    std::vector<std::string> lines = periodLines(280, 1, 1, 1800, false);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "From 09-01-1811 to 15-03-1819");
    // Born on 31 December 2199, Moon in Leo: Cancer in 2210, Libra in 2218,
    // and three passages more before the table ends.
    lines = periodLines(130, 31, 12, 2199, false);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "From 01-10-2210 to 26-08-2218");
}

// Born on 02-04-1821 at Jaipur with Saturn in the Moon's sign (Pisces):
// the list starts with the passage Saturn began in 1816 by entering
// Aquarius, before the next one of 1846.
TEST_F(SadeSatiPage, ThePassageRunningAtBirthFirst)
{
    for (bool hindi : {false, true}) {
        SCOPED_TRACE(hindi ? "hi" : "en");
        PrepareRun({.native = {MovedTo(DelhiBirth(2, 4, 1821, 6, 0, 0), 26, 55, "N", 75, 49, "E", 82.5)},
                    .hindi = hindi});
        ASSERT_EQ(SignOfLongitude(Births().BirthMoon), Pisces);
        RecordingSurface surface;
        ASSERT_TRUE(PrintPage(surface, "Sade1", false));
        EXPECT_TRUE(collector.messages.empty());
        static const std::regex period(R"(\d\d-\d\d-\d{4} (to|से) \d\d-\d\d-\d{4})");
        std::vector<std::string> starts;
        for (const RecordedText& t : surface.Texts()) {
            std::smatch m;
            if (std::regex_search(t.text, m, period))
                starts.push_back(m.str().substr(0, 10));
        }
        ASSERT_GE(starts.size(), 2u);
        EXPECT_EQ(starts[0], "05-04-1816");
        EXPECT_EQ(starts[1], "13-02-1846");
    }
}

TEST_F(SadeSatiPage, SixPeriodsAtMost)
{
    // Born in 1852, a Moon in Leo sees more passages than the six listed.
    const std::vector<std::string> lines = periodLines(130, 1, 1, 1852, false);
    EXPECT_EQ(lines.size(), 6u);
}

} // namespace
