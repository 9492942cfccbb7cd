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

// The text columns of both tables, by pass: the columns of one pass are drawn
// row by row (from 1), each row from left to right. The left TEXTMETRIC
// columns end in row 11 with entry 20: the label column with "FontFace", the
// value column with the face name. The "=" of LOGFONT row
// 14 lies under the face list and is drawn all the same.
struct Column {
    int pass, x, rows;  // x in character widths
    const char* (*text)(int row);
};
const Column kColumns[] = {
    {0, 3, 14, [](int r) { return r <= kFieldCount ? kLogFontFields[r - 1].label : "FaceName"; }},
    {1, 17, 14, [](int) { return "="; }},
    {2, 43, 11, [](int r) { return kTextMetricLabels[r <= 10 ? r - 1 : 20]; }},
    {2, 69, 10, [](int r) { return kTextMetricLabels[r + 9]; }},
    {3, 60, 11, [](int) { return "="; }},
    {4, 86, 10, [](int) { return "="; }},
    {5, 62, 11, [](int r) -> const char* { return g_szTextMetricText[r <= 10 ? r - 1 : 20]; }},
    {5, 88, 10, [](int r) -> const char* { return g_szTextMetricText[r + 9]; }},
};

void PutColumns(HDC hdc, int first, int last) {
    for (int pass = first; pass <= last; ++pass)
        for (int r = 1; r <= 14; ++r)
            for (const Column& c : kColumns)
                if (c.pass == pass && r <= c.rows)
                    PutText(hdc, c.x * g_cxChar, RowTop(g_cyChar, r), c.text(r));
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

    PutColumns(hdc, 0, 1);

    FormatLogFontFields(g_lfCurrent, g_szLogFontText);
    for (int j = 0; j < kFieldCount; ++j)
        SetWindowTextA(g_hwndField[j], g_szLogFontText[j]);
    SelectCurrentFace();
    FillTextMetricTexts(g_tmCurrent, g_szFaceName, g_szTextMetricText);
    PutColumns(hdc, 2, 5);

    const POINT captionAt[1] = {{41 * cx, 2 * cy + half + 17 * cy}};
    const char* const caption[1] = {"Create後　フォントサンプル"};
    DrawInHeadingFont(hdc, captionAt, caption, 1);

    EndPaint(hwnd, &ps);
}
