// The grid and table pages as they are drawn: real charts, the delivered
// dictionary and the fonts of the preview, in both languages and both chart
// styles. Every text stays inside the frame, no two texts of a line run into
// each other, the aspect codes stay in their cells and the Sudarshan texts in
// their rings.

#include "LayoutSurface.h"
#include "MeasuredSurface.h"
#include "QtTestEnvironment.h"

#include "calc/CalcFixture.h"
#include "calc/Chart.h"
#include "core/Reporter.h"
#include "pages/ChartFrames.h"
#include "registry/PageDispatcher.h"
#include "pages/PainterSurface.h"
#include "refdata/RefdataFixture.h"
#include "refdata/TextLookup.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// Two charts: an ordinary one, and the conjunction of February 1962 with
// eight bodies in Capricorn, the fullest a sector can be.
const BirthRecord Births[] = {
    tarvik::testing::DelhiBirth(15, 8, 1980, 10, 30),
    tarvik::testing::DelhiBirth(5, 2, 1962, 10, 0),
};

const char* const Keys[] = {"Bhav", "Sudarshan", "Maitri", "Shodashvarga", "Ashtakvarga", "Sayana"};

constexpr double Tolerance = 1;   // twips

class GridLayoutTest : public OpenDeliveredDatabases {
protected:
    void SetUp() override
    {
        OpenDeliveredDatabases::SetUp();
        Config().PrintBorder = false;
    }

    void prepare(const BirthRecord& birth, bool hindi, int style)
    {
        Native() = birth;
        CalcChart(OutputRun().Choices());
        OutputRun().ChartStyle = style;
        ApplyDisplayConventions(hindi);
    }

    CollectingReporter collector;
    ScopedReporter scope{collector};
};

std::string where(const std::string& key, bool hindi, int style, int chart)
{
    return key + (hindi ? " hi" : " en") + (style ? " south" : " north") + " chart " +
           std::to_string(chart);
}

// The body of the page: below the header, above the footer.
bool inBody(const DrawnText& t) { return t.y >= Config().TopMarginTwips - Tolerance && t.y < 15000; }

// The two lines at the foot of a page of charts or tables, which name the
// nodes and the ayanamsa: no part of the table or the wheel above them.
bool reckoningLine(const std::string& text)
{
    const Texts texts(OutputRun().Choices());
    return text == texts.Dict("TRUERAHUKETU") || text.rfind(texts.Dict("Ayanamsa") + " ", 0) == 0;
}

void expectInsideFrame(const MeasuredSurface& s, const std::string& what)
{
    for (const DrawnText& t : s.texts) {
        if (!inBody(t))
            continue;
        EXPECT_GE(t.x, 560) << what << ": " << t.text;
        EXPECT_LE(t.x + t.width, 11040) << what << ": " << t.text;
        EXPECT_LE(t.y + t.height, 15000) << what << ": " << t.text << " below the frame";
    }
}

void expectLinesApart(const MeasuredSurface& s, const std::string& what)
{
    std::vector<DrawnText> texts;
    for (const DrawnText& t : s.texts)
        if (inBody(t))
            texts.push_back(t);
    std::sort(texts.begin(), texts.end(), [](const DrawnText& a, const DrawnText& b) {
        return std::tie(a.y, a.x) < std::tie(b.y, b.x);
    });
    for (std::size_t i = 1; i < texts.size(); ++i) {
        const DrawnText& a = texts[i - 1];
        const DrawnText& b = texts[i];
        if (std::abs(a.y - b.y) < Tolerance) {
            EXPECT_LE(a.x + a.width, b.x + Tolerance) << what << ": \"" << a.text
                                                     << "\" runs into \"" << b.text << "\"";
        }
    }
}

