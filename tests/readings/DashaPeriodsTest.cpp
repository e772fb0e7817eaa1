// The period trees of the Vimshottari and Yogini dashas: every period's
// length from its lords' years, sub-periods filling their parent and
// starting with its lord, the periods running at birth.

#include "calc/DashaPeriods.h"
#include "panchang/Vimshottari.h"
#include "readings/Yogini.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>

using namespace tarvik;

namespace {

constexpr double Birth = 1990 + 5.0 / 12 + 17.0 / 360;
constexpr double Close = 1e-9;   // years

struct System {
    const char* name;
    DashaSystem system;
};
const System Systems[] = {{"Vimshottari", Vimshottari}, {"Yogini", Yogini}};

double cycleYears(const DashaSystem& s) { return std::accumulate(s.years.begin(), s.years.end(), 0.0); }

// Over several births in each system: a mahadasha lasts its lord's years;
// the sub-periods of every period start with its lord, go on round the
// cycle, each lasting the parent's length times its lord's share of the
// cycle, and together fill the parent from its start to its end.
TEST(DashaPeriods, SubPeriodsFillTheirPeriodInCycleOrder)
{
    for (const System& sys : Systems) {
        const DashaSystem& s = sys.system;
        const int lords = static_cast<int>(s.years.size());
        for (int firstLord : {0, 3, lords - 1}) {
            for (double part : {0.0, 0.37, 0.999}) {
                const double elapsed = s.years[firstLord] * part;
                const DashaPeriods tree(s, firstLord, elapsed, Birth);
                SCOPED_TRACE(std::string(sys.name) + " lord " + std::to_string(firstLord) +
                             " part " + std::to_string(part));

                const DashaPeriod first = tree.Period(DashaLevel::Maha, 0);
                EXPECT_EQ(first.lord, firstLord);
                EXPECT_NEAR(first.start, Birth - elapsed, Close);
                for (int k = 0; k < tree.Count(DashaLevel::Maha); ++k) {
                    const DashaPeriod maha = tree.Period(DashaLevel::Maha, k);
                    EXPECT_EQ(maha.lord, (firstLord + k) % lords);
                    EXPECT_NEAR(maha.end - maha.start, s.years[maha.lord], Close);
                }
                for (int level = 1; level < s.levels; ++level) {
                    const auto parentLevel = static_cast<DashaLevel>(level - 1);
                    const auto childLevel = static_cast<DashaLevel>(level);
                    for (int n = 0; n < tree.Count(parentLevel); ++n) {
                        const DashaPeriod parent = tree.Period(parentLevel, n);
                        double start = parent.start;
                        for (int j = 0; j < lords; ++j) {
                            const DashaPeriod child = tree.Period(childLevel, n * lords + j);
                            ASSERT_EQ(child.lord, (parent.lord + j) % lords) << n << " " << j;
                            ASSERT_NEAR(child.start, start, Close) << n << " " << j;
                            ASSERT_NEAR(child.end - child.start,
                                        (parent.end - parent.start) * s.years[child.lord] /
                                            cycleYears(s),
                                        Close)
                                << n << " " << j;
                            start = child.end;
                        }
                        ASSERT_NEAR(start, parent.end, Close) << n;
                    }
                }
            }
        }
    }
}

// Ten Vimshottari mahadashas reach beyond 120 years from birth; the first
// one ends at birth plus the balance.
TEST(DashaPeriods, VimshottariMahadashasFromBirth)
{
    const DashaAtBirth atBirth = VimshottariAtBirth(100);   // Purva Phalguni: Venus
    const DashaPeriods tree = VimshottariPeriods(atBirth, Birth);
    ASSERT_EQ(tree.Count(DashaLevel::Maha), 10);
    ASSERT_EQ(tree.Count(DashaLevel::Sookshma), 7290);
    EXPECT_NEAR(tree.Period(DashaLevel::Maha, 0).end, Birth + atBirth.balance, Close);
    EXPECT_GT(tree.Period(DashaLevel::Maha, 9).end, Birth + 120);
    EXPECT_LT(tree.Period(DashaLevel::Maha, 8).end, Birth + 120);
}

// The periods ended before birth come first; the first one that has not
// ended is the one running at birth, on every level; one ending exactly at
// birth is running at birth.
TEST(DashaPeriods, RunningAtBirth)
{
    // The first sookshma of a Ketu mahadasha lasts 7^4 units of 1/120^3 year.
    constexpr double FirstSookshma = 2401.0 / 1728000;
    const struct {
        double elapsed;
        int sookshma;   // running at birth
    } cases[] = {
        {0, 0},                           // the mahadasha begins at birth
        {FirstSookshma, 0},               // the first sookshma ends at birth
        {FirstSookshma + 1e-8, 1},        // and a moment later it has ended
        {3.5, -1},                        // half-way: found by the ends
        {7, 728},                         // the whole mahadasha has run: its last sookshma
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.elapsed);
        const DashaPeriods tree(Vimshottari, 0, c.elapsed, Birth);
        const int running = tree.RunningAtBirth(DashaLevel::Sookshma);
        if (c.sookshma >= 0) {
            EXPECT_EQ(running, c.sookshma);
        }
        for (int n = 0; n < tree.Count(DashaLevel::Sookshma); ++n) {
            const DashaPeriod p = tree.Period(DashaLevel::Sookshma, n);
            ASSERT_EQ(p.endedBeforeBirth, n < running) << n;
            if (n == running) {
                EXPECT_LE(p.start, Birth + Close);
                EXPECT_GE(p.end, Birth - Close);
            }
        }
        // Every level's running period holds the running sookshma.
        EXPECT_EQ(tree.RunningAtBirth(DashaLevel::Pratyantar), running / 9);
        EXPECT_EQ(tree.RunningAtBirth(DashaLevel::Antar), running / 81);
        EXPECT_EQ(tree.RunningAtBirth(DashaLevel::Maha), 0);
        EXPECT_FALSE(tree.Period(DashaLevel::Antar, running / 81).endedBeforeBirth);
        if (running >= 81) {
            EXPECT_TRUE(tree.Period(DashaLevel::Antar, running / 81 - 1).endedBeforeBirth);
        }
    }
}

