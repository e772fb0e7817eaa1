// Every page of the preview's list drawn for a table of hard charts, in both
// languages and both chart styles, horoscope and match, with the program's
// fonts and the delivered dictionary, and with the long names, places and
// family names people have (30 to 50 letters). A page a client is handed has
// no text that crosses a rule, the border, a chart line or another text, nor
// one that runs into the next column without a visible gap, nor one that
// stands outside the frame (the header between the border's sides above it);
// the texts of a chart stay inside their house (North), their cell (South)
// or their sector (Sudarshan).

#include "LayoutSurface.h"
#include "LongNames.h"
#include "QtTestEnvironment.h"

#include "calc/CalcFixture.h"
#include "calc/Chart.h"
#include "calc/RunCopies.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "pages/ChartFrames.h"
#include "readings/Aspects.h"
#include "registry/PageCatalogue.h"
#include "registry/PageDispatcher.h"
#include "refdata/RefdataFixture.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

struct HardChart {
    const char* what;
    int day, month, year, hour, minute;
    int ayanamsa = 0;
    bool trueNode = true;
};

// The charts that crowd houses: the conjunction of February 1962 (eight
// bodies in Capricorn) at times two hours apart, so that the crowded sign
// stands in every house in turn; the same day's charts the pages were found
// wanting on; a chart with 35 aspects.
std::vector<HardChart> hardCharts()
{
    std::vector<HardChart> charts = {
        {"a fourth line below the Lagna chart", 5, 2, 1962, 20, 30},
        {"seven bodies in house 2 of the Hora chart", 5, 2, 1962, 6, 0},
        {"house 12 of the Bhava chalit at the frame", 5, 2, 1962, 7, 30, 1, false},
        {"35 aspects", 8, 5, 1941, 8, 7},
    };
    for (int hour = 0; hour < 24; hour += 2)
        charts.push_back({"the crowded sign in another house", 5, 2, 1962, hour, 10});
    return charts;
}

BirthRecord birthOf(const HardChart& c)
{
    return DelhiBirth(c.day, c.month, c.year, c.hour, c.minute);
}

// The footer's top in inches, a different accepted value for each chart.
constexpr double FooterTops[] = {10.21, 10.0, 10.5, 11.5};

// The least blank between two texts on one line: twips, and blanks of
// the wider text's font.
constexpr double ColumnGapTwips = 40;
constexpr double ColumnGapBlanks = 1.5;

struct Point {
    double x, y;
};
using Polygon = std::vector<Point>;

// The rectangle lies inside the convex polygon, margin clear of its sides.
bool inside(const InkBox& b, const Polygon& p, double margin)
{
    double area = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const Point& a = p[i];
        const Point& c = p[(i + 1) % p.size()];
        area += a.x * c.y - c.x * a.y;
    }
    const double orientation = area > 0 ? 1 : -1;
    const Point corners[] = {{b.left, b.top}, {b.right, b.top}, {b.left, b.bottom}, {b.right, b.bottom}};
    for (std::size_t i = 0; i < p.size(); ++i) {
        const Point& a = p[i];
        const Point& c = p[(i + 1) % p.size()];
        const double length = std::hypot(c.x - a.x, c.y - a.y);
        for (const Point& q : corners) {
            const double cross = (c.x - a.x) * (q.y - a.y) - (c.y - a.y) * (q.x - a.x);
            if (orientation * cross / length < margin)
                return false;
        }
    }
    return true;
}


bool mayMeet(const Rule& r, const InkBox& b)
{
    const double m = r.halfPen + 1;
    return std::min(r.x1, r.x2) - m <= b.right && std::max(r.x1, r.x2) + m >= b.left &&
           std::min(r.y1, r.y2) - m <= b.bottom && std::max(r.y1, r.y2) + m >= b.top;
}

// The regions of a painted chart or wheel, and how its texts may use them.
struct ChartRegions {
    enum class Kind { North, South, Sudarshan } kind;
    std::vector<Polygon> regions;   // North: house 1..12; South: sign 1..12
    std::vector<Point> centres;     // South: the cells' centres
};

Point onSquare(Point centre, double angle, double half)
{
    const double sx = std::sin(angle), sy = -std::cos(angle);
    const double t = half / std::max(std::abs(sx), std::abs(sy));
    return {centre.x + t * sx, centre.y + t * sy};
}

