#include "PageTestSupport.h"

#include "pages/Frame.h"

using namespace tarvik;
using namespace tarvik::testing;

namespace {

class FrameTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Native().Name = "Asha";
        Partner().Name = "Ravi";
        Config().OwnerLines = {"", "Owner", "Street 1", "555"};
        Config().PrintBorder = false;
    }
};

constexpr double Footer = 10.5 * 1440;

} // namespace

TEST_F(FrameTest, PreviewFrameHasHeaderFooterAndBodyFont)
{
    PrintPageFrame(surface, RunContext());

    const RecordedText* header = surface.FindText("Asha");
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->x, (11600 - 4 * 12 * 10) / 2);
    EXPECT_EQ(header->y, 144);
    EXPECT_TRUE(header->font.Bold);
    EXPECT_EQ(header->font.Size, 12);
    EXPECT_EQ(header->font.Name, "Tarvik English");

    struct Line { const char* text; double y; double size; };
    const Line footer[] = {
        {"Owner", Footer, 8},
        {"Street 1", Footer + 8 * 20, 6},
        {"555", Footer + 8 * 20 + 6 * 20, 6},
    };
    for (const Line& l : footer) {
        const RecordedText* t = surface.FindText(l.text);
        ASSERT_NE(t, nullptr) << l.text;
        EXPECT_EQ(t->y, l.y) << l.text;
        EXPECT_EQ(t->font.Size, l.size) << l.text;
        EXPECT_FALSE(t->font.Bold) << l.text;
        EXPECT_EQ(t->x, (11600 - CodePoints(l.text) * l.size * 10) / 2) << l.text;
    }

    EXPECT_TRUE(surface.TextsContaining("(Page:").empty());
    EXPECT_FALSE(OutputRun().PageStarted);
    EXPECT_EQ(surface.CurrentY, 1008);
    EXPECT_EQ(surface.CurrentX, 0);
    EXPECT_EQ(surface.Font.Name, "Tarvik English");
    EXPECT_EQ(surface.Font.Size, 9);
    EXPECT_FALSE(surface.Font.Bold);
}

// The sheet's number is the one the page is given; the frame writes nothing
// of it into the settings or the run.
TEST_F(FrameTest, PageNumberOnlyInPrintRuns)
{
    struct Case { bool printRun; bool toPrinter; bool numbered; };
    const Case cases[] = {
        {false, false, false},  // preview
        {false, true, false},   // "Print this page" of a preview run
        {true, true, true},     // a print run
    };
    for (const Case& c : cases) {
        SetUp();
        const ProgramState before = Program();
        PageContext page = RunContext(c.toPrinter);
        page.sheet = {c.toPrinter, c.printRun, 3};
        PrintPageFrame(surface, page);
        const RecordedText* number = surface.FindText("(Page:3)");
        EXPECT_EQ(number != nullptr, c.numbered) << c.printRun << c.toPrinter;
        EXPECT_EQ(Config().OwnerLines, before.settings.OwnerLines);
        EXPECT_EQ(OutputRun().PageStarted, before.run.PageStarted);
        EXPECT_EQ(OutputRun().PagesPrinted, before.run.PagesPrinted);
        if (number) {
            EXPECT_EQ(number->font.Size, 6);
            EXPECT_EQ(number->font.Name, "Tarvik English");
            EXPECT_EQ(number->x, (11600 - 8 * 6 * 10) / 2);
            EXPECT_EQ(number->y, Footer + 8 * 20 + 2 * 6 * 20);
        }
    }
}

TEST_F(FrameTest, MatchHeaderNamesBoyThenGirl)
{
    OutputRun().MatchMode = true;
    PrintPageFrame(surface, RunContext());
    const RecordedText* header = surface.FindText("Asha / Ravi");
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->x, (11600 - 11 * 12 * 10) / 2);
}

TEST_F(FrameTest, HindiBodyFontAfterFrame)
{
    ApplyDisplayConventions(true);
    PrintPageFrame(surface, RunContext());
    EXPECT_EQ(surface.Font.Name, "Tarvik");
    EXPECT_EQ(surface.Font.Size, 14);
    EXPECT_EQ(surface.FindText("Asha")->font.Name, "Tarvik English");
}

