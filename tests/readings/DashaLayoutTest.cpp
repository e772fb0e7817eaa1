// The dasha pages as they are drawn: real charts, the delivered dictionary
// and the fonts of the preview, in both languages. Every caption is found,
// every text stands inside the frame, no two texts run into each other and
// no rule runs through a line of text.

#include "pages/MeasuredSurface.h"
#include "pages/QtTestEnvironment.h"
#include "readings/ReadingPagesFixture.h"

#include "calc/CalcFixture.h"
#include "calc/Chart.h"
#include "core/Reporter.h"
#include "registry/PageDispatcher.h"
#include "calc/DashaPeriods.h"
#include "refdata/RefdataFixture.h"

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

// The frame's inner rule.
constexpr double FrameLeft = 610, FrameRight = 10990, FrameBottom = 14890;
constexpr double Tolerance = 1;

std::vector<std::string> pageKeys()
{
    std::vector<std::string> keys = {"VimsAntar", "SPSLMaha", "AadityaMaha", "VimsPratya",
                                     "Yogini Maha 1", "Yogini Maha 2", "Yogini Antar",
                                     "Chara", "Chara 1"};
    for (const char* family : {"Vims", "SPSL", "Aaditya"}) {
        for (int n : {1, 2, 9})
            keys.push_back(std::string(family) + "Pratya" + std::to_string(n));
        for (const char* n : {"01", "02", "40"})
            keys.push_back(std::string(family) + "Sooksh" + n);
    }
    return keys;
}

using DashaLayout = DeliveredReadingPages;

bool inBody(const DrawnText& t) { return t.y >= Config().TopMarginTwips - Tolerance && t.y < 15000; }

void expectInsideFrame(const MeasuredSurface& s, const std::string& what)
{
    for (const DrawnText& t : s.texts) {
        if (!inBody(t))
            continue;
        EXPECT_GE(t.x, FrameLeft) << what << ": " << t.text;
        EXPECT_LE(t.x + t.width, FrameRight) << what << ": " << t.text;
        EXPECT_LE(t.y + t.ascent, FrameBottom) << what << ": " << t.text << " below the frame";
    }
}

// Two texts overlap when both their spans across and their spans from the
// top of the line to the baseline cross.
void expectTextsApart(const MeasuredSurface& s, const std::string& what)
{
    for (std::size_t i = 0; i < s.texts.size(); ++i) {
        const DrawnText& a = s.texts[i];
        for (std::size_t j = i + 1; j < s.texts.size(); ++j) {
            const DrawnText& b = s.texts[j];
            const bool across = a.x + a.width > b.x + Tolerance && b.x + b.width > a.x + Tolerance;
            const bool down = a.y + a.ascent > b.y + Tolerance && b.y + b.ascent > a.y + Tolerance;
            EXPECT_FALSE(across && down) << what << ": \"" << a.text << "\" runs into \"" << b.text << "\"";
        }
    }
}

// A rule under a line of text lies at its baseline or below; none runs
// through the letters, from their mid-height to just above the baseline.
void expectRulesClearOfTexts(const MeasuredSurface& s, const std::string& what)
{
    for (const DrawnLine& l : s.lines) {
        if (l.y1 != l.y2)
            continue;
        for (const DrawnText& t : s.texts) {
            if (t.x >= std::max(l.x1, l.x2) || t.x + t.width <= std::min(l.x1, l.x2))
                continue;
            EXPECT_FALSE(l.y1 > t.y + 0.4 * t.ascent && l.y1 < t.y + t.ascent - 4)
                << what << ": a rule through \"" << t.text << "\"";
        }
    }
}

