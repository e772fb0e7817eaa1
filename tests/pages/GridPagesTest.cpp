// The aspect grid, the bhava and shodashvarga tables with the tara chakra,
// the friendship tables and the Sudarshan chakra, on the recording surface
// with the echoing text source (a caption shows the key it was looked up by).

#include "PageTestSupport.h"

#include "calc/NameTables.h"
#include "calc/Relationships.h"
#include "pages/AspectGrid.h"
#include "pages/BlockFit.h"
#include "pages/ChartFrames.h"
#include "pages/FriendshipPage.h"
#include "registry/PageDispatcher.h"
#include "pages/ShodashvargaTable.h"
#include "pages/SudarshanChakra.h"
#include "pages/TablePages.h"
#include "pages/TableRows.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

constexpr int Left = 1440;   // the default left margin
constexpr int Top = 1008;    // the default top margin

// The text drawn with its top-left corner at (x, y), or null.
const RecordedText* textAt(const RecordingSurface& surface, double x, double y)
{
    for (const RecordedText& t : surface.Texts())
        if (std::abs(t.x - x) < 0.5 && std::abs(t.y - y) < 0.5)
            return &t;
    return nullptr;
}

std::string textAtOrNone(const RecordingSurface& surface, double x, double y)
{
    const RecordedText* t = textAt(surface, x, y);
    return t ? t->text : "(none)";
}

class GridPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Config().PrintBorder = false;
        ChartState& c = Chart();
        for (int b = Sun; b <= Pluto; ++b)
            c.PlanetLongitudes[b] = std::fmod(7.0 + 29.0 * b, 360.0);
        for (int k = 1; k <= 12; ++k) {
            c.HouseCusps[k] = 15.0 + 30.0 * (k - 1);
            c.BhavaSandhi[k] = 30.0 * (k - 1);
        }
        for (int v = 1; v <= 16; ++v) {
            c.ShodashVargaNames[v] = "Rashi";
            for (int t = 1; t <= 10; ++t)
                c.ShodashVargaSigns[v][t] = (v + t) % 12 + 1;
        }
    }

    void useHindi() { ApplyDisplayConventions(true); }
};

// ---------------------------------------------------------------- cells

// A text wider than its column is set smaller, never below seven tenths of
// the size; the font and the line advance come back as they were.
TEST_F(GridPageTest, CellsSetSmallerToKeepOutOfTheNextColumn)
{
    struct Case { const char* text; double width; double size; };
    const Case cases[] = {
        {"ABCDE", 1000, 10},          // 500 wide: fits
        {"ABCDE", 650, 10},           // exactly the room left by a blank and a half (150)
        {"ABCDEFGHIJ", 950, 8},       // 1000 wide into 800: eight tenths
        {"ABCDEFGHIJKLMNOPQRST", 560, 7},   // would need a quarter: seven tenths at the least
    };
    for (const Case& c : cases) {
        surface = RecordingSurface();
        surface.Font.Size = 10;
        PrintInColumn(surface, 500, 700, c.text, c.width, RunContext());
        ASSERT_EQ(surface.Texts().size(), 1u);
        EXPECT_EQ(surface.Texts()[0].font.Size, c.size) << c.text << " in " << c.width;
        EXPECT_EQ(surface.Texts()[0].x, 500);
        EXPECT_EQ(surface.Font.Size, 10);
        EXPECT_EQ(surface.CurrentY, 700 + 10 * RecordingSurface::HeightPerPoint);
    }
}

// ---------------------------------------------------------------- aspects

