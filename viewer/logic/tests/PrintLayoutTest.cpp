#include <gtest/gtest.h>

#include <climits>

#include "PrintLayout.h"

TEST(TestPrintLineStep, OneAndAHalfCellHeightsTruncated) {
    EXPECT_EQ(75, TestPrintLineStep(true, 50, -12));
    EXPECT_EQ(49, TestPrintLineStep(true, 33, -12));
    EXPECT_EQ(1, TestPrintLineStep(true, 1, 0));
}

TEST(TestPrintLineStep, WithoutMetricsTheRequestedHeightStandsIn) {
    EXPECT_EQ(30, TestPrintLineStep(false, 999, -20));
    EXPECT_EQ(30, TestPrintLineStep(false, 999, 20));
    EXPECT_EQ(kTestPrintFallbackHeight * 3 / 2, TestPrintLineStep(false, 999, 0));
}

// A height from the font dialog may be anything, INT_MIN too.
TEST(TestPrintLineStep, HeightsNearTheIntLimitsDoNotOverflow) {
    EXPECT_EQ(INT_MAX, TestPrintLineStep(true, 1431655765, 0));  // fits exactly
    EXPECT_EQ(INT_MAX, TestPrintLineStep(false, 0, -1431655765));
    EXPECT_EQ(INT_MAX, TestPrintLineStep(true, 1431655766, 0));
    EXPECT_EQ(INT_MAX, TestPrintLineStep(false, 0, INT_MIN));
    EXPECT_EQ(INT_MAX, TestPrintLineStep(false, 0, INT_MAX));
    EXPECT_EQ(INT_MIN, TestPrintLineStep(true, INT_MIN, 0));
}

TEST(TestPrintLineTop, LinesStepDownFromTenAndStayInRange) {
    const int tops[4] = {TestPrintLineTop(0, 75), TestPrintLineTop(1, 75), TestPrintLineTop(2, 75),
                         TestPrintLineTop(3, 75)};
    EXPECT_EQ(10, tops[0]);
    EXPECT_EQ(85, tops[1]);
    EXPECT_EQ(160, tops[2]);
    EXPECT_EQ(235, tops[3]);
    EXPECT_EQ(INT_MAX, TestPrintLineTop(1, INT_MAX));
    EXPECT_EQ(INT_MAX, TestPrintLineTop(3, INT_MAX));
    EXPECT_EQ(INT_MIN, TestPrintLineTop(3, INT_MIN));
}
