// The real Fontloupe.exe under Wine: its main dialog's layout, contents and
// painted panel right after start, its menu, the about box, and the three
// ways to end it.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "DialogLayout.h"
#include "Fontloupe.h"
#include "HomePage.h"

namespace {

::testing::AssertionResult Equals(const RECT& r, const LayoutRect& l) {
    if (r.left == l.x && r.top == l.y && r.right - r.left == l.width &&
        r.bottom - r.top == l.height)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << r.left << ", " << r.top << ") " << r.right - r.left << " x "
           << r.bottom - r.top << ", expected (" << l.x << ", " << l.y << ") " << l.width << " x "
           << l.height;
}

// Every control of a window: id, class, style, text and place.
std::vector<std::string> Describe(HWND window) {
    std::vector<std::string> lines;
    for (HWND child : testkit::Children(window)) {
        const RECT r = testkit::ChildRectInParent(child);
        lines.push_back(std::to_string(GetDlgCtrlID(child)) + " " + testkit::ClassName(child) +
                        " " + std::to_string(GetWindowLongW(child, GWL_STYLE)) + " " +
                        testkit::Text(child) + " " + std::to_string(r.left) + "," +
                        std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                        std::to_string(r.bottom));
    }
    return lines;
}

TEST(MainDialogUi, LayoutContentsPanelAndAboutBox) {
    testkit::Program program;
    HWND main = fontloupe::Start(program);
    ASSERT_TRUE(main) << "main dialog did not appear";
    const LOGFONTA font = fontloupe::StartFont(main);
    const int W = font.lfWidth, H = font.lfHeight;
    ASSERT_GT(W, 0);
    ASSERT_GT(H, 0);

    const DialogLayout layout =
        ComputeDialogLayout(W, H, H, GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME),
                            GetSystemMetrics(SM_CYMENU), GetSystemMetrics(SM_CYCAPTION));
    EXPECT_TRUE(Equals(testkit::WindowRect(main), layout.window));
    EXPECT_TRUE(
        Equals(testkit::ChildRectInParent(GetDlgItem(main, IDC_SAMPLE_EDIT)), layout.sampleBox));
    EXPECT_TRUE(Equals(testkit::ChildRectInParent(GetDlgItem(main, IDC_FACENAME_EDIT)),
                       layout.faceNameBox));
    EXPECT_TRUE(
        Equals(testkit::ChildRectInParent(GetDlgItem(main, IDC_CLOSE_BUTTON)), layout.closeButton));
    EXPECT_EQ(testkit::Text(main), "Fontloupe");
    EXPECT_EQ(testkit::Text(GetDlgItem(main, IDC_CLOSE_BUTTON)), "Close");
    EXPECT_NE(GetMenu(main), nullptr);

    ASSERT_NE(font.lfFaceName[0], '\0');
    EXPECT_EQ(testkit::Text(GetDlgItem(main, IDC_FACENAME_EDIT)), font.lfFaceName);
    EXPECT_EQ(testkit::Text(GetDlgItem(main, IDC_SAMPLE_EDIT)), fontloupe::kSampleLines);
    // On a high-DPI screen the system scales the dialog, which is not DPI
    // aware: its layout is as at 96 DPI, and its painting is compared there.
    const bool painted = !testkit::ScaledBySystem(main);
    if (painted) {
        EXPECT_EQ(fontloupe::PanelDifferences(main, font, fontloupe::kScreenCaption), 0);
    }

    // The about box, opened twice: same content each time, and afterwards the
    // main dialog as it was. (Its title font is looked at in-process.)
    const std::vector<std::string> controls = Describe(main);
    std::vector<std::string> firstBox;
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        testkit::PostCommand(main, ID_APP_ABOUT);
        HWND box = testkit::WaitForWindow(program.Pid(), "#32770", "Fontloupe について");
        ASSERT_TRUE(box);
        EXPECT_EQ(GetWindow(box, GW_OWNER), main);
        HWND icon = nullptr;
        for (HWND child : testkit::Children(box, "Static"))
            if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                icon = child;
        ASSERT_TRUE(icon);
        EXPECT_NE(SendMessageW(icon, STM_GETICON, 0, 0), 0);
        EXPECT_EQ(testkit::Text(GetDlgItem(box, IDC_TITLE_STATIC)), "Fontloupe");
        EXPECT_EQ(testkit::Text(GetDlgItem(box, IDC_VERSION_STATIC)), "Ver1.40");
        EXPECT_EQ(testkit::Text(GetDlgItem(box, IDC_HOMEPAGE_BUTTON)), HOME_PAGE_ADDRESS);
        bool nameLine = false;
        for (HWND child : testkit::Children(box, "Static"))
            nameLine = nameLine || testkit::Text(child) == "Fontloupe 開発チーム";
        EXPECT_TRUE(nameLine);
        if (opening == 0)
            firstBox = Describe(box);
        else
            EXPECT_EQ(Describe(box), firstBox);

