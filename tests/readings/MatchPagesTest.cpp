// The two match pages on the recording surface, through the dispatcher, with
// a text source that answers every key with the key itself.

#include "pages/PageTestSupport.h"

#include "calc/PanchangElements.h"
#include "panchang/Elements.h"
#include "registry/PageDispatcher.h"

#include <algorithm>
#include <cmath>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

constexpr double Left = 1440;   // the default left margin

class MatchPagesTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Config().PrintBorder = false;
    }

    // A Match-Making run's state: the boy in the chart, the girl in the copies.
    void standMatch(double boyMoon, double girlMoon, int boyMars = 2, int girlMars = 2)
    {
        OutputRun().MatchMode = true;
        Native().Name = "Boy";
        Partner().Name = "Girl";
        MatchCopies& m = Match();
        Chart().PlanetLongitudes[Moon] = boyMoon;
        m.NativeSaptavargaSigns[Lagna][1] = 1;
        m.NativeSaptavargaSigns[Mars][1] = boyMars;
        m.PartnerLongitudes[Moon] = girlMoon;
        m.PartnerPanchang[NakshatraElement] = CalcNakshatra(girlMoon);
        m.PartnerSaptavargaSigns[Lagna][1] = 1;
        m.PartnerSaptavargaSigns[Mars][1] = girlMars;
    }

    const RecordedText& text(std::string_view t, int n = 0)
    {
        const RecordedText* found = surface.FindText(t, n);
        if (!found)
            ADD_FAILURE() << "\"" << t << "\" is not on the page";
        static const RecordedText none;
        return found ? *found : none;
    }
};

// Sagittarius at 14.99 and 15 degrees: vashya 0.5 for the human boy and the
// four-footed girl, and one nakshatra (Purva Ashadha) for both, so nadi 0;
// the girl has Mars in her Lagna.
TEST_F(MatchPagesTest, ResultTableRowsCellsAndTotal)
{
    standMatch(254.99, 255, 2, 1);
    ASSERT_TRUE(PrintPage(surface, "Result", false));
    EXPECT_TRUE(collector.messages.empty());

    // The general paragraph first, in italics and one point larger.
    const RecordedText& general = text("MATCHGEN");
    EXPECT_TRUE(general.font.Italic);
    EXPECT_EQ(general.font.Size, 10);
    EXPECT_EQ(general.x, Left + 500);

    const RecordedText& header = text("_KOOT");
    const double y0 = header.y;
    const struct {
        const char* text;
        double x, y;
        bool bold;
        const char* font;
    } cells[] = {
        {"_KOOT", Left, y0, true, "Tarvik English"},
        {"_BOY", Left + 2000, y0, true, "Tarvik English"},
        {"_GIRL", Left + 4000, y0, true, "Tarvik English"},
        {"_OBTPTS", Left + 6000, y0, true, "Tarvik English"},
        {"_MAXPTS", Left + 7500, y0, true, "Tarvik English"},
        {"_VARNA", Left, y0 + 500, false, "Tarvik English"},
        {"_VASHYA", Left, y0 + 1000, false, "Tarvik English"},
        {"_MAANAV", Left + 2000, y0 + 1000, false, "Tarvik English"},
        {"_CHATUSHPAD", Left + 4000, y0 + 1000, false, "Tarvik English"},
        {"0.5", Left + 6000, y0 + 1000, false, "Tarvik English"},
        {"2", Left + 7500, y0 + 1000, false, "Tarvik English"},
        {"TARA/DIN", Left, y0 + 1500, false, "Tarvik English"},
        {"_MAITRA", Left + 2000, y0 + 1500, false, "Tarvik English"},
        {"_DHANU", Left + 2000, y0 + 3500, false, "Tarvik English"},
        {"NADI", Left, y0 + 4000, false, "Tarvik English"},
        {"TOTAL GUNA", Left, y0 + 4500, true, "Tarvik English"},
        {"36", Left + 7500, y0 + 4500, true, "Tarvik English"},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.text);
        const RecordedText& t = text(c.text);
        EXPECT_EQ(t.x, c.x);
        EXPECT_EQ(t.y, c.y);
        EXPECT_EQ(t.font.Bold, c.bold);
        EXPECT_EQ(t.font.Name, c.font);
    }
    // The numbers in the English face at their row's size.
    EXPECT_EQ(text("0.5").font.Size, 9);
    EXPECT_EQ(text("_VASHYA").font.Size, 9);
    // 1 + 0.5 + 3 + 4 + 5 + 6 + 7 + 0.
    EXPECT_EQ(text("26.5").y, y0 + 4500);
    EXPECT_EQ(text("26.5").x, Left + 6000);

    // The verdict, the note of the nadi dosha, and the girl's Manglik status.
    const std::vector<std::string> all = surface.TextStrings();
    const auto at = [&](const std::string& t) {
        return std::find(all.begin(), all.end(), t) - all.begin();
    };
    EXPECT_LT(at("MATCH CHART CONSIDERATION"), at("SCO28"));
    EXPECT_EQ(at("SCO28") + 1, at("NADIDOSHA"));
    EXPECT_EQ(at("NADIDOSHA") + 1, at("MANGLIK CONSIDERATION"));
    EXPECT_EQ(at("MANGLIK CONSIDERATION") + 1, at("BFGT"));
    EXPECT_EQ(all.back(), "BFGT");
}

