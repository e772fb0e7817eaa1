#include "pages/PageTestSupport.h"

#include "calc/NameTables.h"
#include "pages/Frame.h"
#include "calc/CalcFixture.h"
#include "calc/Chart.h"
#include "readings/AspectPredictions.h"
#include "registry/PageCatalogue.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// The folded separation in whole degrees against the seven windows: the
// bounds belong to their aspect, the gaps between them to none.
TEST(ClassifyAspect, WindowsAndTheGapsBetweenThem)
{
    const struct {
        int separation;
        AspectNature nature;
        const char* name;
    } cases[] = {
        {0, Conjunction, "CONJUNCTION"},  {8, Conjunction, "CONJUNCTION"},
        {9, NoAspect, ""},                {40, NoAspect, ""},
        {41, Tense, "SEMISQUARE"},        {49, Tense, "SEMISQUARE"},
        {50, NoAspect, ""},               {51, NoAspect, ""},
        {52, Harmonious, "SEXTILE"},      {68, Harmonious, "SEXTILE"},
        {69, NoAspect, ""},               {81, NoAspect, ""},
        {82, Tense, "SQUARE"},            {98, Tense, "SQUARE"},
        {99, NoAspect, ""},               {111, NoAspect, ""},
        {112, Harmonious, "TRINE"},       {128, Harmonious, "TRINE"},
        {129, NoAspect, ""},              {131, NoAspect, ""},
        {132, Tense, "SESQUARE"},         {138, Tense, "SESQUARE"},
        {139, NoAspect, ""},              {171, NoAspect, ""},
        {172, Tense, "OPPOSITE"},         {180, Tense, "OPPOSITE"},
        // Beyond 180 the separation is taken the short way round.
        {181, Tense, "OPPOSITE"},         {188, Tense, "OPPOSITE"},
        {189, NoAspect, ""},              {300, Harmonious, "SEXTILE"},
        {353, Conjunction, "CONJUNCTION"}, {360, Conjunction, "CONJUNCTION"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.separation);
        const AspectClass a = ClassifyAspect(c.separation);
        EXPECT_EQ(a.nature, c.nature);
        EXPECT_EQ(AspectKinds[a.index].nameKey, c.name);
        EXPECT_EQ(a.nature == NoAspect, a.index == 0);
    }
}

// The pair list holds every pair of the ten bodies once, each body known by
// one code, and only the Sun with Mercury and with Venus count conjunctions alone.
TEST(AspectPairs, EveryPairOfTheTenBodiesOnce)
{
    const auto& pairs = AspectPairs();
    ASSERT_EQ(pairs.size(), 45u);
    std::set<std::pair<int, int>> seen;
    std::set<int> positions;
    for (const AspectPair& p : pairs) {
        EXPECT_NE(p.first.position, p.second.position);
        EXPECT_TRUE(seen.insert(std::minmax(p.first.position, p.second.position)).second)
            << p.first.code << p.second.code;
        positions.insert(p.first.position);
        positions.insert(p.second.position);
        const bool sunWithInner = p.first.code == "SU" && (p.second.code == "ME" || p.second.code == "VE");
        EXPECT_EQ(p.conjunctionOnly, sunWithInner) << p.first.code << p.second.code;
    }
    EXPECT_EQ(positions, (std::set<int>{2, 3, 4, 5, 6, 7, 8, 11, 12, 13}));
    EXPECT_EQ(AspectTextKey(pairs[0], Conjunction), "FA_SUMO1");
}

// The keys found for one pair, among whatever the other bodies form.
std::vector<std::string> keysOfPair(const std::array<double, 14>& byPosition, int a, int b)
{
    std::vector<std::string> keys;
    for (const FoundAspect& f : FindAspects(byPosition)) {
        const int x = f.pair->first.position, y = f.pair->second.position;
        if ((x == a && y == b) || (x == b && y == a))
            keys.push_back(AspectTextKey(*f.pair, f.aspect.nature));
    }
    return keys;
}