// Whatever the picture's own size, larger than the sheet (850 x 1200 pixels
// at 96 dpi), smaller, or nearly the border's, it is painted into the
// border's rectangle as the default border is.
TEST_F(FrameTest, BorderPictureFromTheSettings)
{
    struct Case {
        const char* file;
        const char* painted;   // nullptr: no border
    };
    const Case cases[] = {
        {"/pictures/border.png", "/pictures/border.png"},
        {"/pictures/large.png", "/pictures/large.png"},
        {"/pictures/small.png", "/pictures/small.png"},
        {"/pictures/absent.png", nullptr},
        {"", nullptr},
        {"/opt/tarvik/swastik.wmf", "default-border"},
        {"C:\\Tarvik\\SWASTIK.WMF", "default-border"},
        {"/pictures/other.wmf", nullptr},
    };
    for (const Case& c : cases) {
        SetUp();
        surface.AddPictureFile("/pictures/border.png", 10200, 14000);
        surface.AddPictureFile("/pictures/large.png", 850 * 15, 1200 * 15);
        surface.AddPictureFile("/pictures/small.png", 200 * 15, 300 * 15);
        Config().PrintBorder = true;
        Config().BorderFile = c.file;
        PrintPageFrame(surface, RunContext());
        if (!c.painted) {
            EXPECT_TRUE(surface.Pictures().empty()) << c.file;
        } else {
            ASSERT_EQ(surface.Pictures().size(), 1u) << c.file;
            const RecordedPicture& p = surface.Pictures()[0];
            EXPECT_EQ(p.name, c.painted);
            EXPECT_EQ(p.x, 500) << c.file;
            EXPECT_EQ(p.y, 500) << c.file;
            EXPECT_EQ(p.width, 10600) << c.file;
            EXPECT_EQ(p.height, 14500) << c.file;
        }
        EXPECT_TRUE(collector.messages.empty()) << c.file;
        ASSERT_NE(surface.FindText("Asha"), nullptr) << "the header is drawn in any case";
    }
}

TEST_F(FrameTest, NoBorderWhenTheSettingIsOff)
{
    Config().BorderFile = "/opt/tarvik/swastik.wmf";
    PrintPageFrame(surface, RunContext());
    EXPECT_TRUE(surface.Pictures().empty());
}

TEST_F(FrameTest, HeadingIsCentredAndAdvancesByOneAndAQuarterLines)
{
    PageLayout layout;
    layout.lineStep = 310;
    surface.Font.Size = 14;
    int y = 1000;
    PrintHeading("Title", surface, y, layout);
    EXPECT_EQ(y, 1387);
    EXPECT_EQ(surface.CurrentY, 1387);

    const RecordedText* t = surface.FindText("Title");
    ASSERT_NE(t, nullptr);
    const double x = (11600 - 5 * 15 * 10) / 2.0;
    EXPECT_EQ(t->x, x);
    EXPECT_EQ(t->y, 1000);
    EXPECT_EQ(t->font.Size, 15);
    EXPECT_TRUE(t->font.Bold);
    EXPECT_TRUE(t->font.Underline);

    EXPECT_EQ(surface.CurrentX, x);
    EXPECT_EQ(surface.Font.Size, 14);
    EXPECT_FALSE(surface.Font.Bold);
    EXPECT_FALSE(surface.Font.Underline);
}

TEST_F(FrameTest, PrintAtPutsTheTextAtThePoint)
{
    PrintAt(surface, 1200, 3400, "here");
    ASSERT_EQ(surface.Texts().size(), 1u);
    EXPECT_EQ(surface.Texts()[0].x, 1200);
    EXPECT_EQ(surface.Texts()[0].y, 3400);
    EXPECT_EQ(surface.CurrentX, 0);
    EXPECT_EQ(surface.CurrentY, 3400 + surface.LineHeight());
}

TEST(WrapRangeTest, OneStepIntoRange)
{
    struct Case { int x, n, expected; };
    const Case cases[] = {
        {13, 12, 1}, {0, 12, 12}, {25, 12, 13}, {12, 12, 12}, {1, 12, 1},
        {-1, 12, 11}, {-13, 12, -1}, {24, 12, 12}, {10, 9, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WrapRange(c.x, c.n), c.expected) << c.x << " in 1.." << c.n;
}
