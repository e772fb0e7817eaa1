#include "PageTestSupport.h"

#include "calc/KPChart.h"
#include "calc/NameTables.h"
#include "pages/ChartFrames.h"
#include "pages/ChartPages.h"
#include "pages/Frame.h"
#include "pages/SignColumns.h"
#include "pages/TablePages.h"
#include "readings/AspectPredictions.h"
#include "readings/Jaimini.h"
#include "readings/Manglik.h"
#include "readings/MatchPages.h"
#include "readings/PredictionPages.h"
#include "readings/SadeSati.h"
#include "readings/VarshphalPages.h"
#include "readings/VimshottariPages.h"
#include "readings/Yogini.h"
#include "refdata/RefdataFixture.h"
#include "registry/PageDispatcher.h"

#include <algorithm>
#include <cmath>
#include <map>
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
    m.PartnerPanchang = {0, 7, 2, 12, 3, 5, 0};   // tithi 7, nakshatra 12 pada 2
    m.PartnerCusps = c.HouseCusps;
    m.PartnerSandhis = c.BhavaSandhi;
    for (int k = 1; k <= 12; ++k)
        m.PartnerSandhis[k] = std::fmod(c.BhavaSandhi[k] + 180.0, 360.0);
}

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
        Partner() = Native();
        Partner().Name = "Ravi";
        Partner().Year = 1992;
        Config().PrintBorder = false;
        fillChart();
    }

    int framesDrawn() const
    {
        int n = 0;
        for (const RecordedText& t : surface.Texts())
            n += t.y == 144 && (t.text == "Asha" || t.text == "Asha / Ravi");
        return n;
    }
};

} // namespace

