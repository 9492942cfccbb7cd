// The help file's path beside the program.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "PathBeside.h"

namespace {

TEST(MakePathBeside, KeepsTheWholeDirectoryOfTheProgram) {
    // "表" and "ソ" end in 0x5C, the byte of a backslash.
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Tools\\Fontsmith.exe", "C:\\Tools\\Fontsmith.hlp"},
        {"C:\\ツール\\表示\\Fontsmith.exe", "C:\\ツール\\表示\\Fontsmith.hlp"},
        {"C:\\Tools\\表示ソフト.exe", "C:\\Tools\\Fontsmith.hlp"},
        {"C:\\ソ.exe", "C:\\Fontsmith.hlp"},
        {"Z:/work/maker/Fontsmith.exe", "Z:/work/maker/Fontsmith.hlp"},
        {"Fontsmith.exe", "Fontsmith.hlp"}};
    for (const auto& c : cases) {
        char out[64];
        memset(out, 'x', sizeof out);
        EXPECT_TRUE(MakePathBeside(c.first.c_str(), "Fontsmith.hlp", out, sizeof out));
        EXPECT_EQ(c.second, out) << c.first;
    }
}

TEST(MakePathBeside, RefusesAPathThatDoesNotFitWithItsTerminator) {
    // "C:\表\" is 6 bytes and "Fontsmith.hlp" 13: 20 bytes with the terminator.
    char out[21];
    memset(out, 'x', sizeof out);
    EXPECT_TRUE(MakePathBeside("C:\\表\\F.exe", "Fontsmith.hlp", out, 20));
    EXPECT_STREQ("C:\\表\\Fontsmith.hlp", out);
    EXPECT_EQ('x', out[20]);

    memset(out, 'x', sizeof out);
    EXPECT_FALSE(MakePathBeside("C:\\表\\F.exe", "Fontsmith.hlp", out, 19));
    EXPECT_STREQ("", out);
    EXPECT_EQ('x', out[1]);
    EXPECT_FALSE(MakePathBeside("C:\\F.exe", "Fontsmith.hlp", out, 0));
    EXPECT_EQ('x', out[1]);
}

}  // namespace
