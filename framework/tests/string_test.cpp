// The string operations the viewer builds its texts with: searching and
// replacing must step over double-byte characters whose second byte looks
// like ASCII, and Replace must not rescan what it inserted.
#include <gtest/gtest.h>

#include <string>

#include "fwstring.h"

namespace {

std::string bytes(const CString& s) { return std::string(static_cast<LPCTSTR>(s), s.GetLength()); }

TEST(CStringTest, FindStepsOverTrailBytes) {
    // "表" is 0x95 0x5C, "ソ" 0x83 0x5C, "ア" 0x83 0x41.
    ASSERT_EQ("\x95\x5C", bytes("表"));
    EXPECT_EQ(-1, CString("表").Find("\\"));
    EXPECT_EQ(2, CString("表\\").Find("\\"));
    EXPECT_EQ(4, CString("アアA").Find("A"));
    EXPECT_EQ(-1, CString("ソ表").Find("\\\x95"));
    EXPECT_EQ(2, CString("ソ表").Find("表"));
    EXPECT_EQ(3, CString("abcabc").Find("abc", 1));
    EXPECT_EQ(-1, CString("abc").Find("a", 7));
}

TEST(CStringTest, FormatHasNoLengthLimit) {
    CString s("old");
    s.Format("%d", -16);
    EXPECT_EQ("-16", bytes(s));
    const std::string longText(100000, 'x');
    s.Format("[%s]", longText.c_str());
    EXPECT_EQ("[" + longText + "]", bytes(s));
}

TEST(CStringTest, ReplaceGoesLeftToRightWithoutRescanning) {
    CString s("aaaa");
    EXPECT_EQ(2, s.Replace("aa", "b"));
    EXPECT_EQ("bb", bytes(s));
    s = "axa";
    EXPECT_EQ(1, s.Replace("x", "xx"));
    EXPECT_EQ("axxa", bytes(s));
    s = "<%%FontFace%%>";
    EXPECT_EQ(1, s.Replace("%%FontFace%%", "%%Height%%"));
    EXPECT_EQ(0, s.Replace("%%FontFace%%", "x"));
    EXPECT_EQ("<%%Height%%>", bytes(s));
    EXPECT_EQ(0, s.Replace("", "x"));
    EXPECT_EQ(0, s.Replace(nullptr, "x"));
}

TEST(CStringTest, ReplaceKeepsDoubleByteCharacters) {
    CString s("表\\ソ\\ア");
    EXPECT_EQ(2, s.Replace("\\", "/"));
    EXPECT_EQ("表/ソ/ア", bytes(s));
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "%%W%%.";
    s = text.c_str();
    EXPECT_EQ(20000, s.Replace("%%W%%", "1234567890"));
    EXPECT_EQ(20000 * 11, s.GetLength());
}

}  // namespace
