#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework.h"

namespace {

class StdioFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char dir[MAX_PATH];
        ASSERT_NE(0u, ::GetTempPathA(sizeof dir, dir));
        char path[MAX_PATH];
        ASSERT_NE(0u, ::GetTempFileNameA(dir, "fwt", 0, path));
        m_path = path;
    }
    void TearDown() override { ::DeleteFileA(m_path.c_str()); }

    void Write(const std::string& content) {
        std::FILE* f = std::fopen(m_path.c_str(), "wb");
        ASSERT_NE(nullptr, f);
        std::fwrite(content.data(), 1, content.size(), f);
        std::fclose(f);
    }

    std::vector<std::string> ReadAll(const std::string& content) {
        Write(content);
        std::vector<std::string> lines;
        CStdioFile file;
        EXPECT_TRUE(file.Open(m_path.c_str(), CFile::modeRead));
        CString line("stale");
        while (file.ReadString(line))
            lines.emplace_back(static_cast<LPCTSTR>(line), line.GetLength());
        EXPECT_FALSE(file.ReadString(line));
        file.Close();
        return lines;
    }

    std::string m_path;
};

using Lines = std::vector<std::string>;

TEST_F(StdioFileTest, LineEndsGiveTheSameLines) {
    const Lines expected = {"first", "", "表示 ソ"};
    EXPECT_EQ(expected, ReadAll("first\r\n\r\n表示 ソ\r\n"));
    EXPECT_EQ(expected, ReadAll("first\n\n表示 ソ\n"));
    EXPECT_EQ(expected, ReadAll("first\r\n\n表示 ソ"));
}

TEST_F(StdioFileTest, EmptyFileHasNoLines) {
    EXPECT_EQ(Lines{}, ReadAll(""));
    EXPECT_EQ(Lines{""}, ReadAll("\n"));
}

TEST_F(StdioFileTest, LoneCarriageReturnsStayInTheLine) {
    EXPECT_EQ((Lines{"a\rb", "c\r"}), ReadAll("a\rb\nc\r\r\n"));
    EXPECT_EQ((Lines{"end\r"}), ReadAll("end\r"));
}

TEST_F(StdioFileTest, ControlBytesAreText) {
    EXPECT_EQ((Lines{"a\x1A" "b", "c"}), ReadAll("a\x1A" "b\nc"));
}

TEST_F(StdioFileTest, VeryLongLine) {
    const std::string longLine(70000, 'q');
    EXPECT_EQ((Lines{longLine, "tail"}), ReadAll(longLine + "\r\ntail"));
}

TEST_F(StdioFileTest, MissingFileDoesNotOpen) {
    CStdioFile file;
    EXPECT_FALSE(file.Open((m_path + ".missing").c_str(), CFile::modeRead));
    CString line;
    EXPECT_FALSE(file.ReadString(line));
    file.Close();
}

TEST_F(StdioFileTest, ReopenAndDestructorClose) {
    Write("one\n");
    {
        CStdioFile file;
        ASSERT_TRUE(file.Open(m_path.c_str(), CFile::modeRead));
        ASSERT_TRUE(file.Open(m_path.c_str(), CFile::modeRead));
        CString line;
        EXPECT_TRUE(file.ReadString(line));
        EXPECT_TRUE(line == "one");
    }
    // Both opens are closed again, so the file can be deleted.
    EXPECT_TRUE(::DeleteFileA(m_path.c_str()));
}

} // namespace
