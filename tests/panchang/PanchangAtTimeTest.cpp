// The panchang at a moment: its time scale, the one-step end times against
// the exact search, and the time texts.

#include "PanchangFixture.h"

#include "calc/Chart.h"
#include "panchang/EndTimes.h"
#include "panchang/PanchangAtTime.h"
#include "panchang/TimeText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

double secondsOf(const HMS& t) { return (t.hours * 60 + t.minutes) * 60 + t.seconds; }
double secondsOf(const ElementEnd& e) { return (e.Hours() * 60.0 + e.minute) * 60 + e.second; }

TEST(PanchangAtTime, EpochOfTheCenturies)
{
    // T of the moment, and Swiss Ephemeris's N.C. Lahiri ayanamsa (of the
    // true equinox) and true obliquity for it.
    const struct {
        double dayFraction;
        int year, month, day;
        double T, ayanamsa, obliquity;
    } cases[] = {
        {0, 2000, 1, 1, 1.0, 23.853222486, 23.437676716},
        {0, 1899, 12, 31, 0.0, 22.465329867, 23.451652097},
        {-0.5, 1900, 1, 1, 0.5 / 36525, 22.465373224, 23.451652700},
        {0, 2100, 1, 1, 2.0, 25.255196369, 23.428654338},
    };
    constexpr double TenthOfASecond = 0.1 / 3600;
    for (const auto& c : cases) {
        const EpochT e = CalcEpochT(c.dayFraction, c.year, c.month, c.day);
        EXPECT_NEAR(e.T, c.T, 1e-15) << c.year;
        EXPECT_NEAR(e.ayanamsa, c.ayanamsa, TenthOfASecond) << c.year;
        EXPECT_NEAR(e.obliquity, c.obliquity, TenthOfASecond) << c.year;
    }
}

TEST(PanchangAtTime, SunMoonAndMeanNodesOfTheEphemeris)
{
    // Swiss Ephemeris's sidereal (N.C. Lahiri) Sun, Moon and mean node at
    // 2000 January 1, 12 h UT, within the table's fit.
    const MoonAndNodes m = CalcMoonLongitude(1.0);
    constexpr double Within = 0.5 / 3600;
    EXPECT_NEAR(CalcSunLongitude(1.0), 256.5156962, Within);
    EXPECT_NEAR(m.moon, 199.4705287, Within);
    EXPECT_NEAR(m.rahu, 101.1874236, Within);   // the mean node, not the true one (100.1008)
    EXPECT_NEAR(std::fmod(m.ketu - m.rahu + 360, 360), 180, 1e-9);
}

TEST(PanchangAtTime, AtTheEpochInTheOwnZone)
{
    // 17:30 in India and 12:00 in London are both T = 1.0.
    BirthRecord london = DelhiBirth();
    london.ZoneHours = 0;
    london.ZoneMeridian = 0;
    const double sun = CalcSunLongitude(1.0), moon = CalcMoonLongitude(1.0).moon;
    const PanchangAtTime india = CalcPanchangAtTime(DelhiBirth(), sun, moon, 17.5, OutputRun().Choices());
    const PanchangAtTime uk = CalcPanchangAtTime(london, sun, moon, 12.0, OutputRun().Choices());

    EXPECT_NEAR(india.ayanamsa, 23.853222486, 0.1 / 3600);
    EXPECT_EQ(uk.ayanamsa, india.ayanamsa);
    EXPECT_EQ(india.tithi.number, 26);
    EXPECT_EQ(india.tithi.key, "_Ekadashi");
    EXPECT_EQ(india.nakshatra.number, 15);
    EXPECT_EQ(india.nakshatra.key, "_Swati");
    EXPECT_EQ(india.yoga.number, 8);
    EXPECT_EQ(india.yoga.key, "_Dhriti");
    EXPECT_EQ(india.karana.number, 51);
    EXPECT_EQ(india.karana.key, "BAVA");

    const ElementAtTime* in[] = {&india.tithi, &india.nakshatra, &india.yoga, &india.karana};
    const ElementAtTime* gb[] = {&uk.tithi, &uk.nakshatra, &uk.yoga, &uk.karana};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(in[k]->number, gb[k]->number) << k;
        EXPECT_EQ(secondsOf(in[k]->end) - secondsOf(gb[k]->end), 5.5 * 3600) << k;
    }
}

