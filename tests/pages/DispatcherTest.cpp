#include "PageTestSupport.h"

#include "calc/KPChart.h"
#include "calc/NameTables.h"
#include "pages/ChartPages.h"
#include "pages/Frame.h"
#include "pages/PageDispatcher.h"
#include "pages/SignColumns.h"
#include "refdata/RefdataFixture.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// A birth chart that is whole enough to draw: longitudes spread over the
// signs, cusps and sandhis every 30 degrees, every varga column filled.
void fillChart()
{
    ChartState& c = Chart();
    c.PlanetLongitudes[AyanamsaSlot] = 23.5;
    for (int b = Sun; b <= Pluto; ++b) {
        c.PlanetLongitudes[b] = std::fmod(17.0 + 41.0 * b, 360.0);
        c.PlanetLongitudes[b + HourLater] = c.PlanetLongitudes[b] + 0.01;
    }
    for (int k = 1; k <= 12; ++k) {
        c.HouseCusps[k] = std::fmod(100.0 + 30.0 * (k - 1), 360.0);
        c.BhavaSandhi[k] = std::fmod(85.0 + 30.0 * (k - 1), 360.0);
        c.KPCusps[k - 1] = std::fmod(101.0 + 30.0 * (k - 1), 360.0);
        c.KPHouseSigns[k - 1] = (k + 2) % 12 + 1;
    }
    c.KPCusps[12] = c.KPCusps[0];
    for (int b = 1; b <= 13; ++b) {
        const double l = b == 1 ? c.HouseCusps[1] : c.PlanetLongitudes[b];
        for (int k = 1; k <= 7; ++k)
            c.SaptavargaSigns[b][k] = static_cast<int>(std::fmod(l * k, 360.0) / 30) + 1;
    }
    static const char* names[17] = {"", "Rashi", "Hora", "Drekkana", "Chaturthamsa", "Saptamsa",
                                    "Navamsa", "Dasamsa", "Dwadasamsa", "Shodasamsa", "Vimsamsa",
                                    "Chaturvimsamsa", "Bhamsa", "Thrisamsa", "Khavedamsa",
                                    "Akshavedamsa", "Shatyamsa"};
    for (int v = 1; v <= 16; ++v) {
        c.ShodashVargaNames[v] = names[v];
        for (int t = 1; t <= 10; ++t)
            c.ShodashVargaSigns[v][t] = (v * 5 + t * 3) % 12 + 1;
    }
    MatchCopies& m = Match();
    std::copy(&c.SaptavargaSigns[0][0], &c.SaptavargaSigns[0][0] + 14 * 8,
              &m.NativeSaptavargaSigns[0][0]);
    for (int b = 1; b <= 13; ++b)
        for (int k = 1; k <= 7; ++k)
            m.PartnerSaptavargaSigns[b][k] = WrapRange(c.SaptavargaSigns[b][k] + 6, 12);
    m.PartnerLongitudes = c.PlanetLongitudes;
    for (int b = Sun; b <= Pluto; ++b)
        m.PartnerLongitudes[b] = std::fmod(c.PlanetLongitudes[b] + 180.0, 360.0);
    m.PartnerCusps = c.HouseCusps;
    m.PartnerSandhis = c.BhavaSandhi;
    for (int k = 1; k <= 12; ++k)
        m.PartnerSandhis[k] = std::fmod(c.BhavaSandhi[k] + 180.0, 360.0);
}

std::string flag(bool b) { return b ? "T" : "F"; }

// The KP tables look their sub lords up in the reference database: a copy
// of the delivered databases is open while one lives; the page texts stay
// those of the test's source.
class SubLordsOpen {
public:
    explicit SubLordsOpen(TextSource& texts)
    {
        folder_.CopyDeliveredDatabases();
        Program().ProgramFolder = folder_.Path().string();
        OpenReferenceDatabases();
        SetTextSource(&texts);
    }
    ~SubLordsOpen() { CloseReferenceDatabases(); }

private:
    ScratchFolder folder_;
};

class DispatcherTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Native() = BirthRecord{};
        Native().Name = "Asha";
        Native().Day = 5;
        Native().Month = 1;
        Native().Year = 1990;
        Partner().Name = "Ravi";
        Config().PrintBorder = false;
        fillChart();
    }

    // Replaces every builder with one that notes its call.
    void spyOnBuilders()
    {
        PageBuilders& b = Builders();
        auto note = [this](std::string s) { calls.push_back(std::move(s)); };
        b.PrintBasicPage = [=](Surface&, bool match, const SunTimes* st, const PanchangValues* pv) {
            note("Basic(" + flag(match) + flag(st != nullptr) + flag(pv != nullptr) + ")");
        };
        b.PrintPlanetTable = [=](Surface&, int mode, bool p) {
            note("PlanetTable(" + std::to_string(mode) + flag(p) + ")");
        };
        b.PrintMatchNirayanaPage = [=](Surface&, bool p) { note("MatchNirayana(" + flag(p) + ")"); };
        b.PrintCuspTable = [=](Surface&, int mode, bool p, int&) {
            note("CuspTable(" + std::to_string(mode) + flag(p) + ")");
        };
        b.PrintAspectGrid = [=](Surface&) { note("AspectGrid"); };
        b.PrintBhavTable = [=](Surface&) { note("BhavTable"); };
        b.PrintShodashvargaTable = [=](Surface&) { note("ShodashvargaTable"); };
        b.PrintAshtakvargaPage = [=](Surface&) { note("Ashtakvarga"); };
        b.PrintPlanetFriendship = [=](Surface&) { note("Friendship"); };
        b.PrintSudarshanChakra = [=](Surface&) { note("Sudarshan"); };
        b.PrintVimshottariDasha = [=](Surface&, double d, double m, double y, bool mahaAntar,
                                      const DashaSelection& s) {
            note("Vimshottari(" + std::to_string(int(d)) + "/" + std::to_string(int(m)) + "/" +
                 std::to_string(int(y)) + " " + flag(mahaAntar) + flag(s.balanceOnly) + " p" +
                 std::to_string(s.pratyantarPage) + " s" + flag(s.sookshma) +
                 std::to_string(s.sookshmaPage) + " " + flag(s.fromAscendant) + flag(s.fromSun) +
                 ")");
            return std::string();
        };
        b.PrintVimshottariPratyantar = [=](Surface&, double d, double, double, int a, int c) {
            note("Pratyantar(" + std::to_string(int(d)) + " " + std::to_string(a) +
                 std::to_string(c) + ")");
        };
        b.PrintYoginiDasha = [=](Surface&, double, double, double y, int sel) {
            note("Yogini(" + std::to_string(int(y)) + " " + std::to_string(sel) + ")");
        };
        b.PrintSadeSatiPage1 = [=](Surface&) { note("SadeSati1"); };
        b.PrintSadeSatiPage2 = [=](Surface&) { note("SadeSati2"); };
        b.PrintManglikDosha = [=](Surface&) { note("Manglik"); };
        b.PrintTopicPredictions = [=](Surface&, int n) { note("Topic(" + std::to_string(n) + ")"); };
        b.PrintPlanetInSignPredictions = [=](Surface&, int n) {
            note("PlanetInSign(" + std::to_string(n) + ")");
        };
        b.PrintSignInHousePredictions = [=](Surface&, int n) {
            note("SignInHouse(" + std::to_string(n) + ")");
        };
        b.JaiminiPage = [=](int cycle, Surface&) { note("Jaimini(" + std::to_string(cycle) + ")"); };
        b.BuildAspectPredictions = [=](Surface&, int n) {
            note("AspectPredictions(" + std::to_string(n) + ")");
        };
        b.MatchMaking = [=](const SunTimes&, const PanchangValues&, Surface&, int mode) {
            note("MatchMaking(" + std::to_string(mode) + ")");
        };
        b.VarshphalPage = [=](Surface&, bool p, int n) {
            note("Varshphal(" + flag(p) + std::to_string(n) + ")");
        };
    }

    int framesDrawn() const
    {
        int n = 0;
        for (const RecordedText& t : surface.Texts())
            n += t.text == "Asha" || t.text == "Asha / Ravi";
        return n;
    }

    std::vector<std::string> calls;
};

} // namespace

