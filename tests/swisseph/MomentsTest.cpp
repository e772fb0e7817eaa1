// Moments found from the positions, against the same moments found from
// Swiss Ephemeris: the year starts (the Sun's return), Saturn's sign entries
// of the reference table and the ends of the panchang's elements.

#include "SwissReference.h"

#include "calc/CalcFixture.h"

#include "calc/Angles.h"
#include "panchang/Elements.h"
#include "panchang/EndTimes.h"
#include "panchang/HinduCalendar.h"
#include "readings/YearStart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace tarvik;
using namespace tarvik::swiss;

namespace {

constexpr double Second = 1.0 / 86400;

// The Julian day (UT) of a clock time of a zone on a date.
double julianDayOf(const CivilDate& date, int hour, int minute, int second, double zoneHours)
{
    return JulianDayOf(DayNumber(date), (hour + minute / 60.0 + second / 3600.0 - 12 - zoneHours) / 24);
}

// The moment in (lo, hi] at which `crossed` turns true, to a thousandth of
// a second.
double firstMomentOf(double lo, double hi, const std::function<bool(double)>& crossed)
{
    while (hi - lo > Second / 1000) {
        const double mid = (lo + hi) / 2;
        (crossed(mid) ? hi : lo) = mid;
    }
    return hi;
}

// Whole seconds of UT from the Julian day 0: the first whole second at or
// after a moment.
long long wholeSecondAtOrAfter(double jd) { return static_cast<long long>(std::ceil(jd * 86400 - 1e-6)); }
long long wholeSecondOf(double jd) { return std::llround(jd * 86400); }

const char* const ChoiceNames[] = {"N.C. Lahiri", "K.P.", "B.V. Raman"};

} // namespace

TEST(SwissMoments, YearStartsAreTheSunsReturnToTheSecond)
{
    // The year start is the first whole second at which the Sun is back at
    // its longitude of birth; Swiss Ephemeris's return, taken to the next
    // whole second, is the same second.
    SwissEphemeris swiss;
    std::mt19937_64 random(2500);
    double worst = 0;
    std::string worstAt;
    int sameSecond = 0;
    for (int i = 0; i < 90; ++i) {
        const BirthRecord birth = RandomBirth(random);
        const int choice = i % 3;
        std::uniform_int_distribution<int> years(birth.Year + 1, std::min(2199, birth.Year + 100));
        const int year = years(random);
        const std::optional<YearStart> start = FindYearStart(birth, year, choice, true);
        ASSERT_TRUE(start);
        const double ours = julianDayOf(start->Date(), start->hour, start->minute, start->second, birth.ZoneHours);
        const double born = julianDayOf(birth.Date(), birth.Hour, birth.Minute, birth.Second, birth.ZoneHours);
        const double target = swiss.Longitude(SE_SUN, born, choice);
        const double reference = firstMomentOf(ours - 120 * Second, ours + 120 * Second, [&](double jd) {
            return std::remainder(swiss.Longitude(SE_SUN, jd, choice) - target, 360.0) >= 0;
        });
        const double apart = (ours - reference) * 86400;
        if (std::fabs(apart) > std::fabs(worst)) {
            worst = apart;
            worstAt = std::to_string(year) + " of a birth of " + std::to_string(birth.Day) + "-" +
                      std::to_string(birth.Month) + "-" + std::to_string(birth.Year) + ", " + ChoiceNames[choice];
        }
        const long long seconds = wholeSecondOf(ours) - wholeSecondAtOrAfter(reference);
        sameSecond += seconds == 0;
        EXPECT_LE(std::llabs(seconds), 1) << worstAt;
    }
    std::printf("year starts: %d of 90 on Swiss Ephemeris's second, the others one off; worst %.3f s from its "
                "return (%s)\n", sameSecond, worst, worstAt.c_str());
}

TEST(SwissMoments, SaturnEntersEachSignOnSwissEphemerisDates)
{
    // Every entry of data/reference/period.csv, and no other, on the Indian
    // Standard Time date Swiss Ephemeris gives (its analytical ephemeris
    // before 1800, where its files end). A station is looked for in every day
    // by the sign of the speed, so that a re-entry of hours is found too.
    const char* root = std::getenv("TARVIK_SOURCE_DIR");
    std::ifstream file(std::string(root ? root : ".") + "/data/reference/period.csv");
    std::string line;
    std::getline(file, line);
    std::vector<std::string> table;
    while (std::getline(file, line))
        table.push_back(line);
    ASSERT_GT(table.size(), 400u);

    SwissEphemeris swiss;
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    auto saturn = [](double jd, double* speed = nullptr) {
        double x[6];
        char error[AS_MAXCH];
        swe_calc_ut(jd, SE_SATURN, SEFLG_SWIEPH | SEFLG_SIDEREAL | SEFLG_SPEED, x, error);
        if (speed)
            *speed = x[3];
        return x[0];
    };
    auto sign = [&](double jd) { return static_cast<int>(saturn(jd) / 30) % 12; };
    const char* const Signs[12] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                   "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    std::vector<std::string> reference;
    const double from = julianDayOf({1, 1, 1790}, 0, 0, 0, 0) - 1, to = julianDayOf({31, 12, 2330}, 0, 0, 0, 0) + 1;
    for (double day = from; day < to; day += 1) {
        double v0 = 0, v1 = 0;
        saturn(day, &v0);
        saturn(day + 1, &v1);
        std::vector<double> marks = {day};
        if ((v0 > 0) != (v1 > 0))
            marks.push_back(firstMomentOf(day, day + 1, [&](double jd) {
                double v = 0;
                saturn(jd, &v);
                return (v > 0) != (v0 > 0);
            }));
        marks.push_back(day + 1);
        for (std::size_t k = 0; k + 1 < marks.size(); ++k) {
            const int before = sign(marks[k]);
            if (sign(marks[k + 1]) == before)
                continue;
            const double at = firstMomentOf(marks[k], marks[k + 1], [&](double jd) { return sign(jd) != before; });
            const CivilDate ist = DateOfDayNumber(static_cast<int>(std::floor(at + 0.5 + 5.5 / 24 - EpochJulianDay)) +
                                                  EpochDayNumber);
            if (ist.year < 1790 || ist.year > 2330)
                continue;
            char row[40];
            std::snprintf(row, sizeof row, "%04d-%02d-%02d,%s", ist.year, ist.month, ist.day, Signs[sign(marks[k + 1])]);
            reference.push_back(row);
        }
    }
    std::printf("Saturn's sign entries 1790-2330: %zu in the table, %zu from Swiss Ephemeris\n", table.size(),
                reference.size());
    EXPECT_EQ(table, reference);
}

