// "ﾍﾙﾌﾟ" of the real Fontloupe.exe: the shell gets the page beside the program
// whatever the current directory is; a missing page, or a program path too
// long for the page's path, shows the not-found message. A recorder stands in
// for the browser.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "FontloupeDriver.h"
#include "ShellHandler.h"
#include "testkit.h"

namespace fs = std::filesystem;

namespace {

const char kPage[] = "FLPHELP.html";
const char kNotFoundCaption[] = "Fontloupe [Error!]";
const char kNotFoundText[] = "ヘルプファイルが見つかりません。再インストールしてください。";
// The page path must fit in 256 bytes with its NUL.
const size_t kPathLimit = 255;

fs::path WidePath(const std::string& cp932) { return fs::path(testkit::FromCp932(cp932)); }

// A copy of the program, its templates and (if wanted) its page in dir.
void CopyProgram(const std::string& dir, const std::string& exeName, bool withPage) {
    const fs::path to = WidePath(dir);
    fs::create_directories(to);
    const fs::path from = WidePath(fontloupe::ExeDir());
    fs::copy_file(WidePath(fontloupe::ExePath()), to / WidePath(exeName));
    for (const char* data : {"API.DAT", "MFC.DAT"})
        fs::copy_file(from / data, to / data);
    if (withPage)
        fs::copy_file(from / kPage, to / kPage);
}

class HelpUiTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(WidePath(WORK_DIR));
        fs::create_directories(WidePath(WORK_DIR));
        handler_ = std::make_unique<ShellHandlerGuard>(L".html", RecorderCommand());
    }

    static std::string Record() { return std::string(WORK_DIR) + "\\opened.txt"; }
    static std::wstring RecorderCommand() {
        return L"\"" + testkit::FromCp932(RECORDER_EXE) + L"\" \"" + testkit::FromCp932(Record()) +
               L"\" \"%1\"";
    }

    // Starts a program, chooses "ﾍﾙﾌﾟ" and returns the main dialog.
    HWND StartAndAskForHelp(const std::string& exePath, const std::string& workDir) {
        EXPECT_TRUE(testkit::Start(program_, exePath, workDir)) << exePath;
        HWND main = testkit::WaitForWindow(program_.Pid(), "#32770", "Fontloupe");
        EXPECT_NE(main, nullptr);
        if (main)
            testkit::PostCommand(main, fontloupe::kHelpPage);
        return main;
    }

    // What the stand-in browser was asked to open; empty when it was not
    // started within the time.
    std::string WaitForOpened(DWORD timeoutMs = 10000) {
        const DWORD start = GetTickCount();
        do {
            std::ifstream in(WidePath(Record()), std::ios::binary);
            std::string line;
            if (in && std::getline(in, line))
                return line;
            testkit::Sleep(100);
        } while (GetTickCount() - start < timeoutMs);
        return "";
    }

    void ExpectPageOpened(const std::string& page) {
        EXPECT_EQ(WaitForOpened(), page);
        EXPECT_EQ(testkit::WaitForMessageBox(program_.Pid(), 500).hwnd, nullptr);
    }

    void ExpectNotFoundMessage(HWND main) {
        const testkit::MessageBoxInfo box = testkit::WaitForMessageBox(program_.Pid());
        ASSERT_NE(box.hwnd, nullptr) << "no message box";
        EXPECT_EQ(box.caption, kNotFoundCaption);
        EXPECT_EQ(box.text, kNotFoundText);
        EXPECT_EQ(GetWindow(box.hwnd, GW_OWNER), main);
        testkit::PressButton(box.hwnd, IDOK);
        EXPECT_TRUE(testkit::WaitForWindowGone(box.hwnd));
        EXPECT_TRUE(IsWindowEnabled(main));
        EXPECT_FALSE(fs::exists(WidePath(Record()))) << "the shell was asked to open something";
    }

    // A directory under the work folder whose path, with its trailing '\',
    // is length bytes long; its last part holds "表", whose second byte is '\'.
    static std::string DirectoryOfLength(size_t length) {
        const std::string base = std::string(WORK_DIR) + "\\";
        const std::string tail = "表\\";
        if (base.size() + tail.size() + 1 > length)
            return "";
        return base + std::string(length - base.size() - tail.size(), 'd') + tail;
    }

    std::unique_ptr<ShellHandlerGuard> handler_;
    testkit::Program program_;
};

TEST_F(HelpUiTest, OpensThePageBesideTheProgramFromAnotherDirectory) {
    // The current directory holds no page: only the program's own counts.
    const std::string elsewhere = std::string(WORK_DIR) + "\\elsewhere\\";
    CopyProgram(elsewhere, "Fontloupe.exe", false);
    ASSERT_NE(StartAndAskForHelp(fontloupe::ExePath(), elsewhere), nullptr);
    ExpectPageOpened(fontloupe::ExeDir() + kPage);
}

TEST_F(HelpUiTest, MissingPageIsReported) {
    // A program without its page, started where a page lies.
    const std::string dir = std::string(WORK_DIR) + "\\nopage\\";
    CopyProgram(dir, "Fontloupe.exe", false);
    HWND main = StartAndAskForHelp(dir + "Fontloupe.exe", fontloupe::ExeDir());
    ASSERT_NE(main, nullptr);
    ExpectNotFoundMessage(main);
}

TEST_F(HelpUiTest, PagePathOfExactlyTheLimitIsOpened) {
    const std::string dir = DirectoryOfLength(kPathLimit - strlen(kPage));
    if (dir.empty())
        GTEST_SKIP() << "the build folder's path is too long for this case";
    // The program's own name has a double-byte character with '\' as its
    // second byte: only the last real separator ends the directory.
    CopyProgram(dir, "表.exe", true);
    ASSERT_NE(StartAndAskForHelp(dir + "表.exe", WORK_DIR), nullptr);
    ExpectPageOpened(dir + kPage);
}

TEST_F(HelpUiTest, PagePathOneByteOverTheLimitIsReportedNotOverrun) {
    const std::string dir = DirectoryOfLength(kPathLimit - strlen(kPage) + 1);
    if (dir.empty())
        GTEST_SKIP() << "the build folder's path is too long for this case";
    CopyProgram(dir, "表.exe", true);
    // Were the path cut to fit, the shell would get this page instead.
    std::ofstream(WidePath(dir + "FLPHELP.htm")) << "cut";
    ShellHandlerGuard cutPage(L".htm", RecorderCommand());
    HWND main = StartAndAskForHelp(dir + "表.exe", WORK_DIR);
    ASSERT_NE(main, nullptr);
    ExpectNotFoundMessage(main);
}

}  // namespace
