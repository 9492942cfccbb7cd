// The sample-code window: one edit control filling the client area with the
// GetLogFontHandle function for the values current when it opened.
#include <windows.h>

#include "Fontsmith.h"
#include "MainState.h"
#include "PresetFont.h"
#include "SampleCodeText.h"

namespace {

const int kEditId = 1;
const char kFontProp[] = "Fontsmith.EditFont";  // the edit control's font

// Reused by every opening; the edit control keeps its own copy of the text.
char g_szCodeLine[kCodeLineCount][kCodeLineBytes];
char g_szCodeText[kCodeTextBytes];

void OnCreate(HWND hwnd) {
    HWND hwndEdit = CreateWindowExA(0, "edit", nullptr,
                                    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL |
                                        ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                                    0, 0, 0, 0, hwnd, (HMENU)(INT_PTR)kEditId, g_hInst, nullptr);
    LOGFONTA lf = {};
    HFONT hFont = MakePresetFont(&lf, 1);
    SendMessageA(hwndEdit, WM_SETFONT, (WPARAM)hFont, TRUE);
    SetPropA(hwnd, kFontProp, hFont);
    BuildSampleCodeText(g_lfCurrent, g_szCodeLine, g_szCodeText, sizeof g_szCodeText);
    SendMessageA(hwndEdit, WM_SETTEXT, 0, (LPARAM)g_szCodeText);
}

// Sent after the edit control has been destroyed: its font is unused now.
void OnNcDestroy(HWND hwnd) {
    HFONT hFont = (HFONT)RemovePropA(hwnd, kFontProp);
    if (hFont)
        DeleteObject(hFont);
}

}  // namespace

LRESULT CALLBACK EditorWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        OnCreate(hwnd);
        return 0;
    case WM_SIZE:
        MoveWindow(GetDlgItem(hwnd, kEditId), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(GetDlgItem(hwnd, kEditId));
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kEditId && HIWORD(wParam) == EN_ERRSPACE)
            MessageBoxA(hwnd, "Edit control out of space.", kMainClassName, MB_OK | MB_ICONHAND);
        return 0;
    case WM_NCDESTROY:
        OnNcDestroy(hwnd);
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
