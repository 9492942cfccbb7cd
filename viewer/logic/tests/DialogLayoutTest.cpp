#include <gtest/gtest.h>

#include "DialogLayout.h"

static void ExpectRect(const LayoutRect& r, int x, int y, int w, int h) {
    EXPECT_EQ(x, r.x);
    EXPECT_EQ(y, r.y);
    EXPECT_EQ(w, r.width);
    EXPECT_EQ(h, r.height);
}

TEST(DialogLayout, EightBySixteenGrid) {
    const DialogLayout l = ComputeDialogLayout(8, 16, 16, 4, 4, 19, 23);
    ExpectRect(l.faceNameBox, 384, 128, 128, 24);
    ExpectRect(l.sampleBox, 40, 176, 440, 64);
    ExpectRect(l.window, 15, 15, 536 + 2 * 4, 256 + 2 * 4 + 19 + 23);
    ExpectRect(l.closeButton, 536 + 8 - 120, 10, 80, 25);
}

TEST(DialogLayout, OddLineHeightRoundsTheFaceNameBoxDown) {
    EXPECT_EQ(19, ComputeDialogLayout(7, 13, 13, 0, 0, 0, 0).faceNameBox.height);
    EXPECT_EQ(22, ComputeDialogLayout(7, 15, 15, 0, 0, 0, 0).faceNameBox.height);
}

TEST(DialogLayout, TopMarginShiftsOnlyTheRows) {
    const DialogLayout a = ComputeDialogLayout(8, 16, 16, 0, 0, 0, 0);
    const DialogLayout b = ComputeDialogLayout(8, 16, 20, 0, 0, 0, 0);
    EXPECT_EQ(a.sampleBox.y + 4, b.sampleBox.y);
    EXPECT_EQ(a.faceNameBox.y + 4, b.faceNameBox.y);
    EXPECT_EQ(a.window.height + 4, b.window.height);
    EXPECT_EQ(a.sampleBox.x, b.sampleBox.x);
}
