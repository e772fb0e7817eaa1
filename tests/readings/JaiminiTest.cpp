// The Jaimini chara dasha: the order of the periods, their years counted to
// the sign's lord (with the two lords of Scorpio and Aquarius), the
// sub-periods, the chara karakas and the karakamsha, and the two pages.

#include "DashaPageSupport.h"

#include "calc/NameTables.h"
#include "calc/DashaPeriods.h"
#include "calc/DecimalYear.h"
#include "registry/PageDispatcher.h"
#include "readings/Jaimini.h"

#include <algorithm>
#include <cctype>
#include <set>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

constexpr double Birth = 1990 + 1.0 / 12 + 5.0 / 360;   // 05-01-1990

// A chart with every body at 5 degrees of Virgo, the ayanamsa in its slot
// and the ascendant in Aries; cases move the bodies they need.
ChartState quietChart()
{
    ChartState c;
    c.PlanetLongitudes[AyanamsaSlot] = 23.7;
    for (int body = Sun; body <= Ketu; ++body)
        c.PlanetLongitudes[body] = 155;
    c.HouseCusps[1] = 10;
    return c;
}

// A sign's name as the echoing dictionary writes it.
std::string signText(int sign)
{
    std::string key(SignKeys[sign]);
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char ch) { return std::toupper(ch); });
    return key;
}

void place(ChartState& c, int body, int sign, double degrees)
{
    c.PlanetLongitudes[body] = (sign - 1) * 30 + degrees;
}

TEST(CharaDasha, PeriodsForwardOrBackwardFromTheAscendant)
{
    const struct {
        int ascendant;
        std::vector<int> first;
    } cases[] = {
        {1, {1, 2, 3, 4}},      // Aries: forward
        {2, {2, 1, 12, 11}},    // Taurus: backward
        {4, {4, 3, 2, 1, 12}},
        {5, {5, 6, 7}},
        {12, {12, 1, 2}},
        {9, {9, 8, 7}},
    };
    for (const auto& c : cases)
        for (std::size_t k = 0; k < c.first.size(); ++k)
            EXPECT_EQ(CharaDashaSign(c.ascendant, static_cast<int>(k)), c.first[k])
                << c.ascendant << " " << k;
}

// The twelve sub-periods of a period cover every sign once, from the next
// sign on in the period's direction, and end with the sign itself.
TEST(CharaDasha, SubPeriodsEndWithTheirSign)
{
    for (int sign = 1; sign <= 12; ++sign) {
        std::set<int> seen;
        for (int j = 0; j < 12; ++j)
            seen.insert(CharaSubPeriodSign(sign, j));
        EXPECT_EQ(seen.size(), 12u) << sign;
        EXPECT_EQ(CharaSubPeriodSign(sign, 11), sign);
    }
    EXPECT_EQ(CharaSubPeriodSign(1, 0), 2);     // Aries runs forward
    EXPECT_EQ(CharaSubPeriodSign(2, 0), 1);     // Taurus backward
    EXPECT_EQ(CharaSubPeriodSign(12, 0), 1);
    EXPECT_EQ(CharaSubPeriodSign(4, 0), 3);
}

// Years: the signs from the period's sign to its lord's, counted forward or
// backward by the sign, less one, a lord at home giving twelve; Scorpio and
// Aquarius count to the lord that is not at home, or to the stronger one.
TEST(CharaDasha, YearsCountedToTheLord)
{
    struct Placement {
        int body, sign;
        double degrees;
    };
    const struct {
        const char* what;
        int sign;
        std::vector<Placement> bodies;
        int years;
    } cases[] = {
        {"Mars at home in Aries", 1, {{Mars, 1, 10}}, 12},
        {"Venus at home in Taurus", 2, {{Venus, 2, 10}}, 12},
        {"Aries, Mars in Cancer: forward", 1, {{Mars, 4, 10}}, 3},
        {"Cancer, the Moon in Aries: backward", 4, {{Moon, 1, 10}}, 3},
        {"Gemini, Mercury in Taurus", 3, {{Mercury, 2, 10}}, 11},
        {"Capricorn, Saturn in Pisces", 10, {{Saturn, 12, 10}}, 10},
        {"Scorpio, Mars at home, Ketu in Taurus", 8, {{Mars, 8, 3}, {Ketu, 2, 3}}, 6},
        {"Scorpio, both lords at home", 8, {{Mars, 8, 3}, {Ketu, 8, 20}}, 12},
        {"Scorpio, Ketu at home, Mars in Aries", 8, {{Ketu, 8, 3}, {Mars, 1, 3}}, 5},
        {"Aquarius, Saturn at home, Rahu in Leo", 11, {{Saturn, 11, 3}, {Rahu, 5, 3}}, 6},
        {"Aquarius, Rahu at home, Saturn in Capricorn", 11, {{Rahu, 11, 3}, {Saturn, 10, 3}}, 1},
        // Neither lord at home: more bodies with Mars in Cancer.
        {"Scorpio, Mars with two more", 8,
         {{Mars, 4, 3}, {Sun, 4, 1}, {Moon, 4, 2}, {Ketu, 3, 29}}, 8},
        {"Scorpio, alone each, Mars further on", 8, {{Mars, 4, 20}, {Ketu, 3, 10}}, 8},
        {"Scorpio, alone each, Ketu further on", 8, {{Mars, 4, 10}, {Ketu, 3, 25}}, 7},
        {"Scorpio, equal in all, the node", 8, {{Mars, 4, 15}, {Ketu, 3, 15}}, 7},
        // The ayanamsa in the chart's first slot stands in Aries; it is no body.
        {"Scorpio, Mars alone in Aries", 8, {{Mars, 1, 5}, {Ketu, 3, 10}}, 7},
        // Virgo holds every other body: Saturn there is the stronger.
        {"Aquarius, Saturn among the many in Virgo", 11, {{Saturn, 6, 2}, {Rahu, 9, 20}}, 5},
    };
    for (const auto& c : cases) {
        ChartState chart = quietChart();
        for (const Placement& p : c.bodies)
            place(chart, p.body, p.sign, p.degrees);
        EXPECT_EQ(CharaDashaYears(chart, c.sign), c.years) << c.what;
    }
}

