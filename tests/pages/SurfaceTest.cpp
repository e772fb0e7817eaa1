#include "pages/RecordingSurface.h"

#include <gtest/gtest.h>

using namespace tarvik;

TEST(SurfaceTest, PrintEndsOrKeepsTheLine)
{
    RecordingSurface s;
    s.Font.Size = 10;
    s.CurrentX = 500;
    s.CurrentY = 1000;
    s.Print("abc", KeepLine);
    EXPECT_EQ(s.CurrentX, 500 + 3 * 10 * RecordingSurface::WidthPerPoint);
    EXPECT_EQ(s.CurrentY, 1000);
    s.Print("de");
    EXPECT_EQ(s.CurrentX, 0);
    EXPECT_EQ(s.CurrentY, 1000 + 10 * RecordingSurface::HeightPerPoint);

    ASSERT_EQ(s.Texts().size(), 2u);
    EXPECT_EQ(s.Texts()[1].text, "de");
    EXPECT_EQ(s.Texts()[1].x, 800);
    EXPECT_EQ(s.Texts()[1].y, 1000);
    EXPECT_EQ(s.Texts()[1].font.Size, 10);
}

TEST(SurfaceTest, EmptyTextMovesWithoutDrawing)
{
    RecordingSurface s;
    s.Print("");
    EXPECT_TRUE(s.Texts().empty());
    EXPECT_EQ(s.CurrentY, s.LineHeight());
    EXPECT_EQ(s.SheetsDrawn(), 0);
}

TEST(SurfaceTest, TextIsMeasuredInCodePoints)
{
    RecordingSurface s;
    s.Font.Size = 1;
    EXPECT_EQ(s.TextWidth("मेष"), 3 * RecordingSurface::WidthPerPoint);
    EXPECT_EQ(s.TextHeight("one\ntwo"), 2 * s.LineHeight());
}

TEST(SurfaceTest, LineLeavesThePositionAtItsEnd)
{
    RecordingSurface s;
    s.Line(10, 20, 300, 400);
    EXPECT_EQ(s.CurrentX, 300);
    EXPECT_EQ(s.CurrentY, 400);
    ASSERT_EQ(s.Lines().size(), 1u);
    EXPECT_EQ(s.Lines()[0].x1, 10);
}

TEST(SurfaceTest, PictureThatCannotBeReadPaintsNothing)
{
    RecordingSurface s;
    s.PaintPicture(Picture::File("/nowhere/border.png"), 0, 0, 100, 100);
    EXPECT_TRUE(s.Pictures().empty());
    EXPECT_EQ(s.SheetsDrawn(), 0);

    s.AddPictureFile("/here/border.png", 2000, 3000);
    s.PaintPicture(Picture::File("/here/border.png"), 1, 2, 3, 4);
    ASSERT_EQ(s.Pictures().size(), 1u);
    EXPECT_EQ(s.Pictures()[0].name, "/here/border.png");
    EXPECT_EQ(s.Pictures()[0].height, 4);
}

// Sheets begin lazily: a NewPage only counts once something was drawn on the
// sheet it ends, and the next sheet starts at the next drawing.
TEST(SurfaceTest, NewPageStartsTheNextSheetAtItsFirstDrawing)
{
    struct Case {
        const char* ops;   // D draws a text, N calls NewPage
        int page;
        int sheets;
        const char* events;
    };
    const Case cases[] = {
        {"D", 1, 1, "Text"},
        {"N D", 1, 1, "NewPage Text"},
        {"D N", 2, 1, "Text NewPage"},
        {"D N D", 2, 2, "Text NewPage Sheet Text"},
        {"D N N D", 2, 2, "Text NewPage NewPage Sheet Text"},
        {"D N D N D", 3, 3, "Text NewPage Sheet Text NewPage Sheet Text"},
    };
    for (const Case& c : cases) {
        RecordingSurface s;
        for (const char* op = c.ops; *op; ++op) {
            if (*op == 'D')
                s.Print("x");
            else if (*op == 'N')
                s.NewPage();
        }
        EXPECT_EQ(s.Page(), c.page) << c.ops;
        EXPECT_EQ(s.SheetsDrawn(), c.sheets) << c.ops;
        EXPECT_EQ(s.EventString(), c.events) << c.ops;
    }
}
