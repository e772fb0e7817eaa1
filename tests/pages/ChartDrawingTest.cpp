#include "PageTestSupport.h"

#include "pages/ChartDrawing.h"
#include "pages/ChartFrames.h"
#include "pages/Frame.h"

#include <cmath>
#include <numbers>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// Signs of the Lagna and the nine bodies (computation order 1..10).
void setSigns(ChartSigns& chart, std::array<int, 10> signs)
{
    for (int b = 1; b <= 10; ++b)
        chart[b] = signs[b - 1];
}

struct Point {
    double x, y;
};

Point centreOf(const RecordedText& t)
{
    return {t.x + CodePoints(t.text) * t.font.Size * RecordingSurface::WidthPerPoint / 2,
            t.y + t.font.Size * RecordingSurface::HeightPerPoint / 2};
}

bool insideConvex(Point p, const std::vector<DesignPoint>& poly)
{
    int sign = 0;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const DesignPoint a = poly[i];
        const DesignPoint b = poly[(i + 1) % poly.size()];
        const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        const int s = cross > 0 ? 1 : (cross < 0 ? -1 : 0);
        if (s == 0)
            return false;   // on an edge is not inside
        if (sign == 0)
            sign = s;
        else if (s != sign)
            return false;
    }
    return true;
}

class ChartDrawingTest : public PageTest {
protected:
    ChartSigns chart{};
    ChartSigns& signs() { return chart; }
};

} // namespace

TEST_F(ChartDrawingTest, BodiesShareLinesTwoByTwo)
{
    struct Case {
        const char* what;
        std::array<int, 10> signs;   // Lagna, Sun, Mercury, Venus, Mars, Jupiter, Saturn, Moon, Rahu, Ketu
        bool withLagna;
        bool south;
        int entry;                    // 1-based house (North) or sign (South)
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"three in one house", {1, 3, 3, 3, 5, 6, 7, 8, 9, 10}, false, false, 3,
         {" RAVI BUDHA", " SHUKRA"}},
        {"ascendant listed with the lagna flag", {2, 2, 4, 5, 6, 7, 8, 9, 10, 11}, true, false, 1,
         {" LAGNA RAVI"}},
        {"ascendant left out without it", {2, 2, 4, 5, 6, 7, 8, 9, 10, 11}, false, false, 1,
         {" RAVI"}},
        {"all ten in one house: from the ninth on, line 4", {5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, true,
         false, 1,
         {" LAGNA RAVI", " BUDHA SHUKRA", " MANGAL GURU", " SANI CHANDRA RAHU KETU"}},
        {"houses count from the reference sign", {11, 1, 10, 12, 2, 3, 4, 5, 6, 7}, false, false, 3,
         {" RAVI"}},
        {"the sign before the reference is house 12", {11, 1, 10, 12, 2, 3, 4, 5, 6, 7}, false,
         false, 12, {" BUDHA"}},
        {"sign 13 counts as sign 1", {1, 13, 2, 3, 4, 5, 6, 7, 8, 9}, false, false, 1, {" RAVI"}},
        {"south style keys the entries by sign", {11, 1, 10, 12, 2, 3, 4, 5, 6, 7}, false, true, 10,
         {" BUDHA"}},
        {"south style, sign 13", {11, 13, 10, 12, 2, 3, 4, 5, 6, 7}, true, true, 1, {" RAVI"}},
    };
    for (const Case& c : cases) {
        ChartSigns table{};
        setSigns(table, c.signs);
        const auto texts = BuildHouseTexts(table, c.withLagna, c.south, Texts(false));
        const HouseText& e = texts[c.entry - 1];
        ASSERT_EQ(e.currentLine, static_cast<int>(c.lines.size())) << c.what;
        for (std::size_t i = 0; i < c.lines.size(); ++i)
            EXPECT_EQ(e.lines[i], c.lines[i]) << c.what;
    }
}