// What each key draws: its heading or title (the dictionary keys of this
// test's texts), its charts and frame, and the persons' names on a match
// page; no two keys draw the same page but "VimsMaha" and "VimsAntar". Keys
// of neither mode, or of the other mode, draw nothing; no page changes the
// program's state.
TEST_F(DispatcherTest, EveryKeyDrawsItsOwnPage)
{
    SubLordsOpen databases(source);
    struct Case {
        const char* key;
        bool match;
        std::vector<std::string> marks;   // texts the page draws (none: the key draws nothing)
        int charts = 0;                   // chart frames
        const char* picture = nullptr;    // another picture the page paints
    };
    const Case cases[] = {
        {"Basic", false, {"AVKAHDA CHAKRA", "GHAT CHAKRA", "ISHT", "BHOGYA"}},
        {"Sudarshan", false, {"TRUERAHUKETU"}, 0, "sudarshan-wheel"},
        {"Nirayana", false, {"NIRYANABHAV SPASHT", "_LAGNATARVIK", "NAVAMSA", "_CHANDRATARVIK",
                             "_NIRAYANA _BHAVACHALIT"}, 4},
        {"Sayana", false, {"SAYANBHAV SPASHT", "DRISHTI"}},
        {"Bhav", false, {"_NIRAYANA BHAV SPASHT", "BHAV BEGIN", "_NIRAYANA BHAV _CHALIT", "_CHALIT"}, 2},
        {"KP1", false, {"_KP", "SL", "_LAGNATARVIK", "NAVAMSA"}, 2},
        {"KP2", false, {"_KP", "_NIRAYANA BHAV", "_SL", "_LAGNATARVIK", "BHAV TARVIK"}, 2},
        {"Shodash1", false, {"DIVRASHI", "DIVHORA", "DIVDREKKANA", "DIVCHATURTHAMSA"}, 4},
        {"Shodash4", false, {"DIVTHRISAMSA", "DIVKHAVEDAMSA", "DIVAKSHAVEDAMSA", "DIVSHATYAMSA"}, 4},
        {"Shodashvarga", false, {"SHODASHVARGA", "TARACHAKRA"}},
        {"Ashtakvarga", false, {"ASHTAK", "TRIKON", "EKADH", "SHODHYA PINDA"}},
        {"Maitri", false, {"NAISARGIK MAITRI", "TATKALIK MAITRI", "PANCHDHA MAITRI"}},
        {"Manglik", false, {"MANGLIK CONSIDERATION"}},
        {"Sade1", false, {"SADESATI"}},
        {"Sade2", false, {"SADESATI"}},
        {"VimsMaha", false, {"VVIMSOTTARI VMAHADASHA VA VANTAR VDASHA"}},
        {"VimsAntar", false, {"VVIMSOTTARI VMAHADASHA VA VANTAR VDASHA"}},
        {"VimsPratya", false, {"PRATYA"}},
        {"VimsPratya1", false, {"VVIMSOTTARI VPRATYANTAR VDASHA 1"}},
        {"VimsPratya9", false, {"VVIMSOTTARI VPRATYANTAR VDASHA 9"}},
        {"VimsSooksh01", false, {"VVIMSOTTARI VSOOKSHAM VDASHA 1"}},
        {"VimsSooksh02", false, {"VVIMSOTTARI VSOOKSHAM VDASHA 2"}},
        {"SPSLMaha", false, {"VSPS VLAGNAM VMAHADASHA VA VANTAR VDASHA"}},
        {"SPSLPratya4", false, {"VSPS VLAGNAM VPRATYANTAR VDASHA 4"}},
        {"SPSLSooksh27", false, {"VSPS VLAGNAM VSOOKSHAM VDASHA 27"}},
        {"AadityaMaha", false, {"VAADITYA VMAHADASHA VA VANTAR VDASHA"}},
        {"AadityaPratya7", false, {"VAADITYA VPRATYANTAR VDASHA 7"}},
        {"AadityaSooksh55", false, {"VAADITYA VSOOKSHAM VDASHA 55"}},
        {"GenPage1", false, {"GENERAL PREDICTIONS", "CHARACTER"}},
        {"GenPage3", false, {"GENERAL PREDICTIONS", "FINANCE"}},
        {"PP2", false, {"GENERAL PREDICTIONS"}},
        {"RashiP2", false, {"GENERAL PREDICTIONS", "_MEEN"}},
        {"AspPage1", false, {"ASPECT PREDICTIONS"}},
        {"AspPage4", false, {"ASPECT PREDICTIONS"}},
        {"Yogini Maha 1", false, {"YOGINI DASHA"}},
        {"Yogini Maha 2", false, {"YOGINI DASHA"}},
        {"Yogini Antar", false, {"YOGINI DASHA"}},
        {"Chara", false, {"CHARA DASHA", "KARKA"}},
        {"Chara 1", false, {"CHARA DASHA", "KARKA"}},
        {"VP1", false, {"NIRYANABHAV SPASHT", "_VARSHTARVIK"}, 1},
        {"VP2", false, {"INFLUENCEOF"}},
        {"VP4", false, {"Asha"}},
        {"Basic", true, {"AVKAHDA CHAKRA", "Asha", "Ravi"}},
        {"Nirayana", true, {"NIRYANABHAV SPASHT", "Asha", "Ravi", "_LAGNATARVIK: ", "_NIRAYANA _BHAVACHALIT: "}, 4},
        {"Navamsa", true, {"_CHALIT: ", "_CHANDRATARVIK: ", "NAVAMSA: ", "Asha", "Ravi"}, 6},
        {"Interpret", true, {"MATCH CONSIDERATION"}},
        {"Result", true, {"MATCH CHART", "TOTAL GUNA"}},
        // Keys of neither list, or of the other mode's list, draw nothing.
        {"Nope", false, {}},
        {"vimsmaha", false, {}},
        {"Shodash5", false, {}},
        {"VimsPratya10", false, {}},
        {"VimsSooksh1", false, {}},
        {"VimsSooksh82", false, {}},
        {"VP5", false, {}},
        {"GenPage", false, {}},
        {"Interpret", false, {}},
        {"Navamsa", false, {}},
        {"Sudarshan", true, {}},
        {"Shodash1", true, {}},
    };
    std::map<std::vector<std::string>, std::string> pages;   // the texts a key drew, and the key
    for (const Case& c : cases) {
        const std::string what = std::string(c.key) + (c.match ? " (match)" : "");
        SetUp();
        OutputRun().MatchMode = c.match;
        OutputRun().VarshphalYear = 2000;
        const ChartState chart = Chart();
        const BirthState births = Births();
        const MatchCopies match = Match();
        surface.ClearLog();
        EXPECT_TRUE(PrintPage(surface, c.key, true)) << what;
        for (const std::string& m : collector.messages)
            ADD_FAILURE() << what << ": " << m;
        EXPECT_EQ(Chart(), chart) << what;
        EXPECT_EQ(Native(), births.Native) << what;
        EXPECT_TRUE(std::equal(&Match().NativeSaptavargaSigns[0][0], &Match().NativeSaptavargaSigns[0][0] + 14 * 8,
                               &match.NativeSaptavargaSigns[0][0]))
            << what;
        EXPECT_TRUE(std::equal(&Match().PartnerSaptavargaSigns[0][0],
                               &Match().PartnerSaptavargaSigns[0][0] + 14 * 8, &match.PartnerSaptavargaSigns[0][0]))
            << what;
        if (c.marks.empty()) {
            EXPECT_TRUE(surface.Events().empty()) << what;
            continue;
        }
        EXPECT_EQ(framesDrawn(), 1) << what;
        for (const std::string& mark : c.marks)
            EXPECT_FALSE(surface.TextsContaining(mark).empty()) << what << ": " << mark;
        int charts = 0;
        bool painted = c.picture == nullptr;
        for (const RecordedPicture& p : surface.Pictures()) {
            charts += p.name == "north-chart-frame" || p.name == "south-chart-frame";
            painted |= c.picture && p.name == c.picture;
        }
        EXPECT_EQ(charts, c.charts) << what;
        EXPECT_TRUE(painted) << what << ": " << c.picture;
        const auto [page, first] = pages.emplace(surface.TextStrings(), what);
        if (!first && !(page->second == "VimsMaha" && what == "VimsAntar"))
            ADD_FAILURE() << what << " draws the page of " << page->second;
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
// cusp is in the first house and one just before it in the twelfth; the
// KP2 page numbers its houses with the signs of the cusps.
TEST_F(DispatcherTest, KPBhavaChartStartsEachHouseAtItsCusp)
{
    SubLordsOpen subLords(source);
    Chart().HouseCusps[1] = 100;
    Chart().PlanetLongitudes[AyanamsaSlot] = 23.5;
    Chart().PlaceLatitude = 28.65;
    Chart().Obliquity = 23.44;
    const KPCuspChart kp = KPCuspsOf(Chart());
    ASSERT_TRUE(kp.cast);
    // The bodies stand in the K.P. zodiac on the page: placed there by the cusps.
    const double shift = KPShiftOf(Chart());
    Chart().PlanetLongitudes[Mars] = kp.cusps[0] + 0.25 - shift;
    Chart().PlanetLongitudes[Venus] = kp.cusps[0] - 0.25 - shift;
    Chart().PlanetLongitudes[Jupiter] = kp.cusps[1] + 0.25 - shift;
    const ChartSigns bhavas = KPBhavaChart(Chart(), kp);
    const int lagnaRasi = Chart().SaptavargaSigns[1][1];
    EXPECT_EQ(bhavas[1], lagnaRasi);
    EXPECT_EQ(bhavas[Mars], lagnaRasi);
    EXPECT_EQ(bhavas[Venus], WrapRange(lagnaRasi + 11, 12));
    EXPECT_EQ(bhavas[Jupiter], WrapRange(lagnaRasi + 1, 12));

    ASSERT_TRUE(PrintPage(surface, "KP2", false));
    EXPECT_NE(surface.FindText(" " + std::to_string(int(kp.signs[0]))), nullptr);
}

// A failing builder: its page is reported and abandoned, the surface's
// position and font come back, and a sheet it framed stays framed.
TEST_F(DispatcherTest, FailingBuilderAbandonsThePage)
{
    const PageRow failing[] = {{"", "Sade1", "", PageMode::Horoscope, [](Surface& s, const PageContext& p, int) {
        PrintPageFrame(s, p);
        s.Font.Bold = true;
        s.CurrentY = 9999;
        throw std::runtime_error("no period table");
    }}};
    OutputRun().BatchPrint = 1;
    surface.CurrentX = 12;
    surface.CurrentY = 34;
    const TextFont font = surface.Font;

    EXPECT_FALSE(PrintPageFrom(failing, surface, "Sade1", true));
    ASSERT_EQ(collector.messages.size(), 1u);
    EXPECT_NE(collector.messages[0].find("Sade1"), std::string::npos);
    EXPECT_NE(collector.messages[0].find("no period table"), std::string::npos);
    EXPECT_EQ(surface.CurrentX, 12);
    EXPECT_EQ(surface.CurrentY, 34);
    EXPECT_EQ(surface.Font, font);
    // The framed sheet stays framed: the next page goes on a new sheet.
    EXPECT_TRUE(OutputRun().PageStarted);
    EXPECT_TRUE(PrintPage(surface, "Maitri", true));
    EXPECT_EQ(surface.SheetsDrawn(), 2);
}

// A print run hands each annual-chart page its year, and the pages that
// look from the present their month; the run's own year stays as it was.
TEST_F(DispatcherTest, TheCallerGivesTheYearAndTheMonth)
{
    OutputRun().VarshphalYear = 2000;
    ASSERT_TRUE(PrintPage(surface, "VP1", false, {.varshphalYear = 2003}));
    EXPECT_EQ(surface.TextsContaining("(2003").size(), 1u);
    EXPECT_TRUE(surface.TextsContaining("(2000").empty());
    EXPECT_EQ(OutputRun().VarshphalYear, 2000);

    // The compact pratyantar page starts seven antardashas before the one
    // running in the month it is given, so a later month moves it on.
    const auto firstBlock = [&](YearMonth today) {
        surface.ClearLog();
        EXPECT_TRUE(PrintPage(surface, "VimsPratya", false, {.today = today}));
        std::vector<std::string> texts = surface.TextStrings();
        const auto from = std::find(texts.begin(), texts.end(), "FROM");
        return from == texts.begin() ? std::string() : *std::prev(from);
    };
    EXPECT_EQ(firstBlock({2000, 1}), firstBlock({2000, 1}));
    EXPECT_NE(firstBlock({2000, 1}), firstBlock({2040, 1}));
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
    for (const Case& c : cases)
        EXPECT_EQ(AyanamsaLineText("23:30:00", c.choice, RunContext()), c.expected);
    ApplyDisplayConventions(true);
    OutputRun().PunctOpen = "<";
    OutputRun().PunctClose = ">";
    EXPECT_EQ(AyanamsaLineText("x", 1, RunContext()), "hi:AYANAMSA <hi:KP>:  x");
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
            // The title, and after it the person: the boy's left, the girl's right.
            const std::vector<RecordedText> title = surface.TextsContaining(titles[row]);
            ASSERT_EQ(title.size(), 2u) << titles[row];
            EXPECT_EQ(title[p].text, std::string(titles[row]) + ": ");
            EXPECT_EQ(title[p].y, 1008 + row * 4300);
            const auto after = std::find_if(surface.Texts().begin(), surface.Texts().end(),
                                            [&](const RecordedText& t) { return t.y == title[p].y && t.x > title[p].x; });
            ASSERT_NE(after, surface.Texts().end());
            EXPECT_EQ(after->text, p == 0 ? "Asha" : "Ravi");
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
    // The moon charts count each person's houses from the person's own Moon:
    // house 1 of the second row is numbered with the Moon's sign.
    const auto numberInRow = [&](int row, int sign, double left) {
        const double top = 1008 + row * 4300 + 180;
        for (const RecordedText& t : surface.Texts())
            if (t.text == std::to_string(sign) && t.x > left && t.x < left + 4000 && t.y > top &&
                t.y < top + 4000 * 0.5)
                return true;
        return false;
    };
    EXPECT_TRUE(numberInRow(1, Match().NativeSaptavargaSigns[Moon][1], 1440));
    EXPECT_TRUE(numberInRow(1, Match().PartnerSaptavargaSigns[Moon][1], 6160));
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
        std::array<double, 27> longitudes{};
        longitudes.fill(100);   // the other bodies in bhava 3
        longitudes[Mars] = c.longitude;
        const ChartSigns signs = BhavaChart(boundaries, longitudes, 5);
        EXPECT_EQ(signs[1], 5) << c.what;
        EXPECT_EQ(signs[Mars], WrapRange(5 + c.bhava - 1, 12)) << c.what;
        EXPECT_EQ(signs[Sun], 7) << c.what;
    }
    // Boundaries out of order hold a body in no bhava: it stays in its sign.
    std::array<double, 13> broken{};
    broken.fill(10);
    std::array<double, 27> longitudes{};
    longitudes.fill(100);
    EXPECT_EQ(BhavaChart(broken, longitudes, 5)[Mars], 4);
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
        const ChartSigns signs = KPChart(Chart());
        EXPECT_EQ(signs[1], c.sign) << c.longitude;
        EXPECT_EQ(signs[Saturn], c.sign) << c.longitude;
    }
}

