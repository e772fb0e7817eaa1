// The planet position tables, the match Nirayana page and the KP cusp
// table, with the delivered databases: the texts are the dictionary's and
// the sub lords those of the reference tables.

#include "PageTestSupport.h"

#include "calc/Ayanamsa.h"
#include "calc/Angles.h"
#include "calc/Chart.h"
#include "calc/Houses.h"
#include "calc/KPChart.h"
#include "calc/RunCopies.h"
#include "calc/CalcFixture.h"
#include "calc/NameTables.h"
#include "calc/TextFormat.h"
#include "core/Reporter.h"
#include "pages/ChartFrames.h"
#include "pages/Frame.h"
#include "registry/PageDispatcher.h"
#include "pages/PositionTables.h"
#include "pages/PositionTexts.h"
#include "pages/RecordingSurface.h"
#include "pages/SignColumns.h"
#include "pages/TablePages.h"
#include "pages/TableRows.h"
#include "refdata/RefdataFixture.h"
#include "refdata/TextLookup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// Row of each body in the tables (traditional order from the Lagna).
int rowOf(int body) { return TraditionalPosition[body] - 1; }

class PositionTableTest : public OpenDeliveredDatabases {
protected:
    void SetUp() override
    {
        OpenDeliveredDatabases::SetUp();
        freshState();
    }
    void TearDown() override
    {
        OpenDeliveredDatabases::TearDown();
    }

    // The program state of a new run (the databases stay open), an empty
    // surface, and a chart whose bodies stand well apart from the Sun and
    // move forward.
    void freshState()
    {
        ResetProgramState();
        Program().ProgramFolder = folder.Path().string();
        surface = RecordingSurface();
        collector.messages.clear();
        ApplyDisplayConventions(false);
        Config().PrintBorder = false;
        Native().Name = "Asha";
        Partner().Name = "Ravi";
        // Every body well apart from the Sun and moving forward.
        ChartState& c = Chart();
        c.PlanetLongitudes[AyanamsaSlot] = 23.5;
        c.HouseCusps[1] = 200;
        for (int b = Sun; b <= Pluto; ++b)
            place(b, 60 + 20 * b);
        place(Sun, 10);
        for (int b = 1; b <= 13; ++b)
            for (int k = 1; k <= 7; ++k)
                c.SaptavargaSigns[b][k] = (b + k) % 12 + 1;
    }

    // A body at a sidereal longitude, and an hour later.
    static void place(int body, double longitude, double hourLater)
    {
        Chart().PlanetLongitudes[body] = longitude;
        Chart().PlanetLongitudes[body + HourLater] = hourLater;
    }
    static void place(int body, double longitude) { place(body, longitude, longitude + 0.04); }

    CollectingReporter collector;
    ScopedReporter scope{collector};
    RecordingSurface surface;
};

using PositionTexts = PositionTableTest;

TEST_F(PositionTexts, PlaceOfALongitude)
{
    struct Case {
        double longitude;
        int sign, nakshatra, pada;
    } cases[] = {
        {0, 1, 1, 1},
        {3.3333, 1, 1, 1},
        {10.0 / 3, 1, 1, 2},          // a pada is 3°20'
        {40.0 / 3, 1, 2, 1},          // Bharani begins at 13°20'
        {29.99999, 1, 3, 1},
        {30, 2, 3, 2},
        {359.99, 12, 27, 4},
        {360, 1, 1, 1},
        {-0.01, 12, 27, 4},
        {725, 1, 1, 2},
    };
    for (const Case& c : cases) {
        const ZodiacPlace p = PlaceOf(c.longitude);
        EXPECT_EQ(p.sign, c.sign) << c.longitude;
        EXPECT_EQ(p.nakshatra, c.nakshatra) << c.longitude;
        EXPECT_EQ(p.pada, c.pada) << c.longitude;
    }
}

// Motion and distance from the Sun go the short way round the circle.
TEST_F(PositionTexts, RetrogradeAndCombustAcrossZeroAries)
{
    struct Motion {
        double now, later;
        bool retrograde;
    } motions[] = {
        {100, 100.5, false}, {100.5, 100, true}, {100, 100, false},
        {359.99, 0.02, false},       // crossing 0° forward within the hour
        {0.02, 359.99, true},        // crossing it backward
        {359.99, 360.02, false},     // a shifted value above 360
    };
    for (const Motion& m : motions)
        EXPECT_EQ(IsRetrograde(m.now, m.later), m.retrograde) << m.now << " -> " << m.later;

    struct Distance {
        double sun, body;
        bool combust;
    } distances[] = {
        {100.5, 105.5, true},        // 5° itself is combust
        {105.5, 100.5, true},
        {100.5, 105.75, false},
        {358, 2.5, true},            // 4.5° across 0°
        {2.5, 358, true},
        {357, 2.5, false},
        {0, 180, false},
    };
    for (const Distance& d : distances)
        EXPECT_EQ(IsCombust(d.sun, d.body), d.combust) << d.sun << " / " << d.body;
}

