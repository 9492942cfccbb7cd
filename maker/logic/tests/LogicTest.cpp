// The window-free functions of Fontsmith.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "FieldParse.h"
#include "Layout.h"
#include "SampleCodeText.h"
#include "TextCopy.h"

namespace {

TEST(ParseFieldText, TakesWhiteSpaceOneSignAndDigitsUpToTheFirstOtherCharacter) {
    const std::pair<std::string, LONG> cases[] = {
        {"", 0},
        {" -7", -7},
        {"+5", 5},
        {"12ab", 12},
        {" \t\r\n\v\f42", 42},
        {"4 2", 4},
        {"007", 7},
        {"abc", 0},
        {"-", 0},
        {"+-5", 0},
        {"- 5", 0},
        {"１２", 0},
        // Beyond 32 bits the value wraps around.
        {"2147483647", INT_MAX},
        {"2147483648", INT_MIN},
        {"-2147483649", INT_MAX},
        {"4294967295", -1},
        {"4294967297", 1},
        {"100000000000000000000", 1661992960},
        // Only the first 29 bytes are read.
        {std::string(28, ' ') + "9", 9},
        {std::string(29, ' ') + "9", 0},
        {std::string(28, '0') + "12", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, ParseFieldText(c.first.c_str())) << c.first;
}

TEST(ParseLogFontFields, FillsTheRecordInOrderKeepingTheLowEightBitsOfByteFields) {
    char slots[kLogFontSlotCount][kFieldSlotBytes] = {"-15", "+8", "900", "-900", "700", "300", "1",
                                                      "256", "-1", "3",   "2",    "1",   "49"};
    LOGFONTA lf{};
    strcpy(lf.lfFaceName, "keep");
    ParseLogFontFields(slots, &lf);
    const LOGFONTA want{-15, 8, 900, -900, 700, 44, 1, 0, 255, 3, 2, 1, 49, "keep"};
    EXPECT_EQ(0, memcmp(&want, &lf, sizeof lf));
}

LOGFONTA ExampleFont() { return {-15, 0, 0, 0, 400, 0, 0, 0, 128, 3, 2, 1, 49, "ＭＳ ゴシック"}; }

char g_lines[kCodeLineCount][kCodeLineBytes];
char g_text[kCodeTextBytes];

std::string Build(const LOGFONTA& lf) {
    return std::string(g_text, BuildSampleCodeText(lf, g_lines, g_text, sizeof g_text));
}

TEST(SampleCodeText, ExampleFontGivesTheFunctionByteForByte) {
    const char expected[] = "//////////////////////////////////////////////////////\r\n"
                            "// 以下は論理フォントを作成する関数のサンプルです。\r\n"
                            "// 汎用性のある例とはいえませんが、特定のフォントを作成\r\n"
                            "// する際の最少のスペックのサンプルコードです。\r\n"
                            "//\r\n"
                            "// 変数の値は、選択されたフォントの値が反映されるように\r\n"
                            "// 選択状態により可変にしてあります。\r\n"
                            "// 必要に応じてカット＆ペーストでお使い頂けます。\r\n"
                            "//\r\n"
                            "// HANDLE SetLogFont (LOGFONT * lf,int);  //関数定義\r\n"
                            "// hFont = SetLogFont(&lf,0);             //呼び先\r\n"
                            "// （詳細はヘルプにてご覧ください）\r\n"
                            "///////////////////////////////////////////////////////\r\n"
                            "\r\n"
                            "HANDLE GetLogFontHandle (LOGFONT * lf,int flg)\r\n"
                            "{\r\n"
                            "  HANDLE hFont;\r\n"
                            "\r\n"
                            "  switch (flg)\r\n"
                            "  {\r\n"
                            "    case (0):\r\n"
                            "      lf->lfHeight         = -15 ;\r\n"
                            "      lf->lfWidth          = 0 ;\r\n"
                            "      lf->lfEscapement     = 0 ;\r\n"
                            "      lf->lfOrientation    = 0 ;\r\n"
                            "      lf->lfWeight         = 400 ;\r\n"
                            "      lf->lfItalic         = 0 ;\r\n"
                            "      lf->lfUnderline      = 0 ;\r\n"
                            "      lf->lfStrikeOut      = 0 ;\r\n"
                            "      lf->lfCharSet        = 128 ;\r\n"
                            "      lf->lfOutPrecision   = 3 ;\r\n"
                            "      lf->lfClipPrecision  = 2 ;\r\n"
                            "      lf->lfQuality        = 1 ;\r\n"
                            "      lf->lfPitchAndFamily = 49 ;\r\n"
                            "      strcpy(lf->lfFaceName,\"ＭＳ ゴシック\") ;\r\n"
                            "      break;\r\n"
                            "\r\n"
                            "    default:\r\n"
                            "      return (HANDLE)0;\r\n"
                            "  }\r\n"
                            "\r\n"
                            "  hFont = CreateFontIndirect(lf);\r\n"
                            "\r\n"
                            "  return hFont;\r\n"
                            "}\r\n"
                            "\r\n";
    // A longer text first: the rebuild must leave nothing of it behind.
    LOGFONTA longer = ExampleFont();
    strcpy(longer.lfFaceName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    Build(longer);
    EXPECT_EQ(std::string(expected), Build(ExampleFont()));
    EXPECT_EQ(1296u, sizeof expected - 1);
}

TEST(SampleCodeText, LongestValuesAndAnUnterminatedFaceStayWithinTheBuffers) {
    LOGFONTA lf;
    lf.lfHeight = lf.lfWidth = lf.lfEscapement = lf.lfOrientation = lf.lfWeight = INT_MIN;
    memset(&lf.lfItalic, 255, 8);
    memset(lf.lfFaceName, 'F', sizeof lf.lfFaceName);
    std::string text = Build(lf);
    EXPECT_EQ(1373u, text.size());
    EXPECT_NE(std::string::npos, text.find("      lf->lfHeight         = -2147483648 ;\r\n"));
    EXPECT_NE(std::string::npos, text.find("      lf->lfItalic         = 255 ;\r\n"));
    EXPECT_NE(std::string::npos,
              text.find("(lf->lfFaceName,\"" + std::string(31, 'F') + "\") ;\r\n"));
}

// Buffers of the exact size, so that the sanitizers of the native build catch a
// byte read or written past them.
TEST(SampleCodeText, ShortTextBuffersHoldTheStartOfTheText) {
    const std::string full = Build(ExampleFont());
    for (size_t size : {0, 1, 2, 57, 60, 61, 1296, 1297}) {
        std::unique_ptr<char[]> text(new char[size]);
        const size_t length = BuildSampleCodeText(ExampleFont(), g_lines, text.get(), size);
        EXPECT_STREQ("      lf->lfHeight         = -15 ;\r\n", g_lines[21]);
        if (size == 0) {
            EXPECT_EQ(0u, length);
            continue;
        }
        EXPECT_LT(length, size);
        EXPECT_EQ('\0', text[length]);
        EXPECT_EQ(full.substr(0, length), std::string(text.get(), length)) << size;
    }
}

TEST(Layout, RowsAndRectanglesForEightBySixteenUnits) {
    EXPECT_EQ(56, RowTop(16, 1));
    EXPECT_EQ(329, RowTop(16, 14));
    EXPECT_EQ(59, RowTop(17, 1));  // half a row truncates for odd heights
    auto text = [](const CtlRect& r) {
        return std::to_string(r.x) + " " + std::to_string(r.y) + " " + std::to_string(r.width) +
               " " + std::to_string(r.height);
    };
    EXPECT_EQ("152 55 48 18", text(FieldBoxRect(8, 16, 0)));
    EXPECT_EQ("152 307 48 18", text(FieldBoxRect(8, 16, 12)));
    EXPECT_EQ("120 328 160 82", text(FaceListRect(8, 16)));
    EXPECT_EQ("224 96 88 48", text(CreateButtonRect(8, 16)));
    EXPECT_EQ("344 336 416 64", text(SampleBoxRect(8, 16)));
    EXPECT_EQ("344 356 416 68", text(SampleBoxRect(8, 17)));
    int w = 0, h = 0;
    MainWindowSize(8, 16, 4, 5, 19, 23, &w, &h);
    EXPECT_EQ(800, w);
    EXPECT_EQ(484, h);
}

// The box rows lie one pixel above a row's text top, which may be held already.
TEST(Layout, MetricsNearTheIntLimitsAreHeldThere) {
    for (int v : {INT_MAX, INT_MIN}) {
        const int rowTop = RowTop(v, 14);
        EXPECT_EQ(v, rowTop);
        for (const CtlRect& r : {SampleBoxRect(v, v), FieldBoxRect(v, v, 12), FaceListRect(v, v),
                                 CreateButtonRect(v, v)}) {
            EXPECT_EQ(v, r.x);
            EXPECT_TRUE(r.y == v || r.y == rowTop - 1LL) << r.y;
            EXPECT_EQ(v, r.width);
            EXPECT_TRUE(r.height == v || r.height == v + 2LL) << r.height;
        }
        int w = 0, h = 0;
        MainWindowSize(v, v, v, v, v, v, &w, &h);
        EXPECT_EQ(v, w);
        EXPECT_EQ(v, h);
    }
    // 27 rows and the frame reach INT_MAX exactly.
    int w = 0, h = 0;
    MainWindowSize(1, 79536431, 0, 0, 2, 8, &w, &h);
    EXPECT_EQ(INT_MAX, h);
}

TEST(CopyText, CopiesWhatFitsWithoutSplittingADoubleByteCharacter) {
    // "ソ" ends in 0x5C, the byte of a backslash; half-width katakana are single bytes.
    const std::pair<std::string, std::string> cases[] = {{"abc", "abc"},     {"abcdefgh", "abcde"},
                                                         {"表示表", "表示"}, {"aソb", "aソb"},
                                                         {"abcdソ", "abcd"}, {"abcｻﾝﾌﾟ", "abcｻﾝ"}};
    for (const auto& c : cases) {
        char out[8];
        memset(out, 'x', sizeof out);
        CopyText(out, 6, c.first.c_str());
        EXPECT_EQ(c.second, out) << c.first;
        EXPECT_EQ('x', out[6]) << c.first;
    }
    char out[8] = "ab";
    memset(out + 3, 'x', sizeof out - 3);
    AppendText(out, 7, "cd");
    AppendText(out, 7, "構造");
    EXPECT_STREQ("abcd構", out);
    EXPECT_EQ('x', out[7]);
}

}  // namespace
