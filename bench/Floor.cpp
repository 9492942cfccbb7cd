// The floor of the start-up benchmark: the least a program of this kind shows.
// One main window with a menu bar and one button, one line of text painted,
// and a message loop, built with the same toolchain and flags as the two tools
// (Floor.exe) and once more without the hardening flags (FloorPlain.exe).
// Its texts are Japanese, as the tools' are.
#include <windows.h>

namespace {

const char kClassName[] = "Floor";
const char kLine[] = "床：メニューとボタンと一行の文字だけの窓";
enum { IDM_CLOSE = 1, IDC_CLOSE = 2 };

HMENU MakeMenuBar() {
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, IDM_CLOSE, "閉じる(&X)");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)file, "ファイル(&F)");
    return bar;
}

void OnPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    TextOutA(hdc, 10, 10, kLine, lstrlenA(kLine));
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK FloorWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        CreateWindowExA(0, "button", "閉じる", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 40, 80,
                        24, hwnd, (HMENU)(INT_PTR)IDC_CLOSE, nullptr, nullptr);
        return 0;
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDM_CLOSE || LOWORD(wParam) == IDC_CLOSE)
            DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInst, HINSTANCE, LPSTR, int nCmdShow) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FloorWndProc;
    wc.hInstance = hInst;
    wc.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, kClassName, kClassName, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 400, 120, nullptr, MakeMenuBar(), hInst, nullptr);
    if (hwnd == nullptr)
        return 1;
    ShowWindow(hwnd, nCmdShow);
    UpdateWindow(hwnd);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}
