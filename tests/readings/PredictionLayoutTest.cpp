#include "pages/PageTestSupport.h"

#include "pages/Frame.h"
#include "readings/PredictionLayout.h"

#include <cmath>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

using Step = PredictionStep;

class PredictionLayout : public PageTest {
protected:
    // Entries of one word each, "E1".."En".
    static PredictionSteps entries(int n)
    {
        PredictionSteps steps;
        for (int i = 1; i <= n; ++i)
            steps.push_back(Step::Entry("H" + std::to_string(i), "E" + std::to_string(i)));
        return steps;
    }
    double yOf(const char* text)
    {
        const RecordedText* t = surface.FindText(text);
        EXPECT_TRUE(t) << text;
        return t ? t->y : -1;
    }
};

// A topic in parts reads as one text: each part on the line after the last,
// one line step after them all; a gap set to one line step after an entry.
// The same steps keep their meaning in the compact layout.
TEST_F(PredictionLayout, PartsGapsAndSpaces)
{
    const PredictionSteps steps = {
        Step::Entry("H1", "A"), Step::Gap(0), Step::Paragraph("B"), Step::Paragraph("C"),
        Step::Space(1), Step::Entry("H2", "D"), Step::Gap(1), Step::Entry("H3", "E"),
    };
    const struct {
        bool compact;
        double headingLine, paragraphStep;
    } layouts[] = {
        {false, 11 * RecordingSurface::HeightPerPoint, 300},   // 11-point headings, 10-point text
        {true, 10 * RecordingSurface::HeightPerPoint, 250},
    };
    for (const auto& l : layouts) {
        SCOPED_TRACE(l.compact ? "compact" : "normal");
        surface = RecordingSurface();
        surface.CurrentY = 1000;
        const PageLayout layout = RunContext().layout;
        PrintPredictionSteps(surface, layout, steps, l.compact);
        const double lineStep = layout.lineStep;
        EXPECT_EQ(yOf("H1"), 1000);
        EXPECT_EQ(yOf("A"), 1000 + l.headingLine);
        EXPECT_EQ(yOf("B"), yOf("A") + l.paragraphStep);
        EXPECT_EQ(yOf("C"), yOf("B") + l.paragraphStep);
        EXPECT_EQ(yOf("H2"), yOf("C") + l.paragraphStep + lineStep);
        EXPECT_EQ(yOf("H3"), yOf("D") + l.paragraphStep + lineStep);
        EXPECT_EQ(surface.CurrentY, yOf("E") + l.paragraphStep + (l.compact ? 1 : 2) * lineStep);
    }
}

// The page's lower edge: the footer's top, or the border's inner rule when
// that lies higher.
TEST_F(PredictionLayout, BodyBottomAboveTheFooterAndInsideTheBorder)
{
    const struct {
        bool border;
        double footerTop;
        double scale;
        double bottom;
    } cases[] = {
        {true, 10.5, 1, 500 + 14500 - 110},
        {false, 10.5, 1, 10.5 * 1440},
        {true, 9.5, 1, 9.5 * 1440},
        {false, 11, 1, 11 * 1440},
        {true, 22, 0.5, 250 + 14500 - 110},   // the border is 14500 high at any scale
        {false, 10, 0.5, 10 * 720},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.footerTop) + (c.border ? " with border" : ""));
        Config().PrintBorder = c.border;
        Config().FooterTop = c.footerTop;
        OutputRun().OutputScale = c.scale;
        EXPECT_DOUBLE_EQ(PageBodyBottom(RunContext().layout), c.bottom);
    }
}

// The entries of a page end above its lower edge: in the normal layout when
// they fit, else in the compact one, else compact with the lines that would
// cross the edge left out.
TEST_F(PredictionLayout, EntriesKeptAboveTheLowerEdge)
{
    const PageLayout layout = RunContext().layout;
    const double bottom = PageBodyBottom(layout);
    const struct {
        int entries;
        StepLayout layout;
        double paragraphSize;
    } cases[] = {
        {12, StepLayout::Normal, 10},
        {16, StepLayout::Compact, 9},
        {30, StepLayout::Clipped, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entries);
        surface = RecordingSurface();
        surface.CurrentY = 1000;
        surface.Font.Size = 9;
        EXPECT_EQ(PrintStepsWithinPage(surface, layout, entries(c.entries)), c.layout);
        for (const RecordedText& t : surface.Texts())
            EXPECT_LE(t.y + t.font.Size * RecordingSurface::HeightPerPoint, bottom) << t.text;
        EXPECT_EQ(surface.FindText("E1")->font.Size, c.paragraphSize);
        const bool all = surface.FindText(("E" + std::to_string(c.entries)).c_str()) != nullptr;
        EXPECT_EQ(all, c.layout != StepLayout::Clipped);
        // The page is left after its last step, in the body size.
        EXPECT_GT(surface.CurrentY, surface.Texts().back().y);
        EXPECT_EQ(surface.Font.Size, 9);
    }
    // Pages drawn in the compact layout from the start go no further.
    surface = RecordingSurface();
    surface.CurrentY = 1000;
    EXPECT_EQ(PrintStepsWithinPage(surface, layout, entries(12), true), StepLayout::Compact);
}

} // namespace
