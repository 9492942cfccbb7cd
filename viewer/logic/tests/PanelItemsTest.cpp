// The 43 texts of the property panel: where each stands on the character grid
// and what it says, for a font with a negative height and byte fields above 127.
#include "PanelItems.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

const char kScreenKind[] = "☆ Screen Font ☆";
const char kHint[] = "サンプル （Screen Font 選択時のみ）";

LOGFONTA SampleFont() {
    LOGFONTA lf = {-16, 8, -900, 900, 700, 255, 1, 0, 128, 3, 2, 1, 0x31, ""};
    strcpy(lf.lfFaceName, "ＭＳ ゴシック");
    return lf;
}

std::string Padded(const char* label) {
    std::string text = label;
    text.resize(15, ' ');
    return text;
}

// Item indices in drawing order.
enum {
    kCaption = 0,
    kLeftEquals = 1,
    kRightEquals = 8,
    kLeftLabels = 15,
    kLeftValues = 22,
    kRightLabels = 29,
    kRightValues = 36,
    kHintItem = 42
};

}  // namespace

TEST(PanelItems, FortyThreeItemsOnTheGrid) {
    // W = 8, H = 16, T = 16: rows at 32, 48, ..., 128.
    const auto items = BuildPanelItems(SampleFont(), kScreenKind, 8, 16, 16);
    ASSERT_EQ(items.size(), 43u);
    const char* const leftLabels[] = {"Height", "Width",  "Escapement", "Orientation",
                                      "Weight", "Italic", "Underline"};
    const char* const rightLabels[] = {"StrikeOut",     "CharSet", "OutPrecision",
                                       "ClipPrecision", "Quality", "PitchAndFamily",
                                       "FaceName"};
    // Long fields signed, byte fields unsigned; the face name has no value item.
    const char* const leftValues[] = {"-16", "8", "-900", "900", "700", "255", "1"};
    const char* const rightValues[] = {"0", "128", "3", "2", "1", "49"};

    auto expect = [&](int index, int x, int y, const std::string& text) {
        EXPECT_EQ(items[index].x, x) << index;
        EXPECT_EQ(items[index].y, y) << index;
        EXPECT_EQ(items[index].text, text) << index;
    };
    expect(kCaption, 16, 8, kScreenKind);
    for (int i = 0; i < 7; ++i) {
        const int y = 32 + 16 * i;
        expect(kLeftEquals + i, 136, y, "=");
        expect(kRightEquals + i, 360, y, "=");
        expect(kLeftLabels + i, 16, y, Padded(leftLabels[i]));
        expect(kLeftValues + i, 152, y, leftValues[i]);
        expect(kRightLabels + i, 240, y, Padded(rightLabels[i]));
        if (i < 6)
            expect(kRightValues + i, 384, y, rightValues[i]);
    }
    expect(kHintItem, 16, 160, kHint);
}

TEST(PanelItems, PrinterCaptionAndOddGrid) {
    const std::string kind = std::string("☆ Printer Font ☆ ") + "PDF";
    const auto items = BuildPanelItems(SampleFont(), kind.c_str(), 7, 13, 13);
    ASSERT_EQ(items.size(), 43u);
    EXPECT_EQ(items[kCaption].text, kind);
    EXPECT_EQ(items[kCaption].x, 14);
    EXPECT_EQ(items[kCaption].y, 6);  // H / 2 truncates
    EXPECT_EQ(items[kHintItem].y, 13 + 9 * 13);
    EXPECT_EQ(items[kHintItem].text, kHint);
}

TEST(PanelItems, CaptionIsNeverReadPastItsBuffer) {
    char kind[kFontKindSize + 20];
    memset(kind, 'A', sizeof kind);
    kind[sizeof kind - 1] = '\0';
    EXPECT_EQ(BuildPanelItems(SampleFont(), kind, 8, 16, 16)[kCaption].text.size(), kFontKindSize);

    // "☆ Printer Font ☆ " and a device name of 63 bytes fit whole.
    const std::string full = "☆ Printer Font ☆ " + std::string(63, 'P');
    EXPECT_EQ(BuildPanelItems(SampleFont(), full.c_str(), 8, 16, 16)[kCaption].text, full);
}

TEST(PanelItems, GridNearTheIntLimitsIsHeldThere) {
    for (int v : {INT_MAX, INT_MIN}) {
        const auto items = BuildPanelItems(SampleFont(), kScreenKind, v, v, v);
        ASSERT_EQ(items.size(), 43u);
        for (size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i].x, v) << i;
            EXPECT_EQ(items[i].y, i == kCaption ? v / 2 : v) << i;
        }
    }
}

// The readable table of the first test's panel, each text 8 pixels a byte
// wide: reading order, unpadded names, values as painted, label-to-value
// rectangles one line high, and the boxes in their places.
TEST(PanelItems, ReadableTableFollowsTheItemsRowByRow) {
    const auto items = BuildPanelItems(SampleFont(), kScreenKind, 8, 16, 16);
    std::vector<int> widths;
    for (const PanelItem& item : items)
        widths.push_back(8 * static_cast<int>(item.text.size()));
    const HWND face = reinterpret_cast<HWND>(1), sample = reinterpret_cast<HWND>(2),
               close = reinterpret_cast<HWND>(3);
    const PanelControls controls = {face,   {240, 128, 400, 144}, "ＭＳ ゴシック",
                                    sample, {16, 180, 400, 260},  "ABC",
                                    close,  {420, 8, 500, 32},    "Close"};
    const PaintedTable table = BuildPanelTable(items, widths, 16, controls);
    ASSERT_EQ(table.size(), 18u);

    auto expect = [&](size_t i, const char* name, const std::string& value, const RECT& rect,
                      HWND control) {
        EXPECT_EQ(table[i].name, name) << i;
        EXPECT_EQ(table[i].value, value) << i;
        EXPECT_EQ(table[i].rect.left, rect.left) << i;
        EXPECT_EQ(table[i].rect.top, rect.top) << i;
        EXPECT_EQ(table[i].rect.right, rect.right) << i;
        EXPECT_EQ(table[i].rect.bottom, rect.bottom) << i;
        EXPECT_EQ(table[i].control, control) << i;
    };
    expect(0, kScreenKind, "", {16, 8, 16 + 8 * static_cast<int>(strlen(kScreenKind)), 24},
           nullptr);
    // Height: label at 16, value "-16" at 152, 3 bytes; StrikeOut: 240 to 384 + 8.
    expect(1, "Height", "-16", {16, 32, 176, 48}, nullptr);
    expect(2, "StrikeOut", "0", {240, 32, 392, 48}, nullptr);
    expect(3, "Width", "8", {16, 48, 160, 64}, nullptr);
    expect(12, "PitchAndFamily", "49", {240, 112, 400, 128}, nullptr);
    expect(13, "Underline", "1", {16, 128, 160, 144}, nullptr);
    expect(14, "FaceName", "ＭＳ ゴシック", controls.faceNameRect, face);
    expect(15, kHint, "", {16, 160, 16 + 8 * static_cast<int>(strlen(kHint)), 176}, nullptr);
    expect(16, kHint, "ABC", controls.sampleRect, sample);
    expect(17, "Close", "", controls.closeRect, close);

    // Items and widths that do not belong together give nothing.
    widths.pop_back();
    EXPECT_TRUE(BuildPanelTable(items, widths, 16, controls).empty());
}
