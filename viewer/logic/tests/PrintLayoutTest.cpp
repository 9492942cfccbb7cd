#include <gtest/gtest.h>

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
