#include "ShellFixture.h"

#include "calc/PanchangElements.h"
#include "calc/Chart.h"
#include "calc/Sunrise.h"
#include "shell/BirthEntry.h"
#include "shell/MainChoices.h"

#include <cmath>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

class BirthEntryTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        OpenReferenceDatabases();
    }

    static PersonEntry Entry(long long zone, long long place, QDate date = QDate(1980, 8, 15),
                             const char* time = "10:30:00 AM")
    {
        PersonEntry e;
        e.name = QStringLiteral("Ravi Kumar");
        e.zoneId = zone;
        e.placeId = place;
        e.birthDate = date;
        e.birthTime = QString::fromLatin1(time);
        return e;
    }
};

constexpr long long India = 221122, Nepal = 1282988, Delhi = 1273294, Kathmandu = 1283240;

TEST_F(BirthEntryTest, IndiaAndDelhiGiveTheZoneAndTheCoordinates)
{
    ASSERT_TRUE(FillNativeBirth(Entry(India, Delhi), "Male"));
    const BirthRecord& n = Native();
    EXPECT_EQ(n.Name, "Ravi Kumar");
    EXPECT_EQ(n.Place, "Delhi");
    EXPECT_EQ(n.Country, "India");
    EXPECT_DOUBLE_EQ(n.ZoneMeridian, 82.5);
    EXPECT_DOUBLE_EQ(n.ZoneHours, 5.5);
    EXPECT_EQ(std::tie(n.ZoneDeg, n.ZoneMin, n.ZoneDir), std::make_tuple(82, 30, std::string("E")));
    EXPECT_EQ(std::tie(n.LatDeg, n.LatMin, n.LatDir), std::make_tuple(28, 39, std::string("N")));
    EXPECT_EQ(std::tie(n.LongDeg, n.LongMin, n.LongDir), std::make_tuple(77, 13, std::string("E")));
    EXPECT_EQ(std::tie(n.Day, n.Month, n.Year), std::make_tuple(15, 8, 1980));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(BirthEntryTest, ZoneMeridiansFollowTheirDirectionAndMinuteRules)
{
    const struct {
        const char* what;
        long long zone, place;
        double meridian, hours;
        int latMin;
    } cases[] = {
        {"82E30", India, Delhi, 82.5, 5.5, 39},
        {"75W0 is west of Greenwich", 6252001, 5128581, -75, -5, 43},
        {"82e30: a lower-case letter is still east", 900001, 910001, 82.5, 5.5, 30},
        {"82E3: one minute digit counts as tens", 900002, 910002, 82.5, 5.5, 30},
        {"86E15", Nepal, Kathmandu, 86.25, 5.75, 42},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(FillNativeBirth(Entry(c.zone, c.place), "Male"));
        EXPECT_DOUBLE_EQ(Native().ZoneMeridian, c.meridian);
        EXPECT_DOUBLE_EQ(Native().ZoneHours, c.hours);
        EXPECT_EQ(Native().LatMin, c.latMin);
    }
}

TEST_F(BirthEntryTest, ARowThatIsGoneIsReportedAndChangesNothing)
{
    Native().Name = "before";
    EXPECT_FALSE(FillNativeBirth(Entry(424242, Delhi), "Female"));
    EXPECT_FALSE(FillNativeBirth(Entry(India, 424242), "Male"));
    EXPECT_FALSE(FillNativeBirth(Entry(0, 0), "Male"));
    EXPECT_EQ(messages.messages,
              (std::vector<std::string>{"Please select the Time Zone again for Female",
                                        "Please select the Place again for Male",
                                        "Please select the Time Zone again for Male"}));
    EXPECT_EQ(Native().Name, "before");
}

TEST_F(BirthEntryTest, TimeSexAndWarTimeCorrection)
{
    const struct {
        const char* time;
        int sex;
        const char *sign, *hours, *minutes;
        int hour, minute, second;
        WarTime warTime;
        double correction;
    } cases[] = {
        {"12:05:09 AM", 0, "+", "0", "0", 0, 5, 9, {0, 0, 0}, 0},
        {"02:30:00 PM", 1, "+", "1", "0", 14, 30, 0, {1, 0, 0}, -1},
        {"10:30:00 AM", 0, "-", "1", "30", 10, 30, 0, {-1, 30, 0}, 1.5},
        {"10:30:00 AM", 0, "+", "0", "30", 10, 30, 0, {0, 30, 0}, -0.5},
        {"10:30:00 AM", 0, "-", "0", "30", 10, 30, 0, {-0.0, 30, 0}, 0.5},
        {"11:59:59 PM", 1, "+", "2", "0", 23, 59, 59, {2, 0, 0}, -2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.time) + " " + c.sign + c.hours + ":" + c.minutes);
        PersonEntry e = Entry(India, Delhi, QDate(1980, 8, 15), c.time);
        e.sexIndex = c.sex;
        e.warSign = QString::fromLatin1(c.sign);
        e.warHours = QString::fromLatin1(c.hours);
        e.warMinutes = QString::fromLatin1(c.minutes);
        ASSERT_TRUE(FillNativeTime(e));
        const BirthRecord& n = Native();
        EXPECT_EQ(std::tie(n.Hour, n.Minute, n.Second), std::make_tuple(c.hour, c.minute, c.second));
        EXPECT_EQ(n.Sex, c.sex == 0 ? "Male" : "Female");
        EXPECT_EQ(Births().NativeWarTime, c.warTime);
        EXPECT_EQ(std::signbit(Births().NativeWarTime[0]), std::string(c.sign) == "-");
        EXPECT_DOUBLE_EQ(n.TimeCorrection, c.correction);
    }
    Native().Hour = 7;
    EXPECT_FALSE(FillNativeTime(Entry(India, Delhi, QDate(1980, 8, 15), "25:00")));
    EXPECT_EQ(Native().Hour, 7);
}

