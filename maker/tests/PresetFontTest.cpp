#include <gtest/gtest.h>

#include <cstring>

#include "PresetFont.h"

TEST(PresetFont, PresetsDifferOnlyInHeightAndWeight)
{
    const LONG heights[5] = {-5, -15, -16, -15, -14};
    const LONG weights[5] = {400, 400, 400, 700, 700};
    for (unsigned p = 0; p < 5; ++p) {
        LOGFONTA lf;
        memset(&lf, 0x5A, sizeof lf);
        ASSERT_TRUE(FillPresetLogFont(&lf, p));
        EXPECT_EQ(heights[p], lf.lfHeight) << p;
        EXPECT_EQ(weights[p], lf.lfWeight) << p;
        EXPECT_EQ(0, lf.lfWidth);
        EXPECT_EQ(0, lf.lfEscapement);
        EXPECT_EQ(0, lf.lfOrientation);
        EXPECT_EQ(0, lf.lfItalic);
        EXPECT_EQ(0, lf.lfUnderline);
        EXPECT_EQ(0, lf.lfStrikeOut);
        EXPECT_EQ(128, lf.lfCharSet);
        EXPECT_EQ(3, lf.lfOutPrecision);
        EXPECT_EQ(2, lf.lfClipPrecision);
        EXPECT_EQ(1, lf.lfQuality);
        EXPECT_EQ(49, lf.lfPitchAndFamily);
        EXPECT_STREQ("ＭＳ ゴシック", lf.lfFaceName);
        // 13 bytes and the NUL are copied; the rest of the field stays.
        for (size_t k = 14; k < sizeof lf.lfFaceName; ++k) EXPECT_EQ(0x5A, (BYTE)lf.lfFaceName[k]) << k;
    }
}

TEST(PresetFont, UnknownPresetWritesNothingAndGivesNoFont)
{
    LOGFONTA lf, before;
    memset(&lf, 0x33, sizeof lf);
    before = lf;
    for (unsigned p : {5u, 6u, 1000u}) {
        EXPECT_EQ(nullptr, MakePresetFont(&lf, p));
        EXPECT_EQ(0, memcmp(&lf, &before, sizeof lf));
    }
}

TEST(PresetFont, EachCallMakesANewFontWithTheSameAttributes)
{
    LOGFONTA a{}, b{};
    HFONT first = MakePresetFont(&a, 3);
    HFONT second = MakePresetFont(&b, 3);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    LOGFONTA got1{}, got2{};
    GetObjectA(first, sizeof got1, &got1);
    GetObjectA(second, sizeof got2, &got2);
    EXPECT_EQ(0, memcmp(&got1, &got2, sizeof got1));

    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, first);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(15, tm.tmHeight - tm.tmInternalLeading);
    EXPECT_EQ(700, tm.tmWeight);
    EXPECT_EQ(SHIFTJIS_CHARSET, tm.tmCharSet);
    DeleteObject(first);
    DeleteObject(second);
}
