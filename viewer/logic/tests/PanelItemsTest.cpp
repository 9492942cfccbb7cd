#include "PanelItems.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const char kScreenKind[] = "☆ Screen Font ☆";

// A font with a negative height and BYTE fields above 127.
LOGFONTA SampleFont()
{
    LOGFONTA lf = {};
    lf.lfHeight = -16;
    lf.lfWidth = 8;
    lf.lfEscapement = -900;
    lf.lfOrientation = 900;
    lf.lfWeight = 700;
    lf.lfItalic = 255;
    lf.lfUnderline = 1;
    lf.lfStrikeOut = 0;
    lf.lfCharSet = 128;
    lf.lfOutPrecision = 3;
    lf.lfClipPrecision = 2;
    lf.lfQuality = 1;
    lf.lfPitchAndFamily = 0x31;
    strcpy(lf.lfFaceName, "ＭＳ ゴシック");
    return lf;
}

void ExpectItem(const PanelItem& item, int x, int y, const std::string& text)
{
    EXPECT_EQ(item.x, x) << text;
    EXPECT_EQ(item.y, y) << text;
    EXPECT_EQ(item.text, text);
}

// Item indices in drawing order.
const int kCaption = 0;
const int kLeftEquals = 1;
const int kRightEquals = 8;
const int kLeftLabels = 15;
const int kLeftValues = 22;
const int kRightLabels = 29;
const int kRightValues = 36;
const int kHint = 42;

}  // namespace

TEST(PanelItems, DrawsFortyThreeItemsOnTheGridInDrawingOrder)
{
    // W = 8, H = 16, T = 16: rows at 32, 48, ..., 128.
    const auto items = BuildPanelItems(SampleFont(), kScreenKind, 8, 16, 16);
    ASSERT_EQ(items.size(), 43u);

    ExpectItem(items[kCaption], 16, 8, kScreenKind);
    for (int i = 0; i < 7; ++i) {
        const int y = 32 + 16 * i;
        ExpectItem(items[kLeftEquals + i], 136, y, "=");
        ExpectItem(items[kRightEquals + i], 360, y, "=");
        EXPECT_EQ(items[kLeftLabels + i].x, 16);
        EXPECT_EQ(items[kLeftLabels + i].y, y);
        EXPECT_EQ(items[kLeftValues + i].x, 152);
        EXPECT_EQ(items[kLeftValues + i].y, y);
        EXPECT_EQ(items[kRightLabels + i].x, 240);
        EXPECT_EQ(items[kRightLabels + i].y, y);
    }
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(items[kRightValues + i].x, 384);
        EXPECT_EQ(items[kRightValues + i].y, 32 + 16 * i);
    }
    ExpectItem(items[kHint], 16, 160, "サンプル （Screen Font 選択時のみ）");
}

TEST(PanelItems, LabelsArePaddedToFifteenCharacters)
{
    const auto items = BuildPanelItems(SampleFont(), kScreenKind, 8, 16, 16);
    const char* const left[] = {"Height", "Width", "Escapement", "Orientation",
                                "Weight", "Italic", "Underline"};
    const char* const right[] = {"StrikeOut", "CharSet", "OutPrecision", "ClipPrecision",
                                 "Quality", "PitchAndFamily", "FaceName"};
    for (int i = 0; i < 7; ++i) {
        std::string expectedLeft = left[i];
        expectedLeft.resize(15, ' ');
        std::string expectedRight = right[i];
        expectedRight.resize(15, ' ');
        EXPECT_EQ(items[kLeftLabels + i].text, expectedLeft);
        EXPECT_EQ(items[kRightLabels + i].text, expectedRight);
    }
}

TEST(PanelItems, ValuesAreSignedForLongFieldsAndUnsignedForByteFields)
{
    const auto items = BuildPanelItems(SampleFont(), kScreenKind, 8, 16, 16);
    const char* const left[] = {"-16", "8", "-900", "900", "700", "255", "1"};
    const char* const right[] = {"0", "128", "3", "2", "1", "49"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(items[kLeftValues + i].text, left[i]);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(items[kRightValues + i].text, right[i]);
}

TEST(PanelItems, FaceNameRowHasLabelAndEqualsSignButNoValue)
{
    const auto items = BuildPanelItems(SampleFont(), kScreenKind, 8, 16, 16);
    const int row7 = 16 + 7 * 16;
    int onRow7 = 0;
    for (const PanelItem& item : items) {
        if (item.y != row7)
            continue;
        ++onRow7;
        EXPECT_LT(item.x, 48 * 8) << "something drawn in the face-name box: " << item.text;
        EXPECT_EQ(item.text.find("ゴシック"), std::string::npos);
    }
    EXPECT_EQ(onRow7, 5);  // two labels, two "=" signs, one left value
    EXPECT_EQ(items[kRightLabels + 6].text, "FaceName       ");
}

TEST(PanelItems, PrinterCaptionKeepsTheHintLine)
{
    const std::string kind = std::string("☆ Printer Font ☆ ") + "PDF";
    const auto items = BuildPanelItems(SampleFont(), kind.c_str(), 7, 13, 13);
    ASSERT_EQ(items.size(), 43u);
    ExpectItem(items[kCaption], 14, 6, kind);  // H / 2 truncates
    ExpectItem(items[kHint], 14, 13 + 9 * 13, "サンプル （Screen Font 選択時のみ）");
}

TEST(PanelItems, CaptionWithALongPrinterNameFitsAndIsNeverReadPastItsBuffer)
{
    char kind[kFontKindSize + 20];
    memset(kind, 'A', sizeof kind);
    kind[sizeof kind - 1] = '\0';
    // A caption buffer that lacks its NUL is cut at its own size.
    EXPECT_EQ(BuildPanelItems(SampleFont(), kind, 8, 16, 16)[kCaption].text.size(),
              kFontKindSize);

    // "☆ Printer Font ☆ " and a device name of 63 bytes fit whole.
    const std::string full = "☆ Printer Font ☆ " + std::string(63, 'P');
    ASSERT_LT(full.size(), kFontKindSize);
    EXPECT_EQ(BuildPanelItems(SampleFont(), full.c_str(), 8, 16, 16)[kCaption].text, full);
}