TEST_F(SignColumnTest, MoonChartCountsFromTheMoonsSign)
{
    int table[14][8]{};
    for (int b = 1; b <= 13; ++b)
        table[b][1] = b % 12 + 1;
    const ChartSigns signs = MoonChart(table);
    EXPECT_EQ(signs[1], table[Moon][1]);
    for (int b = 2; b <= 13; ++b)
        EXPECT_EQ(signs[b], table[b][1]) << b;
}

TEST_F(SignColumnTest, VargaChartPutsTraditionalPositionsOnTheirBodies)
{
    Chart().SaptavargaSigns[Uranus][1] = 9;
    for (int t = 1; t <= 10; ++t)
        Chart().ShodashVargaSigns[6][t] = t;
    const ChartSigns signs = VargaChart(Chart(), 6);
    // Traditional order Lagna, Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, Rahu, Ketu.
    EXPECT_EQ(signs[1], 1);
    EXPECT_EQ(signs[Sun], 2);
    EXPECT_EQ(signs[Moon], 3);
    EXPECT_EQ(signs[Mars], 4);
    EXPECT_EQ(signs[Mercury], 5);
    EXPECT_EQ(signs[Venus], 7);
    EXPECT_EQ(signs[Ketu], 10);
    EXPECT_EQ(signs[Uranus], 9) << "outer planets stand in their rasi signs";
}
