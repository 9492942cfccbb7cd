// The painted table's functions on a small panel: a caption, two rows of two
// fields (the second row's right one a control) and a hint line below a gap.
#include "PaintedTable.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace {

const HWND kBox = reinterpret_cast<HWND>(static_cast<std::intptr_t>(0x1234));

PaintedTable Panel() {
    return {
        {"☆ Screen Font ☆", "", {0, 0, 100, 10}, nullptr},  // 1
        {"Height", "-16", {0, 10, 40, 20}, nullptr},        // 2
        {"StrikeOut", "0", {50, 10, 90, 20}, nullptr},      // 3
        {"Width", "8", {0, 20, 40, 30}, nullptr},           // 4
        {"FaceName", "", {50, 20, 90, 30}, kBox},           // 5
        {"サンプル", "", {0, 40, 100, 50}, nullptr},        // 6
    };
}

}  // namespace

TEST(PaintedTable, ChildIdsAndVariantsOutOfRangeOrOfOtherTypesAreRefused) {
    const PaintedTable table = Panel();
    EXPECT_FALSE(IsChildId(table, kSelfId));
    EXPECT_TRUE(IsChildId(table, 1));
    EXPECT_TRUE(IsChildId(table, 6));
    EXPECT_FALSE(IsChildId(table, 7));
    EXPECT_FALSE(IsChildId(table, -1));
    EXPECT_FALSE(IsChildId(table, LONG_MIN));
    EXPECT_FALSE(IsChildId(PaintedTable(), 1));

    EXPECT_EQ(ChildIdOfVariant(table, kVariantI4, kSelfId), kSelfId);
    EXPECT_EQ(ChildIdOfVariant(table, kVariantI4, 6), 6);
    EXPECT_EQ(ChildIdOfVariant(table, kVariantI4, 7), -1);
    EXPECT_EQ(ChildIdOfVariant(table, kVariantI4, -5), -1);
    EXPECT_EQ(ChildIdOfVariant(table, kVariantI4, LONG_MAX), -1);
    // VT_EMPTY, VT_I2, VT_BSTR, VT_DISPATCH: not a child id.
    for (int vt : {kVariantEmpty, 2, 8, 9})
        EXPECT_EQ(ChildIdOfVariant(table, vt, 1), -1) << vt;
}

TEST(PaintedTable, HitTestFindsTheEntryWhoseRectangleHoldsThePoint) {
    const PaintedTable table = Panel();
    EXPECT_EQ(ChildAtPoint(table, 0, 0), 1);
    EXPECT_EQ(ChildAtPoint(table, 39, 19), 2);
    // Right and bottom edges lie outside.
    EXPECT_EQ(ChildAtPoint(table, 40, 15), kSelfId);
    EXPECT_EQ(ChildAtPoint(table, 10, 30), kSelfId);
    EXPECT_EQ(ChildAtPoint(table, 50, 10), 3);
    EXPECT_EQ(ChildAtPoint(table, 60, 25), 5);
    EXPECT_EQ(ChildAtPoint(table, 99, 49), 6);
    EXPECT_EQ(ChildAtPoint(table, -1, 5), kSelfId);
    EXPECT_EQ(ChildAtPoint(table, LONG_MAX, LONG_MIN), kSelfId);
    // Of overlapping entries, the first in reading order.
    PaintedTable overlapping = table;
    overlapping[2].rect = overlapping[1].rect;
    EXPECT_EQ(ChildAtPoint(overlapping, 5, 15), 2);
}

TEST(PaintedTable, NavigationFollowsReadingOrderAndTheGrid) {
    const PaintedTable table = Panel();
    EXPECT_EQ(NavigateFrom(table, kSelfId, kNavFirstChild), 1);
    EXPECT_EQ(NavigateFrom(table, kSelfId, kNavLastChild), 6);
    EXPECT_EQ(NavigateFrom(table, kSelfId, kNavNext), kSelfId);
    EXPECT_EQ(NavigateFrom(table, 2, kNavFirstChild), kSelfId);
    EXPECT_EQ(NavigateFrom(PaintedTable(), kSelfId, kNavFirstChild), kSelfId);
    // Next and previous visit every entry once, in order.
    for (long id = 1; id < 6; ++id) {
        EXPECT_EQ(NavigateFrom(table, id, kNavNext), id + 1);
        EXPECT_EQ(NavigateFrom(table, id + 1, kNavPrevious), id);
    }
    EXPECT_EQ(NavigateFrom(table, 6, kNavNext), kSelfId);
    EXPECT_EQ(NavigateFrom(table, 1, kNavPrevious), kSelfId);
    // On the grid: the nearest entry wholly on that side in the same row or column.
    EXPECT_EQ(NavigateFrom(table, 2, kNavRight), 3);
    EXPECT_EQ(NavigateFrom(table, 3, kNavLeft), 2);
    EXPECT_EQ(NavigateFrom(table, 2, kNavLeft), kSelfId);
    EXPECT_EQ(NavigateFrom(table, 2, kNavDown), 4);
    EXPECT_EQ(NavigateFrom(table, 5, kNavUp), 3);
    EXPECT_EQ(NavigateFrom(table, 3, kNavUp), 1);
    EXPECT_EQ(NavigateFrom(table, 5, kNavDown), 6);
    EXPECT_EQ(NavigateFrom(table, 6, kNavDown), kSelfId);
    // A start that is no child, a direction that is none.
    EXPECT_EQ(NavigateFrom(table, 7, kNavNext), kSelfId);
    EXPECT_EQ(NavigateFrom(table, -3, kNavPrevious), kSelfId);
    EXPECT_EQ(NavigateFrom(table, 2, 0), kSelfId);
    EXPECT_EQ(NavigateFrom(table, 2, 9), kSelfId);
}

TEST(PaintedTable, ChangesNameTheChildrenWhoseTextsDiffer) {
    const PaintedTable before = Panel();
    PaintedTable after = before;
    TableChanges changes = CompareTables(before, after);
    EXPECT_TRUE(changes.names.empty() && changes.values.empty() && !changes.reordered);

    after[0].name = "☆ Printer Font ☆ PDF";
    after[1].value = "-20";
    after[3].value = "10";
    // A control's text, as the table was read.
    after[4].value = "IPAゴシック";
    changes = CompareTables(before, after);
    EXPECT_EQ(changes.names, std::vector<long>({1}));
    EXPECT_EQ(changes.values, std::vector<long>({2, 4, 5}));
    EXPECT_FALSE(changes.reordered);

    // Another set of children: one reorder, no single changes.
    after.pop_back();
    changes = CompareTables(before, after);
    EXPECT_TRUE(changes.reordered);
    EXPECT_TRUE(changes.names.empty() && changes.values.empty());
    after = before;
    after[4].control = nullptr;
    after[1].value = "-20";
    changes = CompareTables(before, after);
    EXPECT_TRUE(changes.reordered);
    EXPECT_TRUE(changes.values.empty());
}
