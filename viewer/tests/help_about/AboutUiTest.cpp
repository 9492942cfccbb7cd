// "About..." of the real Fontloupe.exe: the about box's content, its title
// drawn large, the home-page button handing its address to the shell, and
// "OK" returning to an unchanged main dialog.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FontloupeDriver.h"
#include "ShellHandler.h"
#include "testkit.h"

namespace fs = std::filesystem;

namespace {

const char kCaption[] = "Fontloupe について";
const char kAddress[] = "https://fontloupe.example.org/";
const int kTitle = 1005;
const int kVersion = 1006;
const int kHomePage = 1003;

// Every control of a window: id, class, style, text and place.
std::vector<std::string> Describe(HWND window) {
    std::vector<std::string> lines;
    for (HWND child : testkit::Children(window)) {
        const RECT r = testkit::ChildRectInParent(child);
        lines.push_back(std::to_string(GetDlgCtrlID(child)) + " " + testkit::ClassName(child) + " " +
                        std::to_string(GetWindowLongW(child, GWL_STYLE)) + " " + testkit::Text(child) +
                        " " + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                        std::to_string(r.right) + "," + std::to_string(r.bottom));
    }
    return lines;
}

// Height in pixels of the dark pixels drawn in a control.
int InkHeight(HWND control) {
    const RECT r = testkit::ClientRectOnScreen(control);
    const std::vector<unsigned> pixels = testkit::CaptureScreen(r);
    const int width = r.right - r.left;
    int top = -1, bottom = -1;
    for (int y = 0; y < r.bottom - r.top; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned p = pixels[static_cast<size_t>(y) * width + x];
            if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 3 * 96) {
                if (top < 0)
                    top = y;
                bottom = y;
                break;
            }
        }
    return top < 0 ? 0 : bottom - top + 1;
}

class AboutUiTest : public ::testing::Test {
protected:
    void SetUp() override {
        main_ = fontloupe::Start(program_);
        ASSERT_NE(main_, nullptr);
    }

    HWND Open() {
        testkit::PostCommand(main_, fontloupe::kAbout);
        return testkit::WaitForWindow(program_.Pid(), "#32770", kCaption);
    }

    void Close(HWND box) {
        testkit::PressButton(box, IDOK);
        ASSERT_TRUE(testkit::WaitForWindowGone(box));
    }

    testkit::Program program_;
    HWND main_ = nullptr;
};

TEST_F(AboutUiTest, ShowsIconTitleVersionNameAndHomePage) {
    HWND box = Open();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), main_);
    EXPECT_FALSE(IsWindowEnabled(main_)) << "the box is modal";

    HWND icon = nullptr;
    std::vector<std::string> texts;
    for (HWND child : testkit::Children(box, "Static")) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            icon = child;
        else if (GetDlgCtrlID(child) != kTitle && GetDlgCtrlID(child) != kVersion)
            texts.push_back(testkit::Text(child));
    }
    ASSERT_NE(icon, nullptr) << "no icon control";
    EXPECT_NE(SendMessageW(icon, STM_GETICON, 0, 0), 0);
    EXPECT_EQ(testkit::Text(GetDlgItem(box, kTitle)), "Fontloupe");
    EXPECT_EQ(testkit::Text(GetDlgItem(box, kVersion)), "Ver1.40");
    EXPECT_EQ(texts, std::vector<std::string>{"Fontloupe 開発チーム"});
    EXPECT_EQ(testkit::Text(GetDlgItem(box, kHomePage)), kAddress);
    EXPECT_EQ(testkit::Text(GetDlgItem(box, IDOK)), "OK");

    // The title's 21-pixel characters stand well above the 9-point text.
    testkit::BringToFront(box);
    const int title = InkHeight(GetDlgItem(box, kTitle));
    const int version = InkHeight(GetDlgItem(box, kVersion));
    EXPECT_GE(title, 14);
    EXPECT_GT(title, version + 3);
    Close(box);
}

TEST_F(AboutUiTest, OkReturnsToTheUnchangedMainDialogAndReopensTheSame) {
    testkit::BringToFront(main_);
    const RECT client = testkit::ClientRectOnScreen(main_);
    const std::vector<unsigned> before = testkit::CaptureScreen(client);
    const std::vector<std::string> controls = Describe(main_);
    const RECT place = testkit::WindowRect(main_);

    HWND box = Open();
    ASSERT_NE(box, nullptr);
    const std::vector<std::string> first = Describe(box);
    Close(box);
    EXPECT_TRUE(IsWindowEnabled(main_));
    EXPECT_EQ(testkit::Text(main_), "Fontloupe");
    EXPECT_EQ(Describe(main_), controls);
    const RECT after = testkit::WindowRect(main_);
    EXPECT_TRUE(EqualRect(&place, &after));
    testkit::BringToFront(main_);
    EXPECT_TRUE(testkit::CaptureScreen(client) == before) << "the main dialog looks different";

    box = Open();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Describe(box), first);
    Close(box);
}

TEST_F(AboutUiTest, HomePageButtonOpensTheAddress) {
    const fs::path work(testkit::FromCp932(WORK_DIR));
    fs::remove_all(work);
    fs::create_directories(work);
    const fs::path record = work / L"opened.txt";
    ShellHandlerGuard opener(L"https", L"\"" + testkit::FromCp932(RECORDER_EXE) + L"\" \"" + record.wstring() +
                                           L"\" \"%1\"");
    // Never the real browser.
    wchar_t command[1024] = L"";
    DWORD size = sizeof command;
    ASSERT_EQ(RegGetValueW(HKEY_CLASSES_ROOT, L"https\\shell\\open\\command", nullptr, RRF_RT_REG_SZ,
                           nullptr, command, &size),
              ERROR_SUCCESS);
    ASSERT_NE(std::wstring(command).find(testkit::FromCp932(RECORDER_EXE)), std::wstring::npos);

    HWND box = Open();
    ASSERT_NE(box, nullptr);
    testkit::PressButton(box, kHomePage);

    std::string opened;
    for (int i = 0; i < 100 && opened.empty(); ++i) {
        testkit::Sleep(100);
        std::ifstream in(record);
        std::getline(in, opened);
    }
    EXPECT_EQ(opened, kAddress);
    // No message: the box stays the only window over the main dialog.
    testkit::Sleep(300);
    int shown = 0;
    for (HWND window : testkit::TopWindows(program_.Pid(), "#32770"))
        shown += IsWindowVisible(window) ? 1 : 0;
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(IsWindowVisible(box));
    Close(box);
}

}  // namespace