TEST(DashaPeriods, BirthOnTheDecimalYearScale)
{
    EXPECT_DOUBLE_EQ(BirthDecimalYear(15, 3, 1990), 1990 + 3.0 / 12 + 15.0 / 360);
    EXPECT_DOUBLE_EQ(BirthDecimalYear(31, 12, 1999), 1999 + 1 + 31.0 / 360);
}

// The yogini at birth follows the Moon's nakshatra: Ashvini begins with
// Bhramari, and each nakshatra after moves on by one.
TEST(YoginiAtBirth, FromTheMoonsNakshatra)
{
    constexpr double Span = 40.0 / 3;
    for (int n = 1; n <= 27; ++n) {
        const int yogini = (n + 2) % 8;
        SCOPED_TRACE(n);
        const YoginiAtBirth start = YoginiAtMoon((n - 1) * Span);
        EXPECT_EQ(start.yogini, yogini);
        EXPECT_NEAR(start.elapsed, 0, 1e-9);
        const YoginiAtBirth late = YoginiAtMoon((n - 1 + 0.75) * Span);
        EXPECT_EQ(late.yogini, yogini);
        EXPECT_NEAR(late.elapsed, YoginiYears[yogini] * 0.75, 1e-9);
    }
    EXPECT_EQ(YoginiNames[YoginiAtMoon(0).yogini], "Bhramari");
    // At the very end of a nakshatra almost all of the yogini's years have run.
    EXPECT_NEAR(YoginiAtMoon(40.0 / 3 - 1e-9).elapsed, YoginiYears[3], 1e-8);
}

} // namespace
