// Reading text files line by line: a line ends at LF, a CR before the LF goes
// with the line end, and a last line without a line end still counts. A NUL
// ends its line's text; Ctrl-Z bytes are text except at the very end.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "fwfile.h"

namespace {

using Lines = std::vector<std::string>;

class StdioFileTest : public ::testing::Test {
protected:
    void TearDown() override { std::remove(m_path.c_str()); }

    Lines ReadAll(const std::string& content) {
        std::FILE* f = std::fopen(m_path.c_str(), "wb");
        std::fwrite(content.data(), 1, content.size(), f);
        std::fclose(f);
        Lines lines;
        CStdioFile file;
        EXPECT_TRUE(file.Open(m_path.c_str(), CFile::modeRead));
        CString line;
        while (file.ReadString(line))
            lines.emplace_back(static_cast<LPCTSTR>(line), line.GetLength());
        file.Close();
        return lines;
    }

    std::string m_path = "stdiofile_test.txt";
};

TEST_F(StdioFileTest, LineEnds) {
    const Lines expected = {"first", "", "表示 ソ"};
    EXPECT_EQ(expected, ReadAll("first\r\n\r\n表示 ソ\r\n"));
    EXPECT_EQ(expected, ReadAll("first\n\n表示 ソ\n"));
    EXPECT_EQ(expected, ReadAll("first\r\n\n表示 ソ"));
    EXPECT_EQ(Lines{}, ReadAll(""));
    EXPECT_EQ((Lines{"a\rb", "c\r"}), ReadAll("a\rb\nc\r\r\n"));
    EXPECT_EQ((Lines{"a\x1A"
                     "b"}),
              ReadAll("a\x1A"
                      "b"));
}

TEST_F(StdioFileTest, NulEndsTheLineButNotTheFile) {
    using namespace std::string_literals;
    EXPECT_EQ((Lines{"first", "sec", "third"}), ReadAll("first\r\nsec\0ond\r\nthird\n"s));
    EXPECT_EQ((Lines{"", "", "x"}), ReadAll("\0\r\n\0\0\nx"s));
}

// Older editors end a file with Ctrl-Z (0x1A), the end-of-file mark of text mode.
TEST_F(StdioFileTest, CtrlZIsTextExceptAtTheVeryEnd) {
    EXPECT_EQ((Lines{"a", "b"}), ReadAll("a\r\nb\r\n\x1A"));
    EXPECT_EQ((Lines{"a", "b"}), ReadAll("a\r\nb\x1A\x1A\x1A"));
    EXPECT_EQ(Lines{}, ReadAll("\x1A"));
    EXPECT_EQ((Lines{"\x1A\x1A"
                     "b",
                     "\x1A", "c"}),
              ReadAll("\x1A\x1A"
                      "b\r\n\x1A\nc\x1A"));
}

TEST_F(StdioFileTest, VeryLongLine) {
    const std::string longLine(70000, 'q');
    EXPECT_EQ((Lines{longLine, "tail"}), ReadAll(longLine + "\r\ntail"));
}

TEST_F(StdioFileTest, MissingFileDoesNotOpen) {
    CStdioFile file;
    EXPECT_FALSE(file.Open("no such file.txt", CFile::modeRead));
    CString line;
    EXPECT_FALSE(file.ReadString(line));
}

}  // namespace