TEST_F(MatchPagesTest, WithoutADoshaTheManglikHeadingFollowsAfterOneEmptyLine)
{
    // Aries Ashvini and Libra Swati: different nadis, the seventh sign.
    standMatch(2, 190);
    ASSERT_TRUE(PrintPage(surface, "Result", false));
    const RecordedText& verdict = text("SCO28");
    const RecordedText& heading = text("MANGLIK CONSIDERATION");
    // The verdict's line, an empty line of the body face, then the heading.
    EXPECT_EQ(heading.y, verdict.y + OutputRun().LineStep + 9 * RecordingSurface::HeightPerPoint);
    EXPECT_FALSE(surface.FindText("NADIDOSHA") || surface.FindText("BHAKUTDOSHA") ||
                 surface.FindText("NADIBHAKUT"));
    EXPECT_TRUE(surface.FindText("BFGF"));
}

// Each koota: its name, the italic description beside it, the points at
// the left of what they mean; a half point takes the next whole key.
TEST_F(MatchPagesTest, InterpretationGivesEachKootaItsPointsAndText)
{
    for (bool hindi : {false, true}) {
        SCOPED_TRACE(hindi ? "hi" : "en");
        ApplyDisplayConventions(hindi);
        surface.ClearLog();
        standMatch(254.99, 255);
        ASSERT_TRUE(PrintPage(surface, "Interpret", false));
        const std::string h = hindi ? "hi:" : "";

        const RecordedText& name = text(h + "_VASHYA");
        const RecordedText& description = text(h + "_VASHYA " + h + "VASHYA");
        EXPECT_EQ(description.y, name.y);
        EXPECT_EQ(description.x, Left + 2000);
        EXPECT_TRUE(description.font.Italic);
        EXPECT_FALSE(name.font.Italic);

        const RecordedText& meaning = text(h + "PREFIX " + h + "VASHYA1");
        EXPECT_EQ(meaning.x, Left + 1000);
        EXPECT_EQ(meaning.y, description.y + OutputRun().LineStep);
        const RecordedText& points = text("0.5");
        EXPECT_EQ(points.font.Name, "Tarvik English");
        EXPECT_EQ(points.x + 3 * points.font.Size * RecordingSurface::WidthPerPoint, Left + 900);
        // On the line's baseline, as large as its face draws it (the
        // Devanagari face at three quarters of the points it asks for).
        EXPECT_EQ(points.font.Size, hindi ? 10.5 : 9);
        EXPECT_EQ(points.y + points.font.Size * RecordingSurface::AscentPerPoint,
                  meaning.y + meaning.font.Size * RecordingSurface::AscentPerPoint);

        EXPECT_TRUE(surface.FindText(h + "PREFIX " + h + "TARA/DIN3"));
        EXPECT_TRUE(surface.FindText(h + "PREFIX " + h + "NADI0"));
        EXPECT_FALSE(surface.FindText("MATCHGEN"));
    }
}

TEST_F(MatchPagesTest, WithoutTheMatchChartsThePageIsAbandoned)
{
    OutputRun().MatchMode = true;
    for (const char* key : {"Interpret", "Result"}) {
        collector.messages.clear();
        EXPECT_FALSE(PrintPage(surface, key, false));
        ASSERT_EQ(collector.messages.size(), 1u);
        EXPECT_NE(collector.messages[0].find("has not been computed"), std::string::npos);
    }
}

} // namespace
