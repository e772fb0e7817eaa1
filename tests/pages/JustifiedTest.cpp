#include "PageTestSupport.h"

#include "pages/Frame.h"
#include "pages/Justified.h"
#include "pages/Paragraphs.h"

#include <set>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

struct Placed {
    std::string text;
    double dx, dy;   // from the paragraph's x and y
};

class JustifiedTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        surface.Font.Size = 1;   // ten twips a character
    }

    // Lines 250 twips apart, down to the frame's bottom.
    const ParagraphLines lines{250, PageBodyBottom(PageLayout{})};
};

} // namespace

TEST_F(JustifiedTest, WrapsAndStretchesEveryLineButTheLast)
{
    struct Case {
        const char* what;
        const char* text;
        int width;
        std::vector<Placed> placed;
        double endDy;
    };
    const Case cases[] = {
        {"short text: one left-aligned line", "short text", 1000, {{"short text", 0, 0}}, 250},
        {"empty text: one empty line", "", 1000, {}, 250},
        {"a full line is stretched to the width", "aaaa bbbb cccc", 100,
         {{"aaaa ", 0, 0}, {"bbbb", 60, 0}, {"cccc", 0, 250}}, 500},
        {"the joining blank is not measured, so a gap can narrow", "aaa bbbb c", 70,
         {{"aaa ", 0, 0}, {"bbbb", 30, 0}, {"c", 0, 250}}, 500},
        {"the fraction of the extra is dropped", "aa bb cc dd e", 105,
         {{"aa ", 0, 0}, {"bb ", 29, 0}, {"cc ", 58, 0}, {"dd", 87, 0}, {"e", 0, 250}}, 500},
        {"an over-wide first word follows an empty line", "abcdefghijkl", 100,
         {{"abcdefghijkl", 0, 250}}, 500},
        {"a later over-wide word stands alone", "ab abcdefghijkl cd", 100,
         {{"ab", 0, 0}, {"abcdefghijkl", 0, 250}, {"cd", 0, 500}}, 750},
        {"a line of one word is not stretched", "aaaaaaaaaa bb", 100,
         {{"aaaaaaaaaa", 0, 0}, {"bb", 0, 250}}, 500},
        {"two blanks make an empty word and one more gap", "aa  bb cc", 60,
         {{"aa ", 0, 0}, {" ", 30, 0}, {"bb", 40, 0}, {"cc", 0, 250}}, 500},
        {"a trailing blank stays on the last line", "aa ", 1000, {{"aa ", 0, 0}}, 250},
    };
    for (const Case& c : cases) {
        surface.ClearLog();
        PrintJustified(c.width, 1000, 2000, c.text, surface, lines);
        const auto& texts = surface.Texts();
        ASSERT_EQ(texts.size(), c.placed.size()) << c.what;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i].text, c.placed[i].text) << c.what;
            EXPECT_EQ(texts[i].x, 1000 + c.placed[i].dx) << c.what << ": " << texts[i].text;
            EXPECT_EQ(texts[i].y, 2000 + c.placed[i].dy) << c.what << ": " << texts[i].text;
        }
        EXPECT_EQ(surface.CurrentY, 2000 + c.endDy) << c.what;
    }
}

TEST_F(JustifiedTest, JustifiedLinesEndAtTheWidth)
{
    surface.Font.Size = 9;
    const std::string text =
        "the planets move through the signs and the houses while the moon keeps its own "
        "quicker pace through the twenty seven nakshatras of the zodiac";
    PrintJustified(3000, 1440, 0, text, surface, lines);
    const auto& texts = surface.Texts();
    const double lastY = texts.back().y;
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
        const bool endsLine = texts[i + 1].y != texts[i].y;
        if (!endsLine || texts[i].y == lastY)
            continue;
        const double right = texts[i].x + surface.TextWidth(texts[i].text);
        EXPECT_LE(right, 1440 + 3000 + 1e-9) << texts[i].text;
        EXPECT_GT(right, 1440 + 3000 - 12) << texts[i].text;  // a few twips short at most
    }
    EXPECT_GT(lastY, 0);
}

namespace {

class CountingSurface : public RecordingSurface {
public:
    double TextWidth(std::string_view text) override
    {
        ++measured;
        return RecordingSurface::TextWidth(text);
    }
    int measured = 0;
};

} // namespace

// A text from a database may be of any length (100,000 characters here, some
// 20,000 words); what lies below the frame's bottom is never seen, so the
// measuring ends there, with the first line that starts at or below it.
TEST_F(JustifiedTest, ALongTextIsMeasuredOnlyDownToTheFramesBottom)
{
    std::string text;
    while (text.size() < 100000)
        text += "word ";
    const double bottom = lines.bottom;
    for (const int top : {2000, 14000}) {
        CountingSurface counting;
        counting.Font.Size = 1;
        PrintJustified(1000, 1000, top, text, counting, lines);   // 20 words a line
        std::set<double> lineTops;
        for (const RecordedText& t : counting.Texts())
            lineTops.insert(t.y);
        ASSERT_FALSE(lineTops.empty());
        const double last = *lineTops.rbegin();
        EXPECT_GE(last, bottom) << "the crossing line is printed";
        EXPECT_LT(last, bottom + 250);
        EXPECT_EQ(lineTops.size(), static_cast<std::size_t>((last - top) / 250) + 1);
        EXPECT_EQ(counting.CurrentY, last + 250);
        // A line of 20 words: 21 fit tests, its 20 pieces and its gap width.
        EXPECT_LE(counting.measured, static_cast<int>(lineTops.size()) * 42) << "from y " << top;
    }
}

