#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework.h"

namespace {

std::string bytes(const CString& s) { return std::string(static_cast<LPCTSTR>(s), s.GetLength()); }

TEST(CStringTest, BuildsAndJoins) {
    CString s;
    EXPECT_TRUE(s.IsEmpty());
    s = nullptr;
    EXPECT_EQ(0, s.GetLength());
    s = "ab";
    s += CString("cd");
    s += "ef";
    s += 'g';
    EXPECT_EQ("abcdefg", bytes(s));
    EXPECT_EQ("xab", bytes("x" + CString("ab")));
    EXPECT_EQ("abx", bytes(CString("ab") + "x"));
    EXPECT_EQ("abz", bytes(CString("ab") + 'z'));
    EXPECT_EQ("abcd", bytes(CString("ab") + CString("cd")));
    s.Empty();
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, Compares) {
    CString s("abc");
    EXPECT_TRUE(s == "abc");
    EXPECT_TRUE("abc" == s);
    EXPECT_TRUE(s == CString("abc"));
    EXPECT_TRUE(s != "abd");
    EXPECT_TRUE("ab" != s);
    EXPECT_LT(s.Compare("abd"), 0);
    EXPECT_GT(s.Compare("ab"), 0);
    EXPECT_EQ(0, CString().Compare(""));
    // Bytes compare unsigned: a double-byte character sorts after ASCII.
    EXPECT_GT(CString("表").Compare("z"), 0);
}

TEST(CStringTest, FindsBytePositions) {
    CString s("abcabc");
    EXPECT_EQ(0, s.Find("abc"));
    EXPECT_EQ(3, s.Find("abc", 1));
    EXPECT_EQ(-1, s.Find("abc", 4));
    EXPECT_EQ(-1, s.Find("x"));
    EXPECT_EQ(0, s.Find("a", -5));
    EXPECT_EQ(-1, s.Find("a", 7));
    EXPECT_EQ(2, s.Find("", 2));
}

TEST(CStringTest, FindSkipsTrailBytes) {
    // "表" is 0x95 0x5C and "ア" is 0x83 0x41: their second bytes look like
    // '\' and 'A' but are no characters of their own.
    ASSERT_EQ("\x95\x5C", bytes("表"));
    ASSERT_EQ("\x83\x41", bytes("ア"));
    EXPECT_EQ(-1, CString("表").Find("\\"));
    EXPECT_EQ(2, CString("表\\").Find("\\"));
    EXPECT_EQ(4, CString("アアA").Find("A"));
    // A trail byte followed by a lead byte is no match either.
    EXPECT_EQ(-1, CString("ソ表").Find("\\\x95"));
    EXPECT_EQ(2, CString("ソ表").Find("表"));
}

TEST(CStringTest, FormatsAnyLength) {
    CString s("old");
    s.Format("%d", -16);
    EXPECT_EQ("-16", bytes(s));
    s.Format("%d", static_cast<unsigned char>(200));
    EXPECT_EQ("200", bytes(s));
    s.Format("%s=%d;%s", "表", 7, "");
    EXPECT_EQ("表=7;", bytes(s));
    const std::string longText(100000, 'x');
    s.Format("[%s]", longText.c_str());
    EXPECT_EQ("[" + longText + "]", bytes(s));
    s.Format("");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, ReplacesNonOverlappingLeftToRight) {
    CString s("aaa");
    EXPECT_EQ(1, s.Replace("aa", "b"));
    EXPECT_EQ("ba", bytes(s));
    s = "aaaa";
    EXPECT_EQ(2, s.Replace("aa", "b"));
    EXPECT_EQ("bb", bytes(s));
    s = "%%Height%%,%%Height%%";
    EXPECT_EQ(2, s.Replace("%%Height%%", "-16"));
    EXPECT_EQ("-16,-16", bytes(s));
}

TEST(CStringTest, ReplaceDoesNotRescanInsertedText) {
    CString s("axa");
    EXPECT_EQ(1, s.Replace("x", "xx"));
    EXPECT_EQ("axxa", bytes(s));
    s = "<%%FontFace%%>";
    EXPECT_EQ(1, s.Replace("%%FontFace%%", "%%Height%%"));
    EXPECT_EQ(0, s.Replace("%%FontFace%%", "x"));
    EXPECT_EQ("<%%Height%%>", bytes(s));
}

TEST(CStringTest, ReplaceEdgeCases) {
    CString s("abc");
    EXPECT_EQ(0, s.Replace("", "x"));
    EXPECT_EQ(0, s.Replace(nullptr, "x"));
    EXPECT_EQ(0, s.Replace("z", "x"));
    EXPECT_EQ("abc", bytes(s));
    EXPECT_EQ(1, s.Replace("b", ""));
    EXPECT_EQ("ac", bytes(s));
    CString empty;
    EXPECT_EQ(0, empty.Replace("a", "b"));
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(CStringTest, ReplaceLongStrings) {
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "%%W%%.";
    CString s(text.c_str());
    EXPECT_EQ(20000, s.Replace("%%W%%", "1234567890"));
    EXPECT_EQ(20000 * 11, s.GetLength());
    EXPECT_EQ(0, s.Find("1234567890."));
    EXPECT_EQ(-1, s.Find("%%W%%"));
}

TEST(CStringTest, ReplaceKeepsDoubleByteCharacters) {
    CString s("表\\ソ\\ア");
    EXPECT_EQ(2, s.Replace("\\", "/"));
    EXPECT_EQ("表/ソ/ア", bytes(s));
    s = "ＭＳ ゴシック";
    EXPECT_EQ(0, s.Replace("A", "B"));
    EXPECT_EQ(1, s.Replace(" ", ""));
    EXPECT_EQ("ＭＳゴシック", bytes(s));
}

TEST(CStringTest, BufferAccess) {
    CString s("xyz");
    char* buffer = s.GetBuffer(10);
    std::memcpy(buffer, "abcdef", 7);
    s.ReleaseBuffer();
    EXPECT_EQ("abcdef", bytes(s));
    s.GetBuffer(0);
    s.ReleaseBuffer(2);
    EXPECT_EQ("ab", bytes(s));
    s.GetBuffer(0)[0] = '\0';
    s.ReleaseBuffer();
    EXPECT_TRUE(s.IsEmpty());
}

} // namespace