TEST_F(DashaLayout, PagesKeepInsideTheFrameAndApart)
{
    const struct {
        BirthRecord birth;
        double yoginiFrom;   // years after the birth year
    } births[] = {
        {tarvik::testing::DelhiBirth(15, 8, 1980, 10, 30), 0},
        {tarvik::testing::DelhiBirth(5, 2, 1962, 10, 0), 30},
        {tarvik::testing::DelhiBirth(28, 12, 2003, 23, 50), -5},
    };
    const std::vector<std::string> keys = pageKeys();
    for (const auto& b : births) {
        for (bool hindi : {false, true}) {
            Native() = b.birth;
            CalcChart(OutputRun().Choices());
            ApplyDisplayConventions(hindi);
            OutputRun().YoginiFrom =
                BirthDecimalYear(b.birth.Day, b.birth.Month, b.birth.Year) + b.yoginiFrom;
            for (const std::string& key : keys) {
                const std::string what = key + (hindi ? " hi " : " en ") + std::to_string(b.birth.Year);
                MeasuredSurface surface(72);
                ASSERT_TRUE(PrintPage(surface, key, false)) << what;
                for (const std::string& m : collector.messages)
                    ADD_FAILURE() << what << ": " << m;
                collector.messages.clear();
                ASSERT_GT(surface.texts.size(), 20u) << what;
                expectInsideFrame(surface, what);
                expectTextsApart(surface, what);
                expectRulesClearOfTexts(surface, what);
            }
        }
    }
}

// The Yogini antar table in one size: where a long name (Bhadrika) would
// not keep clear of its date, every name of the page is set smaller with
// it, and so is every date on the names' rows, so that a row reads in one
// size; every block's heading is in the size of the others and stands
// clear of the next block's heading by three blanks, well more than the one
// between its own two names.
TEST_F(DashaLayout, YoginiAntarNamesShareOneSize)
{
    // Between two blocks' headings, blanks of their font.
    constexpr double HeadingBlanks = 3;
    for (bool hindi : {false, true}) {
        SCOPED_TRACE(hindi ? "hi" : "en");
        Native() = tarvik::testing::DelhiBirth(15, 8, 1980, 10, 30);
        CalcChart(OutputRun().Choices());
        ApplyDisplayConventions(hindi);
        OutputRun().YoginiFrom = 1980;
        MeasuredSurface surface(72);
        ASSERT_TRUE(PrintPage(surface, "Yogini Antar", false));
        std::map<bool, std::set<double>> sizes;   // by boldness
        std::map<bool, int> names;
        std::set<double> rowSizes;                // the names and the dates beside them
        std::vector<const DrawnText*> headings;
        for (const DrawnText& t : surface.texts) {
            const RecordedText& r = surface.Texts()[&t - surface.texts.data()];
            const bool body = t.y > Config().TopMarginTwips && t.y < Config().FooterTop * 1440;
            if (!body || r.font.Underline)
                continue;
            const bool date = t.text.find_first_of("0123456789") != std::string::npos;
            if (!r.font.Bold)
                rowSizes.insert(r.font.Size);
            if (date)
                continue;
            sizes[r.font.Bold].insert(r.font.Size);
            ++names[r.font.Bold];
            if (r.font.Bold)
                headings.push_back(&t);
        }
        EXPECT_EQ(names[false], 32 * 8);
        EXPECT_EQ(names[true], 32);
        EXPECT_EQ(sizes[false].size(), 1u) << "the names in more than one size";
        EXPECT_EQ(sizes[true].size(), 1u) << "the headings in more than one size";
        EXPECT_EQ(rowSizes.size(), 1u) << "names and their dates in more than one size";
        for (std::size_t i = 1; i < headings.size(); ++i) {
            const DrawnText& a = *headings[i - 1];
            const DrawnText& b = *headings[i];
            if (b.y != a.y)
                continue;
            const double blank = surface.WidthIn(surface.Texts()[&a - surface.texts.data()].font, " ");
            EXPECT_GE(b.x - (a.x + a.width), HeadingBlanks * blank) << "\"" << a.text << "\" and \"" << b.text << "\"";
        }
    }
}

} // namespace