// Separations rounded to the nearest degree, halves to the even one, taken
// across 0 degrees the short way; the Sun's pairs with Mercury and Venus
// count only their conjunction; the first body of the list leads the key.
TEST(FindAspects, RoundingFoldingAndTheKeys)
{
    constexpr int SU = 2, MO = 3, MA = 4, ME = 5, JU = 6, VE = 7;
    const struct {
        const char* what;
        int a, b;
        double la, lb;
        std::vector<std::string> keys;
    } cases[] = {
        {"across Aries", SU, MO, 355.2, 2.6, {"FA_SUMO1"}},
        {"8.5 rounds to 8", SU, MO, 100, 108.5, {"FA_SUMO1"}},
        {"9.5 rounds to 10", SU, MO, 100, 109.5, {}},
        {"sextile", SU, MO, 100, 160, {"FA_SUMO2"}},
        {"square", SU, MO, 100, 190, {"FA_SUMO3"}},
        {"opposition across Aries", SU, MO, 350, 171, {"FA_SUMO3"}},
        {"Sun and Venus semisquare", SU, VE, 100, 145, {}},
        {"Sun and Venus conjunct", SU, VE, 100, 104, {"FA_SUVE1"}},
        {"Sun and Mercury conjunct", SU, ME, 200, 192, {"FA_SUME1"}},
        {"Mercury and Venus sextile", ME, VE, 20, 80, {"FA_MEVE2"}},
        {"Mercury leads Mars", MA, ME, 20, 110, {"FA_MEMA3"}},
        {"Venus leads Jupiter", JU, VE, 20, 140, {"FA_VEJU2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::array<double, 14> p{};
        for (int i = 2; i <= 13; ++i)
            p[i] = 13.7 * i;
        p[c.a] = c.la;
        p[c.b] = c.lb;
        EXPECT_EQ(keysOfPair(p, c.a, c.b), c.keys);
    }
}

// The list follows the pair list, whatever the order of the longitudes.
TEST(FindAspects, InTheOrderOfThePairList)
{
    std::array<double, 14> p{};
    for (int i = 2; i <= 13; ++i)
        p[i] = 37.3 * i;
    const auto found = FindAspects(p);
    ASSERT_GT(found.size(), 3u);
    const auto& pairs = AspectPairs();
    for (std::size_t i = 1; i < found.size(); ++i)
        EXPECT_LT(found[i - 1].pair - pairs.data(), found[i].pair - pairs.data());
}

// The chart's longitudes are read by traditional position from the bodies
// of the computation order.
TEST(FindAspects, ReadsTheChartInTraditionalOrder)
{
    ResetProgramState();
    ChartState& c = Chart();
    c.PlanetLongitudes[Moon] = 77;        // position 3
    c.PlanetLongitudes[Mercury] = 99;     // position 5
    c.PlanetLongitudes[Pluto] = 13;       // position 13
    const auto p = ChartLongitudesByPosition(Chart());
    EXPECT_EQ(p[3], 77);
    EXPECT_EQ(p[5], 99);
    EXPECT_EQ(p[13], 13);
    ResetProgramState();
}

class AspectPages : public PageTest {
protected:
    // Nine entries: the headings are "H1".."H9", the texts "T1".."T9".
    static std::vector<AspectEntry> nine()
    {
        std::vector<AspectEntry> e;
        for (int i = 1; i <= 9; ++i)
            e.push_back({"H" + std::to_string(i), "T" + std::to_string(i)});
        return e;
    }
    std::vector<std::string> shown(int part)
    {
        surface = RecordingSurface();
        Native().Name = "Devi";
        PrintAspectPage(surface, RunContext(), nine(), part);
        std::vector<std::string> texts;
        for (const std::string& t : surface.TextStrings())
            if (t.size() >= 2 && (t[0] == 'H' || t[0] == 'T') && std::isdigit(static_cast<unsigned char>(t[1])))
                texts.push_back(t);
        return texts;
    }
};

// Seven slots a page: the second page shows entries 8 and 9, the third and
// fourth only their frame and heading.
TEST_F(AspectPages, SevenEntriesAPage)
{
    EXPECT_EQ(shown(1), (std::vector<std::string>{"H1", "T1", "H2", "T2", "H3", "T3", "H4", "T4",
                                                  "H5", "T5", "H6", "T6", "H7", "T7"}));
    EXPECT_EQ(shown(2), (std::vector<std::string>{"H8", "T8", "H9", "T9"}));
    for (int part : {3, 4}) {
        EXPECT_TRUE(shown(part).empty()) << part;
        EXPECT_TRUE(surface.FindText("ASPECT PREDICTIONS")) << part;
        EXPECT_TRUE(surface.FindText("Devi")) << "the page frames itself";
    }
}

// Slots follow each other in the compact layout: heading one point above the
// body size, paragraph in the body size from 50 twips right of the margin,
// one line step between one entry and the next.
TEST_F(AspectPages, CompactSlotsBelowTheHeading)
{
    PrintAspectPage(surface, RunContext(), nine(), 1);
    const RecordedText* title = surface.FindText("ASPECT PREDICTIONS");
    const RecordedText* h1 = surface.FindText("H1");
    const RecordedText* t1 = surface.FindText("T1");
    const RecordedText* h2 = surface.FindText("H2");
    ASSERT_TRUE(title && h1 && t1 && h2);
    const RunValues& run = OutputRun();
    EXPECT_EQ(h1->y, title->y + std::floor(1.25 * run.LineStep));
    EXPECT_EQ(h1->x, Config().LeftMarginTwips);
    EXPECT_EQ(h1->font.Size, run.BodyFontSize + 1);
    EXPECT_TRUE(h1->font.Bold && h1->font.Underline);
    EXPECT_EQ(t1->x, Config().LeftMarginTwips + 50);
    EXPECT_EQ(t1->font.Size, run.BodyFontSize);
    EXPECT_FALSE(t1->font.Bold);
    // The heading's line, the paragraph's one line, one line step of space.
    EXPECT_EQ(h2->y, t1->y + 2 * run.LineStep);
    EXPECT_EQ(t1->y, h1->y + (run.BodyFontSize + 1) * RecordingSurface::HeightPerPoint);
}

// The builder collects the chart's aspects and names each entry by the two
// bodies and the aspect, first body first; the text is the keyed
// interpretation, and the heading words come from the dictionary.
TEST_F(AspectPages, BuilderNamesTheBodiesAndTheAspect)
{
    ChartState& c = Chart();
    for (int b = Sun; b <= Pluto; ++b)
        c.PlanetLongitudes[b] = 29.3 * b;
    c.PlanetLongitudes[Sun] = 40;
    c.PlanetLongitudes[Moon] = 44;
    c.PlanetLongitudes[Mercury] = 200;
    c.PlanetLongitudes[Mars] = 290;

    const auto found = FindAspects(ChartLongitudesByPosition(Chart()));
    const auto entries = CollectAspectPredictions(Chart(), Texts(OutputRun().Choices()));
    ASSERT_EQ(entries.size(), found.size());
    const auto at = [&](const std::string& key) {
        for (std::size_t i = 0; i < found.size(); ++i)
            if (AspectTextKey(*found[i].pair, found[i].aspect.nature) == key)
                return static_cast<int>(i);
        return -1;
    };
    const int sumo = at("FA_SUMO1"), mema = at("FA_MEMA3");
    ASSERT_EQ(sumo, 0);
    ASSERT_GT(mema, 0);
    EXPECT_EQ(entries[sumo].heading, "_RAVI CONJUNCTION _CHANDRA");
    EXPECT_EQ(entries[sumo].text, "FA_SUMO1");
    EXPECT_EQ(entries[mema].heading, "_BUDHA SQUARE _MANGAL");
    EXPECT_EQ(entries[mema].text, "FA_MEMA3");

    BuildAspectPredictions(surface, RunContext(), 1);
    EXPECT_TRUE(surface.FindText("_RAVI CONJUNCTION _CHANDRA"));
    EXPECT_TRUE(surface.FindText("FA_SUMO1"));
    EXPECT_TRUE(collector.messages.empty());

    // A missing interpretation is reported with its padded key; a missing
    // word leaves a gap in the heading.
    source.missing = {"FA_MEMA3", "SQUARE"};
    const auto again = CollectAspectPredictions(Chart(), Texts(OutputRun().Choices()));
    EXPECT_EQ(again[mema].text, "");
    const std::string padded = "Not Found:FA_MEMA3  ";
    EXPECT_EQ(std::count(collector.messages.begin(), collector.messages.end(), padded), 1);
    EXPECT_NE(std::find(collector.messages.begin(), collector.messages.end(),
                        "Not Found:SQUARE" + std::string(19, ' ')),
              collector.messages.end());
    EXPECT_EQ(again[mema].heading, "_BUDHA  _MANGAL");
}

// The aspect pages are as many as the chart's aspects fill, seven to a
// page: a chart with 35 aspects (Delhi, 08-05-1941 08:07) fills five, and
// the fifth shows entries 29 to 35; one of 22 fills four; a chart of 21 or
// fewer fills three, and no fourth page is listed to be printed with its
// heading alone.
TEST_F(AspectPages, AsManyPagesAsTheAspectsFill)
{
    const struct {
        BirthRecord birth;
        std::size_t entries;
    } charts[] = {
        {DelhiBirth(8, 5, 1941, 8, 7), 35},
        {DelhiBirth(15, 8, 1980, 10, 30), 19},
        {DelhiBirth(7, 3, 2000, 16, 30), 20},
        {DelhiBirth(5, 2, 1962, 7, 0), 17},
        {DelhiBirth(20, 4, 1920, 12, 0), 22},
    };
    for (const auto& c : charts) {
        SCOPED_TRACE(std::to_string(c.birth.Day) + "-" + std::to_string(c.birth.Month) + "-" +
                     std::to_string(c.birth.Year));
        Native() = c.birth;
        CalcChart(OutputRun().Choices());
        const std::vector<AspectEntry> entries = CollectAspectPredictions(Chart(), Texts(OutputRun().Choices()));
        ASSERT_EQ(entries.size(), c.entries);
        const int pages = AspectPageCount(Chart());
        EXPECT_EQ(pages, static_cast<int>((c.entries + 6) / 7));
        // The last page shows the last entries, and nothing is left for another.
        surface.ClearLog();
        BuildAspectPredictions(surface, RunContext(), pages);
        for (std::size_t i = 7 * (pages - 1); i < entries.size(); ++i)
            EXPECT_NE(surface.FindText(entries[i].heading), nullptr) << i;
        EXPECT_EQ(surface.FindText(entries[7 * (pages - 1) - 1].heading), nullptr);
        // The lists offer those pages, the print run's group those pages too.
        std::vector<std::string> listed;
        for (const CatalogueRow& row : PageCatalogue(false, OutputKind::Preview, pages))
            if (row.key.rfind("AspPage", 0) == 0)
                listed.push_back(row.key);
        EXPECT_EQ(listed, GroupPages("AspPage", pages));
        ASSERT_EQ(listed.size(), static_cast<std::size_t>(pages));
        EXPECT_EQ(listed.back(), "AspPage" + std::to_string(pages));
    }
}

} // namespace
