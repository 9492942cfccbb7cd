// The help command of the real Fontsmith.exe on each side of Windows 10, as
// Wine reports the version to the program (each Wine release has its own
// default, so every case sets it): from 10 on the shell opens the page beside
// the program, and a recorder registered as the opener of ".html" pages
// stands in for the browser; before 10 WinHelp shows the help file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "FontsmithDriver.h"
#include "PageOpener.h"
#include "resource.h"

namespace fs = std::filesystem;

namespace {

const std::string kExe = FONTSMITH_EXE;
const std::string kExeDir = kExe.substr(0, kExe.rfind('\\') + 1);
const std::string kRecord = WORK_DIR "\\opened.txt";
// Started from here, where no help file lies.
const char kOtherDir[] = "C:\\";

fs::path Wide(const std::string& cp932) { return fs::path(testkit::FromCp932(cp932)); }

// The lines of the text page the help file is made from (UTF-8), in code page
// 932 and without their heading marks; blank lines left out.
std::vector<std::string> HelpTextLines() {
    std::vector<std::string> lines;
    std::ifstream in(HELP_TEXT, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (line.find_first_not_of(' ') == std::string::npos)
            continue;
        if (line.rfind("= ", 0) == 0 || line.rfind("# ", 0) == 0)
            line.erase(0, 2);
        std::wstring wide(line.size(), L'\0');
        wide.resize(MultiByteToWideChar(CP_UTF8, 0, line.data(), (int)line.size(), wide.data(),
                                        (int)wide.size()));
        lines.push_back(testkit::ToCp932(wide));
    }
    return lines;
}

// Whether the message box shows that system icon: the pixels of its icon
// control against the icon drawn here on the control's background.
bool ShowsIcon(HWND box, LPCSTR icon) {
    for (HWND child : testkit::Children(box, "Static")) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        const RECT r = testkit::WindowRect(child);
        const std::vector<unsigned> shown = testkit::CaptureScreen(r);
        const unsigned corner = shown.at(0);
        testkit::Canvas drawn(r.right - r.left, r.bottom - r.top,
                              RGB(corner >> 16, (corner >> 8) & 0xFF, corner & 0xFF));
        DrawIconEx(drawn.Dc(), 0, 0, LoadIconA(nullptr, icon), 0, 0, 0, nullptr, DI_NORMAL);
        return testkit::CountDifferences(drawn.Pixels(), shown) == 0;
    }
    return false;
}

class HelpUi : public ::testing::Test {
protected:
    // The recorder writes its file here.
    void SetUp() override { fs::create_directories(Wide(WORK_DIR)); }
};

// A start loads no shell32; on Windows 10 the help command does.
TEST_F(HelpUi, EachWindowsVersionShowsItsOwnHelp) {
    for (const char* version : {"win10", "win7"}) {
        SCOPED_TRACE(version);
        const bool page = version == std::string("win10");
        testkit::AppDefaults settings("Fontsmith.exe");
        settings.SetVersion(version);
        PageOpener opener(kRecord);
        Fontsmith app;
        ASSERT_TRUE(app.Start(kExe, kOtherDir));
        const DWORD pid = app.program.Pid();
        ASSERT_TRUE(testkit::ModuleLoaded(pid, "user32.dll")) << "the module list cannot be read";
        EXPECT_FALSE(testkit::ModuleLoaded(pid, "shell32.dll"));

        testkit::PostCommand(app.main, IDM_HELP);
        if (page) {
            EXPECT_EQ(kExeDir + "Fontsmith.html", opener.Opened());
            EXPECT_TRUE(testkit::ModuleLoaded(pid, "shell32.dll"));
            EXPECT_FALSE(FindWindowW(L"MS_WINHELP", nullptr));
        } else {
            const std::string help = testkit::WinHelpShows();
            EXPECT_EQ(0u, help.find("Fontsmith ヘルプ")) << help;
            // The whole page, over all its topic blocks.
            const std::vector<std::string> lines = HelpTextLines();
            ASSERT_LT(20u, lines.size());
            for (const std::string& line : lines)
                EXPECT_NE(std::string::npos, help.find(line)) << line;
            EXPECT_FALSE(fs::exists(Wide(kRecord))) << "the shell was asked to open something";
        }
        EXPECT_FALSE(testkit::WaitForMessageBox(pid, 500).hwnd);
    }
}

// On Windows 10, a copy of the program without the page beside it, and the
// built program with shell32 made unloadable, report the page missing.
TEST_F(HelpUi, APageThatCannotBeOpenedIsReportedAndTheProgramGoesOn) {
    const std::string copyDir = WORK_DIR "\\ヘルプ表\\";
    fs::remove_all(Wide(copyDir));
    fs::create_directories(Wide(copyDir));
    fs::copy_file(Wide(kExe), Wide(copyDir + "Fontsmith.exe"));
    for (bool shellMissing : {false, true}) {
        SCOPED_TRACE(shellMissing ? "shell32 cannot be loaded" : "no page beside the program");
        testkit::AppDefaults settings("Fontsmith.exe");
        settings.SetVersion("win10");
        if (shellMissing)
            settings.DisableLibrary("shell32.dll");
        PageOpener opener(kRecord);
        Fontsmith app;
        ASSERT_TRUE(app.Start(shellMissing ? kExe : copyDir + "Fontsmith.exe", kOtherDir));
        testkit::PostCommand(app.main, IDM_HELP);
        const testkit::MessageBoxInfo box = testkit::WaitForMessageBox(app.program.Pid());
        ASSERT_TRUE(box.hwnd);
        EXPECT_EQ(kMainClass, box.caption);
        EXPECT_EQ("ヘルプファイルが見つかりません。再インストールしてください。", box.text);
        EXPECT_EQ(app.main, GetWindow(box.hwnd, GW_OWNER));
        testkit::BringToFront(box.hwnd);
        EXPECT_TRUE(ShowsIcon(box.hwnd, IDI_EXCLAMATION));
        EXPECT_FALSE(ShowsIcon(box.hwnd, IDI_HAND));  // the comparison tells the icons apart
        testkit::PressButton(box.hwnd, IDOK);
        ASSERT_TRUE(testkit::WaitForWindowGone(box.hwnd));
        // The program goes on.
        EXPECT_TRUE(testkit::OpenAndCloseDialog(app.main, IDM_ABOUT, "Fontloupe について", IDOK));
        EXPECT_FALSE(fs::exists(Wide(kRecord))) << "the shell was asked to open something";
        // A missing page is found out before the shell is loaded.
        EXPECT_FALSE(testkit::ModuleLoaded(app.program.Pid(), "shell32.dll"));
    }
    std::error_code ignored;
    fs::remove_all(Wide(copyDir), ignored);
}

}  // namespace