// The one-step prediction takes the motions over the coming day as uniform;
// the Moon's changing speed puts its ends a few minutes from the exact search.
class PredictedEnds : public CalcTest {};

TEST_F(PredictedEnds, AgreeWithTheSearchAndCountOnPastMidnight)
{
    const struct {
        int day, month, year, hour, minute;
    } moments[] = {
        {1, 1, 2000, 17, 30}, {15, 8, 1980, 6, 0}, {3, 4, 2023, 23, 10},
        {21, 3, 1955, 12, 0}, {29, 2, 2024, 20, 45}, {10, 10, 2010, 3, 20},
    };
    for (const auto& m : moments) {
        const BirthRecord birth = DelhiBirth(m.day, m.month, m.year, m.hour, m.minute, 0);
        Native() = birth;
        CalcChart(OutputRun().Choices());
        const double sun = Chart().PlanetLongitudes[Sun], moon = Chart().PlanetLongitudes[Moon];
        const PanchangAtTime p = CalcPanchangAtTime(birth, sun, moon, m.hour + m.minute / 60.0, OutputRun().Choices());
        const struct {
            Anga anga;
            const ElementAtTime& predicted;
        } elements[] = {{Anga::Tithi, p.tithi}, {Anga::Nakshatra, p.nakshatra}, {Anga::Yoga, p.yoga},
                        {Anga::Karana, p.karana}};
        for (const auto& e : elements) {
            const ElementEnd exact = FindElementEnd(e.anga, birth, m.hour, m.minute, 0, OutputRun().Choices());
            EXPECT_EQ(e.predicted.number, exact.number) << m.day << "-" << m.month << "-" << m.year;
            EXPECT_NEAR(secondsOf(e.predicted.end), secondsOf(exact), 15 * 60)
                << m.day << "-" << m.month << "-" << m.year << " " << e.predicted.key << " "
                << e.predicted.endText;
            EXPECT_EQ(e.predicted.endText,
                      FormatTime(e.predicted.end.hours, e.predicted.end.minutes, e.predicted.end.seconds,
                                 TimeTextForm::Short, 0, OutputRun().PunctColon));
        }
    }
}

TEST(PanchangAtTime, AddingClockTimes)
{
    const struct {
        HMS a, b, sum;
    } cases[] = {
        {{1, 2, 3}, {4, 5, 6}, {5, 7, 9}},
        {{0, 0, 30}, {0, 0, 45}, {0, 1, 15}},
        {{0, 59, 59}, {0, 0, 1}, {1, 0, 0}},
        {{6, 30, 0}, {20, 30, 0}, {27, 0, 0}},     // hours are not wrapped
        {{6, 30, 0}, {23, 0, 0}, {29, 30, 0}},
        {{23, 59, 59}, {23, 59, 59}, {47, 59, 58}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AddHMS(c.a, c.b), c.sum) << c.a.hours << ":" << c.a.minutes << ":" << c.a.seconds;
        EXPECT_EQ(AddHMS(c.b, c.a), c.sum);
    }
}

TEST(TimeText, FourForms)
{
    const struct {
        double h, m, s;
        TimeTextForm form;
        double fraction;
        const char* colon;
        const char* text;
    } cases[] = {
        {5, 7, 9, TimeTextForm::Short, 0, ":", "05:07:09"},
        {27, 0, 0, TimeTextForm::Short, 0, ":", "27:00:00"},
        {5.9, 7.9, 9.9, TimeTextForm::Short, 0, ":", "05:07:09"},
        {12, 30, 0, TimeTextForm::Short, 0, "-", "12-30-00"},
        {12, 30, 0, TimeTextForm::Labelled, 0, ":", "12hr 30m 00s"},
        {5, 7, 9, TimeTextForm::Long, 3, "-", "05:07:09:03"},
        {5, 7, 9, TimeTextForm::Long, 42, ":", "05:07:09:42"},
        {5, 7, 9, TimeTextForm::LongLabelled, 3, ":", "05hr 07m 09s 03ss"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatTime(c.h, c.m, c.s, c.form, c.fraction, c.colon), c.text);
}

} // namespace
