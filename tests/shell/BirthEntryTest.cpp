#include "ShellFixture.h"

#include "calc/Chart.h"
#include "shell/BirthEntry.h"

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
    ASSERT_TRUE(FillNativeBirth(Entry(India, Delhi), "Male"));
    const BirthRecord birth = Native();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.time) + " " + c.sign + c.hours + ":" + c.minutes);
        PersonEntry e = Entry(India, Delhi, QDate(1980, 8, 15), c.time);
        e.sexIndex = c.sex;
        e.warSign = QString::fromLatin1(c.sign);
        e.warHours = QString::fromLatin1(c.hours);
        e.warMinutes = QString::fromLatin1(c.minutes);
        const std::optional<PersonInput> person = PersonInputOf(e, birth);
        ASSERT_TRUE(person);
        const BirthRecord& n = person->birth;
        EXPECT_EQ(std::tie(n.Hour, n.Minute, n.Second), std::make_tuple(c.hour, c.minute, c.second));
        EXPECT_EQ(n.Sex, c.sex == 0 ? "Male" : "Female");
        EXPECT_EQ(person->warTime, c.warTime);
        EXPECT_EQ(std::signbit(person->warTime[0]), std::string(c.sign) == "-");
        EXPECT_DOUBLE_EQ(n.TimeCorrection, c.correction);
        // The birth as FillNativeBirth read it stays.
        EXPECT_EQ(std::tie(n.Name, n.Place, n.Day, n.LatMin, n.ZoneMeridian),
                  std::tie(birth.Name, birth.Place, birth.Day, birth.LatMin, birth.ZoneMeridian));
    }
    EXPECT_FALSE(PersonInputOf(Entry(India, Delhi, QDate(1980, 8, 15), "25:00"), birth));
    EXPECT_EQ(Native(), birth);   // read, not written
}

// Clocks one hour ahead: the chart is the one of an hour earlier on standard time.
TEST_F(BirthEntryTest, TheWarTimeCorrectionReachesTheChart)
{
    const auto chartOf = [](const PersonEntry& e) {
        EXPECT_TRUE(FillNativeBirth(e, "Male"));
        const std::optional<PersonInput> person = PersonInputOf(e, Native());
        EXPECT_TRUE(person);
        return ChartOf(ChartInputOf(person ? person->birth : Native(), 0, true));
    };
    PersonEntry summer = Entry(India, Delhi, QDate(1980, 8, 15), "10:30:00 AM");
    summer.warHours = QStringLiteral("1");
    const ChartState corrected = chartOf(summer);
    const ChartState standard = chartOf(Entry(India, Delhi, QDate(1980, 8, 15), "09:30:00 AM"));
    for (int b = 1; b <= 13; ++b)
        EXPECT_NEAR(corrected.PlanetLongitudes[b], standard.PlanetLongitudes[b], 1e-9) << "body " << b;
    EXPECT_NEAR(corrected.HouseCusps[1], standard.HouseCusps[1], 1e-9);

    const ChartState uncorrected = chartOf(Entry(India, Delhi, QDate(1980, 8, 15), "10:30:00 AM"));
    EXPECT_GT(std::abs(corrected.HouseCusps[1] - uncorrected.HouseCusps[1]), 5);   // an hour moves the ascendant
}

TEST_F(BirthEntryTest, TheFamilyAsTyped)
{
    EXPECT_EQ(FamilyLinesOf({QStringLiteral("Suresh Kumar"), QStringLiteral("Kamla Devi"),
                             QStringLiteral("Ram Prasad"), QStringLiteral("काश्यप")}),
              (FamilyLines{"Suresh Kumar", "Kamla Devi", "Ram Prasad", "काश्यप"}));
}

} // namespace