TEST_F(PositionTexts, EnglishCutsHindiKeepsWhole)
{
    EXPECT_EQ(EnglishCut("Jupiter", 3, OutputRun().Choices()), "Jup");
    EXPECT_EQ(EnglishCut("Sun", 4, OutputRun().Choices()), "Sun");
    ApplyDisplayConventions(true);
    EXPECT_EQ(EnglishCut("वृश्चिक", 4, OutputRun().Choices()), "वृश्चिक");
}

// Where even the smallest size is too wide (a long name typed), the leading
// words are cut to their initials.
TEST_F(PositionTexts, InitialsOfTheLeadingWords)
{
    struct Case {
        const char* text;
        const char* initials;
    } cases[] = {
        {"Ramachandra Venkatesh Kulkarni", "R. V. Kulkarni"},
        {"Purva Phalguni-3", "P. Phalguni-3"},
        {"27 Revati", "27 Revati"},          // numerals stand whole
        {"26 पूर्वा भाद्रपद", "26 पू. भाद्रपद"},  // the initial keeps its vowel sign
        {"उत्तराषाढ़ा", "उत्तराषाढ़ा"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InitialsOfLeadingWords(c.text), c.initials) << c.text;
}

using PlanetTable = PositionTableTest;

TEST_F(PlanetTable, CellsOfABodyAndTheLagna)
{
    place(Mars, 0);
    place(Saturn, 359.99);
    Chart().HouseCusps[1] = 45.99999;  // rounds up to the next second
    const PlanetTableCells cells = PlanetTableCellsOf(SiderealTable, Chart(), RunContext());
    using Row = std::array<std::string, PlanetColumns>;
    EXPECT_EQ(cells[rowOf(Mars)],
              (Row{"Mars", "Aries", "00:00:00", "", "01 Ashvini", "1", "Mar", "Ket", "", "", ""}));
    EXPECT_EQ(cells[rowOf(Saturn)], (Row{"Saturn", "Pisces", "29:59:24", "", "27 Revati", "4",
                                         "Jup", "Mer", "", "", ""}));
    // The Lagna is the ascendant, not element 1 (the ayanamsa).
    EXPECT_EQ(cells[0], (Row{"Lagna", "Taurus", "16:00:00", "", "04 Rohini", "2", "Ven", "Moo",
                             "", "", ""}));
    for (int r = 0; r < PositionRows; ++r)
        EXPECT_EQ(cells[r][0], RunText(BodyKeys[BodyDisplayOrder[r + 1]])) << r;
}

TEST_F(PlanetTable, MarksOnlyFromMarsOn)
{
    struct Case {
        const char* what;
        double sun;
        int body;
        double now, later;
        const char* retrograde;
        const char* combust;
    } cases[] = {
        {"Sun moving back", 20, Sun, 20, 19.9, "", ""},
        {"Moon moving back beside the Sun", 20, Moon, 22, 21.9, "", ""},
        {"Mars moving back", 20, Mars, 120, 119.9, "R", ""},
        {"Mercury beside the Sun", 20, Mercury, 24.5, 24.6, "", "Comb"},
        {"Venus 5 degrees from the Sun", 20, Venus, 25, 25.1, "", "Comb"},
        {"Jupiter just beyond 5 degrees", 20, Jupiter, 25.25, 25.3, "", ""},
        {"Saturn back and combust", 20, Saturn, 16, 15.9, "R", "Comb"},
        {"Rahu moving back", 20, Rahu, 300, 299.99, "R", ""},
        // The nodes are points, not bodies: never combust.
        {"Rahu beside the Sun", 20, Rahu, 21, 20.99, "R", ""},
        {"Ketu on the Sun", 20, Ketu, 20, 19.99, "R", ""},
        {"Ketu across 0 forward", 20, Ketu, 359.99, 0.01, "", ""},
        {"Uranus across 0 backward", 20, Uranus, 0.01, 359.99, "R", ""},
        {"Neptune combust across 0", 2, Neptune, 357, 357.01, "", "Comb"},
        {"Pluto beyond the orb across 0", 2, Pluto, 356.75, 356.76, "", ""},
    };
    for (const Case& c : cases) {
        freshState();
        place(Sun, c.sun);
        place(c.body, c.now, c.later);
        for (int mode : {SiderealTable, TropicalTable, KPTable}) {
            const auto cells = PlanetTableCellsOf(mode, Chart(), RunContext());
            EXPECT_EQ(cells[rowOf(c.body)][3], c.retrograde) << c.what << ", mode " << mode;
            EXPECT_EQ(cells[rowOf(c.body)][10], c.combust) << c.what << ", mode " << mode;
        }
        // The Lagna never carries a mark, whatever the bodies do.
        Chart().HouseCusps[1] = c.sun;
        const auto cells = PlanetTableCellsOf(SiderealTable, Chart(), RunContext());
        EXPECT_EQ(cells[0][3], "") << c.what;
        EXPECT_EQ(cells[0][10], "") << c.what;
    }
}

// Computed charts with a node inside the Sun's orb: Ketu beside the Sun on
// 29-02-2184 at 64N50 147W43, Rahu or Ketu on 07-12-2132 at 60N10 24E56.
// The node's row carries no mark; a planet in the orb keeps it.
TEST_F(PlanetTable, ComputedNodesInTheSunsOrbAreNotCombust)
{
    const struct {
        const char* what;
        BirthRecord birth;
    } cases[] = {
        {"29-02-2184 64N50", MovedTo(DelhiBirth(29, 2, 2184, 12, 0, 0), 64, 50, "N", 147, 43, "W", -135)},
        {"07-12-2132 60N10", MovedTo(DelhiBirth(7, 12, 2132, 9, 0, 0), 60, 10, "N", 24, 56, "E", 30)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        freshState();
        Native() = c.birth;
        CalcChart(OutputRun().Choices());
        const auto& l = Chart().PlanetLongitudes;
        const auto cells = PlanetTableCellsOf(SiderealTable, Chart(), RunContext());
        bool nodeInOrb = false;
        for (int body = Mercury; body <= Pluto; ++body) {
            if (body == Moon)
                continue;
            const bool inOrb = IsCombust(l[Sun], l[body]);
            const bool node = body == Rahu || body == Ketu;
            nodeInOrb |= node && inOrb;
            EXPECT_EQ(cells[rowOf(body)][10], inOrb && !node ? "Comb" : "") << cells[rowOf(body)][0];
        }
        EXPECT_TRUE(nodeInOrb) << "no node in the Sun's orb";
    }
}

// Tropical adds the ayanamsa; KP moves a Lahiri chart into the K.P. zodiac,
// which begins 5'48.67" later (in 1900, the chart's moment here); both reduce
// into the circle.
TEST_F(PlanetTable, ModesShiftThePositions)
{
    struct Case {
        int mode;
        double longitude;
        const char* sign;
        const char* dms;
        const char* nakshatra;
        const char* pada;
        const char* subLord;
    } cases[] = {
        {SiderealTable, 336.5, "Pisces", "06:30:00", "26 Uttara Bhadrapada", "1", ""},
        {TropicalTable, 336.5, "Aries", "00:00:00", "01 Ashvini", "1", ""},   // exactly 360
        {TropicalTable, 350, "Aries", "13:30:00", "02 Bharani", "1", ""},
        {KPTable, 29.95, "Taurus", "00:02:49", "03 Krittika", "2", "Rah"},  // 12168.67" into Krittika
        {KPTable, 0, "Aries", "00:05:49", "01 Ashvini", "1", "Ket"},        // 348.67" into Ketu's sub
        {KPTable, 1, "Aries", "01:05:49", "01 Ashvini", "1", "Ven"},        // 3948.67": Venus's
        {KPTable, 359.95, "Aries", "00:02:49", "01 Ashvini", "1", "Ket"},
    };
    for (const Case& c : cases) {
        place(Jupiter, c.longitude);
        const auto row = PlanetTableCellsOf(c.mode, Chart(), RunContext())[rowOf(Jupiter)];
        EXPECT_EQ(row[1], c.sign) << c.mode << " " << c.longitude;
        EXPECT_EQ(row[2], c.dms) << c.mode << " " << c.longitude;
        EXPECT_EQ(row[4], c.nakshatra) << c.mode << " " << c.longitude;
        EXPECT_EQ(row[5], c.pada) << c.mode << " " << c.longitude;
        EXPECT_EQ(row[8], c.subLord) << c.mode << " " << c.longitude;
    }
}

TEST_F(PlanetTable, HindiPrintsLordsWhole)
{
    ApplyDisplayConventions(true);
    place(Mars, 1);
    const auto row = PlanetTableCellsOf(KPTable, Chart(), RunContext())[rowOf(Mars)];
    EXPECT_EQ(row[1], "मेष");
    EXPECT_EQ(row[4], "01 अश्विनी");
    EXPECT_EQ(row[6], "मंगल");
    EXPECT_EQ(row[7], "केतु");
    EXPECT_EQ(row[8], "शुक्र");  // the sub lord's English name in Hindi
}

// Columns, rows and captions of the three modes in both languages.
TEST_F(PlanetTable, LayoutOfTheModes)
{
    struct Case {
        int mode;
        bool hindi;
        const char* heading;
        std::array<double, 4> x;     // captions of columns 0, 4, 8 and 10
    } cases[] = {
        {SiderealTable, false, "Nirayana Planetary Positions", {100, 3950, -1, 8100}},
        {TropicalTable, false, "Sayana Planetary Positions", {100, 3950, -1, 8100}},
        {KPTable, false, "Krishnamurti Paddhati", {0, 3450, 7100, 7800}},
        {SiderealTable, true, "निरयण ग्रह स्पष्ट", {100, 4250, -1, 8200}},
        {KPTable, true, "कृष्णमूर्ति पद्धति", {0, 3750, 7100, 7900}},
    };
    const int left = Config().LeftMarginTwips;
    for (const Case& c : cases) {
        freshState();
        ApplyDisplayConventions(c.hindi);
        const std::string what = std::to_string(c.mode) + (c.hindi ? " hi" : " en");
        PrintPlanetTable(surface, RunContext(), c.mode, Chart());

        const RecordedText* heading = surface.FindText(c.heading);
        ASSERT_NE(heading, nullptr) << what;
        EXPECT_TRUE(heading->font.Bold && heading->font.Underline) << what;

        const RecordedText* planet = surface.FindText(RunText("PLANET"));
        ASSERT_NE(planet, nullptr) << what;
        EXPECT_TRUE(planet->font.Bold && planet->font.Underline) << what;
        EXPECT_EQ(planet->x, left + c.x[0]) << what;
        EXPECT_EQ(surface.FindText(RunText("NAKSHATRA"))->x, left + c.x[1]) << what;
        const RecordedText* sub = surface.FindText(RunText("SL"));
        if (c.x[2] < 0) {
            EXPECT_EQ(sub, nullptr) << what;
        } else {
            ASSERT_NE(sub, nullptr) << what;
            EXPECT_EQ(sub->x, left + c.x[2]) << what;
        }
        const RecordedText* comb = surface.FindText(RunText("_COM"));
        ASSERT_NE(comb, nullptr) << what;
        EXPECT_EQ(comb->x, left + c.x[3]) << what;

        // Thirteen rows a fixed 250 twips apart, a line step under the captions.
        const PlanetTableCells cells = PlanetTableCellsOf(c.mode, Chart(), RunContext());
        for (int r = 0; r < PositionRows; ++r) {
            // The body's name in the first column (lords carry the same names).
            const RecordedText* body = nullptr;
            for (const RecordedText& t : surface.Texts())
                if (t.text == cells[r][0] && t.x == planet->x && !body)
                    body = &t;
            ASSERT_NE(body, nullptr) << what << " row " << r;
            EXPECT_EQ(body->y, planet->y + OutputRun().LineStep + 250 * r) << what << " row " << r;
            EXPECT_FALSE(body->font.Bold) << what;
        }
        // The node note in small bold type under the last row.
        const RecordedText* note = surface.FindText(RunText("TRUERAHUKETU"));
        ASSERT_NE(note, nullptr) << what;
        EXPECT_TRUE(note->font.Bold) << what;
        EXPECT_EQ(note->font.Size, OutputRun().BodyFontSize - 2) << what;
        EXPECT_GT(note->y, planet->y + OutputRun().LineStep + 250 * 12) << what;
        EXPECT_EQ(surface.Font.Size, OutputRun().BodyFontSize) << what;
        EXPECT_FALSE(surface.Font.Bold) << what;
    }
}

TEST_F(PlanetTable, NodeNoteNamesTheNodesInUse)
{
    OutputRun().TrueNode = false;
    PrintPlanetTable(surface, RunContext(), SiderealTable, Chart());
    EXPECT_NE(surface.FindText("Rahu and Ketu: mean nodes"), nullptr);
    EXPECT_EQ(surface.FindText("Rahu and Ketu: true nodes"), nullptr);
}

// A page draws by the choices its caller hands it: the program's state,
// left at the true nodes, the colon and English cuts, does not leak in.
TEST_F(PlanetTable, FollowsTheChoicesItIsGivenNotTheProgramState)
{
    place(Mars, 0);
    PageContext given = RunContext();
    given.choices.trueNode = false;
    given.choices.colon = ".";
    given.choices.languageHindi = true;   // the lords stand whole, in Hindi
    given.texts = Texts(given.choices);
    ASSERT_TRUE(OutputRun().TrueNode);
    ASSERT_FALSE(OutputRun().LanguageHindi);

    const PlanetTableCells cells = PlanetTableCellsOf(SiderealTable, Chart(), given);
    EXPECT_EQ(cells[rowOf(Mars)][2], "00.00.00");
    EXPECT_EQ(cells[rowOf(Mars)][6], "मंगल");
    EXPECT_EQ(cells[rowOf(Mars)][7], "केतु");
    PrintPlanetTable(surface, given, SiderealTable, Chart());
    EXPECT_NE(surface.FindText("राहु-केतु: मध्यम पात"), nullptr);
    EXPECT_EQ(surface.FindText("राहु-केतु: स्पष्ट पात"), nullptr);
    EXPECT_EQ(surface.FindText("Rahu and Ketu: mean nodes"), nullptr);
}

// A nakshatra too wide for its column in the narrow KP layout stands whole,
// the column set smaller so that it keeps clear of the pada; every
// nakshatra of the column in that one size.
TEST_F(PlanetTable, LongNakshatraFitsItsColumn)
{
    place(Moon, 336.5);
    PrintPlanetTable(surface, RunContext(), KPTable, Chart());
    const RecordedText* nakshatra = surface.FindText("26 Uttara Bhadrapada");
    ASSERT_NE(nakshatra, nullptr);
    const RecordedText* pada = surface.FindText(RunText("PAD"));
    EXPECT_LT(nakshatra->x + nakshatra->font.Size * RecordingSurface::WidthPerPoint * 20, pada->x);
    EXPECT_LT(nakshatra->font.Size, OutputRun().BodyFontSize);
    for (const RecordedText& t : surface.Texts()) {
        if (t.x != nakshatra->x || t.y <= nakshatra->y - 13 * 250 || t.y == pada->y)
            continue;
        EXPECT_EQ(t.font.Size, nakshatra->font.Size) << t.text;
    }
}

using CuspTable = PositionTableTest;

TEST_F(CuspTable, RowsOfCuspsAroundTheCircle)
{
    using Row = std::array<std::string, CuspColumns>;
    struct Case {
        double cusp;
        Row row;
    } cases[] = {
        {0, {"01", "Aries", "00:00:00", "", "01 Ashvini", "1", "Mars", "Ketu", "Ketu"}},
        {359.99, {"01", "Pisces", "29:59:24", "", "27 Revati", "4", "Jupiter", "Mercury", "Saturn"}},
        {360, {"01", "Aries", "00:00:00", "", "01 Ashvini", "1", "Mars", "Ketu", "Ketu"}},
        {365, {"01", "Aries", "05:00:00", "", "01 Ashvini", "2", "Mars", "Ketu", "Mars"}},
        {-0.01, {"01", "Pisces", "29:59:24", "", "27 Revati", "4", "Jupiter", "Mercury", "Saturn"}},
        {45.99999, {"01", "Taurus", "16:00:00", "", "04 Rohini", "2", "Venus", "Moon", "Saturn"}},
    };
    KPCuspChart kp;
    for (const Case& c : cases) {
        kp.cusps[0] = c.cusp;
        EXPECT_EQ(CuspTableCellsOf(kp, RunContext())[0], c.row) << c.cusp;
    }
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(CuspTableCellsOf(kp, RunContext())[k - 1][0], (k < 10 ? "0" : "") + std::to_string(k));
}

TEST_F(CuspTable, HindiNamesTheLordsInHindi)
{
    ApplyDisplayConventions(true);
    KPCuspChart kp;
    kp.cusps[0] = 359.99;
    const auto row = CuspTableCellsOf(kp, RunContext())[0];
    EXPECT_EQ(row[1], "मीन");
    EXPECT_EQ(row[4], "27 रेवती");
    EXPECT_EQ(row[6], "गुरु");
    EXPECT_EQ(row[7], "बुध");
    EXPECT_EQ(row[8], "शनि");
}

TEST_F(CuspTable, HeadingCaptionsAndRowsFromTheGivenTop)
{
    for (bool hindi : {false, true}) {
        freshState();
        ApplyDisplayConventions(hindi);
        KPCuspChart kp;
        for (int k = 0; k < 12; ++k)
            kp.cusps[k] = 15 + 30 * k;
        surface.CurrentY = 0;
        int y = 3000;
        PrintCuspTable(surface, RunContext(), kp, y);
        const double step = OutputRun().LineStep;

        const RecordedText* heading = surface.FindText(RunText("_NIRAYANA") + " " + RunText("BHAV"));
        ASSERT_NE(heading, nullptr) << hindi;
        EXPECT_EQ(heading->y, 3000) << hindi;
        const double captions = 3000 + std::floor(step * 1.25);
        const RecordedText* sub = surface.FindText(RunText("_SL"));
        ASSERT_NE(sub, nullptr) << hindi;
        EXPECT_EQ(sub->y, captions) << hindi;
        EXPECT_EQ(sub->x, Config().LeftMarginTwips + 7800) << hindi;
        EXPECT_TRUE(sub->font.Bold && sub->font.Underline) << hindi;
        EXPECT_EQ(y, std::lround(captions + step)) << hindi << ": y comes back as the first row";
        for (int k = 1; k <= 12; ++k) {
            const std::string number = (k < 10 ? "0" : "") + std::to_string(k);
            const RecordedText* cell = surface.FindText(number);
            ASSERT_NE(cell, nullptr) << number;
            // Rows 250 twips apart, the Hindi line step in Hindi.
            EXPECT_EQ(cell->y, y + std::max(250.0, step) * (k - 1)) << hindi << " " << number;
            EXPECT_EQ(cell->x, Config().LeftMarginTwips) << number;
            EXPECT_FALSE(cell->font.Bold || cell->font.Underline) << number;
        }
        // The empty thirteenth row leaves the position below it.
        EXPECT_GE(surface.CurrentY, y + std::max(250.0, step) * 12) << hindi;
    }
}

// The KP bhava chart counts house 1 from cusp 1, also when that span
// passes 0°: a body just after cusp 1 is in the first house, one just
// before it in the twelfth.
TEST_F(CuspTable, KPBhavaChartPlacesABodyJustAfterCuspOne)
{
    // The sidereal time at Delhi at which the K.P. ascendant (the Lahiri one
    // 5'48.67" on, in 1900) stands at each cusp 1 below.
    const double kpShift = 5 / 60.0 + 48.67 / 3600;
    auto siderealTimeRaising = [](double lagna) {
        auto past = [&](double hours) { return std::remainder(CalcAscendant(hours, 28.65, 23.44, 23.5) - lagna, 360.0); };
        double lo = 0;
        while (!(past(lo) < 0 && past(lo + 0.25) >= 0))
            lo += 0.25;
        double hi = lo + 0.25;
        while (hi - lo > 1e-12)
            (past((lo + hi) / 2) < 0 ? lo : hi) = (lo + hi) / 2;
        return hi;
    };
    for (double cusp1 : {100.1, 359.95, 30.05}) {
        SCOPED_TRACE(cusp1);
        freshState();
        Chart().PlaceLatitude = 28.65;
        Chart().Obliquity = 23.44;
        Chart().SiderealTime = siderealTimeRaising(cusp1 - kpShift);
        Chart().HouseCusps[1] = CalcAscendant(Chart().SiderealTime, 28.65, 23.44, 23.5);
        const int lagnaRasi = static_cast<int>(Chart().HouseCusps[1] / 30) + 1;
        Chart().SaptavargaSigns[1][1] = lagnaRasi;
        place(Mars, ReduceDegrees(cusp1 - kpShift + 0.05));
        place(Venus, ReduceDegrees(cusp1 - kpShift - 0.05));
        const KPCuspChart kp = KPCuspsOf(Chart());
        EXPECT_NEAR(kp.cusps[0], cusp1, 1e-6);
        const ChartSigns bhavas = KPBhavaChart(Chart(), kp);
        EXPECT_EQ(bhavas[Mars], lagnaRasi);
        EXPECT_EQ(bhavas[Venus], WrapRange(lagnaRasi + 11, 12));
        // The cusp table of the page starts with that cusp.
        ASSERT_TRUE(PrintPage(surface, "KP2", false));
        EXPECT_NE(surface.FindText(FormatDMS(kp.cusps[0], OutputRun().PunctColon)), nullptr);
        EXPECT_TRUE(collector.messages.empty());
    }
}

// The KP pages stand in the K.P. zodiac whatever ayanamsa the chart was cast
// with. The Moon of 1 January 1950, 23:49:43 at Delhi on the KP1 page, and
// the cusps of the KP2 page with it, the same under all three.
TEST_F(CuspTable, KPPagesUnderEveryAyanamsa)
{
    struct Case { int choice; const char* moon; const char* subLord; };
    const Case cases[] = {
        {AyanamsaLahiri, "17:44:26", "Sat"},   // Swiss Ephemeris under SE_SIDM_KRISHNAMURTI: 17:44:26.15
        {AyanamsaKP, "17:44:26", "Sat"},
        {AyanamsaRaman, "17:44:26", "Sat"},
    };
    std::array<double, 13> lahiriCusps{};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice);
        freshState();
        PrepareRun({.native = {DelhiBirth(1, 1, 1950, 23, 49, 43)}, .ayanamsaChoice = c.choice, .hindi = false});
        const PlanetTableCells cells = PlanetTableCellsOf(KPTable, Chart(), RunContext());
        EXPECT_EQ(cells[rowOf(Moon)][1], SignText(2, Texts(OutputRun().Choices())));
        EXPECT_EQ(cells[rowOf(Moon)][2], c.moon);
        EXPECT_EQ(cells[rowOf(Moon)][8], c.subLord);

        ASSERT_TRUE(PrintPage(surface, "KP2", false));
        EXPECT_TRUE(collector.messages.empty());
        const KPCuspChart kp = KPCuspsOf(Chart());
        EXPECT_NE(surface.FindText(FormatDMS(kp.cusps[0], OutputRun().PunctColon)), nullptr);
        if (c.choice == AyanamsaLahiri)
            std::copy_n(kp.cusps.begin(), 13, lahiriCusps.begin());
        for (int k = 0; k < 12; ++k)
            EXPECT_NEAR(kp.cusps[k], lahiriCusps[k], 1e-9) << "cusp " << k + 1;
    }
}