TEST_F(DispatcherTest, EveryKeyReachesItsBuildersWithTheirFlags)
{
    struct Case {
        const char* key;
        bool match;
        std::vector<std::string> calls;
        int frames;                  // frames the dispatcher draws itself
        const char* heading = nullptr;
    };
    const Case cases[] = {
        {"Basic", false, {"Basic(FFF)"}, 1},
        {"Sudarshan", false, {"Sudarshan"}, 1},
        {"Nirayana", false, {"PlanetTable(1T)"}, 0},
        {"Sayana", false, {"PlanetTable(2T)", "AspectGrid"}, 0},
        {"Bhav", false, {"BhavTable"}, 1},
        {"KP1", false, {"PlanetTable(3T)"}, 0},
        {"KP2", false, {"CuspTable(3T)"}, 1, "_KP"},
        {"Shodashvarga", false, {"ShodashvargaTable"}, 1},
        {"Ashtakvarga", false, {"Ashtakvarga"}, 1},
        {"Maitri", false, {"Friendship"}, 1},
        {"Manglik", false, {"Manglik"}, 1},
        {"Sade1", false, {"SadeSati1"}, 1, "SADESATI"},
        {"Sade2", false, {"SadeSati2"}, 1, "SADESATI"},
        {"VimsMaha", false, {"Vimshottari(5/1/1990 TF p0 sF0 FF)"}, 1},
        {"VimsAntar", false, {"Vimshottari(5/1/1990 TF p0 sF0 FF)"}, 1},
        {"VimsPratya1", false, {"Vimshottari(5/1/1990 FF p1 sF0 FF)"}, 1},
        {"VimsPratya9", false, {"Vimshottari(5/1/1990 FF p9 sF0 FF)"}, 1},
        {"VimsSooksh01", false, {"Vimshottari(5/1/1990 FF p0 sT1 FF)"}, 1},
        {"VimsSooksh81", false, {"Vimshottari(5/1/1990 FF p0 sT81 FF)"}, 1},
        {"SPSLMaha", false, {"Vimshottari(5/1/1990 TF p0 sF0 TF)"}, 1},
        {"SPSLPratya4", false, {"Vimshottari(5/1/1990 FF p4 sF0 TF)"}, 1},
        {"SPSLSooksh27", false, {"Vimshottari(5/1/1990 FF p0 sT27 TF)"}, 1},
        {"AadityaMaha", false, {"Vimshottari(5/1/1990 TF p0 sF0 FT)"}, 1},
        {"AadityaPratya7", false, {"Vimshottari(5/1/1990 FF p7 sF0 FT)"}, 1},
        {"AadityaSooksh55", false, {"Vimshottari(5/1/1990 FF p0 sT55 FT)"}, 1},
        {"VimsPratya", false, {"Pratyantar(5 00)"}, 1},
        {"GenPage1", false, {"Topic(1)"}, 1, "GENERAL PREDICTIONS"},
        {"GenPage3", false, {"Topic(3)"}, 1, "GENERAL PREDICTIONS"},
        {"PP2", false, {"PlanetInSign(2)"}, 1, "GENERAL PREDICTIONS"},
        {"RashiP2", false, {"SignInHouse(2)"}, 1, "GENERAL PREDICTIONS"},
        {"AspPage1", false, {"AspectPredictions(1)"}, 0},
        {"AspPage4", false, {"AspectPredictions(4)"}, 0},
        {"Yogini Maha 1", false, {"Yogini(1990 -1)"}, 1},
        {"Yogini Maha 2", false, {"Yogini(1990 -2)"}, 1},
        {"Yogini Antar", false, {"Yogini(1990 0)"}, 1},
        {"Chara", false, {"Jaimini(0)"}, 1},
        {"Chara 1", false, {"Jaimini(1)"}, 1},
        {"VP1", false, {"Varshphal(T1)"}, 0},
        {"VP4", false, {"Varshphal(T4)"}, 0},
        {"Shodash1", false, {}, 1},
        {"Basic", true, {"Basic(TTT)"}, 1},
        {"Nirayana", true, {"MatchNirayana(T)"}, 0},
        {"Navamsa", true, {}, 1},
        {"Interpret", true, {"MatchMaking(1)"}, 0},
        {"Result", true, {"MatchMaking(0)"}, 0},
        // Keys of neither list, or of the other mode's list, draw nothing.
        {"Nope", false, {}, 0},
        {"vimsmaha", false, {}, 0},
        {"Shodash5", false, {}, 0},
        {"VimsPratya10", false, {}, 0},
        {"VimsSooksh1", false, {}, 0},
        {"VimsSooksh82", false, {}, 0},
        {"VP5", false, {}, 0},
        {"Interpret", false, {}, 0},
        {"Navamsa", false, {}, 0},
        {"Sudarshan", true, {}, 0},
        {"Shodash1", true, {}, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        spyOnBuilders();
        calls.clear();
        OutputRun().MatchMode = c.match;
        EXPECT_TRUE(PrintPage(surface, c.key, true)) << c.key;
        EXPECT_EQ(calls, c.calls) << c.key << (c.match ? " (match)" : "");
        EXPECT_EQ(framesDrawn(), c.frames) << c.key << (c.match ? " (match)" : "");
        if (c.heading) {
            EXPECT_NE(surface.FindText(c.heading), nullptr) << c.key;
        }
        if (c.calls.empty() && c.frames == 0) {
            EXPECT_TRUE(surface.Events().empty()) << c.key;
        }
        EXPECT_TRUE(collector.messages.empty()) << c.key;
        surface.ClearLog();
    }
}

TEST_F(DispatcherTest, KeyListsOfBothModes)
{
    const auto horoscope = HoroscopePageKeys();
    // 19 single pages, Shodash1-4, three dasha families of 91 (maha, 9 pratyantar,
    // 81 sookshma) and "VimsAntar", 8 prediction pages and 7 aspect pages
    // (as many as a chart's aspects can fill), VP1-4.
    EXPECT_EQ(horoscope.size(), 19u + 4 + 3 * 91 + 1 + 8 + 7 + 4);
    for (const char* key : {"Basic", "VimsAntar", "VimsPratya", "Yogini Maha 2", "VP4", "AspPage7"})
        EXPECT_NE(std::find(horoscope.begin(), horoscope.end(), key), horoscope.end()) << key;
    EXPECT_EQ(MatchPageKeys(),
              (std::vector<std::string>{"Basic", "Interpret", "Navamsa", "Nirayana", "Result"}));
}

TEST_F(DispatcherTest, PreviewNeverStartsASheet)
{
    OutputRun().BatchPrint = 0;
    OutputRun().PageStarted = true;
    for (const char* key : {"Basic", "Maitri", "Shodash1", "Nope"})
        PrintPage(surface, key, false);
    EXPECT_EQ(surface.NewPageCalls(), 0);
    EXPECT_EQ(surface.SheetsDrawn(), 1);
    EXPECT_TRUE(surface.TextsContaining("(Page:").empty());
}

// A print run: no NewPage before the first page, one before every later one;
// a page that draws nothing leaves no sheet, so the numbers run on.
TEST_F(DispatcherTest, PrintRunStartsEveryLaterSheetOnce)
{
    OutputRun().BatchPrint = 1;
    OutputRun().PageStarted = false;
    for (const char* key : {"Basic", "Shodash1", "Nope", "Maitri"})
        PrintPage(surface, key, true);
    EXPECT_EQ(surface.NewPageCalls(), 3);
    EXPECT_EQ(surface.SheetsDrawn(), 3);
    std::vector<std::pair<std::string, int>> numbers;
    for (const RecordedText& t : surface.TextsContaining("(Page:"))
        numbers.emplace_back(t.text, t.page);
    EXPECT_EQ(numbers, (std::vector<std::pair<std::string, int>>{
                           {"(Page:1)", 1}, {"(Page:2)", 2}, {"(Page:3)", 3}}));
    EXPECT_EQ(OutputRun().PagesPrinted, 3);
}

TEST_F(DispatcherTest, KPPagesAreFramedOnce)
{
    SubLordsOpen subLords(source);
    OutputRun().BatchPrint = 1;
    for (const char* key : {"KP1", "KP2"}) {
        surface.ClearLog();
        ASSERT_TRUE(PrintPage(surface, key, true)) << key;
        EXPECT_EQ(framesDrawn(), 1) << key;
        EXPECT_EQ(surface.TextsContaining("(Page:").size(), 1u) << key;
        EXPECT_EQ(surface.Pictures().size(), 2u) << key << ": two charts";
    }
    EXPECT_EQ(OutputRun().PagesPrinted, 2);
}

// The KP bhava chart: cusp k starts bhava k, so a body just past the first
// cusp is in the first house and one just before it in the twelfth.
TEST_F(DispatcherTest, KPBhavaChartStartsEachHouseAtItsCusp)
{
    SubLordsOpen subLords(source);
    Births().BirthLagna = 100;
    Births().BirthAyanamsa = 23.5;
    Chart().PlaceLatitude = 28.65;
    Chart().Obliquity = 23.44;
    CalcKPChart();
    const double cusp1 = Chart().KPCusps[0];
    const double cusp2 = Chart().KPCusps[1];
    Chart().PlanetLongitudes[Mars] = cusp1 + 0.25;
    Chart().PlanetLongitudes[Venus] = cusp1 - 0.25;
    Chart().PlanetLongitudes[Jupiter] = cusp2 + 0.25;
    ASSERT_TRUE(PrintPage(surface, "KP2", false));
    const int lagnaRasi = Chart().SaptavargaSigns[1][1];
    EXPECT_EQ(Chart().SaptavargaSigns[1][0], lagnaRasi);
    EXPECT_EQ(Chart().SaptavargaSigns[Mars][0], lagnaRasi);
    EXPECT_EQ(Chart().SaptavargaSigns[Venus][0], WrapRange(lagnaRasi + 11, 12));
    EXPECT_EQ(Chart().SaptavargaSigns[Jupiter][0], WrapRange(lagnaRasi + 1, 12));
    // Its houses are numbered with the signs of the cusps.
    EXPECT_NE(surface.FindText(" " + std::to_string(int(Chart().KPHouseSigns[0]))), nullptr);
}

TEST_F(DispatcherTest, FailingBuilderAbandonsThePageAndRestoresTheState)
{
    Builders().PrintSadeSatiPage1 = [](Surface& s) {
        Native().Day = 17;
        Chart().PlanetLongitudes[Moon] = 1.0;
        OutputRun().LineStep += 50;
        s.Font.Bold = true;
        s.CurrentY = 9999;
        throw std::runtime_error("no period table");
    };
    OutputRun().BatchPrint = 1;
    const BirthRecord native = Native();
    const double moon = Chart().PlanetLongitudes[Moon];
    surface.CurrentX = 12;
    surface.CurrentY = 34;
    const TextFont font = surface.Font;

    EXPECT_FALSE(PrintPage(surface, "Sade1", true));
    ASSERT_EQ(collector.messages.size(), 1u);
    EXPECT_NE(collector.messages[0].find("Sade1"), std::string::npos);
    EXPECT_NE(collector.messages[0].find("no period table"), std::string::npos);
    EXPECT_EQ(Native(), native);
    EXPECT_EQ(Chart().PlanetLongitudes[Moon], moon);
    EXPECT_EQ(OutputRun().LineStep, 250);
    EXPECT_EQ(surface.CurrentX, 12);
    EXPECT_EQ(surface.CurrentY, 34);
    EXPECT_EQ(surface.Font, font);
    // The framed sheet stays framed: the next page goes on a new sheet.
    EXPECT_TRUE(OutputRun().PageStarted);
    EXPECT_TRUE(PrintPage(surface, "Maitri", true));
    EXPECT_EQ(surface.SheetsDrawn(), 2);
}

TEST_F(DispatcherTest, BrokenSignTableAbandonsAChartPage)
{
    Chart().ShodashVargaSigns[3][2] = 40;
    EXPECT_FALSE(PrintPage(surface, "Shodash1", false));
    ASSERT_EQ(collector.messages.size(), 1u);
    EXPECT_NE(collector.messages[0].find("Shodash1"), std::string::npos);
    EXPECT_TRUE(PrintPage(surface, "Shodash2", false));
}

TEST_F(DispatcherTest, AyanamsaLineNamesTheAyanamsaInUse)
{
    struct Case { int choice; const char* expected; };
    const Case cases[] = {
        {0, "AYANAMSA (NCLAHIRI):  23:30:00"},
        {1, "AYANAMSA (KP):  23:30:00"},
        {2, "AYANAMSA (BVRAMAN):  23:30:00"},
        {3, "AYANAMSA:  23:30:00"},
    };
    for (const Case& c : cases) {
        OutputRun().AyanamsaChoice = c.choice;
        EXPECT_EQ(AyanamsaLineText("23:30:00"), c.expected);
    }
    ApplyDisplayConventions(true);
    OutputRun().PunctOpen = "<";
    OutputRun().PunctClose = ">";
    OutputRun().AyanamsaChoice = 1;
    EXPECT_EQ(AyanamsaLineText("x"), "hi:AYANAMSA <hi:KP>:  x");
}

TEST_F(DispatcherTest, ShodashPagesDrawFourVargasInTwoRows)
{
    for (int n = 1; n <= 4; ++n) {
        surface.ClearLog();
        ASSERT_TRUE(PrintPage(surface, "Shodash" + std::to_string(n), false));
        ASSERT_EQ(surface.Pictures().size(), 4u) << n;
        for (int i = 0; i < 4; ++i) {
            const int varga = (n - 1) * 4 + 1 + i;
            std::string key = "DIV" + Chart().ShodashVargaNames[varga];
            std::transform(key.begin(), key.end(), key.begin(), ::toupper);
            const RecordedText* title = surface.FindText(key);
            ASSERT_NE(title, nullptr) << key;
            const double top = 1008 + 500 + (i < 2 ? 0 : 5500);
            EXPECT_EQ(title->y, top) << key;
            EXPECT_EQ(surface.Pictures()[i].x, i % 2 == 0 ? 1440 : 11600 - 1440 - 4000) << key;
        }
        // Column 0 is left holding the last varga of the page, body by body.
        const int last = n * 4;
        for (int t = 1; t <= 10; ++t)
            EXPECT_EQ(Chart().SaptavargaSigns[BodyDisplayOrder[t]][0],
                      Chart().ShodashVargaSigns[last][t]);
    }
}

TEST_F(DispatcherTest, MatchNavamsaPageShowsBoyLeftAndGirlRight)
{
    OutputRun().MatchMode = true;
    ASSERT_TRUE(PrintPage(surface, "Navamsa", false));
    EXPECT_EQ(framesDrawn(), 1);
    ASSERT_EQ(surface.Pictures().size(), 6u);
    const char* titles[] = {"_CHALIT", "_CHANDRATARVIK", "NAVAMSA"};
    for (int row = 0; row < 3; ++row) {
        for (int p = 0; p < 2; ++p) {
            const RecordedPicture& pic = surface.Pictures()[row * 2 + p];
            EXPECT_EQ(pic.x, p == 0 ? 1440 : 6160) << row << p;
            EXPECT_EQ(pic.y, 1008 + row * 4300 + 9 * 20) << row << p;
            const RecordedText* title = surface.FindText(titles[row], p);
            ASSERT_NE(title, nullptr) << titles[row];
            EXPECT_EQ(title->y, 1008 + row * 4300);
        }
    }
    // House 1 of each navamsa chart is numbered with that person's navamsa
    // lagna, in the upper half of the chart (above the centre, house 1's
    // inner corner).
    const int boy = Match().NativeSaptavargaSigns[1][4];
    const int girl = Match().PartnerSaptavargaSigns[1][4];
    ASSERT_NE(boy, girl);
    auto numberAt = [&](int sign, double left) {
        for (const RecordedText& t : surface.Texts())
            if (t.text == std::to_string(sign) && t.y > 1008 + 2 * 4300 && t.x > left &&
                t.x < left + 4000 && t.y < 1008 + 2 * 4300 + 180 + 4000 * 0.5)
                return true;
        return false;
    };
    EXPECT_TRUE(numberAt(boy, 1440));
    EXPECT_TRUE(numberAt(girl, 6160));
    // The moon charts were made in the persons' own tables.
    EXPECT_EQ(Match().NativeSaptavargaSigns[1][0], Match().NativeSaptavargaSigns[Moon][1]);
    EXPECT_EQ(Match().PartnerSaptavargaSigns[1][0], Match().PartnerSaptavargaSigns[Moon][1]);
}

class SignColumnTest : public PageTest {};

TEST_F(SignColumnTest, BhavaPlacementOnAndAcrossBoundaries)
{
    // Boundaries at 15, 45, ..., 345: bhava 12 runs from 345 across 0 to 15.
    std::array<double, 13> boundaries{};
    for (int k = 1; k <= 12; ++k)
        boundaries[k] = 15 + 30 * (k - 1);
    struct Case { const char* what; double longitude; int bhava; };
    const Case cases[] = {
        {"inside bhava 1", 20, 1},
        {"on a boundary: the later bhava", 45, 2},
        {"on the first boundary: bhava 1", 15, 1},
        {"on the start of the bhava across 0: the one before", 345, 11},
        {"at 0 degrees", 0, 12},
        {"just below the first boundary", 14.99, 12},
        {"above 360 is reduced", 365, 12},
        {"below 0 is reduced", -20, 11},
    };
    for (const Case& c : cases) {
        ChartSignTable table{};
        std::array<double, 27> longitudes{};
        longitudes.fill(100);   // the other bodies in bhava 3
        longitudes[Mars] = c.longitude;
        PlaceBhavas(table, boundaries, longitudes, 5);
        EXPECT_EQ(table[1][0], 5) << c.what;
        EXPECT_EQ(table[Mars][0], WrapRange(5 + c.bhava - 1, 12)) << c.what;
        EXPECT_EQ(table[Sun][0], 7) << c.what;
    }
}

TEST_F(SignColumnTest, KPChartShiftsEverySignBySixMinutes)
{
    struct Case { double longitude; int sign; };
    const Case cases[] = {
        {359.95, 1}, {29.95, 2}, {29.85, 1}, {365, 1}, {-0.05, 1}, {0, 1}, {330, 12},
    };
    for (const Case& c : cases) {
        Chart().HouseCusps[1] = c.longitude;
        Chart().PlanetLongitudes[Saturn] = c.longitude;
        ChartSignTable table{};
        FillKPChart(table);
        EXPECT_EQ(table[1][0], c.sign) << c.longitude;
        EXPECT_EQ(table[Saturn][0], c.sign) << c.longitude;
    }
}

TEST_F(SignColumnTest, MoonChartCountsFromTheMoonsSign)
{
    ChartSignTable table{};
    for (int b = 1; b <= 13; ++b)
        table[b][1] = b % 12 + 1;
    FillMoonChart(table);
    EXPECT_EQ(table[1][0], table[Moon][1]);
    for (int b = 2; b <= 13; ++b)
        EXPECT_EQ(table[b][0], table[b][1]) << b;
}

TEST_F(SignColumnTest, VargaColumnPutsTraditionalPositionsOnTheirBodies)
{
    ChartSignTable table{};
    table[Uranus][0] = 9;
    for (int t = 1; t <= 10; ++t)
        Chart().ShodashVargaSigns[6][t] = t;
    FillVargaColumn(table, 6);
    // Traditional order Lagna, Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, Rahu, Ketu.
    EXPECT_EQ(table[1][0], 1);
    EXPECT_EQ(table[Sun][0], 2);
    EXPECT_EQ(table[Moon][0], 3);
    EXPECT_EQ(table[Mars][0], 4);
    EXPECT_EQ(table[Mercury][0], 5);
    EXPECT_EQ(table[Venus][0], 7);
    EXPECT_EQ(table[Ketu][0], 10);
    EXPECT_EQ(table[Uranus][0], 9) << "outer planets keep their entry";
}