// Clocks one hour ahead: the chart is the one of an hour earlier on standard time.
TEST_F(BirthEntryTest, TheWarTimeCorrectionReachesTheChart)
{
    PersonEntry summer = Entry(India, Delhi, QDate(1980, 8, 15), "10:30:00 AM");
    summer.warHours = QStringLiteral("1");
    ASSERT_TRUE(FillNativeBirth(summer, "Male"));
    ASSERT_TRUE(ComputePerson(summer, 0, PersonRole::Single));
    const ChartState corrected = Chart();

    const PersonEntry standard = Entry(India, Delhi, QDate(1980, 8, 15), "09:30:00 AM");
    ASSERT_TRUE(ComputePerson(standard, 0, PersonRole::Single));
    EXPECT_DOUBLE_EQ(Native().TimeCorrection, 0);
    for (int b = 1; b <= 13; ++b)
        EXPECT_NEAR(corrected.PlanetLongitudes[b], Chart().PlanetLongitudes[b], 1e-9) << "body " << b;
    EXPECT_NEAR(corrected.HouseCusps[1], Chart().HouseCusps[1], 1e-9);

    const PersonEntry uncorrected = Entry(India, Delhi, QDate(1980, 8, 15), "10:30:00 AM");
    ASSERT_TRUE(ComputePerson(uncorrected, 0, PersonRole::Single));
    EXPECT_GT(std::abs(corrected.HouseCusps[1] - Chart().HouseCusps[1]), 5);   // an hour moves the ascendant
}

TEST_F(BirthEntryTest, BirthLongitudesAreTakenInTraditionalOrder)
{
    const PersonEntry e = Entry(India, Delhi);
    ASSERT_TRUE(FillNativeBirth(e, "Male"));
    ASSERT_TRUE(ComputePerson(e, 2, PersonRole::Single));
    EXPECT_EQ(OutputRun().AyanamsaChoice, 2);
    const auto& lon = Chart().PlanetLongitudes;
    const BirthState& b = Births();
    const struct {
        const char* name;
        double value, expected;
    } cases[] = {
        {"Ayanamsa", b.BirthAyanamsa, lon[1]}, {"Lagna", b.BirthLagna, Chart().HouseCusps[1]},
        {"Sun", b.BirthSun, lon[2]},           {"Moon", b.BirthMoon, lon[8]},
        {"Mars", b.BirthMars, lon[5]},         {"Mercury", b.BirthMercury, lon[3]},
        {"Jupiter", b.BirthJupiter, lon[6]},   {"Venus", b.BirthVenus, lon[4]},
        {"Saturn", b.BirthSaturn, lon[7]},     {"Rahu", b.BirthRahu, lon[9]},
        {"Ketu", b.BirthKetu, lon[10]},        {"Uranus", b.BirthUranus, lon[11]},
        {"Neptune", b.BirthNeptune, lon[12]},  {"Pluto", b.BirthPluto, lon[13]},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value, c.expected) << c.name;
    // Distinct bodies, so that a slip between two of them would show.
    EXPECT_NE(b.BirthSun, b.BirthMoon);
    EXPECT_NE(b.BirthMars, b.BirthMercury);
}

