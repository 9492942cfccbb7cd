// The main window's client object, read in the test's own process, the one
// place where the objects the program made for its readers can be counted:
// a reader that reads everything many times and lets go leaves none behind,
// and one still holding the object when the window goes gets errors.
#include <gtest/gtest.h>

#include "Accessible.h"
#include "Fontsmith.h"
#include "accessible.h"

HINSTANCE g_hInst = GetModuleHandleA(nullptr);
const char kMainClassName[] = "Fontsmith under test";
const char kEditorClassName[] = "Fontsmith editor under test";

namespace {

HWND OpenMainWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = g_hInst;
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = kMainClassName;
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowA(kMainClassName, kMainClassName, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                              nullptr, nullptr, g_hInst, nullptr);
    ShowWindow(hwnd, SW_SHOWNA);
    UpdateWindow(hwnd);
    return hwnd;
}

// Leaves the quit message that the window's WM_DESTROY posts out of the queue.
void DestroyMainWindow(HWND hwnd) {
    DestroyWindow(hwnd);
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST(AccessibleObjects, ReadingEverythingOftenLeavesNoObjectBehind) {
    HWND hwnd = OpenMainWindow();
    ASSERT_TRUE(hwnd);
    const long before = AccessibleObjectsAlive();
    for (int k = 0; k < 1000; ++k) {
        testkit::AccessibleReader reader(hwnd);
        ASSERT_EQ(41u, reader.Children().size()) << k;
        ASSERT_TRUE(reader.Navigate(CHILDID_SELF, NAVDIR_LASTCHILD).isObject) << k;
    }
    // What remains is the client object the window keeps for its next reader.
    EXPECT_LE(AccessibleObjectsAlive(), before + 1);
    DestroyMainWindow(hwnd);
    EXPECT_EQ(0, AccessibleObjectsAlive());
}

TEST(AccessibleObjects, AReaderHoldingOnWhenTheWindowGoesGetsErrors) {
    HWND hwnd = OpenMainWindow();
    testkit::AccessibleReader reader(hwnd);
    ASSERT_EQ(S_OK, reader.Result());
    ASSERT_EQ(41, reader.ChildCount());
    DestroyMainWindow(hwnd);
    long count = 0;
    EXPECT_TRUE(FAILED(reader.Object()->get_accChildCount(&count)));
    EXPECT_EQ("", reader.Self().name);
    EXPECT_TRUE(reader.Children().empty());
}

}  // namespace