TEST(AspectCodeTest, BandsAtTheirEdges)
{
    struct Case { int degrees; const char* code; };
    const Case cases[] = {
        {0, "CONJ"}, {1, "PARL"}, {2, "CONJ"}, {8, "CONJ"}, {9, ""},
        {40, ""}, {41, "SSQR"}, {49, "SSQR"}, {50, ""}, {51, ""},
        {52, "SEXT"}, {68, "SEXT"}, {69, ""}, {70, "QUIN"}, {74, "QUIN"}, {75, ""},
        {81, ""}, {82, "SQUR"}, {98, "SQUR"}, {99, ""}, {111, ""},
        {112, "TRIN"}, {128, "TRIN"}, {129, ""}, {131, ""}, {132, "SESQ"}, {138, "SESQ"},
        {139, ""}, {146, ""}, {147, "QUQU"}, {153, "QUQU"}, {154, ""}, {171, ""},
        {172, "OPPO"}, {180, "OPPO"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AspectCode(c.degrees), c.code) << c.degrees;
}

// The separation is taken in whole degrees first and then folded past 180,
// so a separation just beyond 180 counts one degree more than its fold: 188.5
// degrees is 172 and still an opposition.
TEST(AspectSeparationTest, TruncatedBeforeFolding)
{
    struct Case { double a, b; int degrees; };
    const Case cases[] = {
        {10, 20.9, 10},
        {20.9, 10, 10},
        {0, 200.5, 160},     // 200 folded; folding 200.5 first would give 159
        {200.5, 0, 160},
        {0.2, 185.4, 175},   // 185.2: 185, folded
        {0, 188.5, 172},     // an opposition, not 171 with no code
        {350, 10, 20},
        {10, 350, 20},
        {359.5, 0.4, 1},     // 359.1: 359, folded
        {0, 180, 180},
        {90, 270, 180},
        {-10, 10, 20},
        {370, 10, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AspectSeparation(c.a, c.b), c.degrees) << c.a << " " << c.b;
}

TEST_F(GridPageTest, AspectGridHoldsTheUpperTriangle)
{
    ChartState& c = Chart();
    c.PlanetLongitudes[Sun] = 10;
    c.PlanetLongitudes[Moon] = 130.5;     // 120.5 from the Sun: trine
    c.PlanetLongitudes[Mars] = 195.4;     // 185.4 from the Sun: 185, folded to 175: opposition
    c.PlanetLongitudes[Pluto] = 11.5;     // 1 from the Sun: parallel
    surface.CurrentY = 3000;
    PrintAspectGrid(surface, RunContext());

    const int y = static_cast<int>(3000 + std::floor(OutputRun().LineStep * 1.25));
    // Column heads from the Moon; the Sun heads the first row.
    EXPECT_EQ(textAtOrNone(surface, Left + 675, y), "CHANDRA");
    EXPECT_EQ(textAtOrNone(surface, Left + 11 * 675, y), "PLUTO");
    EXPECT_EQ(textAtOrNone(surface, Left, y + 550), "RAVI");
    EXPECT_EQ(textAtOrNone(surface, Left, y + 11 * 550), "NEPTUNE");
    EXPECT_EQ(textAtOrNone(surface, Left, y + 12 * 550), "(none)");

    struct Cell { int row, column; const char* degrees; const char* code; };
    const Cell cells[] = {
        {1, 2, "120", "TRIN"},    // Sun, Moon
        {1, 3, "175", "OPPO"},    // Sun, Mars
        {1, 12, "001", "PARL"},   // Sun, Pluto
        {2, 3, "064", "SEXT"},    // Moon, Mars
    };
    for (const Cell& cell : cells) {
        const double x = Left + (cell.column - 1) * 675;
        const double rowY = y + cell.row * 550;
        EXPECT_EQ(textAtOrNone(surface, x, rowY), cell.degrees) << cell.row << "," << cell.column;
        const auto codes = surface.TextsContaining(cell.code);
        EXPECT_TRUE(std::any_of(codes.begin(), codes.end(), [&](const RecordedText& t) {
            return t.x == x && t.y > rowY && t.y < rowY + 550 && t.font.Name == "Tarvik English";
        })) << cell.code;
    }

    int numbers = 0;
    for (const RecordedText& t : surface.Texts()) {
        if (t.text.size() == 3 && std::all_of(t.text.begin(), t.text.end(), ::isdigit)) {
            ++numbers;
            const int column = static_cast<int>(std::lround((t.x - Left) / 675)) + 1;
            const int row = static_cast<int>(std::lround((t.y - y) / 550));
            EXPECT_GT(column, row) << t.text << " below the diagonal";
        }
    }
    EXPECT_EQ(numbers, 66) << "Sun to Neptune against every later body up to Pluto";
    EXPECT_EQ(surface.Lines().size(), 26u);
}

// ---------------------------------------------------------------- bhav table

TEST_F(GridPageTest, BhavTableRowsOfSandhiAndMadhya)
{
    ChartState& c = Chart();
    c.BhavaSandhi[1] = 0;          // Aries, Ashvini (Ketu)
    c.HouseCusps[1] = 359.99;      // Pisces, Revati (Mercury)
    c.BhavaSandhi[2] = 13.34;      // Aries, Bharani (Venus)
    c.HouseCusps[2] = 255;         // Sagittarius, Purva Ashadha (Venus)
    for (bool hindi : {false, true}) {
        ApplyDisplayConventions(hindi);
        surface = RecordingSurface();
        surface.CurrentY = Top;
        PrintBhavTable(surface, RunContext());

        const auto row = [&](int house) {
            const RecordedText* number = surface.FindText(house < 10 ? "0" + std::to_string(house)
                                                                      : std::to_string(house));
            std::vector<std::string> cells;
            if (!number)
                return cells;
            for (int x : {300, 1300, 2100, 3600, 5000, 6000, 6800, 8300})
                cells.push_back(textAtOrNone(surface, Left + x, number->y));
            return cells;
        };
        using Cells = std::vector<std::string>;
        if (hindi) {
            EXPECT_EQ(row(1), (Cells{"hi:_MESH", "00:00:00", "hi:_ASHVINI", "hi:_KETU", "hi:_MEEN",
                                     "29:59:24", "hi:_REVATI", "hi:_BUDHA"}));
        } else {
            // Signs and lords print whole, as in Hindi.
            EXPECT_EQ(row(1), (Cells{"_MESH", "00:00:00", "_ASHVINI", "_KETU", "_MEEN", "29:59:24",
                                     "_REVATI", "_BUDHA"}));
            EXPECT_EQ(row(2), (Cells{"_MESH", "13:20:24", "_BHARNI", "_SHUKRA", "_DHANU", "15:00:00",
                                     "_P_ASHADHA", "_SHUKRA"}));
        }
        const RecordedText* last = surface.FindText("12");
        ASSERT_NE(last, nullptr);
        EXPECT_EQ(last->y - surface.FindText("01")->y, 11 * OutputRun().LineStep);
    }
}

// ---------------------------------------------------------------- shodashvarga

TEST(TaraChakraTest, CountsFromTheMoonAndRunsPastRevati)
{
    struct Case { int moon, row, column, nakshatra; };
    const Case cases[] = {
        {20, 0, 0, 20}, {20, 0, 7, 27}, {20, 0, 8, 1}, {20, 1, 0, 2}, {20, 2, 8, 19},
        {1, 0, 0, 1}, {1, 1, 0, 10}, {1, 2, 8, 27}, {27, 0, 0, 27}, {27, 2, 8, 26},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TaraNakshatra(c.moon, c.row, c.column), c.nakshatra)
            << c.moon << " " << c.row << " " << c.column;
}

TEST_F(GridPageTest, ShodashvargaTableAndTaraChakra)
{
    Chart().PlanetLongitudes[Moon] = 255;   // Purva Ashadha, nakshatra 20
    Chart().ShodashVargaNames[11] = "Chaturvimsamsa";
    for (bool hindi : {false, true}) {
        ApplyDisplayConventions(hindi);
        surface = RecordingSurface();
        surface.CurrentY = Top;
        PrintShodashvargaTable(surface, RunContext());
        const std::string hi = hindi ? "hi:" : "";

        const RecordedText* heading = surface.FindText(hi + "SHODASHVARGA");
        ASSERT_NE(heading, nullptr);
        EXPECT_EQ(heading->y, Top + (hindi ? 1000 : 2500));

        // No varga's name runs into the signs of its row.
        for (const RecordedText& label : surface.TextsContaining(hi + "DIV")) {
            double firstSign = 1e9;
            for (const RecordedText& t : surface.Texts())
                if (t.y == label.y && t.x > label.x)
                    firstSign = std::min(firstSign, t.x);
            surface.Font = label.font;
            EXPECT_LT(label.x + surface.TextWidth(label.text), firstSign) << label.text;
        }
        // Signs: the Lagna of varga 1 is sign (1 + 1) % 12 + 1 = 3, Gemini.
        const RecordedText* rashi = surface.FindText(hi + "DIVRASHI");
        ASSERT_NE(rashi, nullptr);
        std::vector<std::string> row;
        for (const RecordedText& t : surface.Texts())
            if (t.y == rashi->y && t.x > rashi->x)
                row.push_back(t.text);
        ASSERT_EQ(row.size(), 10u);
        EXPECT_EQ(row[0], hindi ? "hi:_MITHUN" : "_MIT");

        // The tara chakra: the Moon's nakshatra first, Revati followed by Ashvini.
        const RecordedText* janma = surface.FindText(hi + "TARA1");
        ASSERT_NE(janma, nullptr);
        const double rowY = janma->y + 2 * OutputRun().LineStep;
        EXPECT_EQ(textAtOrNone(surface, Left, rowY), hindi ? "hi:_P_ASHADHA" : "_P_ASHADHA");
        EXPECT_EQ(textAtOrNone(surface, Left + 7000, rowY), hindi ? "hi:_REVATI" : "_REVATI");
        EXPECT_EQ(textAtOrNone(surface, Left + 8000, rowY), hindi ? "hi:_ASHVINI" : "_ASHVINI");
        EXPECT_EQ(textAtOrNone(surface, Left + 8000, rowY + 2 * OutputRun().LineStep),
                  hindi ? "hi:_MOOLA" : "_MOOLA")
            << "the last tara of the third row is the nakshatra before the Moon's";
        // English cuts the names to ten characters.
        if (!hindi) {
            EXPECT_NE(surface.FindText("_SATABHISA"), nullptr);
        }
    }
}

// A sign outside 1..12 means the chart was never computed: the page is
// abandoned with a message instead of printing wrong names.
TEST_F(GridPageTest, UnfilledSignsAbandonTheirPages)
{
    for (const char* key : {"Shodashvarga", "Sudarshan"}) {
        Chart().ShodashVargaSigns[1][3] = 0;
        collector.messages.clear();
        EXPECT_FALSE(PrintPage(surface, key, false)) << key;
        ASSERT_EQ(collector.messages.size(), 1u) << key;
        EXPECT_NE(collector.messages[0].find(key), std::string::npos);
    }
}

// ---------------------------------------------------------------- friendship

TEST(FriendshipKeyTest, CodesAndTheirCaptions)
{
    struct Case { const char* code; const char* key; };
    const Case cases[] = {
        {"0", "Shatru"}, {"1", "Sam"}, {"2", "Mitra"}, {"3", "Ati-Mitra"}, {"4", "Ati-Shatru"},
        {"", ""}, {" ", ""}, {"5", ""}, {"22", ""}, {"a", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FriendshipKey(c.code), c.key) << "'" << c.code << "'";
}

TEST_F(GridPageTest, FriendshipTablesOfTheChart)
{
    // Sun in Aries, Moon in Gemini, Venus in Libra, everyone else in Leo.
    for (int t = 2; t <= 10; ++t)
        Chart().ShodashVargaSigns[1][t] = 5;
    Chart().ShodashVargaSigns[1][2] = 1;
    Chart().ShodashVargaSigns[1][3] = 3;
    Chart().ShodashVargaSigns[1][7] = 7;
    CalcRelationships(Chart());

    for (bool hindi : {false, true}) {
        ApplyDisplayConventions(hindi);
        surface = RecordingSurface();
        surface.Font.Size = OutputRun().BodyFontSize;
        surface.CurrentY = Top;
        PrintPlanetFriendship(surface, RunContext());
        const std::string hi = hindi ? "hi:" : "";

        // Each table: its heading, the Sun's row label and the Moon's and
        // Venus's column heads.
        struct Table { const char* key; const char* sunMoon; const char* sunVenus; };
        const Table tables[] = {
            {"NAISARGIK", "MITRA", "SHATRU"},
            {"TATKALIK", "MITRA", "SHATRU"},
            {"PANCHDHA", "ATI-MITRA", "ATI-SHATRU"},
        };
        for (int k = 0; k < 3; ++k) {
            ASSERT_NE(surface.FindText(hi + tables[k].key + " " + hi + "MAITRI"), nullptr);
            const RecordedText* sun = surface.FindText(hi + "_RAVI", 2 * k + 1);   // the row label
            const RecordedText* moonHead = surface.FindText(hi + "_CHANDRA", 2 * k);
            ASSERT_NE(sun, nullptr);
            ASSERT_NE(moonHead, nullptr);
            EXPECT_EQ(sun->x, Left);
            EXPECT_EQ(moonHead->x, Left + 2 * 900);
            EXPECT_EQ(sun->y, moonHead->y + 1.5 * OutputRun().LineStep);
            EXPECT_EQ(textAtOrNone(surface, Left + 2 * 900, sun->y), hi + tables[k].sunMoon) << k;
            EXPECT_EQ(textAtOrNone(surface, Left + 6 * 900, sun->y), hi + tables[k].sunVenus) << k;
            EXPECT_EQ(textAtOrNone(surface, Left + 900, sun->y), "(none)") << "the diagonal";
        }
        // English is set a point smaller; Hindi keeps its size (a text too
        // wide for its column, which in Hindi keeps a gap of more than a
        // blank from the next, may be set smaller still).
        double largest = 0;
        for (const RecordedText& t : surface.Texts())
            if (t.text.find("MAITRI") == std::string::npos)
                largest = std::max(largest, t.font.Size);
        if (hindi)
            EXPECT_LE(largest, OutputRun().BodyFontSize) << "a Hindi cell keeps a wider gap";
        else
            EXPECT_EQ(largest, OutputRun().BodyFontSize - 1);
        EXPECT_EQ(surface.Font.Size, OutputRun().BodyFontSize) << "the size comes back";
    }
}

// ---------------------------------------------------------------- Sudarshan

TEST(SudarshanSectorTest, LinesForNoneToEightBodies)
{
    const std::vector<std::string> names = {"A", "B", "C", "D", "E", "F", "G", "H"};
    using Lines = std::vector<std::string>;
    const Lines expected[] = {
        {"5"},
        {"5", "A"},
        {"5", "A B"},
        {"A B", "5", "C"},
        {"A B", "5", "C D"},
        {"A B", "C D", "5", "E"},
        {"A B", "C D", "5", "E F"},
        {"A B", "C D", "E F", "5 G"},
        {"A B", "C D", "E F", "5 G H"},
    };
    for (std::size_t n = 0; n <= 8; ++n) {
        const std::vector<std::string> bodies(names.begin(), names.begin() + n);
        EXPECT_EQ(SudarshanSectorLines(5, bodies), expected[n]) << n << " bodies";
    }
    EXPECT_EQ(SudarshanSign(11, 0), 11);
    EXPECT_EQ(SudarshanSign(11, 1), 12);
    EXPECT_EQ(SudarshanSign(11, 2), 1);
}

// A sector's fullest block (four lines, two names wide) stays inside its
// ring, clear of the hub, of the neighbouring rings and of the wheel's edge.
TEST(SudarshanWheelTest, FullSectorsKeepClearOfTheRules)
{
    constexpr double lineHeight = 200;   // the glyphs of a 9-point line
    constexpr double blockWidth = 600;   // "Mo Ma", widest of two short names
    for (int ring = 0; ring < 3; ++ring) {
        for (int k = 0; k < 12; ++k) {
            const double x0 = SudarshanAnchorX[k][ring] - blockWidth / 2 - SudarshanCentre.x;
            const double x1 = x0 + blockWidth;
            const double y0 = SudarshanAnchorY[k][ring] - 300 - SudarshanCentre.y;
            const double y1 = SudarshanAnchorY[k][ring] + 300 + lineHeight - SudarshanCentre.y;
            const auto nearest = [](double a, double b) {
                return a < 0 && b > 0 ? 0.0 : std::min(std::abs(a), std::abs(b));
            };
            const double inner = std::max(nearest(x0, x1), nearest(y0, y1));
            const double outer = std::max({std::abs(x0), std::abs(x1), std::abs(y0), std::abs(y1)});
            EXPECT_GT(inner, SudarshanRingEdges[ring]) << "ring " << ring << " house " << k + 1;
            EXPECT_LT(outer, SudarshanRingEdges[ring + 1]) << "ring " << ring << " house " << k + 1;
        }
    }
}

TEST_F(GridPageTest, SudarshanRingsCountFromLagnaMoonAndSun)
{
    // Lagna in Cancer, the Moon and Ketu in Libra, Venus in Taurus, the other
    // six bodies in Aries.
    const int signs[11] = {0, 4, 1, 7, 1, 1, 1, 2, 1, 1, 7};
    for (int t = 1; t <= 10; ++t)
        Chart().ShodashVargaSigns[1][t] = signs[t];
    surface.CurrentY = Top;
    PrintSudarshanChakra(surface, RunContext());

    ASSERT_EQ(surface.Pictures().size(), 1u);
    EXPECT_EQ(surface.Pictures()[0].name, SudarshanWheel().Name());
    EXPECT_EQ(surface.Pictures()[0].x, Left);
    EXPECT_EQ(surface.Pictures()[0].y, Top + 2000);
    EXPECT_EQ(surface.Pictures()[0].width, 9000);

    // The texts whose middle lies in sector k of a ring, top to bottom; each
    // lies wholly inside the sector.
    const auto inSector = [&](int ring, int k) {
        std::vector<DesignPoint> outline;
        for (const DesignPoint& p : SudarshanSectorOutline(ring, k))
            outline.push_back({Left + p.x, Top + 2000 + p.y});
        std::vector<RecordedText> found;
        for (const RecordedText& t : surface.Texts()) {
            const double width = CodePoints(t.text) * t.font.Size * RecordingSurface::WidthPerPoint;
            const double height = t.font.Size * RecordingSurface::HeightPerPoint;
            const double cx = t.x + width / 2, cy = t.y + height / 2;
            if (!BoxInside({cx, cy, cx, cy}, outline, 0))
                continue;
            EXPECT_TRUE(BoxInside({t.x, t.y, t.x + width, t.y + height}, outline, 0))
                << t.text << " in ring " << ring << " sector " << k;
            found.push_back(t);
        }
        return found;
    };
    const auto joined = [](const std::vector<RecordedText>& texts) {
        std::string s;
        for (const RecordedText& t : texts)
            s += (s.empty() ? "" : "|") + t.text;
        return s;
    };

    // Aries is house 10 from the Lagna, house 7 from the Moon, house 1 from
    // the Sun: the same block in each ring, its names in order with the
    // sign number before the last line; the lines take as many names as the
    // sector needs to hold them.
    const std::vector<std::string> aries = {"RAVI", "MANGAL", "BUDHA", "GURU", "SANI", "RAHU"};
    struct Sector { int ring, house; };
    for (const Sector s : {Sector{0, 10}, Sector{1, 7}, Sector{2, 1}}) {
        const std::string block = joined(inSector(s.ring, s.house - 1));
        bool known = false;
        for (int perLine = 2; perLine <= 6; ++perLine) {
            std::string lines;
            for (const std::string& line : SudarshanSectorLines(1, aries, perLine))
                lines += (lines.empty() ? "" : "|") + line;
            known = known || block == lines;
        }
        EXPECT_TRUE(known) << "ring " << s.ring << ": " << block;
    }
    // An empty sign shows its number alone at the anchor: Gemini, house 3 of
    // the Sun's ring.
    EXPECT_EQ(textAtOrNone(surface, Left + SudarshanAnchorX[2][2] - 45,
                           Top + 2000 + SudarshanAnchorY[2][2]),
              "3");
    // One body: the sign number above it.
    EXPECT_EQ(joined(inSector(2, 1)), "2|SHUKRA");
    EXPECT_EQ(surface.TextsContaining("KETU").size(), 3u);
    // Every sector shows its sign number once.
    for (int ring = 0; ring < 3; ++ring) {
        for (int k = 0; k < 12; ++k) {
            int numbers = 0;
            for (const RecordedText& t : inSector(ring, k))
                numbers += t.text.find_first_of("0123456789") != std::string::npos;
            EXPECT_EQ(numbers, 1) << "ring " << ring << " sector " << k;
        }
    }
}

} // namespace
