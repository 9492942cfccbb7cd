// The repaint of the main window: heading, the LOGFONT and TEXTMETRIC
// tables and the caption; it also brings the field boxes and the face list
// into line with the current record.
#include <windows.h>

#include <cstring>

#include "FieldText.h"
#include "Fontsmith.h"
#include "Layout.h"
#include "LogFontFields.h"
#include "MainState.h"
#include "PresetFont.h"

namespace {

// The last row, below the 13 numeric fields, names the face list.
const char kFaceNameLabel[] = "FaceName";

const char* const kTextMetricLabels[kTextMetricEntryCount] = {
    "tmHeight",         "tmAscent",       "tmDescent",  "tmInternalLeading",  "tmExternalLeading",
    "tmAveCharWidth",   "tmMaxCharWidth", "tmWeight",   "tmItalic",           "tmUnderlined",
    "tmStruckOut",      "tmFirstChar",    "tmLastChar", "tmDefaultChar",      "tmBreakChar",
    "tmPitchAndFamily", "tmCharSet",      "tmOverhang", "tmDigitizedAspectX", "tmDigitizedAspectY",
    "FontFace",
};

void PutText(HDC hdc, int x, int y, const char* text) {
    TextOutA(hdc, x, y, text, (int)strlen(text));
}

// Draws texts in the bold heading font, made for this call and released once
// it is selected out again.
void DrawInHeadingFont(HDC hdc, const POINT* at, const char* const* texts, int count) {
    HFONT hFont = MakePresetFont(&g_lfWork, 3);
    HGDIOBJ hPrev = hFont ? SelectObject(hdc, hFont) : nullptr;
    for (int k = 0; k < count; ++k)
        PutText(hdc, at[k].x, at[k].y, texts[k]);
    if (hPrev)
        SelectObject(hdc, hPrev);
    if (hFont)
        DeleteObject(hFont);
}

// Selects the item whose text equals the face name, letter case ignored; the
// selection stays as it is when no item does.
void SelectCurrentFace() {
    LRESULT index = SendMessageA(g_hwndFaceList, CB_FINDSTRINGEXACT, (WPARAM)-1,
                                 (LPARAM)g_lfCurrent.lfFaceName);
    if (index != CB_ERR)
        SendMessageA(g_hwndFaceList, CB_SETCURSEL, index, 0);
}

}  // namespace

void PaintMainWindow(HWND hwnd) {
    const int cx = g_cxChar, cy = g_cyChar;
    const int half = HalfRow(cy);

    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    SetBkMode(hdc, TRANSPARENT);

    PutText(hdc, 24 * cx, half, g_szHeading);

    const POINT titleAt[2] = {{2 * cx, 2 * cy}, {41 * cx, 2 * cy}};
    const char* const titles[2] = {"LOGFONT構造体メンバ", "TEXTMETRIC構造体メンバ"};
    DrawInHeadingFont(hdc, titleAt, titles, 2);

    for (int r = 1; r <= 14; ++r)
        PutText(hdc, 3 * cx, RowTop(cy, r),
                r <= kFieldCount ? kLogFontFields[r - 1].label : kFaceNameLabel);
    for (int r = 1; r <= 14; ++r)
        PutText(hdc, 17 * cx, RowTop(cy, r), "=");

    FormatLogFontFields(g_lfCurrent, g_szLogFontText);
    for (int j = 0; j < kFieldCount; ++j)
        SetWindowTextA(g_hwndField[j], g_szLogFontText[j]);
    SelectCurrentFace();

    for (int r = 1; r <= 10; ++r) {
        PutText(hdc, 43 * cx, RowTop(cy, r), kTextMetricLabels[r - 1]);
        PutText(hdc, 69 * cx, RowTop(cy, r), kTextMetricLabels[r + 9]);
    }
    PutText(hdc, 43 * cx, RowTop(cy, 11), kTextMetricLabels[20]);
    for (int r = 1; r <= 11; ++r)
        PutText(hdc, 60 * cx, RowTop(cy, r), "=");
    for (int r = 1; r <= 10; ++r)
        PutText(hdc, 86 * cx, RowTop(cy, r), "=");

    FillTextMetricTexts(g_tmCurrent, g_szFaceName, g_szTextMetricText);
    for (int r = 1; r <= 10; ++r) {
        PutText(hdc, 62 * cx, RowTop(cy, r), g_szTextMetricText[r - 1]);
        PutText(hdc, 88 * cx, RowTop(cy, r), g_szTextMetricText[r + 9]);
    }
    PutText(hdc, 62 * cx, RowTop(cy, 11), g_szTextMetricText[20]);

    const POINT captionAt[1] = {{41 * cx, 2 * cy + half + 17 * cy}};
    const char* const caption[1] = {"Create後　フォントサンプル"};
    DrawInHeadingFont(hdc, captionAt, caption, 1);

    EndPaint(hwnd, &ps);
}
