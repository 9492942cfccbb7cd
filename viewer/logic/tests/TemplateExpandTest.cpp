#include "TemplateExpand.h"
#include "fwfile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>

namespace {

// Every field distinct, so a swapped placeholder shows.
LOGFONTA SampleFont()
{
    LOGFONTA lf = {};
    lf.lfHeight = -16;
    lf.lfWidth = 7;
    lf.lfEscapement = 900;
    lf.lfOrientation = 1800;
    lf.lfWeight = 700;
    lf.lfItalic = 1;
    lf.lfUnderline = 2;
    lf.lfStrikeOut = 3;
    lf.lfCharSet = 128;
    lf.lfOutPrecision = 4;
    lf.lfClipPrecision = 5;
    lf.lfQuality = 6;
    lf.lfPitchAndFamily = 49;
    strcpy(lf.lfFaceName, "ＭＳ ゴシック");
    return lf;
}

std::string Text(const CString& s)
{
    return std::string(static_cast<LPCTSTR>(s), s.GetLength());
}

std::string Expand(const std::vector<std::string>& lines, const LOGFONTA& lf = SampleFont())
{
    std::vector<CString> templateLines;
    for (const std::string& line : lines)
        templateLines.push_back(CString(line.c_str()));
    return Text(ExpandTemplate(templateLines, lf));
}

}  // namespace

TEST(TemplateExpand, EveryPlaceholderTakesItsOwnField)
{
    EXPECT_EQ(Expand({"%%Height%%", "%%Width%%", "%%Escapement%%", "%%Orientation%%",
                      "%%Weight%%", "%%Italic%%", "%%Underline%%", "%%StrikeOut%%",
                      "%%CharSet%%", "%%OutPrecision%%", "%%ClipPrecision%%",
                      "%%Quality%%", "%%PitchAndFamily%%", "%%FontFace%%"}),
              "-16\r\n7\r\n900\r\n1800\r\n700\r\n1\r\n2\r\n3\r\n"
              "128\r\n4\r\n5\r\n6\r\n49\r\nＭＳ ゴシック\r\n");
}

TEST(TemplateExpand, EveryOccurrenceOnALineIsReplaced)
{
    EXPECT_EQ(Expand({"%%Height%%,%%Height%%"}), "-16,-16\r\n");
    EXPECT_EQ(Expand({"%%Height%%%%Width%%"}), "-167\r\n");
    EXPECT_EQ(Expand({"%%%Height%%%"}), "%-16%\r\n");
    EXPECT_EQ(Expand({"  lf.lfHeight = %%Height%%; // %%Weight%% %%FontFace%%"}),
              "  lf.lfHeight = -16; // 700 ＭＳ ゴシック\r\n");
}

TEST(TemplateExpand, TextThatIsNoPlaceholderStaysAsItIs)
{
    const std::vector<std::string> lines = {
        "%%height%%", "%%HEIGHT%%", "%%Size%%", "100% ", "%d %s %n %%", "%%Height%", "%Height%%",
        "%%Font Face%%", "表示ソフト",
    };
    std::string expected;
    for (const std::string& line : lines)
        expected += line + "\r\n";
    EXPECT_EQ(Expand(lines), expected);
}

TEST(TemplateExpand, ByteFieldsAreNeverNegative)
{
    LOGFONTA lf = SampleFont();
    lf.lfItalic = 255;
    lf.lfCharSet = 128;
    lf.lfPitchAndFamily = 255;
    EXPECT_EQ(Expand({"%%Italic%% %%CharSet%% %%PitchAndFamily%%"}, lf), "255 128 255\r\n");
}

TEST(TemplateExpand, FaceNameIsInsertedUnchanged)
{
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

TEST(TemplateExpand, PlaceholderSplitOverTwoLinesIsNotReplaced)
{
    EXPECT_EQ(Expand({"x = %%Hei", "ght%%;"}), "x = %%Hei\r\nght%%;\r\n");
}

TEST(TemplateExpand, EveryLineEndsWithCrLf)
{
    EXPECT_EQ(Expand({}), "");
    EXPECT_EQ(Expand({""}), "\r\n");
    EXPECT_EQ(Expand({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(TemplateExpand, VeryLongLine)
{
    const std::string filler(50000, 'x');
    const std::string expanded =
        Expand({"%%Height%%" + filler + "%%FontFace%%" + filler + "%%PitchAndFamily%%"});
    EXPECT_EQ(expanded, "-16" + filler + "ＭＳ ゴシック" + filler + "49\r\n");
}

namespace {

// A template file in the temporary directory, removed again at the end.
class TemplateFile {
public:
    explicit TemplateFile(const std::string& content)
    {
        char dir[MAX_PATH];
        GetTempPathA(sizeof dir, dir);
        path_ = std::string(dir) + "viewer_logic_template_" +
                std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++count_) + ".dat";
        FILE* f = fopen(path_.c_str(), "wb");
        if (f) {
            fwrite(content.data(), 1, content.size(), f);
            fclose(f);
        }
    }
    ~TemplateFile() { DeleteFileA(path_.c_str()); }

    // The lines as the viewer reads them.
    std::vector<CString> ReadLines() const
    {
        std::vector<CString> lines;
        CStdioFile file;
        if (!file.Open(path_.c_str(), CFile::modeRead)) {
            ADD_FAILURE() << "cannot open " << path_;
            return lines;
        }
        CString line;
        while (file.ReadString(line))
            lines.push_back(line);
        file.Close();
        return lines;
    }

private:
    static int count_;
    std::string path_;
};

int TemplateFile::count_ = 0;

std::string ExpandFile(const std::string& content)
{
    return Text(ExpandTemplate(TemplateFile(content).ReadLines(), SampleFont()));
}

}  // namespace

TEST(TemplateExpand, FileLineEndsDoNotChangeTheText)
{
    const std::string expected = "int h = -16;\r\n\r\nname(\"ＭＳ ゴシック\");\r\n";
    EXPECT_EQ(ExpandFile("int h = %%Height%%;\r\n\r\nname(\"%%FontFace%%\");\r\n"), expected);
    EXPECT_EQ(ExpandFile("int h = %%Height%%;\n\nname(\"%%FontFace%%\");\n"), expected);
    EXPECT_EQ(ExpandFile("int h = %%Height%%;\n\nname(\"%%FontFace%%\");"), expected);
}

TEST(TemplateExpand, EmptyFileGivesEmptyText)
{
    EXPECT_EQ(ExpandFile(""), "");
}