TEST_F(ChartDrawingTest, SignOutsideEveryRangeAbandonsTheChart)
{
    setSigns(signs(), {1, 30, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_THROW(DrawChart(surface, RunContext(), signs(), "T", false), std::out_of_range);
}

TEST_F(ChartDrawingTest, PlacesByPositionAndLeavesTheCursor)
{
    struct Case {
        int position;
        double x0, size;
        bool backToStart;
    };
    const Case cases[] = {
        {Centred, 3050, 5500, false},
        {LeftChart, 1440, 4000, true},
        {RightChart, 11600 - 1440 - 4000, 4000, true},
    };
    for (int style : {0, 1}) {
        for (const Case& c : cases) {
            SetUp();
            OutputRun().ChartStyle = style;
            setSigns(signs(), {1, 1, 2, 3, 4, 5, 6, 7, 8, 9});
            surface.Font.Size = 9;
            surface.CurrentY = 2000;
            DrawChart(surface, RunContext(), signs(), "Lagna", true, c.position);

            const RecordedText* title = surface.FindText("Lagna");
            ASSERT_NE(title, nullptr);
            EXPECT_EQ(title->x, c.x0 + (c.size - 5 * 9 * 10) / 2);
            EXPECT_EQ(title->y, 2000);
            EXPECT_TRUE(title->font.Bold);

            ASSERT_EQ(surface.Pictures().size(), 1u);
            const RecordedPicture& frame = surface.Pictures()[0];
            EXPECT_EQ(frame.name, style == 0 ? "north-chart-frame" : "south-chart-frame");
            // The South frame's edge is the chart's: it keeps a little below
            // the title.
            const double chartTop = 2000 + 9 * 20 + (style == 1 ? 12 : 0);
            EXPECT_EQ(frame.x, c.x0);
            EXPECT_EQ(frame.y, chartTop);
            EXPECT_EQ(frame.width, c.size);
            EXPECT_EQ(frame.height, c.size);

            const double below = chartTop + c.size + std::floor(250 * 1.5);
            EXPECT_EQ(surface.CurrentY, c.backToStart ? 2000 : below);
            EXPECT_EQ(surface.Font.Size, 9);
            EXPECT_FALSE(surface.Font.Bold);
        }
    }
}

// Each sign number stands in its house's inner corner, as near it as the
// house's sides (45 degrees either side of the corner's axis) allow, in the
// English face at the English size in both languages.
TEST_F(ChartDrawingTest, NorthNumbersStandInTheInnerCorners)
{
    // Lagna in sign 4: house h shows sign 4 + h - 1; one body per house.
    setSigns(signs(), {4, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    for (bool hindi : {false, true}) {
        SetUp();
        ApplyDisplayConventions(hindi);
        setSigns(signs(), {4, 4, 5, 6, 7, 8, 9, 10, 11, 12});
        surface.CurrentY = 1000;
        DrawChart(surface, RunContext(), signs(), "", false, LeftChart);
        const double f = 4000.0 / 6000.0;
        const double top = 1000 + 9 * 20;
        for (int h = 1; h <= 12; ++h) {
            const std::string number = std::to_string(WrapRange(4 + h - 1, 12));
            const RecordedText* t = surface.FindText(number);
            ASSERT_NE(t, nullptr) << h;
            const HouseAxis axis = NorthHouseAxis(h);
            const double width = number.size() * 10 * 10.0, height = 10 * 20.0;
            const double reach = width / 2 + height / 2 + 10 * std::sqrt(2.0);
            EXPECT_DOUBLE_EQ(t->x + width / 2, 1440 + axis.corner.x * f + axis.direction.x * reach) << h;
            EXPECT_DOUBLE_EQ(t->y + height / 2, top + axis.corner.y * f + axis.direction.y * reach) << h;
            EXPECT_EQ(t->font.Size, 10) << h;
            EXPECT_EQ(t->font.Name, OutputRun().EnglishFontName) << h;
        }
    }
    SetUp();
    setSigns(signs(), {4, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    surface.CurrentY = 1000;
    DrawChart(surface, RunContext(), signs(), "", false, LeftChart);
    const double f = 4000.0 / 6000.0;
    const double top = 1000 + 9 * 20;
    // The Sun in house 1: one line of bodies centred on its point, 8 points.
    const RecordedText* sun = surface.FindText(" RAVI");
    ASSERT_NE(sun, nullptr);
    const LabelBox& g = NorthBodyBoxes[0];
    EXPECT_DOUBLE_EQ(sun->x, 1440 + g.left * f + std::floor(g.width / 2.0) - 5 * 8 * 10 / 2.0);
    EXPECT_DOUBLE_EQ(sun->y, top + g.top * f + g.height / 2 - 8 * 20 / 2.0);
    EXPECT_EQ(sun->font.Size, 8);
}

TEST_F(ChartDrawingTest, TwoLinesAreCentredTogetherOnTheHousePoint)
{
    setSigns(signs(), {1, 1, 1, 1, 5, 6, 7, 8, 9, 10});
    surface.CurrentY = 0;
    DrawChart(surface, RunContext(), signs(), "", false, Centred);
    const RecordedText* first = surface.FindText(" RAVI BUDHA");
    const RecordedText* second = surface.FindText(" SHUKRA");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->y - first->y, 8 * 20);
    const double centreY = (first->y + second->y + 8 * 20) / 2;
    const double f = 5500.0 / 6000.0;
    EXPECT_DOUBLE_EQ(centreY, 9 * 20 + NorthBodyBoxes[0].top * f + 150);
    EXPECT_DOUBLE_EQ(centreOf(*first).x, centreOf(*second).x);
}

TEST_F(ChartDrawingTest, HindiBodiesAreTwoPointsSmaller)
{
    ApplyDisplayConventions(true);
    setSigns(signs(), {1, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    DrawChart(surface, RunContext(), signs(), "", false);
    EXPECT_EQ(surface.FindText(" hi:RAVI")->font.Size, 12);
    EXPECT_EQ(surface.FindText("1")->font.Size, 10);
}

// Every body point, and every sign number, lies inside its own house of the
// frame, at both sizes.
TEST_F(ChartDrawingTest, NorthPointsLieInsideTheirHouses)
{
    for (int position : {Centred, LeftChart}) {
        const double size = position == Centred ? 5500 : 4000;
        const double f = size / 6000;
        for (int h = 1; h <= 12; ++h) {
            SetUp();
            // Lagna in sign 1 and the Sun in sign h: the Sun is in house h.
            setSigns(signs(), {1, h, 0, 0, 0, 0, 0, 0, 0, 0});
            for (int b = 3; b <= 10; ++b)
                signs()[b] = h == 1 ? 2 : 1;
            surface.CurrentY = 0;
            DrawChart(surface, RunContext(), signs(), "", false, position);
            const double x0 = surface.Pictures()[0].x;
            const double y0 = surface.Pictures()[0].y;
            auto design = [&](Point p) { return Point{(p.x - x0) / f, (p.y - y0) / f}; };

            const RecordedText* sun = surface.FindText(" RAVI");
            ASSERT_NE(sun, nullptr);
            EXPECT_TRUE(insideConvex(design(centreOf(*sun)), NorthHouseOutline(h)))
                << "body of house " << h << " at size " << size;
            const RecordedText* number = surface.FindText(std::to_string(h));
            ASSERT_NE(number, nullptr);
            EXPECT_TRUE(insideConvex(design(centreOf(*number)), NorthHouseOutline(h)))
                << "number of house " << h << " at size " << size;
        }
    }
}

TEST_F(ChartDrawingTest, SouthMarksTheAscendantOfTheTableShown)
{
    OutputRun().ChartStyle = 1;
    ChartSigns given{};
    setSigns(given, {4, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    surface.CurrentY = 500;
    DrawChart(surface, RunContext(), given, "Given", true, LeftChart);

    const double f = 4000.0 / 6000.0;
    const double cell = 1000;
    const double top = 500 + 9 * 20 + 12;
    const double cx = 1440 + 3 * cell;  // sign 4: row 1, column 3
    const double cy = top + 1 * cell;
    ASSERT_EQ(surface.Lines().size(), 2u);
    const RecordedLine& a = surface.Lines()[0];
    const RecordedLine& b = surface.Lines()[1];
    EXPECT_DOUBLE_EQ(a.x1, cx + 300 * f);
    EXPECT_DOUBLE_EQ(a.y1, cy);
    EXPECT_DOUBLE_EQ(a.x2, cx);
    EXPECT_DOUBLE_EQ(a.y2, cy + 300 * f);
    EXPECT_DOUBLE_EQ(b.x1, cx + 350 * f);
    EXPECT_DOUBLE_EQ(b.y2, cy + 350 * f);

    // Bodies centred in their sign's cell; no sign numbers in this style.
    const RecordedText* lagna = surface.FindText(" LAGNA RAVI");
    ASSERT_NE(lagna, nullptr);
    EXPECT_DOUBLE_EQ(centreOf(*lagna).x, cx + cell / 2);
    EXPECT_DOUBLE_EQ(centreOf(*lagna).y, cy + cell / 2);
    const RecordedText* moon = surface.FindText(" CHANDRA");  // sign 10: row 2, column 0
    ASSERT_NE(moon, nullptr);
    EXPECT_DOUBLE_EQ(centreOf(*moon).x, 1440 + cell / 2);
    EXPECT_DOUBLE_EQ(centreOf(*moon).y, top + 2 * cell + cell / 2);
    for (int s = 1; s <= 12; ++s)
        EXPECT_EQ(surface.FindText(std::to_string(s)), nullptr) << s;
}

TEST_F(ChartDrawingTest, KPHouseNumbersAreTheCuspSigns)
{
    setSigns(signs(), {1, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    std::array<double, 13> houseSigns{};
    for (int h = 0; h < 12; ++h)
        houseSigns[h] = (h + 5) % 12 + 1;
    DrawChart(surface, RunContext(), signs(), "", false, Centred, &houseSigns);
    for (int h = 1; h <= 12; ++h)
        EXPECT_NE(surface.FindText(" " + std::to_string((h + 4) % 12 + 1)), nullptr) << h;
    EXPECT_EQ(surface.FindText("1"), nullptr);

    surface.ClearLog();
    OutputRun().ChartStyle = 1;
    DrawChart(surface, RunContext(), signs(), "", false, Centred, &houseSigns);
    EXPECT_TRUE(surface.TextsContaining(" 6").empty());
}

// Each text anchor of the wheel lies in its own ring and within 15 degrees of
// its sector's middle (house 1 at the top, the houses anticlockwise).
TEST(SudarshanWheelTest, AnchorsLieInTheirRingAndSector)
{
    for (int ring = 0; ring < 3; ++ring) {
        for (int k = 0; k < 12; ++k) {
            const double dx = SudarshanAnchorX[k][ring] - SudarshanCentre.x;
            const double dy = SudarshanAnchorY[k][ring] - SudarshanCentre.y;
            const double reach = std::max(std::abs(dx), std::abs(dy));
            EXPECT_GT(reach, SudarshanRingEdges[ring]) << ring << "," << k;
            EXPECT_LT(reach, SudarshanRingEdges[ring + 1]) << ring << "," << k;
            const double clockwise = std::atan2(dx, -dy) * 180 / std::numbers::pi;
            double sector = std::fmod(-clockwise / 30 + 24, 12.0);
            double off = std::abs(sector - k);
            off = std::min(off, 12 - off);
            EXPECT_LT(off, 0.5) << ring << "," << k;
        }
    }
    EXPECT_LE(SudarshanCentre.x + SudarshanRingEdges.back(), SudarshanDesignSize);
    EXPECT_GE(SudarshanCentre.y - SudarshanRingEdges.back(), 0);
}