// Karakas by degrees within the sign, most first; bodies of equal degrees
// take the places the exchanges leave them, so Mercury can come before the
// Sun. The karakamsha is the Atmakaraka's navamsa sign.
TEST(CharaDasha, KarakasAndKarakamsha)
{
    ChartState chart = quietChart();
    place(chart, Sun, 3, 10);
    place(chart, Mercury, 7, 10);
    place(chart, Venus, 11, 20);
    place(chart, Mars, 1, 5);
    place(chart, Jupiter, 2, 4);
    place(chart, Saturn, 12, 3);
    place(chart, Moon, 9, 2);
    place(chart, Rahu, 4, 29.9);   // the nodes are no karakas
    const auto karakas = CharaKarakas(chart);
    std::vector<int> bodies;
    for (const Karaka& k : karakas)
        bodies.push_back(k.body);
    EXPECT_EQ(bodies, (std::vector<int>{Venus, Mercury, Sun, Mars, Jupiter, Saturn, Moon}));
    EXPECT_DOUBLE_EQ(karakas[0].degrees, 20);

    chart.ShodashVargaSigns[6][TraditionalPosition[Venus]] = 9;
    EXPECT_EQ(Karakamsha(chart, karakas), 9);

    // Distinct degrees simply in descending order.
    place(chart, Mercury, 7, 28);
    place(chart, Moon, 9, 29.5);
    bodies.clear();
    for (const Karaka& k : CharaKarakas(chart))
        bodies.push_back(k.body);
    EXPECT_EQ(bodies, (std::vector<int>{Moon, Mercury, Venus, Sun, Mars, Jupiter, Saturn}));
}

class CharaPages : public DashaPageTest {
protected:
    void SetUp() override
    {
        DashaPageTest::SetUp();
        Chart() = quietChart();   // ascendant in Aries, every lord in Virgo
        Chart().ShodashVargaSigns[6][TraditionalPosition[Sun]] = 4;
    }
    void draw(int cycle)
    {
        surface.ClearLog();
        surface.CurrentY = Config().TopMarginTwips;
        surface.Font.Size = OutputRun().BodyFontSize;
        JaiminiPage(cycle, surface, Chart(), RunContext());
    }
    static double blockX(int k) { return 1440 + 1800 * (k % 5); }
    static double blockTop(int k) { return 1008 + 800 + 4000 * (k / 5); }
};

