// The sample code that the viewer's templates expand to, compiled and run:
// the font it creates must read back as the LOGFONT it was expanded from.
#include "RoundTripFonts.h"
#include "RoundTripPrelude.h"

#include <gtest/gtest.h>

// Generated at build time from the installed API.DAT and MFC.DAT.
namespace api_japanese {
HFONT CreateSampleFont(void);
}
namespace api_byte_limit {
HFONT CreateSampleFont(void);
}
namespace mfc_japanese {
BOOL CreateSampleFont(CFont& font);
}
namespace mfc_byte_limit {
BOOL CreateSampleFont(CFont& font);
}

namespace {

void ExpectSameLogFont(const LOGFONTA& expected, const LOGFONTA& actual) {
    EXPECT_EQ(actual.lfHeight, expected.lfHeight);
    EXPECT_EQ(actual.lfWidth, expected.lfWidth);
    EXPECT_EQ(actual.lfEscapement, expected.lfEscapement);
    EXPECT_EQ(actual.lfOrientation, expected.lfOrientation);
    EXPECT_EQ(actual.lfWeight, expected.lfWeight);
    EXPECT_EQ(actual.lfItalic, expected.lfItalic);
    EXPECT_EQ(actual.lfUnderline, expected.lfUnderline);
    EXPECT_EQ(actual.lfStrikeOut, expected.lfStrikeOut);
    EXPECT_EQ(actual.lfCharSet, expected.lfCharSet);
    EXPECT_EQ(actual.lfOutPrecision, expected.lfOutPrecision);
    EXPECT_EQ(actual.lfClipPrecision, expected.lfClipPrecision);
    EXPECT_EQ(actual.lfQuality, expected.lfQuality);
    EXPECT_EQ(actual.lfPitchAndFamily, expected.lfPitchAndFamily);
    EXPECT_STREQ(actual.lfFaceName, expected.lfFaceName);
}

void ExpectApiFont(HFONT font, int id) {
    ASSERT_NE(font, nullptr);
    LOGFONTA actual = {};
    EXPECT_EQ(GetObjectA(font, sizeof actual, &actual), static_cast<int>(sizeof actual));
    ExpectSameLogFont(RoundTripFont(id), actual);
    DeleteObject(font);
}

void ExpectMfcFont(BOOL (*create)(CFont&), int id) {
    CFont font;
    ASSERT_TRUE(create(font));
    LOGFONTA actual = {};
    EXPECT_EQ(font.GetLogFont(&actual), static_cast<int>(sizeof actual));
    ExpectSameLogFont(RoundTripFont(id), actual);

    // Calling it again on the same object releases the old font first.
    EXPECT_TRUE(create(font));
}

}  // namespace

TEST(SampleCodeRoundTrip, ApiSampleRecreatesJapaneseFont) {
    ExpectApiFont(api_japanese::CreateSampleFont(), kJapaneseFont);
}

TEST(SampleCodeRoundTrip, ApiSampleRecreatesByteFieldsAt255AndLongFaceName) {
    ExpectApiFont(api_byte_limit::CreateSampleFont(), kByteLimitFont);
}

TEST(SampleCodeRoundTrip, MfcSampleRecreatesJapaneseFont) {
    ExpectMfcFont(mfc_japanese::CreateSampleFont, kJapaneseFont);
}

TEST(SampleCodeRoundTrip, MfcSampleRecreatesByteFieldsAt255AndLongFaceName) {
    ExpectMfcFont(mfc_byte_limit::CreateSampleFont, kByteLimitFont);
}