// Each text of the aspect grid lies inside the cell its corner is in.
void expectAspectCellsHold(const MeasuredSurface& s, const std::string& what)
{
    std::vector<double> xs, ys;
    // The grid's rules: 6600 twips down, 8100 across.
    for (const DrawnLine& l : s.lines) {
        if (l.x1 == l.x2 && std::abs(std::abs(l.y2 - l.y1) - 6600) < Tolerance)
            xs.push_back(l.x1);
        else if (l.y1 == l.y2 && std::abs(std::abs(l.x2 - l.x1) - 8100) < Tolerance)
            ys.push_back(l.y1);
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    ASSERT_EQ(xs.size(), 13u) << what;
    ASSERT_EQ(ys.size(), 13u) << what;
    for (const DrawnText& t : s.texts) {
        const auto right = std::upper_bound(xs.begin(), xs.end(), t.x);
        const auto below = std::upper_bound(ys.begin(), ys.end(), t.y);
        if (right == xs.begin() || right == xs.end() || below == ys.begin() || below == ys.end())
            continue;
        EXPECT_LE(t.x + t.width, *right + Tolerance) << what << ": " << t.text;
        EXPECT_LE(t.y + t.height, *below + Tolerance) << what << ": " << t.text;
    }
}

// How far a rectangle reaches from the wheel's centre on its nearest and on
// its farthest side, on the square rings.
struct Reach {
    double inner, outer;
};
Reach reachOf(const DrawnText& t, double ascent)
{
    const double cx = Config().LeftMarginTwips + SudarshanCentre.x;
    const double cy = Config().TopMarginTwips + 2000 + SudarshanCentre.y;
    const double x0 = t.x - cx, x1 = t.x + t.width - cx;
    const double y0 = t.y - cy, y1 = t.y + ascent - cy;
    const auto nearest = [](double a, double b) {
        return a < 0 && b > 0 ? 0.0 : std::min(std::abs(a), std::abs(b));
    };
    return {std::max(nearest(x0, x1), nearest(y0, y1)),
            std::max({std::abs(x0), std::abs(x1), std::abs(y0), std::abs(y1)})};
}

// Every text of the chakra lies within one ring: the glyphs, from the top of
// the line to its baseline, clear of the rules.
void expectSudarshanRingsHold(const MeasuredSurface& s, const std::string& what)
{
    int checked = 0;
    for (const DrawnText& t : s.texts) {
        if (!inBody(t) || reckoningLine(t.text))
            continue;
        const Reach r = reachOf(t, t.height * 0.75);
        const auto ring = std::find_if(SudarshanRingEdges.begin(), SudarshanRingEdges.end(),
                                       [&](double edge) { return edge > r.inner; });
        ASSERT_NE(ring, SudarshanRingEdges.begin()) << what << ": " << t.text << " in the hub";
        ASSERT_NE(ring, SudarshanRingEdges.end()) << what << ": " << t.text << " outside";
        EXPECT_LT(r.outer, *ring) << what << ": " << t.text << " across a ring's edge";
        ++checked;
    }
    EXPECT_GE(checked, 36) << what;
}

TEST_F(GridLayoutTest, PagesKeepInsideTheFrameAndApart)
{
    for (std::size_t chart = 0; chart < std::size(Births); ++chart) {
        for (bool hindi : {false, true}) {
            for (int style : {0, 1}) {
                prepare(Births[chart], hindi, style);
                for (const char* key : Keys) {
                    const std::string what = where(key, hindi, style, static_cast<int>(chart));
                    MeasuredSurface surface(72);
                    ASSERT_TRUE(PrintPage(surface, key, false)) << what;
                    expectInsideFrame(surface, what);
                    expectLinesApart(surface, what);
                    if (std::string(key) == "Sayana")
                        expectAspectCellsHold(surface, what);
                    if (std::string(key) == "Sudarshan")
                        expectSudarshanRingsHold(surface, what);
                }
            }
        }
    }
}

// The conjunction chart puts eight bodies in one sign: the fourth line of
// that sector leads with the sign number.
TEST_F(GridLayoutTest, EightBodiesInOneSign)
{
    prepare(Births[1], false, 0);
    MeasuredSurface surface(72);
    ASSERT_TRUE(PrintPage(surface, "Sudarshan", false));
    int full = 0;
    for (const DrawnText& t : surface.texts)
        if (t.text.rfind("10 ", 0) == 0)
            ++full;
    EXPECT_EQ(full, 3) << "Capricorn's fourth line in each ring";
}

// The conjunction of 05-02-1962 07:00 at Mumbai: eight bodies in the sign
// of the top sector of every ring, where the sector narrows towards the hub.
// Its four lines keep a clear blank from the spokes and rings, and stacked
// lines of one sector keep clear of each other, in Hindi with their vowel
// signs above and below.
TEST_F(GridLayoutTest, ACrowdedSectorKeepsClearOfItsSpokesAndItsLines)
{
    // A gap that shows at the preview's resolution and on paper, twips.
    constexpr double FromARule = 30;
    constexpr double BetweenLines = 10;
    const BirthRecord mumbai = MovedTo(tarvik::testing::DelhiBirth(5, 2, 1962, 7, 0), 18, 58, "N", 72, 50, "E", 82.5);
    for (bool hindi : {false, true}) {
        SCOPED_TRACE(hindi ? "hi" : "en");
        prepare(mumbai, hindi, 0);
        LayoutSurface s;
        ASSERT_TRUE(PrintPage(s, "Sudarshan", false));
        std::vector<const LaidText*> sector;
        for (const LaidText& t : s.laid) {
            if (t.picturesBefore == 0 || t.shaped.Empty())
                continue;   // the header, before the wheel
            double nearest = 1e18;
            for (const Rule& r : s.rules)
                if (r.source == "sudarshan-wheel")
                    nearest = std::min(nearest, RuleDistance(r, t.shaped) - r.halfPen);
            EXPECT_GE(nearest, FromARule) << "\"" << t.text << "\"";
            sector.push_back(&t);
        }
        // The lines of a sector: drawn one after the other, centred alike.
        int stacked = 0;
        for (std::size_t i = 1; i < sector.size(); ++i) {
            const LaidText& above = *sector[i - 1];
            const LaidText& below = *sector[i];
            if (below.y <= above.y || std::abs(below.x + below.width / 2 - above.x - above.width / 2) > 2)
                continue;
            ++stacked;
            EXPECT_GE(below.shaped.top - above.shaped.bottom, BetweenLines)
                << "\"" << above.text << "\" and \"" << below.text << "\"";
        }
        EXPECT_GE(stacked, 9) << "three lines under the first of the crowded sector in each ring";
    }
}

// The Tara chakra is one table in one size: where a name (Uttara Phalguni
// in Hindi) would run into the next column, the whole table is set smaller,
// its captions with it.
TEST_F(GridLayoutTest, TaraChakraIsSetInOneSize)
{
    for (bool hindi : {false, true}) {
        prepare(Births[0], hindi, 0);
        MeasuredSurface surface;
        ASSERT_TRUE(PrintPage(surface, "Shodashvarga", false));
        const std::vector<RecordedText>& texts = surface.Texts();
        // The chakra follows the last heading of the page.
        std::size_t heading = texts.size();
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (texts[i].font.Underline)
                heading = i;
        ASSERT_LT(heading, texts.size());
        std::set<double> sizes;
        int cells = 0;
        for (std::size_t i = heading + 1; i < texts.size(); ++i) {
            if (texts[i].y >= Config().FooterTop * 1440 || reckoningLine(texts[i].text))
                continue;   // the owner's lines, the nodes and the ayanamsa
            sizes.insert(texts[i].font.Size);
            ++cells;
        }
        EXPECT_EQ(cells, 4 * 9) << hindi;
        EXPECT_EQ(sizes.size(), 1u) << (hindi ? "hi" : "en") << ": the chakra in more than one size";
    }
}

// The Bhav and ashtakavarga tables in one size each: where a nakshatra or
// a caption is too wide for its column, the whole grid is set smaller, so
// that every column holds texts of one size.
TEST_F(GridLayoutTest, GridTablesAreSetInOneSize)
{
    for (const BirthRecord& birth : Births) {
        for (bool hindi : {false, true}) {
            prepare(birth, hindi, 0);
            for (const char* key : {"Bhav", "Ashtakvarga"}) {
                SCOPED_TRACE(std::string(key) + (hindi ? " hi " : " en ") + std::to_string(birth.Year));
                MeasuredSurface surface;
                ASSERT_TRUE(PrintPage(surface, key, false));
                std::map<long, std::set<double>> columns;   // sizes by x
                for (const RecordedText& t : surface.Texts())
                    if (!t.font.Underline && !t.font.Bold && t.y > Config().TopMarginTwips &&
                        t.y < Config().FooterTop * 1440 && !reckoningLine(t.text))
                        columns[std::lround(t.x)].insert(t.font.Size);
                EXPECT_GT(columns.size(), 8u);
                for (const auto& [x, sizes] : columns)
                    EXPECT_EQ(sizes.size(), 1u) << "the column at " << x << " in " << sizes.size() << " sizes";
            }
        }
    }
}

} // namespace