// A match: the girl first, kept aside; then the boy, who stays in Native.
TEST_F(BirthEntryTest, AMatchKeepsTheGirlAsideAndEndsWithTheBoy)
{
    PersonEntry girl = Entry(Nepal, Kathmandu, QDate(1984, 2, 29), "06:15:00 PM");
    girl.name = QStringLiteral("Sita Sharma");
    girl.sexIndex = 1;
    girl.warSign = QStringLiteral("-");
    girl.warMinutes = QStringLiteral("45");
    ASSERT_TRUE(FillNativeBirth(girl, PersonWord(1)));
    ASSERT_TRUE(ComputePerson(girl, 0, PersonRole::Girl));
    const BirthRecord girlRecord = Native();
    const ChartState girlChart = Chart();
    const PanchangValues girlPanchang = CalcPanchangElements();

    const PersonEntry boy = Entry(India, Delhi);
    ASSERT_TRUE(FillNativeBirth(boy, PersonWord(0)));
    ASSERT_TRUE(ComputePerson(boy, 0, PersonRole::Boy));

    EXPECT_EQ(Partner(), girlRecord);
    EXPECT_EQ(Partner().Name, "Sita Sharma");
    EXPECT_EQ(Partner().Sex, "Female");
    EXPECT_EQ(Native().Name, "Ravi Kumar");
    EXPECT_EQ(Births().PartnerWarTime, (WarTime{-0.0, 45, 0}));
    EXPECT_DOUBLE_EQ(Partner().TimeCorrection, 0.75);

    const MatchCopies& m = Match();
    EXPECT_EQ(m.PartnerLongitudes, girlChart.PlanetLongitudes);
    EXPECT_EQ(m.PartnerCusps, girlChart.HouseCusps);
    EXPECT_EQ(m.PartnerSandhis, girlChart.BhavaSandhi);
    EXPECT_EQ(m.PartnerSiderealTime, girlChart.SiderealTime);
    EXPECT_EQ(m.PartnerPlaceLongitude, girlChart.PlaceLongitude);
    EXPECT_EQ(m.PartnerZoneMeridian, 86.25);
    EXPECT_EQ(m.PartnerPanchang, girlPanchang);
    EXPECT_EQ(m.PartnerSunTimes, SunriseSunset(29, 2, 1984, girlChart.PlaceLatitude, girlChart.PlaceLongitude, 86.25));
    for (int j = 0; j < 14; ++j)
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(m.PartnerSaptavargaSigns[j][k], girlChart.SaptavargaSigns[j][k]);
            EXPECT_EQ(m.NativeSaptavargaSigns[j][k], Chart().SaptavargaSigns[j][k]);
        }
    EXPECT_EQ(Births().BirthMoon, Chart().PlanetLongitudes[8]);
    EXPECT_NE(Births().BirthMoon, girlChart.PlanetLongitudes[8]);
}

TEST_F(BirthEntryTest, FamilyAndDisplayChoicesReachTheRunValues)
{
    SetFamily({QStringLiteral("Suresh Kumar"), QStringLiteral("Kamla Devi"), QStringLiteral("Ram Prasad"),
               QStringLiteral("Kashyap")});
    EXPECT_EQ(Births().Father, "Suresh Kumar");
    EXPECT_EQ(Births().Mother, "Kamla Devi");
    EXPECT_EQ(Births().Grandfather, "Ram Prasad");
    EXPECT_EQ(Births().Gotra, "Kashyap");

    ApplyDisplayChoices({0, 1, 0, true});
    EXPECT_EQ(OutputRun().ChartStyle, 1);
    EXPECT_FALSE(OutputRun().LanguageHindi);
    EXPECT_EQ(OutputRun().LineStep, 250);
    ApplyDisplayChoices({0, 0, 1, true});
    EXPECT_EQ(OutputRun().ChartStyle, 0);
    EXPECT_TRUE(OutputRun().LanguageHindi);
    EXPECT_EQ(OutputRun().LineStep, 310);
    EXPECT_EQ(OutputRun().PunctColon, ":");
    EXPECT_EQ(OutputRun().BodyFontName, "Tarvik");
}

} // namespace
