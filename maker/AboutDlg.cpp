// The about box: icon, name and version, with the title line in the bold
// preset font.
#include <windows.h>

#include "Fontsmith.h"
#include "PresetFont.h"
#include "res/resource.h"

namespace {

// The title font of the open box (the box is modal, so there is one at most).
HFONT g_hFontTitle;

}  // namespace

INT_PTR CALLBACK AboutDlgProc(HWND hdlg, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG: {
        LOGFONTA lf = {};
        g_hFontTitle = MakePresetFont(&lf, 4);
        SendDlgItemMessageA(hdlg, IDC_ABOUT_TITLE, WM_SETFONT, (WPARAM)g_hFontTitle, TRUE);
        return TRUE;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hdlg, &ps);
        // Loaded on every paint: it is the same shared icon each time.
        DrawIcon(hdc, 22, 10, LoadIconA(g_hInst, "ICON_BINOCULR"));
        EndPaint(hdlg, &ps);
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(hdlg, 0);
        return FALSE;
    case WM_NCDESTROY:
        // The box and its controls are gone: release the title font.
        if (g_hFontTitle)
            DeleteObject(g_hFontTitle);
        g_hFontTitle = nullptr;
        return FALSE;
    }
    return FALSE;
}
