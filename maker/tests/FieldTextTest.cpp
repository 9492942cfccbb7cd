#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "FieldText.h"

TEST(FormatDecimal, PlainSignedDecimal)
{
    char out[30];
    FormatDecimal(out, sizeof out, -15);
    EXPECT_STREQ("-15", out);
    FormatDecimal(out, sizeof out, 0);
    EXPECT_STREQ("0", out);
    FormatDecimal(out, sizeof out, INT_MIN);
    EXPECT_STREQ("-2147483648", out);
    FormatDecimal(out, 3, 12345);  // bounded, terminated
    EXPECT_STREQ("12", out);
}

TEST(FormatLogFontFields, WritesTheThirteenFieldsInRecordOrder)
{
    LOGFONTA lf{};
    lf.lfHeight = -15;
    lf.lfWidth = 7;
    lf.lfEscapement = 900;
    lf.lfOrientation = -900;
    lf.lfWeight = 700;
    lf.lfItalic = 255;
    lf.lfUnderline = 1;
    lf.lfStrikeOut = 0;
    lf.lfCharSet = 128;
    lf.lfOutPrecision = 3;
    lf.lfClipPrecision = 2;
    lf.lfQuality = 1;
    lf.lfPitchAndFamily = 49;
    char slots[14][kFieldSlotBytes];
    memset(slots, 'x', sizeof slots);
    EXPECT_EQ(0, FormatLogFontFields(lf, slots));
    const char* expected[13] = {"-15", "7", "900", "-900", "700", "255", "1",
                                "0",   "128", "3", "2",    "1",   "49"};
    for (int k = 0; k < 13; ++k) EXPECT_STREQ(expected[k], slots[k]) << k;
    EXPECT_EQ('x', slots[13][0]);  // the spare slot is not touched
}

TEST(FormatTextMetricFields, WritesTheDisplayOrder)
{
    TEXTMETRICA tm{};
    tm.tmHeight = 1;
    tm.tmAscent = 2;
    tm.tmDescent = 3;
    tm.tmInternalLeading = 4;
    tm.tmExternalLeading = 5;
    tm.tmAveCharWidth = 6;
    tm.tmMaxCharWidth = 7;
    tm.tmWeight = 8;
    tm.tmItalic = 9;
    tm.tmUnderlined = 10;
    tm.tmStruckOut = 11;
    tm.tmFirstChar = 32;
    tm.tmLastChar = 255;
    tm.tmDefaultChar = 31;
    tm.tmBreakChar = 129;
    tm.tmPitchAndFamily = 16;
    tm.tmCharSet = 128;
    tm.tmOverhang = -18;
    tm.tmDigitizedAspectX = 19;
    tm.tmDigitizedAspectY = 20;
    char entries[21][kTextMetricEntryBytes] = {};
    EXPECT_EQ(0, FormatTextMetricFields(tm, entries));
    const char* expected[20] = {"1",  "2",   "3",   "4",  "5",   "6",  "7",   "8",   "9",  "10",
                                "11", "32",  "255", "31", "129", "16", "128", "-18", "19", "20"};
    for (int k = 0; k < 20; ++k) EXPECT_STREQ(expected[k], entries[k]) << k;
}

TEST(FillTextMetricTexts, ClearsTheTableAndPutsTheFaceLast)
{
    char entries[21][kTextMetricEntryBytes];
    memset(entries, 'x', sizeof entries);
    TEXTMETRICA tm{};
    const std::string face31 = "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯ1";  // 31 bytes
    FillTextMetricTexts(tm, face31.c_str(), entries);
    EXPECT_EQ(face31, entries[20]);
    EXPECT_STREQ("0", entries[19]);
    EXPECT_EQ('\0', entries[0][2]);  // the rest of each entry is cleared

    // A name longer than the entry is cut before a whole character.
    const std::string longFace(60, 'a');
    FillTextMetricTexts(tm, longFace.c_str(), entries);
    EXPECT_EQ(std::string(kTextMetricEntryBytes - 1, 'a'), entries[20]);
}