std::optional<ChartRegions> regionsOf(const PaintedDrawing& d)
{
    const double f = d.width / (d.name == "sudarshan-wheel" ? SudarshanDesignSize : ChartDesignSize);
    const auto at = [&](double x, double y) { return Point{d.x + x * f, d.y + y * f}; };
    if (d.name == "north-chart-frame") {
        ChartRegions c{ChartRegions::Kind::North, {}, {}};
        for (int h = 1; h <= 12; ++h) {
            Polygon p;
            for (const DesignPoint& q : NorthHouseOutline(h))
                p.push_back(at(q.x, q.y));
            c.regions.push_back(p);
        }
        return c;
    }
    if (d.name == "south-chart-frame") {
        ChartRegions c{ChartRegions::Kind::South, {}, {}};
        const double q = ChartDesignSize / 4;
        for (int s = 1; s <= 12; ++s) {
            const double x = SouthSignCells[s].column * q, y = SouthSignCells[s].row * q;
            c.regions.push_back({at(x, y), at(x + q, y), at(x + q, y + q), at(x, y + q)});
            c.centres.push_back(at(x + q / 2, y + q / 2));
        }
        return c;
    }
    if (d.name == "sudarshan-wheel") {
        ChartRegions c{ChartRegions::Kind::Sudarshan, {}, {}};
        const Point centre = at(SudarshanCentre.x, SudarshanCentre.y);
        for (std::size_t ring = 0; ring + 1 < SudarshanRingEdges.size(); ++ring) {
            const double inner = SudarshanRingEdges[ring] * f, outer = SudarshanRingEdges[ring + 1] * f;
            for (int j = 0; j < 12; ++j) {
                const double a1 = (-15.0 + 30.0 * j) * std::numbers::pi / 180.0;
                const double a2 = a1 + 30.0 * std::numbers::pi / 180.0;
                c.regions.push_back({onSquare(centre, a1, inner), onSquare(centre, a2, inner),
                                     onSquare(centre, a2, outer), onSquare(centre, a1, outer)});
            }
        }
        return c;
    }
    return std::nullopt;
}

bool digitsOnly(const std::string& s)
{
    bool any = false;
    for (char ch : s) {
        if (ch == ' ')
            continue;
        if (ch < '0' || ch > '9')
            return false;
        any = true;
    }
    return any;
}

class PageReview {
public:
    explicit PageReview(std::string page) : page_(std::move(page)) {}

    void Fail(const std::string& message)
    {
        if (++failures_ <= 8)
            ADD_FAILURE() << page_ << ": " << message;
    }
    int Failures() const { return failures_; }

private:
    std::string page_;
    int failures_ = 0;
};

std::string quoted(const LaidText& t)
{
    std::ostringstream s;
    s << "\"" << t.text << "\" at (" << std::lround(t.ink.left) << ", " << std::lround(t.ink.top) << ")";
    return s.str();
}

// No text crosses a rule; none leaves the sheet.
void reviewRules(const LayoutSurface& s, PageReview& review)
{
    for (const LaidText& t : s.laid) {
        if (t.ink.Empty())
            continue;
        if (t.ink.left < 0 || t.ink.right > OutputRun().PageWidth || t.ink.top < 0 ||
            t.ink.bottom > A4HeightTwips)
            review.Fail(quoted(t) + " leaves the sheet");
        for (const Rule& r : s.rules) {
            if (!mayMeet(r, t.ink))
                continue;
            if (RuleDistance(r, t.ink) < r.halfPen + 1)
                review.Fail(quoted(t) + " crosses a rule of " + r.source);
        }
    }
}

// The header stands above the border, between its sides; every other text
// inside the border's inner rule, or under the border (the owner's lines).
void reviewFrame(const LayoutSurface& s, PageReview& review)
{
    constexpr double Outer = 500, Inner = 500 + 110;
    constexpr double Right = Outer + DefaultBorderWidth, Bottom = Outer + DefaultBorderHeight;
    for (const LaidText& t : s.laid) {
        if (t.ink.Empty() || t.ink.top >= Bottom)
            continue;
        if (t.ink.bottom <= Outer) {
            if (t.ink.left < Outer || t.ink.right > Right)
                review.Fail(quoted(t) + " runs past the border's sides");
            continue;
        }
        if (t.ink.left < Inner || t.ink.right > Right - 110 || t.ink.top < Inner || t.ink.bottom > Bottom - 110)
            review.Fail(quoted(t) + " is not inside the frame");
    }
}