// Inside the polar circle no K.P. cusps can be cast: the page says so in
// the page's language, in place of the cusp table and the bhava chart.
TEST_F(CuspTable, KPPageInsideThePolarCircleSaysNoCuspsCanBeCast)
{
    struct Case { double latitude; bool cast; };
    const Case cases[] = {{69 + 38 / 60.0, false}, {-77.85, false}, {65.7, true}};
    for (const Case& c : cases) {
        for (bool hindi : {false, true}) {
            SCOPED_TRACE(::testing::Message() << c.latitude << (hindi ? " in Hindi" : " in English"));
            freshState();
            ApplyDisplayConventions(hindi);
            Births().BirthLagna = 200;
            Births().BirthAyanamsa = 23.5;
            Chart().PlaceLatitude = c.latitude;
            Chart().Obliquity = 23.44;
            ASSERT_TRUE(PrintPage(surface, "KP2", false));
            EXPECT_TRUE(collector.messages.empty());
            const std::string caption = RunText("_KPNOCUSPS");
            ASSERT_NE(caption, "_KPNOCUSPS");
            std::string page;   // every text of the page, the justified words apart
            for (const RecordedText& t : surface.Texts())
                page += t.text + " ";
            const std::string lastWord = caption.substr(caption.rfind(' ') + 1);
            EXPECT_EQ(page.find(lastWord) == std::string::npos, c.cast) << lastWord;
            EXPECT_EQ(surface.FindText(RunText("_SL")) != nullptr, c.cast) << "the table's captions";
            EXPECT_EQ(surface.FindText("07") != nullptr, c.cast) << "a row of the table";
            EXPECT_EQ(surface.Pictures().size(), c.cast ? 2u : 1u) << "the lagna chart, and the bhava chart";
        }
    }
}

