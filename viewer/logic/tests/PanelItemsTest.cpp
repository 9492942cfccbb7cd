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