class ParagraphTest : public PageTest {
protected:
    PageLayout layout() const { return RunContext().layout; }
};

TEST_F(ParagraphTest, EmptyParagraphIsOneWidenedBlankLine)
{
    surface.Font.Size = 20;
    surface.CurrentY = 1000;
    PrintPredictionParagraph(surface, layout(), "");
    EXPECT_TRUE(surface.Texts().empty());
    EXPECT_EQ(surface.CurrentY, 1000 + 250 + 50);
    EXPECT_EQ(surface.Font.Size, 9);

    PrintPredictionParagraph(surface, layout(), "", true);
    EXPECT_EQ(surface.CurrentY, 1000 + 300 + 250);
}

TEST_F(ParagraphTest, LineBreaksSplitThePieces)
{
    surface.CurrentY = 1000;
    surface.Font.Underline = true;
    PrintPredictionParagraph(surface, layout(), "A\r\nB");
    ASSERT_EQ(surface.TextStrings(), (std::vector<std::string>{"A", "B"}));
    const auto& t = surface.Texts();
    EXPECT_EQ(t[0].x, 1440 + 350);
    EXPECT_EQ(t[0].y, 1000);
    EXPECT_EQ(t[1].x, 1440 + 350);
    EXPECT_EQ(t[1].y, 1300);
    EXPECT_EQ(t[0].font.Size, 10);
    EXPECT_FALSE(t[0].font.Underline);
    EXPECT_EQ(surface.CurrentY, 1600);
}

TEST_F(ParagraphTest, HeadingLayoutsNormalAndCompact)
{
    struct Case {
        bool compact;
        double headingSize, paragraphSize, paragraphX, spaceAfter;
    };
    const Case cases[] = {
        {false, 11, 10, 1440 + 350, 2 * 250},
        {true, 10, 9, 1440 + 50, 250},
    };
    for (const Case& c : cases) {
        SetUp();
        surface.CurrentY = 2000;
        PrintPredictionHeading(surface, layout(), "Text", "Head", c.compact);
        const RecordedText* head = surface.FindText("Head");
        const RecordedText* text = surface.FindText("Text");
        ASSERT_NE(head, nullptr);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(head->x, 1440);
        EXPECT_EQ(head->y, 2000);
        EXPECT_EQ(head->font.Size, c.headingSize);
        EXPECT_TRUE(head->font.Bold);
        EXPECT_TRUE(head->font.Underline);
        EXPECT_EQ(text->x, c.paragraphX);
        EXPECT_EQ(text->y, 2000 + c.headingSize * 20);
        EXPECT_EQ(text->font.Size, c.paragraphSize);
        EXPECT_FALSE(text->font.Bold);
        EXPECT_FALSE(text->font.Underline);
        const double lineStep = 250 + (c.compact ? 0 : 50);
        EXPECT_EQ(surface.CurrentY, text->y + lineStep + c.spaceAfter);
        }
}

TEST_F(ParagraphTest, ParagraphWidthsOfTheTwoLayouts)
{
    // 75 characters: 7500 twips at 10 points, past the normal width of 7150;
    // 6750 at 9 points, within the compact width of 8000.
    const std::string word(75, 'w');
    PrintPredictionParagraph(surface, layout(), word, false);
    EXPECT_EQ(surface.CurrentY, 2 * 300) << "an empty line, then the word alone";
    surface.CurrentY = 0;
    PrintPredictionParagraph(surface, layout(), word, true);
    EXPECT_EQ(surface.CurrentY, 250);
}

TEST_F(ParagraphTest, OwnSizeIsRestoredToTheBodySize)
{
    PrintPredictionParagraphAlt(surface, layout(), "Big", false, 16);
    EXPECT_EQ(surface.FindText("Big")->font.Size, 17);
    EXPECT_EQ(surface.Font.Size, 9);
    surface.ClearLog();
    PrintPredictionParagraphAlt(surface, layout(), "Big", true, 16);
    EXPECT_EQ(surface.FindText("Big")->font.Size, 16);
}

TEST_F(ParagraphTest, HindiParagraphUsesTheHindiFaceAndRestoresTheBodyFont)
{
    surface.Font.Name = "Something Else";
    surface.CurrentY = 500;
    PrintHindiParagraph(surface, layout(), "पाठ");
    const RecordedText* t = surface.FindText("पाठ");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->font.Name, "Tarvik");
    EXPECT_EQ(t->font.Size, 13);
    EXPECT_EQ(t->x, 1440 + 500 + 350);
    EXPECT_EQ(surface.Font.Name, "Tarvik English");
    EXPECT_EQ(surface.CurrentY, 500 + 300);

    surface.ClearLog();
    PrintHindiParagraph(surface, layout(), "पाठ", true);
    EXPECT_EQ(surface.FindText("पाठ")->x, 1440 + 500 + 50);
}

TEST_F(ParagraphTest, AdvanceLineMovesOneLineStep)
{
    surface.CurrentY = 100;
    AdvanceLine(surface, layout());
    EXPECT_EQ(surface.CurrentY, 350);
}