// Twelve blocks from the ascendant's sign, each with its years, start, end
// and twelve sub-periods; the second cycle starts where the first ends and
// repeats the years.
TEST_F(CharaPages, TwoCyclesOfTwelvePeriods)
{
    const double step = 0.8 * OutputRun().LineStep;
    std::vector<std::string> headers[2];
    std::string firstCycleEnd;
    for (int cycle : {0, 1}) {
        SCOPED_TRACE(cycle);
        draw(cycle);
        EXPECT_EQ(surface.Texts().front().text, "CHARA DASHA");
        double date = Birth;
        if (cycle == 1) {
            for (int k = 0; k < 12; ++k)
                date += CharaDashaYears(Chart(), CharaDashaSign(1, k));
        }
        for (int k = 0; k < 12; ++k) {
            const int sign = CharaDashaSign(1, k);
            const int years = CharaDashaYears(Chart(), sign);
            const double x = blockX(k), top = blockTop(k);
            const RecordedText* header = textAt(top, x, x + 1);
            ASSERT_NE(header, nullptr) << k;
            EXPECT_EQ(header->text, signText(sign) + " " + std::to_string(years) + " YEARS");
            EXPECT_TRUE(header->font.Bold);
            EXPECT_EQ(header->font.Size, OutputRun().BodyFontSize - 1);
            headers[cycle].push_back(header->text);
            EXPECT_EQ(textOf(top + step, x + 400, x + 401), DecimalYearToDate(date, true, OutputRun().Choices()));
            EXPECT_EQ(textOf(top + 2 * step, x, x + 1), "TO");
            EXPECT_EQ(textOf(top + 2 * step, x + 400, x + 401), DecimalYearToDate(date + years, true, OutputRun().Choices()));
            if (k == 0) {
                EXPECT_EQ(textOf(top + step, x + 400, x + 401),
                          cycle == 0 ? "05-01-1990" : firstCycleEnd);
            }
            // The last sub-period is the sign's own and ends with the period.
            EXPECT_EQ(textOf(top + 14 * step, x, x + 1), signText(sign).substr(0, 3));
            EXPECT_EQ(textOf(top + 14 * step, x + 600, x + 601), DecimalYearToDate(date + years, false, OutputRun().Choices()));
            EXPECT_EQ(textOf(top + 3 * step, x + 600, x + 601),
                      DecimalYearToDate(date + years / 12.0, false, OutputRun().Choices()));
            date += years;
        }
        if (cycle == 0)
            firstCycleEnd = DecimalYearToDate(date, true, OutputRun().Choices());
        EXPECT_EQ(surface.Font.Size, OutputRun().BodyFontSize);
    }
    EXPECT_EQ(headers[0], headers[1]);
    // Every lord in Virgo: Aries counts forward to it, Taurus backward.
    EXPECT_EQ(headers[0][0], "_MESH 5 YEARS");
    EXPECT_EQ(headers[0][1], "_VRISHA 4 YEARS");
}

// The first period starts on the native's own birth date, also where the
// 360-day decimal year would name another day; the second cycle's first
// start keeps its encoding.
TEST_F(CharaPages, FirstStartIsTheBirthDate)
{
    const double step = 0.8 * OutputRun().LineStep;
    const struct {
        int day, month, year;
        const char* shown;
    } births[] = {{31, 1, 1990, "31-01-1990"}, {29, 2, 1988, "29-02-1988"}};
    for (const auto& b : births) {
        Native().Day = b.day;
        Native().Month = b.month;
        Native().Year = b.year;
        draw(0);
        EXPECT_EQ(textOf(blockTop(0) + step, blockX(0) + 400, blockX(0) + 401), b.shown);
        double date = BirthDecimalYear(b.day, b.month, b.year);
        for (int k = 0; k < 12; ++k)
            date += CharaDashaYears(Chart(), CharaDashaSign(1, k));
        draw(1);
        EXPECT_EQ(textOf(blockTop(0) + step, blockX(0) + 400, blockX(0) + 401),
                  DecimalYearToDate(date, true, OutputRun().Choices()));
    }
}

// The karakas in the third row's free space, the karakamsha under them.
TEST_F(CharaPages, KarakasBesideThePeriods)
{
    place(Chart(), Sun, 7, 29);
    draw(0);
    const RecordedText& caption = find("KARKA");
    EXPECT_EQ(caption.x, 6000);
    EXPECT_EQ(caption.y, 1008 + 800 + 8000);
    EXPECT_TRUE(caption.font.Italic);
    const RecordedText& atma = find("ATMAKARAKA");
    EXPECT_EQ(atma.x, 6000);
    EXPECT_FALSE(atma.font.Italic);
    EXPECT_EQ(textOf(atma.y, 7500, 7501), "_RAVI");
    const RecordedText& dara = find("DARAKARAKA");
    EXPECT_GT(dara.y, atma.y);
    EXPECT_NE(surface.FindText("KARAKAMSHA_KARK"), nullptr);
}

// The dispatcher frames the chara pages; the builder draws below that frame
// and frames nothing again.
TEST_F(CharaPages, OneFramePerPage)
{
    Config().PrintBorder = true;
    Config().BorderFile = "swastik.wmf";
    for (const char* key : {"Chara", "Chara 1"}) {
        surface.ClearLog();
        ASSERT_TRUE(PrintPage(surface, key, false)) << key;
        EXPECT_EQ(surface.Pictures().size(), 1u) << key;
        const std::vector<std::string> texts = surface.TextStrings();
        EXPECT_EQ(std::count(texts.begin(), texts.end(), "Asha"), 1) << key;
        EXPECT_EQ(std::count(texts.begin(), texts.end(), "CHARA DASHA"), 1) << key;
    }
    EXPECT_TRUE(collector.messages.empty());
}

} // namespace
