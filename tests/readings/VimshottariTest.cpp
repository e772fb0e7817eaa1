#include "pages/PageTestSupport.h"

#include "calc/NameTables.h"
#include "panchang/Vimshottari.h"

#include <cmath>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

constexpr int KetuLord = 0, VenusLord = 1, MoonLord = 3, JupiterLord = 6, MercuryLord = 8;

// The lord and the years run and still to run at a start longitude.
TEST(VimshottariAtBirth, LordAndBalanceAlongTheCycle)
{
    const struct {
        double longitude;
        int lord;
        double elapsed;
        double balance;
    } cases[] = {
        {0, KetuLord, 0, 7},                          // start of Ashvini: the whole of Ketu
        {20.0 / 3, KetuLord, 3.5, 3.5},               // half of Ashvini
        {119.999, MercuryLord, 17 - 0.001275, 0.001275},  // the last of Ashlesha
        {120, KetuLord, 0, 7},                        // Magha begins the cycle again
        {240, KetuLord, 0, 7},
        {360, KetuLord, 0, 7},                        // reduced into the circle
        // An exact nakshatra start is the new lord's, whole (a count of the
        // cycle by thirds of 120 degrees falls a hair short here).
        {160, MoonLord, 0, 10},                       // Hasta
        {320, JupiterLord, 0, 16},                    // Purva Bhadrapada
        {40.0 / 3, VenusLord, 0, 20},                 // Bharani
        {-0.5, MercuryLord, 17 * (1 - 0.0375), 17 * 0.0375},  // Revati, just before 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.longitude);
        const DashaAtBirth d = VimshottariAtBirth(c.longitude);
        EXPECT_EQ(d.lord, c.lord);
        EXPECT_NEAR(d.elapsed, c.elapsed, 1e-9);
        EXPECT_NEAR(d.balance, c.balance, 1e-9);
    }
}

// Over the whole circle: the lord is the nakshatra's, the two parts make its
// period, and the balance falls from the whole period at a nakshatra's start
// towards nothing at its end.
TEST(VimshottariAtBirth, EveryNakshatraRunsItsLordsPeriodDown)
{
    constexpr double Span = 40.0 / 3;
    for (int n = 1; n <= 27; ++n) {
        const int lord = (n - 1) % 9;
        const double years = DashaYears[lord];
        const double start = (n - 1) * Span;
        double previous = years + 1;
        for (double part : {0.0, 0.25, 0.5, 0.75, 0.999999}) {
            const DashaAtBirth d = VimshottariAtBirth(start + part * Span);
            SCOPED_TRACE(std::to_string(n) + " at " + std::to_string(part));
            EXPECT_EQ(d.lord, lord);
            EXPECT_NEAR(d.elapsed + d.balance, years, 1e-9);
            EXPECT_NEAR(d.balance, years * (1 - part), 1e-6);
            EXPECT_LT(d.balance, previous);
            previous = d.balance;
        }
    }
}

TEST(VimshottariAtBirth, StartsFromTheMoonTheSunOrTheAscendant)
{
    ChartState chart;
    chart.PlanetLongitudes[Moon] = 10;
    chart.PlanetLongitudes[Sun] = 20;
    chart.HouseCusps[1] = 30;
    EXPECT_EQ(DashaStartLongitude(chart, false, false), 10);
    EXPECT_EQ(DashaStartLongitude(chart, false, true), 20);
    EXPECT_EQ(DashaStartLongitude(chart, true, false), 30);
    EXPECT_EQ(DashaStartLongitude(chart, true, true), 30);   // the ascendant is asked first
}

// Years, months of 30 days and days, to the nearest day, each part carried.
TEST(DashaDuration, DecodedWithCarries)
{
    const struct {
        double years;
        DashaDuration expected;
    } cases[] = {
        {7, {7, 0, 0}},
        {0, {0, 0, 0}},
        {3.5, {3, 6, 0}},
        {1 + 45.0 / 360, {1, 1, 15}},
        {16 + 359.6 / 360, {17, 0, 0}},   // 359.6 days are a whole year, not 11 months 30 days
        {2 + 29.7 / 360, {2, 1, 0}},      // 29.7 days are a month, not 30 days
        {11.0 / 12 + 29.6 / 360, {1, 0, 0}},  // never 12 months
        {0.4 / 360, {0, 0, 0}},
        {-1e-12, {0, 0, 0}},              // a hair below nothing is nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.years);
        EXPECT_EQ(DecodeDuration(c.years), c.expected);
    }
}

class BalanceOfDasha : public PageTest {};

// The lord's full name (not the chart label) and the decoded balance.
TEST_F(BalanceOfDasha, NamesTheLordInFullAndTheBalance)
{
    const struct {
        double moon;
        const char* english;
    } cases[] = {
        {0, "_KETU 7 YEARS 0 _MONTH 0 DAYS"},
        {160, "_CHANDRA 10 YEARS 0 _MONTH 0 DAYS"},
        {168.0286, "_CHANDRA 3 YEARS 11 _MONTH 22 DAYS"},
        {119.999, "_BUDHA 0 YEARS 0 _MONTH 0 DAYS"},
        {340, "_SANI 9 YEARS 6 _MONTH 0 DAYS"},     // half of Uttara Bhadrapada
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.moon);
        EXPECT_EQ(BalanceText(VimshottariAtBirth(c.moon), Texts(false)), c.english);
    }
    EXPECT_EQ(BalanceText(VimshottariAtBirth(0), Texts(true)), "hi:_KETU 7 hi:YEARS 0 hi:_MONTH 0 hi:DAYS");
    const char* fullNames[] = {"_KETU", "_SHUKRA", "_RAVI", "_CHANDRA", "_MANGAL",
                               "_RAHU", "_GURU", "_SANI", "_BUDHA"};
    for (int lord = 0; lord < 9; ++lord)
        EXPECT_EQ(DashaLordKey(lord), fullNames[lord]) << lord;
    EXPECT_TRUE(collector.messages.empty());
}

// The balance is a plain function of the chart: from the Moon, the Sun or
// the ascendant as asked.
TEST_F(BalanceOfDasha, BalanceOfEachStartLongitude)
{
    ChartState& chart = Chart();
    chart.PlanetLongitudes[Moon] = 0;
    chart.PlanetLongitudes[Sun] = 160;
    chart.HouseCusps[1] = 320;
    const auto balance = [&](bool fromAscendant, bool fromSun) {
        return BalanceText(VimshottariAtBirth(DashaStartLongitude(chart, fromAscendant, fromSun)), Texts(false));
    };
    EXPECT_EQ(balance(false, false), "_KETU 7 YEARS 0 _MONTH 0 DAYS");
    EXPECT_EQ(balance(false, true), "_CHANDRA 10 YEARS 0 _MONTH 0 DAYS");
    EXPECT_EQ(balance(true, false), "_GURU 16 YEARS 0 _MONTH 0 DAYS");
}

} // namespace