using MatchNirayana = PositionTableTest;

TEST_F(MatchNirayana, BothPersonsSideBySide)
{
    OutputRun().MatchMode = true;
    MatchCopies& m = Match();
    m.PartnerLongitudes = Chart().PlanetLongitudes;
    m.PartnerCusps = Chart().HouseCusps;
    place(Mars, 245.5, 245.4);                       // the boy's Mars moving back
    m.PartnerLongitudes[Mars] = 336.5;
    m.PartnerLongitudes[Mars + HourLater] = 336.6;
    m.PartnerCusps[1] = 359.99;

    const MatchTableCells cells = MatchNirayanaCells(RunContext());
    using Row = std::array<std::string, MatchColumns>;
    EXPECT_EQ(cells[rowOf(Mars)], (Row{"Ma", "Sagi-Ju", "05:30:00R", "Moola-2", "Pisc-Ju",
                                       "06:30:00", "Uttara Bhadrapada-1"}));
    EXPECT_EQ(cells[0][4], "Pisc-Ju");
    EXPECT_EQ(cells[0][6], "Revati-4");

    ApplyDisplayConventions(true);
    EXPECT_EQ(MatchNirayanaCells(RunContext())[rowOf(Mars)][1], "धनु-गु");
}

TEST_F(MatchNirayana, PageOfTenRowsAndFourCharts)
{
    OutputRun().MatchMode = true;
    ChartState& c = Chart();
    MatchCopies& m = Match();
    for (int b = 1; b <= 13; ++b)
        for (int k = 1; k <= 7; ++k) {
            m.NativeSaptavargaSigns[b][k] = 5;
            m.PartnerSaptavargaSigns[b][k] = 9;
        }
    m.PartnerLongitudes = c.PlanetLongitudes;
    for (int k = 1; k <= 12; ++k) {
        c.HouseCusps[k] = 30.0 * k;
        m.PartnerCusps[k] = std::fmod(355.0 + 30.0 * (k - 1), 360.0);
    }
    // The girl's Mars just after her first cusp, which passes 0°.
    m.PartnerLongitudes[Mars] = 0.5;

    ASSERT_TRUE(PrintPage(surface, "Nirayana", false));
    EXPECT_TRUE(collector.messages.empty());
    // Lagna to Ketu: the outer planets are not printed.
    const std::string ketu = RunText("KETU");
    ASSERT_NE(surface.FindText(ketu), nullptr);
    EXPECT_EQ(surface.FindText(RunText("URANUS")), nullptr);
    const RecordedText* planet = surface.FindText(RunText("PLANET"));
    EXPECT_EQ(surface.FindText(ketu)->y, planet->y + 300 + 9 * OutputRun().LineStep);

    ASSERT_EQ(surface.Pictures().size(), 4u);
    EXPECT_EQ(surface.Pictures()[0].y, surface.Pictures()[1].y);
    EXPECT_EQ(surface.Pictures()[2].y, surface.Pictures()[0].y + 4300);
    EXPECT_EQ(surface.TextsContaining(RunText("_BHAVACHALIT")).size(), 2u);
    // The girl's chalit, the last chart, counts from her lagna rasi by her
    // cusps: house 1 is numbered 9 and holds her Mars.
    const RecordedPicture& chalit = surface.Pictures()[3];
    const double f = chalit.width / ChartDesignSize;
    const auto inHouse1 = [&](const RecordedText& t) {
        const double x = (t.x + CodePoints(t.text) * t.font.Size * RecordingSurface::WidthPerPoint / 2 - chalit.x) / f;
        const double y = (t.y + t.font.Size * RecordingSurface::HeightPerPoint / 2 - chalit.y) / f;
        const std::vector<DesignPoint> house = NorthHouseOutline(1);
        for (std::size_t i = 0; i < house.size(); ++i) {
            const DesignPoint a = house[i], b = house[(i + 1) % house.size()];
            if ((b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x) > 0)
                return false;
        }
        return true;
    };
    const auto drawnInHouse1 = [&](const std::string& text) {
        for (const RecordedText& t : surface.TextsContaining(text))
            if (t.y > chalit.y && inHouse1(t))
                return true;
        return false;
    };
    EXPECT_TRUE(drawnInHouse1("9"));
    EXPECT_TRUE(drawnInHouse1(RunText("MANGAL")));
}