// No two texts meet, and texts side by side on one line keep a blank between.
void reviewTexts(const LayoutSurface& s, PageReview& review)
{
    for (std::size_t i = 0; i < s.laid.size(); ++i) {
        const LaidText& a = s.laid[i];
        if (a.ink.Empty())
            continue;
        for (std::size_t j = i + 1; j < s.laid.size(); ++j) {
            const LaidText& b = s.laid[j];
            if (b.ink.Empty())
                continue;
            if (a.ink.bottom <= b.ink.top || b.ink.bottom <= a.ink.top)
                continue;
            // Words of a paragraph, printed one by one with their blank (in
            // italics too, whose slanted glyphs lean over the blank), need
            // only start after the word before; cells of columns need a
            // visible gap between their glyphs.
            const LaidText& left = a.ink.left <= b.ink.left ? a : b;
            const LaidText& right = &left == &a ? b : a;
            if (!left.text.empty() && left.text.back() == ' ') {
                const double lean = left.font.Italic ? 0.25 * (left.ink.bottom - left.ink.top) : 0;
                if (right.ink.left - left.ink.right <= -lean)
                    review.Fail(quoted(a) + " runs into " + quoted(b));
                continue;
            }
            // Wider than the blank between the words of a two-word name, so
            // that the columns read apart ("Uttara Phalguni  Hasta").
            const double wanted = std::max(ColumnGapTwips, ColumnGapBlanks * std::max(a.blank, b.blank));
            const double gap = std::max(b.ink.left - a.ink.right, a.ink.left - b.ink.right);
            if (gap < wanted)
                review.Fail(quoted(a) + " runs into " + quoted(b));
        }
    }
}

// The texts of each chart stay in one house, cell or sector each; a house's
// texts come together; a North house's bodies share the house of its number;
// a South cell's block is centred in the cell.
void reviewCharts(const LayoutSurface& s, PageReview& review)
{
    for (std::size_t k = 0; k < s.drawings.size(); ++k) {
        const std::optional<ChartRegions> chart = regionsOf(s.drawings[k]);
        if (!chart)
            continue;
        const std::size_t end = k + 1 < s.drawings.size() ? s.drawings[k + 1].firstText : s.laid.size();
        std::vector<int> sequence;
        std::vector<std::vector<const LaidText*>> byRegion(chart->regions.size());
        int house = 0;
        int numberRegion = -1;
        for (std::size_t i = s.drawings[k].firstText; i < end; ++i) {
            const LaidText& t = s.laid[i];
            if (t.font.Bold)
                break;
            if (t.ink.Empty())
                continue;
            int region = -1;
            for (std::size_t r = 0; r < chart->regions.size(); ++r)
                if (inside(t.ink, chart->regions[r], 7))
                    region = static_cast<int>(r);
            if (region < 0) {
                review.Fail(quoted(t) + " is not inside one house of its chart");
                continue;
            }
            if (chart->kind == ChartRegions::Kind::North) {
                if (digitsOnly(t.text)) {
                    ++house;
                    numberRegion = region;
                    if (region != house - 1)
                        review.Fail("the number " + quoted(t) + " is not in house " + std::to_string(house));
                } else if (region != numberRegion) {
                    review.Fail(quoted(t) + " is not in the house of its number");
                }
            }
            if (sequence.empty() || sequence.back() != region) {
                if (std::find(sequence.begin(), sequence.end(), region) != sequence.end())
                    review.Fail(quoted(t) + " comes back to a house already written");
                sequence.push_back(region);
            }
            byRegion[region].push_back(&t);
        }
        if (chart->kind != ChartRegions::Kind::South)
            continue;
        for (std::size_t r = 0; r < byRegion.size(); ++r) {
            if (byRegion[r].empty())
                continue;
            double top = 1e18, bottom = -1e18;
            for (const LaidText* t : byRegion[r]) {
                top = std::min(top, t->y);
                bottom = std::max(bottom, t->y + t->height);
                if (std::abs(t->x + t->width / 2 - chart->centres[r].x) > 2)
                    review.Fail(quoted(*t) + " is not centred in its cell");
            }
            if (std::abs((top + bottom) / 2 - chart->centres[r].y) > 2)
                review.Fail("the block of " + quoted(*byRegion[r].front()) + " is not centred in its cell");
        }
    }
}

using Variant = std::tuple<int, bool, int>;   // chart or pair, Hindi, style