TEST(SwissMoments, ThePanchangsElementsEndOnSwissEphemerisSeconds)
{
    // The first whole second of the next tithi, nakshatra, yoga and karana,
    // searched on the program's charts, is the one Swiss Ephemeris's Sun and
    // Moon give.
    SwissEphemeris swiss;
    std::mt19937_64 random(2600);
    double worst = 0;
    for (int i = 0; i < 24; ++i) {
        BirthRecord person = RandomBirth(random);
        RunChoices run;
        run.ayanamsaChoice = i % 3;
        for (Anga anga : {Anga::Tithi, Anga::Nakshatra, Anga::Yoga, Anga::Karana}) {
            const ElementEnd end = FindElementEnd(anga, person, person.Hour, person.Minute, person.Second, run);
            const CivilDate date = DateOfDayNumber(DayNumber(person.Date()) + end.days);
            const double ours = julianDayOf(date, end.hour, end.minute, end.second, person.ZoneHours);
            auto element = [&](double jd) {
                return AngaNumber(anga, swiss.Longitude(SE_MOON, jd, run.ayanamsaChoice),
                                  swiss.Longitude(SE_SUN, jd, run.ayanamsaChoice));
            };
            const double reference = firstMomentOf(ours - 60 * Second, ours + 60 * Second,
                                                   [&](double jd) { return element(jd) != end.number; });
            ASSERT_EQ(element(ours - 60 * Second), end.number);
            worst = std::max(worst, std::fabs(ours - reference) * 86400);
            EXPECT_LE(std::llabs(wholeSecondOf(ours) - wholeSecondAtOrAfter(reference)), 1)
                << person.Day << "-" << person.Month << "-" << person.Year << " " << static_cast<int>(anga);
        }
    }
    std::printf("element ends: worst %.3f s from Swiss Ephemeris's\n", worst);
}

TEST(SwissMoments, LunarMonthsFollowSwissEphemerisLunations)
{
    // Every lunation of a year, from Swiss Ephemeris's new moons and the sign
    // its Sun stands in at each: one in which the Sun enters no sign is added
    // (adhika) and named as the month after it; the others are named from the
    // sign the Sun enters. A birth in the middle of each lunation's bright
    // half (at Delhi) names the same month. Under each ayanamsa, in years
    // whose added month the zodiac decides (2064, 2143 and 2167 under K.P.).
    SwissEphemeris swiss;
    const char* const Names[12] = {"CHAITRA", "VAISAKHA", "JYAISTHA", "ASADHA", "SRAVANA", "BHADRA",
                                   "ASVINA", "KARTIKA", "MARGSHIRSH", "PAUSA", "MAGHA", "PHALGUNA"};
    int added = 0;
    for (int choice : {AyanamsaLahiri, AyanamsaKP, AyanamsaRaman})
        for (int year : {1823, 1915, 2023, 2064, 2143, 2167}) {
            auto elongation = [&](double jd) {
                return std::remainder(swiss.Longitude(SE_MOON, jd, choice) - swiss.Longitude(SE_SUN, jd, choice), 360.0);
            };
            auto sunSign = [&](double jd) { return static_cast<int>(swiss.Longitude(SE_SUN, jd, choice) / 30) % 12; };
            std::vector<double> newMoons;
            for (double day = julianDayOf({1, 1, year}, 0, 0, 0, 0); day < julianDayOf({1, 2, year + 1}, 0, 0, 0, 0); day += 1)
                if (elongation(day) < 0 && elongation(day + 1) >= 0)
                    newMoons.push_back(firstMomentOf(day, day + 1, [&](double jd) { return elongation(jd) >= 0; }));
            for (std::size_t k = 0; k + 1 < newMoons.size(); ++k) {
                const int first = sunSign(newMoons[k]), last = sunSign(newMoons[k + 1]);
                const bool adhika = first == last;
                added += adhika;
                // A quarter of the way into the lunation, in Indian time.
                const double middle = newMoons[k] + (newMoons[k + 1] - newMoons[k]) / 4 + 5.5 / 24;
                const CivilDate date = DateOfDayNumber(static_cast<int>(std::floor(middle + 0.5 - EpochJulianDay)) +
                                                       EpochDayNumber);
                const int seconds = static_cast<int>((middle + 0.5 - std::floor(middle + 0.5)) * 86400);
                const BirthRecord birth = tarvik::testing::DelhiBirth(date.day, date.month, date.year, seconds / 3600,
                                                                      seconds / 60 % 60, seconds % 60);
                RunChoices run;
                run.ayanamsaChoice = choice;
                EXPECT_EQ(LunarMonthAtBirth(birth, run), (LunarMonth{Names[(first + 1) % 12], adhika}))
                    << ChoiceNames[choice] << ", " << date.day << "-" << date.month << "-" << date.year;
            }
        }
    EXPECT_GE(added, 6);
}
