#include <gtest/gtest.h>

#include "Layout.h"

namespace {

void ExpectRect(const CtlRect& r, int x, int y, int w, int h)
{
    EXPECT_EQ(x, r.x);
    EXPECT_EQ(y, r.y);
    EXPECT_EQ(w, r.width);
    EXPECT_EQ(h, r.height);
}

}  // namespace

TEST(Layout, RowsAreFiveMoreThanAUnitApart)
{
    EXPECT_EQ(56, RowTop(16, 1));
    EXPECT_EQ(77, RowTop(16, 2));
    EXPECT_EQ(266, RowTop(16, 11));
    EXPECT_EQ(329, RowTop(16, 14));
    // Half a row truncates toward zero for odd heights.
    EXPECT_EQ(8, HalfRow(17));
    EXPECT_EQ(2 * 17 + 8 + 17, RowTop(17, 1));
}

TEST(Layout, ControlsForEightBySixteenUnits)
{
    ExpectRect(FieldBoxRect(8, 16, 0), 152, 55, 48, 18);
    ExpectRect(FieldBoxRect(8, 16, 12), 152, 307, 48, 18);
    ExpectRect(FaceListRect(8, 16), 120, 328, 160, 82);
    ExpectRect(CreateButtonRect(8, 16), 224, 96, 88, 48);
    ExpectRect(SampleBoxRect(8, 16), 344, 336, 416, 64);
    // Field boxes follow each other a unit and five pixels apart.
    EXPECT_EQ(21, FieldBoxRect(8, 16, 5).y - FieldBoxRect(8, 16, 4).y);
}

TEST(Layout, FaceListStandsOnePixelAboveTheFourteenthRow)
{
    for (int cy : {12, 16, 17, 18, 23}) EXPECT_EQ(16 * cy + cy / 2 + 64, FaceListRect(8, cy).y) << cy;
}

TEST(Layout, WindowSizeAddsFramesMenuAndCaption)
{
    int w = 0, h = 0;
    MainWindowSize(8, 16, 4, 5, 19, 23, &w, &h);
    EXPECT_EQ(792 + 8, w);
    EXPECT_EQ(432 + 10 + 19 + 23, h);
}
