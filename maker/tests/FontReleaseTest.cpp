// The fonts of the sample-code window and of the about box are released when
// the window or box is gone. Checked in the test's own process, the only place
// where Wine lets a test see a control's font and whether it still exists.
#include <gtest/gtest.h>

#include <thread>

#include "Fontsmith.h"
#include "MainState.h"
#include "res/resource.h"
#include "testkit.h"

HINSTANCE g_hInst = GetModuleHandleA(nullptr);
LOGFONTA g_lfCurrent = {-16, 0, 0, 0, 400, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "IPA明朝"};
const char kMainClassName[] = "Fontsmith under test";

TEST(FontRelease, EditorWindowReleasesItsFontWithItsEditControl) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = EditorWndProc;
    wc.hInstance = g_hInst;
    wc.lpszClassName = "EditorUnderTest";
    ASSERT_TRUE(RegisterClassA(&wc));
    for (int i = 0; i < 2; ++i) {
        HWND editor = CreateWindowA("EditorUnderTest", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                    nullptr, nullptr, g_hInst, nullptr);
        ASSERT_TRUE(editor);
        HWND edit = GetWindow(editor, GW_CHILD);
        HGDIOBJ font = (HGDIOBJ)SendMessageA(edit, WM_GETFONT, 0, 0);
        ASSERT_EQ(OBJ_FONT, (int)GetObjectType(font));
        DestroyWindow(editor);
        EXPECT_EQ(0u, GetObjectType(font)) << "opening " << i;
    }
}

TEST(FontRelease, AboutBoxReleasesItsTitleFontWhenItCloses) {
    for (int i = 0; i < 2; ++i) {
        HGDIOBJ font = nullptr;
        std::thread closer([&] {
            HWND box = testkit::WaitForWindow(GetCurrentProcessId(), "#32770", "");
            if (!box)
                return;
            font = (HGDIOBJ)SendDlgItemMessageA(box, IDC_ABOUT_TITLE, WM_GETFONT, 0, 0);
            testkit::PressButton(box, IDOK);
        });
        DialogBoxParamA(g_hInst, "IDD_DIALOG1", nullptr, AboutDlgProc, 0);
        closer.join();
        ASSERT_TRUE(font) << "opening " << i;
        EXPECT_EQ(0u, GetObjectType(font)) << "opening " << i;
    }
}
