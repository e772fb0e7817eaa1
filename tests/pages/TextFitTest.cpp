// Typed texts in the room a page gives them: smaller down to a floor, then
// on two lines, then with initials, then cut with an ellipsis; never wider
// than the room, never smaller than the floor. On the recording surface a
// letter is 10 twips wide per point, a line 20 twips high per point.

#include "pages/RecordingSurface.h"
#include "pages/TextFit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarvik;

namespace {

TEST(TextFit, SmallerThenTwoLinesThenInitialsThenCut)
{
    const struct {
        const char* what;
        std::string text;
        double width, height;
        std::vector<std::string> lines;
        double size;
        bool whole;
    } cases[] = {
        {"fits as it is", "Asha Rao", 800, 1000, {"Asha Rao"}, 10, true},
        {"a size smaller", "Asha Rao", 640, 1000, {"Asha Rao"}, 8, true},
        {"two lines, as even as the words allow", "Ramachandra Venkatesh Kulkarni", 1600, 1000,
         {"Ramachandra", "Venkatesh Kulkarni"}, 8.75, true},
        {"two lines at the floor", "Ramachandra Venkatesh Kulkarni Iyengar", 1500, 1000,
         {"Ramachandra Venkatesh", "Kulkarni Iyengar"}, 7, true},
        {"no room for a second line: initials", "Ramachandra Venkatesh Kulkarni", 1000, 200,
         {"R. V. Kulkarni"}, 7, false},
        {"initials on two lines", "Ramachandra Venkatesh Kulkarni Srinivasa Iyengar Rao", 700, 1000,
         {"R. V. K.", "S. I. Rao"}, 7.75, false},
        {"one long word cut short", "Thiruvananthapuram", 700, 1000, {"Thiruvana\xE2\x80\xA6"}, 7, false},
        {"nothing typed", "   ", 500, 1000, {}, 10, true},
        {"blanks around and between words are one", "  Asha   Rao ", 800, 1000, {"Asha Rao"}, 10, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingSurface s;
        s.Font.Size = 12;
        const FittedText f = FitTypedText(s, c.text, c.width, 10, 7, c.height);
        EXPECT_EQ(f.lines, c.lines);
        EXPECT_DOUBLE_EQ(f.size, c.size);
        EXPECT_EQ(f.whole, c.whole);
        EXPECT_DOUBLE_EQ(s.Font.Size, 12) << "the surface's font is left as it was";
        s.Font.Size = f.size;
        for (const std::string& line : f.lines)
            EXPECT_LE(s.TextWidth(line), c.width) << line;
        EXPECT_LE(f.Height(), c.height);
    }
}

TEST(TextFit, FloorIsAShareOfTheSizeButReadable)
{
    EXPECT_DOUBLE_EQ(TypedTextFloor(12), 8.5);
    EXPECT_DOUBLE_EQ(TypedTextFloor(10), 7);
    EXPECT_DOUBLE_EQ(TypedTextFloor(9), 7);
    EXPECT_DOUBLE_EQ(TypedTextFloor(6), 6);   // never above the size itself
}

// The lines stand one under the other, left-aligned or centred on a whole twip.
TEST(TextFit, PrintedLineUnderLine)
{
    RecordingSurface s;
    s.Font.Size = 12;
    const FittedText f{{"Ramachandra", "Kulkarni"}, 10, 250, true};
    PrintFittedText(s, f, 1000, 2000);
    PrintFittedText(s, f, 5800, 3000, TextAlign::Centre);
    ASSERT_EQ(s.Texts().size(), 4u);
    EXPECT_EQ(s.Texts()[0].x, 1000);
    EXPECT_EQ(s.Texts()[1].y, 2250);
    EXPECT_EQ(s.Texts()[1].font.Size, 10);
    EXPECT_EQ(s.Texts()[2].x, 5800 - 550);
    EXPECT_EQ(s.Texts()[3].x, 5800 - 400);
    EXPECT_DOUBLE_EQ(s.Font.Size, 12);
}

} // namespace
