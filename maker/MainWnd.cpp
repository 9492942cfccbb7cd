// The main window: its state, controls, face list and commands. The
// repaint is in MainPaint.cpp.
#include <windows.h>

#include <cstring>

#include "Accessible.h"
#include "FieldParse.h"
#include "FieldText.h"
#include "Fontsmith.h"
#include "Layout.h"
#include "MainState.h"
#include "MainTable.h"
#include "PresetFont.h"
#include "TextCopy.h"
#include "res/resource.h"

LOGFONTA g_lfCurrent;
LOGFONTA g_lfWork;
HFONT g_hFontCurrent;
HFONT g_hFontList;
TEXTMETRICA g_tmCurrent;
char g_szFaceName[kFaceNameBytes];
int g_cxChar;
int g_cyChar;
int g_cxWindow;
int g_cyWindow;
char g_szLogFontText[kLogFontSlotCount][kFieldSlotBytes];
char g_szTextMetricText[kTextMetricEntryCount][kTextMetricEntryBytes];
char g_szHeading[64];
char g_szSample[256];
HWND g_hwndSample;
HWND g_hwndField[kFieldCount];
HWND g_hwndFaceList;
HWND g_hwndCreate;
HWND g_hwndEditor;

namespace {

const int kListTextBytes = 100;  // buffer for a face list item

int CALLBACK FontEnumProc(const LOGFONTA* lf, const TEXTMETRICA*, DWORD, LPARAM lParam) {
    HWND hwndList = (HWND)lParam;
    if (IsWindow(hwndList))
        SendMessageA(hwndList, CB_ADDSTRING, 0, (LPARAM)lf->lfFaceName);
    return 1;
}

HWND CreateChild(HWND hwnd, const char* cls, const char* text, DWORD style, const CtlRect& r,
                 int id) {
    return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.x, r.y, r.width, r.height,
                           hwnd, (HMENU)(INT_PTR)id, g_hInst, nullptr);
}

void OnCreate(HWND hwnd) {
    HDC hdc = GetDC(hwnd);
    GetTextMetricsA(hdc, &g_tmCurrent);
    GetTextFaceA(hdc, kFaceNameBytes, g_szFaceName);

    CopyText(g_szHeading, sizeof g_szHeading, "☆ Screen Font ☆");
    g_cyChar = g_tmCurrent.tmHeight;
    g_cxChar = g_tmCurrent.tmAveCharWidth;
    const int cx = g_cxChar, cy = g_cyChar;

    memset(&g_lfCurrent, 0, sizeof g_lfCurrent);
    g_lfCurrent.lfHeight = g_tmCurrent.tmHeight;
    g_lfCurrent.lfWidth = g_tmCurrent.tmAveCharWidth;
    g_lfCurrent.lfWeight = g_tmCurrent.tmWeight;
    g_lfCurrent.lfItalic = g_tmCurrent.tmItalic;
    g_lfCurrent.lfUnderline = g_tmCurrent.tmUnderlined;
    g_lfCurrent.lfStrikeOut = g_tmCurrent.tmStruckOut;
    g_lfCurrent.lfCharSet = g_tmCurrent.tmCharSet;
    char face[kListTextBytes] = "";
    GetTextFaceA(hdc, sizeof face, face);
    CopyText(g_lfCurrent.lfFaceName, sizeof g_lfCurrent.lfFaceName, face);

    FillTextMetricTexts(g_tmCurrent, g_szFaceName, g_szTextMetricText);

    g_szSample[0] = '\0';
    // Both programs show this letter line; its doubled F and stray U are no typos to fix.
    const char* const pieces[] = {" ABCDEFFGHIJKLMNOPQRSTUVWUXYZ", "\r\n",
                                  " Height値は 正の時はフォントのセルの高さ", "\r\n",
                                  " 負の時は文字の高さ（セルの高さ－内部レディング）"};
    for (const char* piece : pieces)
        AppendText(g_szSample, sizeof g_szSample, piece);

    const DWORD editStyle = WS_BORDER | ES_MULTILINE | ES_AUTOHSCROLL;
    g_hwndSample =
        CreateChild(hwnd, "edit", "", editStyle | ES_AUTOVSCROLL, SampleBoxRect(cx, cy), 0);
    for (int j = 0; j < kFieldCount; ++j)
        g_hwndField[j] = CreateChild(hwnd, "edit", "", editStyle, FieldBoxRect(cx, cy, j), 0);
    g_hwndFaceList = CreateChild(hwnd, "combobox", "", WS_DLGFRAME | WS_VSCROLL | CBS_SIMPLE,
                                 FaceListRect(cx, cy), 0);
    // Both enumerations add every face they report, unsorted, so each face is
    // listed twice: kept, the list shows what each of them finds.
    EnumFontsA(hdc, nullptr, FontEnumProc, (LPARAM)g_hwndFaceList);
    EnumFontFamiliesA(hdc, nullptr, FontEnumProc, (LPARAM)g_hwndFaceList);
    g_hwndCreate =
        CreateChild(hwnd, "button", kCreateButtonText, 0, CreateButtonRect(cx, cy), IDC_CREATE);

    g_hFontList = MakePresetFont(&g_lfWork, 1);
    SendMessageA(g_hwndFaceList, WM_SETFONT, (WPARAM)g_hFontList, TRUE);

    SendMessageA(g_hwndSample, WM_SETTEXT, 0, (LPARAM)g_szSample);

    MainWindowSize(cx, cy, GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME),
                   GetSystemMetrics(SM_CYMENU), GetSystemMetrics(SM_CYCAPTION), &g_cxWindow,
                   &g_cyWindow);
    MoveWindow(hwnd, 15, 15, g_cxWindow, g_cyWindow, FALSE);
    ReleaseDC(hwnd, hdc);
}

