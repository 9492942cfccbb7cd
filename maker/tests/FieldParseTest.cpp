#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "FieldParse.h"

TEST(ParseFieldText, TakesWhiteSpaceOneSignAndDigitsUpToTheFirstOtherCharacter)
{
    EXPECT_EQ(0, ParseFieldText(""));
    EXPECT_EQ(-7, ParseFieldText(" -7"));
    EXPECT_EQ(5, ParseFieldText("+5"));
    EXPECT_EQ(12, ParseFieldText("12ab"));
    EXPECT_EQ(42, ParseFieldText(" \t\r\n\v\f42"));
    EXPECT_EQ(4, ParseFieldText("4 2"));
    EXPECT_EQ(7, ParseFieldText("007"));
}

TEST(ParseFieldText, TextWithoutDigitsGivesZero)
{
    EXPECT_EQ(0, ParseFieldText("abc"));
    EXPECT_EQ(0, ParseFieldText("-"));
    EXPECT_EQ(0, ParseFieldText("+-5"));
    EXPECT_EQ(0, ParseFieldText("- 5"));
    EXPECT_EQ(0, ParseFieldText("   "));
    EXPECT_EQ(0, ParseFieldText("１２"));  // full-width digits are not digits
}

TEST(ParseFieldText, WrapsAroundBeyondThirtyTwoBits)
{
    EXPECT_EQ(INT_MAX, ParseFieldText("2147483647"));
    EXPECT_EQ(INT_MIN, ParseFieldText("2147483648"));
    EXPECT_EQ(INT_MIN, ParseFieldText("-2147483648"));
    EXPECT_EQ(INT_MAX, ParseFieldText("-2147483649"));
    EXPECT_EQ(0, ParseFieldText("4294967296"));
    EXPECT_EQ(1, ParseFieldText("4294967297"));
    EXPECT_EQ(-1, ParseFieldText("4294967295"));
    EXPECT_EQ(1661992960, ParseFieldText("100000000000000000000"));
}

TEST(ParseFieldText, ReadsOnlyTheFirstTwentyNineBytes)
{
    EXPECT_EQ(9, ParseFieldText((std::string(28, ' ') + "9").c_str()));
    EXPECT_EQ(0, ParseFieldText((std::string(29, ' ') + "9").c_str()));
    EXPECT_EQ(1, ParseFieldText((std::string(28, '0') + "12").c_str()));
}

TEST(ParseLogFontFields, StoresTheLowEightBitsOfTheByteFields)
{
    char slots[14][kFieldSlotBytes] = {"-15", "+8", "900", "-900", "700", "300", "1",
                                       "256", "-1", "3", "2", "1", "49"};
    LOGFONTA lf{};
    lstrcpyA(lf.lfFaceName, "keep");
    ParseLogFontFields(slots, &lf);
    EXPECT_EQ(-15, lf.lfHeight);
    EXPECT_EQ(8, lf.lfWidth);
    EXPECT_EQ(900, lf.lfEscapement);
    EXPECT_EQ(-900, lf.lfOrientation);
    EXPECT_EQ(700, lf.lfWeight);
    EXPECT_EQ(44, lf.lfItalic);
    EXPECT_EQ(1, lf.lfUnderline);
    EXPECT_EQ(0, lf.lfStrikeOut);
    EXPECT_EQ(255, lf.lfCharSet);
    EXPECT_EQ(3, lf.lfOutPrecision);
    EXPECT_EQ(2, lf.lfClipPrecision);
    EXPECT_EQ(1, lf.lfQuality);
    EXPECT_EQ(49, lf.lfPitchAndFamily);
    EXPECT_STREQ("keep", lf.lfFaceName);
}
