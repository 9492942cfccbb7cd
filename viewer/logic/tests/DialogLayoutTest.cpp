#include <gtest/gtest.h>

#include <climits>

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

TEST(DialogLayout, MetricsNearTheIntLimitsAreHeldThere) {
    for (int v : {INT_MAX, INT_MIN}) {
        const DialogLayout l = ComputeDialogLayout(v, v, v, v, v, v, v);
        for (const LayoutRect& r : {l.sampleBox, l.faceNameBox})
            ExpectRect(r, v, v, v, v);
        ExpectRect(l.window, 15, 15, v, v);
        ExpectRect(l.closeButton, v, 10, 80, 25);
    }
    // 67 * W + 2 * cxFrame and 15 * H + T reach INT_MAX exactly.
    const DialogLayout l = ComputeDialogLayout(32051993, 143165576, 7, 58, 0, 0, 0);
    EXPECT_EQ(INT_MAX, l.window.width);
    EXPECT_EQ(INT_MAX - 120, l.closeButton.x);
    EXPECT_EQ(INT_MAX, l.window.height);
}
