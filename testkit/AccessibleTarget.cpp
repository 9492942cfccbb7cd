// A window of standard controls for the reader's own tests: an edit box
// holding "first" and a button "押す" that puts "pressed" into the box and
// announces the new value, as Wine's edit control does not.
#include <windows.h>

namespace {

HWND g_hwndBox;

LRESULT CALLBACK TargetWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wParam) == 1) {
            SetWindowTextA(g_hwndBox, "pressed");
            NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, g_hwndBox, OBJID_CLIENT, CHILDID_SELF);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = TargetWndProc;
    wc.hInstance = instance;
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = "AccessibleTarget";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "AccessibleTarget", "読み手の的", WS_OVERLAPPEDWINDOW, 20, 20,
                                300, 200, nullptr, nullptr, instance, nullptr);
    g_hwndBox = CreateWindowExA(0, "edit", "first", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200,
                                24, hwnd, (HMENU)2, instance, nullptr);
    CreateWindowExA(0, "button", "押す", WS_CHILD | WS_VISIBLE, 10, 50, 100, 30, hwnd, (HMENU)1,
                    instance, nullptr);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