        testkit::PressButton(box, IDOK);
        ASSERT_TRUE(testkit::WaitForWindowGone(box));
        EXPECT_TRUE(IsWindowEnabled(main));
        EXPECT_EQ(Describe(main), controls);
        if (painted) {
            EXPECT_EQ(fontloupe::PanelDifferences(main, font, fontloupe::kScreenCaption), 0);
        }
    }
}

// Wine does not let another process read a window's menu, so the menu is read
// from the program file.
TEST(MainDialogUi, MenuBarHoldsItsItems) {
    HMODULE exe = LoadLibraryExA(fontloupe::ExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(exe);
    HMENU bar = LoadMenuA(exe, MAKEINTRESOURCEA(IDR_MAINMENU));
    ASSERT_TRUE(bar);
    // Popups with id 0, separators as "-".
    std::vector<std::pair<std::string, UINT>> items;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        char text[64] = "";
        GetMenuStringA(bar, i, text, sizeof text, MF_BYPOSITION);
        items.push_back({text, 0});
        HMENU popup = GetSubMenu(bar, i);
        for (int j = 0; popup && j < GetMenuItemCount(popup); ++j) {
            GetMenuStringA(popup, j, text, sizeof text, MF_BYPOSITION);
            const bool separator = GetMenuState(popup, j, MF_BYPOSITION) & MF_SEPARATOR;
            items.push_back({separator ? "-" : text, separator ? 0 : GetMenuItemID(popup, j)});
        }
    }
    DestroyMenu(bar);
    FreeLibrary(exe);
    const std::vector<std::pair<std::string, UINT>> expected = {
        {"ﾌｫﾝﾄ選択", 0},
        {"ｽｸﾘｰﾝﾌｫﾝﾄ", ID_SCREEN_FONT},
        {"ﾌﾟﾘﾝﾀﾌｫﾝﾄ", ID_PRINTER_FONT},
        {"-", 0},
        {"テスト印刷", ID_TEST_PRINT},
        {"-", 0},
        {"閉じる", ID_APP_CLOSE},
        {"編集", 0},
        {"ｻﾝﾌﾟﾙｺｰﾄﾞ出力(API)", ID_SAMPLECODE_API},
        {"ｻﾝﾌﾟﾙｺｰﾄﾞ出力(MFC)", ID_SAMPLECODE_MFC},
        {"?", 0},
        {"ﾍﾙﾌﾟ", ID_HELP_PAGE},
        {"About...", ID_APP_ABOUT}};
    EXPECT_EQ(items, expected);
}

TEST(MainDialogUi, CloseButtonMenuItemAndEscapeEndTheProgram) {
    const std::pair<const char*, std::function<void(HWND, DWORD)>> ways[] = {
        {"Close", [](HWND main,
                     DWORD) { PostMessageW(GetDlgItem(main, IDC_CLOSE_BUTTON), BM_CLICK, 0, 0); }},
        {"閉じる", [](HWND main, DWORD) { testkit::PostCommand(main, ID_APP_CLOSE); }},
        {"Esc", [](HWND, DWORD thread) {
             GUITHREADINFO info{};
             info.cbSize = sizeof info;
             GetGUIThreadInfo(thread, &info);
             PostMessageW(info.hwndFocus, WM_KEYDOWN, VK_ESCAPE, 1);
         }}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.first);
        testkit::Program program;
        HWND main = fontloupe::Start(program);
        ASSERT_TRUE(main);
        way.second(main, program.pi.dwThreadId);
        EXPECT_TRUE(program.WaitForExit(10000)) << "program still running";
        EXPECT_FALSE(IsWindow(main));
    }
}

}  // namespace
