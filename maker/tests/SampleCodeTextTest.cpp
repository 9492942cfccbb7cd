#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "SampleCodeText.h"

namespace {

char g_lines[kCodeLineCount][kCodeLineBytes];
char g_text[kCodeTextBytes];

std::string Build(const LOGFONTA& lf)
{
    size_t n = BuildSampleCodeText(lf, g_lines, g_text, sizeof g_text);
    EXPECT_EQ(strlen(g_text), n);
    return std::string(g_text, n);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0, end;
    while ((end = text.find("\r\n", start)) != std::string::npos) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(text.size(), start) << "text does not end with CR LF";
    return lines;
}

LOGFONTA ExampleFont()
{
    LOGFONTA lf{};
    lf.lfHeight = -15;
    lf.lfWeight = 400;
    lf.lfCharSet = 128;
    lf.lfOutPrecision = 3;
    lf.lfClipPrecision = 2;
    lf.lfQuality = 1;
    lf.lfPitchAndFamily = 49;
    lstrcpyA(lf.lfFaceName, "ＭＳ ゴシック");
    return lf;
}

const char kExampleText[] =
    "//////////////////////////////////////////////////////\r\n"
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

}  // namespace

TEST(SampleCodeText, ExampleFontGivesTheFunctionByteForByte)
{
    std::string text = Build(ExampleFont());
    EXPECT_EQ(1296u, text.size());
    EXPECT_EQ(kExampleText, text);
}

TEST(SampleCodeText, FortySixLinesWithTheirFixedShape)
{
    std::vector<std::string> lines = Lines(Build(ExampleFont()));
    ASSERT_EQ(46u, lines.size());
    EXPECT_EQ(std::string(54, '/'), lines[0]);
    EXPECT_EQ(std::string(55, '/'), lines[12]);
    EXPECT_EQ(42u, lines[9].find("//", 2));
    EXPECT_EQ(42u, lines[10].find("//", 2));
    for (int n : {14, 18, 37, 41, 43, 46}) EXPECT_EQ("", lines[n - 1]) << "line " << n;
    for (int n = 22; n <= 34; ++n) {
        EXPECT_EQ('=', lines[n - 1][27]) << "line " << n;
        EXPECT_EQ(" ;", lines[n - 1].substr(lines[n - 1].size() - 2)) << "line " << n;
    }
    for (const std::string& line : lines) EXPECT_EQ(std::string::npos, line.find('\t'));
}

TEST(SampleCodeText, NumbersAreSignedOrUnsignedAsTheFieldIs)
{
    LOGFONTA lf = ExampleFont();
    lf.lfHeight = INT_MIN;
    lf.lfWeight = 700;
    lf.lfItalic = 255;
    std::vector<std::string> lines = Lines(Build(lf));
    EXPECT_EQ("      lf->lfHeight         = -2147483648 ;", lines[21]);
    EXPECT_EQ("      lf->lfWeight         = 700 ;", lines[25]);
    EXPECT_EQ("      lf->lfItalic         = 255 ;", lines[26]);
}

TEST(SampleCodeText, FaceNameStandsBetweenTheQuotesAsStored)
{
    LOGFONTA lf = ExampleFont();
    lf.lfFaceName[0] = '\0';
    EXPECT_EQ("      strcpy(lf->lfFaceName,\"\") ;", Lines(Build(lf))[34]);

    lstrcpyA(lf.lfFaceName, "表示 ソ\\\"");
    EXPECT_EQ("      strcpy(lf->lfFaceName,\"表示 ソ\\\"\") ;", Lines(Build(lf))[34]);
}

TEST(SampleCodeText, LongestValuesStayWithinTheBuffers)
{
    LOGFONTA lf;
    lf.lfHeight = lf.lfWidth = lf.lfEscapement = lf.lfOrientation = lf.lfWeight = INT_MIN;
    lf.lfItalic = lf.lfUnderline = lf.lfStrikeOut = lf.lfCharSet = 255;
    lf.lfOutPrecision = lf.lfClipPrecision = lf.lfQuality = lf.lfPitchAndFamily = 255;
    // A face field with no terminator: only 31 bytes are read.
    memset(lf.lfFaceName, 'F', sizeof lf.lfFaceName);
    std::string text = Build(lf);
    EXPECT_EQ(1373u, text.size());
    std::vector<std::string> lines = Lines(text);
    EXPECT_EQ(64u, lines[34].size());
    EXPECT_EQ("      strcpy(lf->lfFaceName,\"" + std::string(31, 'F') + "\") ;", lines[34]);
}

TEST(SampleCodeText, ARebuildLeavesNothingOfTheLastText)
{
    LOGFONTA big = ExampleFont();
    lstrcpyA(big.lfFaceName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    Build(big);
    std::string text = Build(ExampleFont());
    EXPECT_EQ(kExampleText, text);
    EXPECT_EQ('\0', g_text[1296]);
    EXPECT_EQ('\0', g_lines[46][0]);
}

TEST(SampleCodeText, ASmallTextBufferIsNeverOverrun)
{
    char small[100];
    memset(small, 'x', sizeof small);
    size_t n = BuildSampleCodeText(ExampleFont(), g_lines, small, 64);
    EXPECT_LT(n, 64u);
    EXPECT_EQ('x', small[64]);
    EXPECT_EQ(std::string(kExampleText).substr(0, n), std::string(small, n));
}
