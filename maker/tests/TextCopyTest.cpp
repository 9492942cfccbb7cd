#include <gtest/gtest.h>

#include <string>

#include "TextCopy.h"

TEST(CopyText, CopiesWhatFitsAndTerminates)
{
    char out[6];
    CopyText(out, sizeof out, "abc");
    EXPECT_STREQ("abc", out);
    CopyText(out, sizeof out, "abcdefgh");
    EXPECT_STREQ("abcde", out);
    CopyText(out, 1, "abc");
    EXPECT_STREQ("", out);
}

TEST(CopyText, NeverSplitsADoubleByteCharacter)
{
    char out[4];
    CopyText(out, sizeof out, "表示");  // 4 bytes do not fit in 3
    EXPECT_STREQ("表", out);
    // "ソ" has 0x5C as its second byte: it is one character, not a backslash.
    CopyText(out, sizeof out, "aソb");
    EXPECT_STREQ("aソ", out);
    CopyText(out, 3, "aソ");
    EXPECT_STREQ("a", out);
    // Half-width katakana are single bytes.
    CopyText(out, sizeof out, "ｻﾝﾌﾟ");
    EXPECT_STREQ("ｻﾝﾌ", out);
}

TEST(AppendText, AppendsUnderTheSameBound)
{
    char out[7] = "ab";
    AppendText(out, sizeof out, "cd");
    EXPECT_STREQ("abcd", out);
    AppendText(out, sizeof out, "構造");
    EXPECT_STREQ("abcd構", out);
    AppendText(out, sizeof out, "x");
    EXPECT_STREQ("abcd構", out);
}
