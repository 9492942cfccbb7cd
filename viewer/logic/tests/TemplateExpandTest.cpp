// Expanding a sample-code template for a font: fourteen placeholders, each
// replaced by its own field, the face name last, CR LF after every line, and
// anything else left exactly as it stands.
#include "TemplateExpand.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Every field distinct, so a swapped placeholder shows.
LOGFONTA SampleFont() {
    LOGFONTA lf = {-16, 7, 900, 1800, 700, 1, 2, 3, 128, 4, 5, 6, 49, ""};
    strcpy(lf.lfFaceName, "ＭＳ ゴシック");
    return lf;
}

std::string Text(const CString& s) { return std::string(static_cast<LPCTSTR>(s), s.GetLength()); }

std::string Expand(const std::vector<std::string>& lines, const LOGFONTA& lf = SampleFont()) {
    std::vector<CString> templateLines;
    for (const std::string& line : lines)
        templateLines.push_back(CString(line.c_str()));
    return Text(ExpandTemplate(templateLines, lf));
}

// Writes a template file and expands it as the viewer reads it.
std::string ExpandFile(const std::string& content) {
    const char path[] = "template_expand_test.dat";
    FILE* f = fopen(path, "wb");
    fwrite(content.data(), 1, content.size(), f);
    fclose(f);
    std::vector<CString> lines;
    EXPECT_TRUE(ReadTemplateLines(path, &lines));
    remove(path);
    return Text(ExpandTemplate(lines, SampleFont()));
}

}  // namespace

TEST(TemplateExpand, EveryPlaceholderTakesItsOwnField) {
    EXPECT_EQ(
        Expand({"%%Height%%", "%%Width%%", "%%Escapement%%", "%%Orientation%%", "%%Weight%%",
                "%%Italic%%", "%%Underline%%", "%%StrikeOut%%", "%%CharSet%%", "%%OutPrecision%%",
                "%%ClipPrecision%%", "%%Quality%%", "%%PitchAndFamily%%", "%%FontFace%%"}),
        "-16\r\n7\r\n900\r\n1800\r\n700\r\n1\r\n2\r\n3\r\n"
        "128\r\n4\r\n5\r\n6\r\n49\r\nＭＳ ゴシック\r\n");
    EXPECT_EQ(Expand({"%%Height%%,%%Height%%", "%%Height%%%%Width%%", "%%%Height%%%"}),
              "-16,-16\r\n-167\r\n%-16%\r\n");
}

TEST(TemplateExpand, TextThatIsNoPlaceholderStaysAsItIs) {
    const std::vector<std::string> lines = {
        "%%height%%", "%%HEIGHT%%", "%%Size%%",      "100% ",      "%d %s %n %%",
        "%%Height%",  "%Height%%",  "%%Font Face%%", "表示ソフト", "",
    };
    std::string expected;
    for (const std::string& line : lines)
        expected += line + "\r\n";
    EXPECT_EQ(Expand(lines), expected);
    // A placeholder split over two lines is no placeholder.
    EXPECT_EQ(Expand({"x = %%Hei", "ght%%;"}), "x = %%Hei\r\nght%%;\r\n");
}

TEST(TemplateExpand, ByteFieldsAreNeverNegative) {
    LOGFONTA lf = SampleFont();
    lf.lfItalic = 255;
    lf.lfPitchAndFamily = 255;
    EXPECT_EQ(Expand({"%%Italic%% %%CharSet%% %%PitchAndFamily%%"}, lf), "255 128 255\r\n");
}

TEST(TemplateExpand, FaceNameIsInsertedUnchanged) {
    LOGFONTA lf = SampleFont();
    lf.lfFaceName[0] = '\0';
    EXPECT_EQ(Expand({"(\"%%FontFace%%\")"}, lf), "(\"\")\r\n");
    // Substituted last, so placeholder text inside the name is not expanded.
    strcpy(lf.lfFaceName, "A%%Height%%");
    EXPECT_EQ(Expand({"%%FontFace%% %%Height%%"}, lf), "A%%Height%% -16\r\n");
    // A field without a NUL gives its 32 bytes and nothing beyond.
    memset(lf.lfFaceName, 'F', sizeof lf.lfFaceName);
    EXPECT_EQ(Expand({"%%FontFace%%"}, lf), std::string(LF_FACESIZE, 'F') + "\r\n");
}

TEST(TemplateExpand, VeryLongLine) {
    const std::string filler(50000, 'x');
    EXPECT_EQ(Expand({"%%Height%%" + filler + "%%FontFace%%" + filler + "%%PitchAndFamily%%"}),
              "-16" + filler + "ＭＳ ゴシック" + filler + "49\r\n");
}

TEST(TemplateExpand, FileLineEndsDoNotChangeTheText) {
    const std::string expected = "int h = -16;\r\n\r\nname(\"ＭＳ ゴシック\");\r\n";
    EXPECT_EQ(ExpandFile("int h = %%Height%%;\r\n\r\nname(\"%%FontFace%%\");\r\n"), expected);
    EXPECT_EQ(ExpandFile("int h = %%Height%%;\n\nname(\"%%FontFace%%\");\n"), expected);
    EXPECT_EQ(ExpandFile("int h = %%Height%%;\n\nname(\"%%FontFace%%\");"), expected);
    EXPECT_EQ(ExpandFile(""), "");
}
