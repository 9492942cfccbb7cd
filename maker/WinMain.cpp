// Entry point: registers the two window classes, opens the main window and
// runs the message loop.
#include <windows.h>

#include "Fontsmith.h"

HINSTANCE g_hInst;

const char kMainClassName[] = "Fontsmith [Fontloupe 付録]";
// Named for Fontloupe, like the about box: Fontsmith is Fontloupe's appendix.
const char kEditorClassName[] = "Fontloupe [Editor]";

namespace {

void RegisterClasses(HINSTANCE hInst) {
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = hInst;
    wc.hIcon = LoadIconA(hInst, "ICON_BINOCULR");
    wc.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszMenuName = "HelloMenu";
    wc.lpszClassName = kMainClassName;
    RegisterClassA(&wc);

    wc.lpfnWndProc = EditorWndProc;
    wc.hIcon = LoadIconA(nullptr, (LPCSTR)IDI_APPLICATION);
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = kEditorClassName;
    RegisterClassA(&wc);
}

// Windows still open when the loop ends (the main window after "閉じる",
// editor windows) are destroyed here so each releases its fonts.
BOOL CALLBACK DestroyLeftWindow(HWND hwnd, LPARAM) {
    char name[64];
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpA(name, kMainClassName) == 0 || lstrcmpA(name, kEditorClassName) == 0)
        DestroyWindow(hwnd);
    return TRUE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInst, HINSTANCE hPrevInst, LPSTR, int nCmdShow) {
    if (hPrevInst == nullptr) {
        g_hInst = hInst;
        RegisterClasses(hInst);
    }
    HWND hwnd = CreateWindowExA(0, kMainClassName, kMainClassName, WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                nullptr, hInst, nullptr);
    // Without a window nothing could ever end the loop.
    if (hwnd == nullptr)
        return 1;
    ShowWindow(hwnd, nCmdShow);
    UpdateWindow(hwnd);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    EnumThreadWindows(GetCurrentThreadId(), DestroyLeftWindow, 0);
    return (int)msg.wParam;
}