class AllPagesLayout : public OpenDeliveredDatabases, public ::testing::WithParamInterface<Variant> {
protected:
    // What an output run prepares: the charts (a match's girl first, kept
    // aside), the run values, the display conventions and the frame.
    void prepare(const HardChart& native, const HardChart* girl, bool hindi, int style, int row)
    {
        RunValues& run = OutputRun();
        run.AyanamsaChoice = native.ayanamsa;
        run.TrueNode = native.trueNode;
        run.MatchMode = girl != nullptr;
        const TypedTexts& typed = LongTexts[row % std::size(LongTexts)];
        if (girl) {
            Native() = birthOf(*girl);
            Native().Name = typed.girlName;
            Native().Place = typed.girlPlace;
            Native().Country = typed.country;
            Native().Sex = "Female";
            CalcChart(OutputRun().Choices());
            TakeBirthLongitudes();
            KeepGirlResults();
        }
        Native() = birthOf(native);
        Native().Name = typed.name;
        Native().Place = typed.place;
        Native().Country = typed.country;
        Births().Father = typed.father;
        Births().Mother = typed.mother;
        Births().Grandfather = typed.grandfather;
        Births().Gotra = typed.gotra;
        CalcChart(OutputRun().Choices());
        TakeBirthLongitudes();
        if (girl)
            KeepBoyResults();
        const BirthRecord& n = Native();
        run.VarshphalFrom = run.VarshphalYear = 2026;
        run.VarshphalYears = 1;
        run.YoginiFrom = n.Year + n.Month / 12.0 + n.Day / 360.0;
        run.ChartStyle = style;
        ApplyDisplayConventions(hindi);

        Settings& settings = Config();
        settings.PrintBorder = true;
        settings.BorderFile = "swastik.wmf";
        settings.OwnerLines = {"", "Velmora Astrological Services", "12 Temple Road, Delhi",
                               "Phone 011 2345 6789"};
        settings.FooterTop = FooterTops[row % std::size(FooterTops)];
        // Every other chart draws as a print run, with the page number.
        printing_ = row % 2 == 1;
    }

    void drawEveryPage(const std::string& what)
    {
        RunValues& run = OutputRun();
        int failed = 0;
        const int aspectPages = run.MatchMode ? UsualAspectPages : AspectPageCount(Chart());
        for (const CatalogueRow& row : PageCatalogue(run.MatchMode, OutputKind::Preview, aspectPages)) {
            run.BatchPrint = printing_ ? 1 : 0;
            run.PageStarted = false;
            LayoutSurface surface;
            const std::string page = what + ", page " + row.key;
            ASSERT_TRUE(PrintPage(surface, row.key, printing_)) << page;
            PageReview review(page);
            reviewRules(surface, review);
            reviewFrame(surface, review);
            reviewTexts(surface, review);
            reviewCharts(surface, review);
            failed += review.Failures();
        }
        run.BatchPrint = 0;
        EXPECT_EQ(failed, 0) << what;
        for (const std::string& m : collector.messages)
            ADD_FAILURE() << what << ": " << m;
    }

    CollectingReporter collector;
    ScopedReporter scope{collector};
    bool printing_ = false;
};

std::string describe(const Variant& v, bool match)
{
    const auto [index, hindi, style] = v;
    return std::string(match ? "pair " : "chart ") + std::to_string(index) + (hindi ? " hi" : " en") +
           (style ? " south" : " north");
}

class HoroscopePages : public AllPagesLayout {};
class MatchPages : public AllPagesLayout {};

TEST_P(HoroscopePages, NothingCrossesALineAndChartsKeepToTheirHouses)
{
    const auto [index, hindi, style] = GetParam();
    const HardChart chart = hardCharts()[index];
    prepare(chart, nullptr, hindi, style, index);
    drawEveryPage(describe(GetParam(), false) + " (" + chart.what + ")");
}

// Boy and girl: the crowded charts against each other and against the
// ordinary ones.
constexpr std::pair<int, int> Pairs[] = {{0, 3}, {1, 2}, {3, 7}};

TEST_P(MatchPages, NothingCrossesALineAndChartsKeepToTheirHouses)
{
    const auto [index, hindi, style] = GetParam();
    const std::vector<HardChart> charts = hardCharts();
    const HardChart boy = charts[Pairs[index].first];
    const HardChart girl = charts[Pairs[index].second];
    prepare(boy, &girl, hindi, style, index);
    drawEveryPage(describe(GetParam(), true));
}

INSTANTIATE_TEST_SUITE_P(HardCharts, HoroscopePages,
                         ::testing::Combine(::testing::Range(0, static_cast<int>(hardCharts().size())),
                                            ::testing::Bool(), ::testing::Values(0, 1)));

INSTANTIATE_TEST_SUITE_P(HardPairs, MatchPages,
                         ::testing::Combine(::testing::Range(0, static_cast<int>(std::size(Pairs))),
                                            ::testing::Bool(), ::testing::Values(0, 1)));

} // namespace
