// The repaint of the main window: heading, the LOGFONT and TEXTMETRIC
// tables and the caption, as the main table lists them; it also brings the
// field boxes and the face list into line with the current record.
#include <windows.h>

#include <cstring>

#include "FieldText.h"
#include "Fontsmith.h"
#include "MainState.h"
#include "MainTable.h"
#include "PresetFont.h"

namespace {

void PutText(HDC hdc, const MainText& text) {
    TextOutA(hdc, text.x, text.y, text.text, (int)strlen(text.text));
}

// Draws texts in the bold heading font, made for this call and released once
// it is selected out again.
void DrawInHeadingFont(HDC hdc, const MainText* texts, size_t count) {
    HFONT hFont = MakePresetFont(&g_lfWork, 3);
    HGDIOBJ hPrev = hFont ? SelectObject(hdc, hFont) : nullptr;
    for (size_t k = 0; k < count; ++k)
        PutText(hdc, texts[k]);
    if (hPrev)
        SelectObject(hdc, hPrev);
    if (hFont)
        DeleteObject(hFont);
}

// Draws the texts in their order, each run of heading texts in one font.
void DrawTexts(HDC hdc, const std::vector<MainText>& texts) {
    size_t k = 0;
    while (k < texts.size()) {
        size_t end = k + 1;
        while (end < texts.size() && texts[end].heading == texts[k].heading)
            ++end;
        if (texts[k].heading)
            DrawInHeadingFont(hdc, &texts[k], end - k);
        else
            for (size_t j = k; j < end; ++j)
                PutText(hdc, texts[j]);
        k = end;
    }
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
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    SetBkMode(hdc, TRANSPARENT);

    FormatLogFontFields(g_lfCurrent, g_szLogFontText);
    for (int j = 0; j < kFieldCount; ++j)
        SetWindowTextA(g_hwndField[j], g_szLogFontText[j]);
    SelectCurrentFace();
    FillTextMetricTexts(g_tmCurrent, g_szFaceName, g_szTextMetricText);

    MainTable table;
    BuildMainTable(g_cxChar, g_cyChar, g_szHeading, g_szTextMetricText, &table);
    DrawTexts(hdc, table.texts);

    EndPaint(hwnd, &ps);
}
