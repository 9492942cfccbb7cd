// The data files the real Fontloupe.exe reads from its own directory,
// whatever the current directory: the sample-code templates and the help page
// it hands to the shell. A recorder registered as the opener of ".html" pages
// stands in for the browser.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "Fontloupe.h"
#include "PageOpener.h"

namespace fs = std::filesystem;

namespace {

const char kPage[] = "FLPHELP.html";
const char kNotFoundCaption[] = "Fontloupe [Error!]";

fs::path Wide(const std::string& cp932) { return fs::path(testkit::FromCp932(cp932)); }

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(Wide(path), std::ios::binary).write(bytes.data(), bytes.size());
}

// A copy of the program named exeName, with its data files but the missing
// one, in dir (CP932, trailing '\') under the work folder; removed afterwards.
struct ProgramCopy {
    ProgramCopy(const std::string& name, const std::string& exeName,
                const std::string& missing = "")
        : dir(std::string(WORK_DIR) + "\\" + name + "\\"), exe(dir + exeName) {
        fs::remove_all(Wide(dir));
        fs::create_directories(Wide(dir));
        fs::copy_file(Wide(fontloupe::ExePath()), Wide(exe));
        for (const char* file : {"API.DAT", "MFC.DAT", kPage})
            if (file != missing)
                fs::copy_file(Wide(fontloupe::ExeDir() + file), Wide(dir + file));
    }
    ~ProgramCopy() {
        std::error_code ignored;
        fs::remove_all(Wide(dir), ignored);
    }
    const std::string dir, exe;
};

class DataFilesUi : public ::testing::Test {
protected:
    const std::string record_ = std::string(WORK_DIR) + "\\opened.txt";
    PageOpener opener_{record_};
};

// "表" and "ソ" end in the byte 0x5C, the value of '\': directory and program
// name hold them, so that a split at the last 0x5C byte would cut the name
// instead of taking the directory whole. Started from C:\, where there is no
// data file.
TEST_F(DataFilesUi, FilesBesideTheProgramAreFoundFromAnotherDirectory) {
    ProgramCopy copy("表示ソフト", "表示ソフト.exe");
    testkit::Program program;
    HWND main = fontloupe::Start(program, "C:\\", copy.exe);
    ASSERT_TRUE(main);
    const LOGFONTA font = fontloupe::StartFont(main);
    EXPECT_TRUE(fontloupe::ShowsSampleCode(main, ID_SAMPLECODE_API, copy.dir + "API.DAT", font));
    EXPECT_TRUE(fontloupe::ShowsSampleCode(main, ID_SAMPLECODE_MFC, copy.dir + "MFC.DAT", font));
    testkit::PostCommand(main, ID_HELP_PAGE);
    EXPECT_EQ(opener_.Opened(), copy.dir + kPage);
    EXPECT_FALSE(testkit::WaitForMessageBox(program.Pid(), 500).hwnd);
}

// Started where the built program's files lie: only its own directory counts.
TEST_F(DataFilesUi, MissingMfcTemplateAndHelpPageAreReported) {
    ProgramCopy noMfc("no_mfc", "Fontloupe.exe", "MFC.DAT");
    testkit::Program program;
    HWND main = fontloupe::Start(program, fontloupe::ExeDir(), noMfc.exe);
    ASSERT_TRUE(main);
    testkit::PostCommand(main, ID_SAMPLECODE_MFC);
    EXPECT_TRUE(fontloupe::AnswerMessage(
        main, kNotFoundCaption, "データファイルが見つかりません。再インストールしてください。"));
    EXPECT_FALSE(
        testkit::WaitForWindow(program.Pid(), "#32770", "Fontloupe - サンプルコード", 500));
    EXPECT_TRUE(fontloupe::ShowsSampleCode(main, ID_SAMPLECODE_API, noMfc.dir + "API.DAT",
                                           fontloupe::StartFont(main)));

    ProgramCopy noPage("no_page", "Fontloupe.exe", kPage);
    testkit::Program other;
    main = fontloupe::Start(other, fontloupe::ExeDir(), noPage.exe);
    ASSERT_TRUE(main);
    testkit::PostCommand(main, ID_HELP_PAGE);
    EXPECT_TRUE(fontloupe::AnswerMessage(
        main, kNotFoundCaption, "ヘルプファイルが見つかりません。再インストールしてください。"));
    EXPECT_FALSE(fs::exists(Wide(record_))) << "the shell was asked to open something";
}

// Hostile templates, read in turn by one running program: a NUL ends only its
// own line; Ctrl-Z bytes at the very end (the old end-of-file mark) are
// dropped, a Ctrl-Z anywhere else is text; LF alone ends a line; 2 MB of random
// bytes are shown like any other text. None of them harms the program.
TEST(HostileTemplates, EveryLineIsShownAsTheFileHoldsIt) {
    using namespace std::string_literals;
    ProgramCopy copy("hostile", "Fontloupe.exe");
    testkit::Program program;
    HWND main = fontloupe::Start(program, copy.dir, copy.exe);
    ASSERT_TRUE(main);
    const LOGFONTA font = fontloupe::StartFont(main);
    const std::string h = "h = " + std::to_string(font.lfHeight) + ";";
    const std::pair<std::string, std::string> cases[] = {
        {"first\r\nsec\0ond\r\nh = %%Height%%;\r\n"s, "first\r\nsec\r\n" + h + "\r\n"},
        {"first\r\nh = %%Height%%;\r\n\x1A", "first\r\n" + h + "\r\n"},
        {"a\x1A"
         "b\r\n\x1A\r\nh = %%Height%%;",
         "a\x1A"
         "b\r\n\x1A\r\n" +
             h + "\r\n"},
        {"first\nh = %%Height%%;\n\nlast", "first\r\n" + h + "\r\n\r\nlast\r\n"},
    };
    for (const auto& [content, expected] : cases) {
        WriteBytes(copy.dir + "API.DAT", content);
        std::string shown;
        ASSERT_TRUE(fontloupe::ReadSampleCode(main, ID_SAMPLECODE_API, &shown));
        EXPECT_EQ(expected, shown);
    }

    std::mt19937 random(932);
    std::string noise(2 << 20, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(random());
    WriteBytes(copy.dir + "API.DAT", noise);
    std::string shown;
    ASSERT_TRUE(fontloupe::ReadSampleCode(main, ID_SAMPLECODE_API, &shown));
    EXPECT_GT(shown.size(), 1000000u);
    EXPECT_TRUE(fontloupe::ShowsSampleCode(main, ID_SAMPLECODE_MFC, copy.dir + "MFC.DAT", font));
}

}  // namespace