// The face name of the list's selected item; the current face when nothing
// is selected or the item does not fit a face name buffer.
void ReadSelectedFace(char* face, size_t faceBytes) {
    CopyText(face, faceBytes, g_lfCurrent.lfFaceName);
    LRESULT sel = SendMessageA(g_hwndFaceList, CB_GETCURSEL, 0, 0);
    if (sel == CB_ERR)
        return;
    LRESULT len = SendMessageA(g_hwndFaceList, CB_GETLBTEXTLEN, sel, 0);
    if (len == CB_ERR || len >= kListTextBytes)
        return;
    char item[kListTextBytes] = "";
    if (SendMessageA(g_hwndFaceList, CB_GETLBTEXT, sel, (LPARAM)item) == CB_ERR)
        return;
    CopyText(face, faceBytes, item);
}

void OnCreateFont(HWND hwnd) {
    memset(g_szLogFontText, 0, sizeof g_szLogFontText);
    for (int j = 0; j < kFieldCount; ++j)
        GetWindowTextA(g_hwndField[j], g_szLogFontText[j], kFieldSlotBytes);

    char face[kFaceFieldBytes];
    ReadSelectedFace(face, sizeof face);

    ParseLogFontFields(g_szLogFontText, &g_lfWork);
    memset(g_lfWork.lfFaceName, 0, sizeof g_lfWork.lfFaceName);
    CopyText(g_lfWork.lfFaceName, sizeof g_lfWork.lfFaceName, face);
    g_lfCurrent = g_lfWork;

    HFONT hReplaced = g_hFontCurrent;
    g_hFontCurrent = CreateFontIndirectA(&g_lfCurrent);

    HDC hdc = GetDC(hwnd);
    HGDIOBJ hPrevFont = g_hFontCurrent ? SelectObject(hdc, g_hFontCurrent) : nullptr;
    GetTextFaceA(hdc, kFaceNameBytes, g_szFaceName);
    GetTextMetricsA(hdc, &g_tmCurrent);
    SendMessageA(g_hwndSample, WM_SETFONT, (WPARAM)g_hFontCurrent, TRUE);
    if (hPrevFont)
        SelectObject(hdc, hPrevFont);
    ReleaseDC(hwnd, hdc);

    // The sample box holds the successor now, so the old font is unused.
    if (hReplaced)
        DeleteObject(hReplaced);

    InvalidateRect(hwnd, nullptr, TRUE);
}

void OnOpenEditor() {
    g_hwndEditor = CreateWindowExA(0, kEditorClassName, kEditorClassName, WS_OVERLAPPEDWINDOW,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   nullptr, nullptr, g_hInst, nullptr);
    ShowWindow(g_hwndEditor, SW_SHOWNA);
    UpdateWindow(g_hwndEditor);
}

// Returns false for ids that go on to the default handling.
bool OnCommand(HWND hwnd, WORD id) {
    switch (id) {
    case IDM_SCREENFONT:
        // Does nothing, on purpose: its check mark shows the one kind made, screen fonts.
        return true;
    case IDM_PRINTERFONT:
        MessageBoxA(hwnd, "現バージョンではスクリーンフォントのみの対応となります。", "Now Making.",
                    MB_ICONINFORMATION | MB_OK);
        return true;
    case IDM_ABOUT:
        DialogBoxParamA(g_hInst, "IDD_DIALOG1", hwnd, AboutDlgProc, 0);
        return true;
    case IDM_EXIT:
        // WM_DESTROY, not DestroyWindow, on purpose: its handler posts the quit
        // message and WinMain destroys what is left, as after the close box.
        SendMessageA(hwnd, WM_DESTROY, 0, 0);
        return true;
    case IDM_SAMPLECODE:
        OnOpenEditor();
        return true;
    case IDM_HELP:
        ShowHelp(hwnd);
        return true;
    case IDC_CREATE:
        OnCreateFont(hwnd);
        return true;
    }
    return false;
}

// The client object a screen reader asks for; 0 for any other request.
LRESULT OnGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    return AnswerAccessibleRequest(hwnd, wParam, lParam, ReadMainWindow);
}

}  // namespace

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        OnCreate(hwnd);
        return 0;
    case WM_PAINT:
        PaintMainWindow(hwnd);
        return 0;
    case WM_COMMAND:
        if (OnCommand(hwnd, LOWORD(wParam)))
            return 0;
        break;
    case WM_GETMINMAXINFO:
        // Sent once before WM_CREATE has measured the window: no limit yet.
        if (g_cxWindow > 0) {
            MINMAXINFO* info = (MINMAXINFO*)lParam;
            info->ptMaxTrackSize.x = g_cxWindow;
            info->ptMaxTrackSize.y = g_cyWindow;
        }
        break;
    case WM_GETOBJECT:
        if (LRESULT result = OnGetObject(hwnd, wParam, lParam))
            return result;
        break;
    case WM_DESTROY:
        // Clients still holding the client object get errors from now on.
        ReleaseAccessible(hwnd);
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        // The controls are gone: nothing uses the window's fonts any more.
        if (g_hFontList)
            DeleteObject(g_hFontList);
        if (g_hFontCurrent)
            DeleteObject(g_hFontCurrent);
        g_hFontList = nullptr;
        g_hFontCurrent = nullptr;
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
