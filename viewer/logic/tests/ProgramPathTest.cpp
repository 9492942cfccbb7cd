#include "ProgramPath.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const size_t kPathSize = 256;  // the viewer's path buffers

// Builds into a buffer pre-filled with 'x', so a missing NUL shows.
std::string Build(const std::string& program, const char* file, bool expectedResult = true) {
    char out[kPathSize];
    memset(out, 'x', sizeof out);
    const bool result = BuildPathBesideProgram(program.c_str(), file, out, sizeof out);
    EXPECT_EQ(result, expectedResult) << program;
    EXPECT_NE(memchr(out, '\0', sizeof out), nullptr);
    return out;
}

}  // namespace

TEST(ProgramPath, FileBesideTheProgram) {
    EXPECT_EQ(Build("C:\\Tools\\Fontloupe.exe", "API.DAT"), "C:\\Tools\\API.DAT");
    EXPECT_EQ(Build("Z:/work/build/viewer/Fontloupe.exe", "MFC.DAT"),
              "Z:/work/build/viewer/MFC.DAT");
    // "表" and "ソ" end with byte 0x5C in code page 932.
    EXPECT_EQ(Build("C:\\表\\ソ\\Fontloupe.exe", "API.DAT"), "C:\\表\\ソ\\API.DAT");
    EXPECT_EQ(Build("C:\\Tools\\表示ソフト.exe", "API.DAT"), "C:\\Tools\\API.DAT");
    EXPECT_EQ(Build("C:\\ソ.exe", "API.DAT"), "C:\\API.DAT");
    EXPECT_EQ(Build("Fontloupe.exe", "API.DAT"), "API.DAT");
    EXPECT_EQ(Build("C:Fontloupe.exe", "API.DAT"), "C:API.DAT");
    EXPECT_EQ(Build("", "API.DAT"), "API.DAT");
}

TEST(ProgramPath, ResultMustFitWithItsNul) {
    // Directory part + "FLPHELP.html" (12 bytes) + NUL in 256 bytes.
    const std::string exact = "C:\\" + std::string(239, 'd') + "\\F.exe";  // 243 bytes of directory
    const std::string built = Build(exact, "FLPHELP.html");
    EXPECT_EQ(built.size(), 255u);
    EXPECT_EQ(built, exact.substr(0, 243) + "FLPHELP.html");

    const std::string oneMore = "C:\\" + std::string(240, 'd') + "\\F.exe";
    EXPECT_EQ(Build(oneMore, "FLPHELP.html", false), "");

    const std::string farTooLong = "C:\\" + std::string(300, 'd') + "\\Fontloupe.exe";
    EXPECT_EQ(Build(farTooLong, "API.DAT", false), "");
}

TEST(ProgramPath, MissingBuffers) {
    char out[9];
    EXPECT_FALSE(BuildPathBesideProgram("C:\\a.exe", "b.dat", out, 0));
    EXPECT_FALSE(BuildPathBesideProgram(nullptr, "b.dat", out, sizeof out));
    EXPECT_STREQ(out, "");
    EXPECT_FALSE(BuildPathBesideProgram("C:\\a.exe", "b.dat", nullptr, 9));
}