// A client handed one match page can tell whose chart is whose: each chart's
// title names its person, the boy's on the left, the girl's on the right,
// and so does each column group of the positions table; by the name as
// typed, or as Boy and Girl where none was typed.
TEST_F(MatchNirayana, EachChartAndColumnGroupNamesItsPerson)
{
    OutputRun().MatchMode = true;
    Match().PartnerLongitudes = Chart().PlanetLongitudes;
    Match().PartnerCusps = Chart().HouseCusps;
    const struct {
        const char* boy;
        const char* girl;
        std::string boyLabel, girlLabel;
    } cases[] = {
        {"Ramesh Kulkarni", "Asha Rao", "Ramesh Kulkarni", "Asha Rao"},
        {"", "  ", RunText("_BOY"), RunText("_GIRL")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.boyLabel);
        Native().Name = c.boy;
        Partner().Name = c.girl;
        for (const char* page : {"Nirayana", "Navamsa"}) {
            SCOPED_TRACE(page);
            surface = RecordingSurface();
            ASSERT_TRUE(PrintPage(surface, page, false));
            // The texts drawn just before each chart: its title, and the person.
            std::size_t texts = 0, pictures = 0;
            int charts = 0;
            for (RecordingSurface::Event e : surface.Events()) {
                if (e == RecordingSurface::Event::Text)
                    ++texts;
                if (e != RecordingSurface::Event::Picture)
                    continue;
                const RecordedPicture& chart = surface.Pictures()[pictures++];
                ASSERT_GE(texts, 2u);
                const RecordedText& person = surface.Texts()[texts - 1];
                const bool left = chart.x < OutputRun().PageWidth / 2.0;
                EXPECT_EQ(person.text, left ? c.boyLabel : c.girlLabel);
                EXPECT_EQ(person.y, surface.Texts()[texts - 2].y) << "on the title's line";
                ++charts;
            }
            EXPECT_EQ(charts, std::string(page) == "Nirayana" ? 4 : 6);
        }
        // Over the table's two groups of columns, the boy's and the girl's.
        surface = RecordingSurface();
        ASSERT_TRUE(PrintPage(surface, "Nirayana", false));
        const RecordedText* boy = surface.FindText(c.boyLabel);
        const RecordedText* girl = surface.FindText(c.girlLabel);
        const RecordedText* planet = surface.FindText(RunText("PLANET"));
        ASSERT_TRUE(boy && girl && planet);
        EXPECT_EQ(boy->x, TableLeft(RunContext().layout) + 800);
        EXPECT_EQ(girl->x, TableLeft(RunContext().layout) + 5000);
        EXPECT_LT(boy->y, planet->y);
        EXPECT_EQ(girl->y, boy->y);
    }
    EXPECT_TRUE(collector.messages.empty()) << collector.messages.front();
}

} // namespace

namespace {

// Without the reference database the KP tables cannot name their sub lords:
// the page is abandoned with a message, and the pages that need no sub
// lord still draw.
TEST_F(CuspTable, KPPagesWithoutTheSubLordTablesAreAbandoned)
{
    CloseReferenceDatabases();
    EchoSource texts;
    SetTextSource(&texts);
    for (const char* key : {"KP1", "KP2"}) {
        collector.messages.clear();
        EXPECT_FALSE(PrintPage(surface, key, false)) << key;
        ASSERT_EQ(collector.messages.size(), 1u) << key;
        EXPECT_NE(collector.messages[0].find(key), std::string::npos) << collector.messages[0];
    }
    collector.messages.clear();
    EXPECT_TRUE(PrintPage(surface, "Nirayana", false));
    EXPECT_TRUE(collector.messages.empty());
    SetTextSource(nullptr);
}

} // namespace
