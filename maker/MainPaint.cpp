// The repaint of the main window: heading, the LOGFONT and TEXTMETRIC
// tables and the caption, as the main table lists them; it also brings the
// field boxes and the face list into line with the current record and tells
// screen readers what changed. What a reader reads comes from the same table.
#include <windows.h>

#include <cstring>

#include "Accessible.h"
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

// The extent of a text in its font on hdc: heading texts in hHeading.
RECT TextRect(HDC hdc, HFONT hHeading, const MainText& text) {
    HGDIOBJ hPrev = text.heading && hHeading ? SelectObject(hdc, hHeading) : nullptr;
    SIZE size{};
    GetTextExtentPoint32A(hdc, text.text, (int)strlen(text.text), &size);
    if (hPrev)
        SelectObject(hdc, hPrev);
    return RECT{text.x, text.y, text.x + size.cx, text.y + size.cy};
}

// A child control's window rectangle in the main window's client pixels.
RECT ControlRect(HWND hwnd, HWND hwndControl) {
    RECT r{};
    GetWindowRect(hwndControl, &r);
    MapWindowPoints(nullptr, hwnd, (POINT*)&r, 2);
    return r;
}

// What a reader meets, in the table's reading order. The painted texts are
// measured on hdc when one is given (the bold heading font made for the call
// and released before it returns), else their rectangles stay empty, which is
// enough to compare names and values. A TEXTMETRIC row reaches from its
// label's left to its value's right, as high as its label.
void FillEntries(HWND hwnd, const MainTable& main, HDC hdc, PaintedTable& entries) {
    LOGFONTA lf{};
    HFONT hHeading = hdc ? MakePresetFont(&lf, 3) : nullptr;
    auto measure = [&](int index) {
        return hdc ? TextRect(hdc, hHeading, main.texts[index]) : RECT{};
    };
    entries.clear();
    for (const MainItem& item : main.items) {
        PaintedEntry entry{item.label >= 0 ? main.texts[item.label].text : kCreateButtonText, "",
                           RECT{}, nullptr};
        switch (item.kind) {
        case kItemText:
            entry.rect = measure(item.label);
            break;
        case kItemRow:
            entry.value = main.texts[item.value].text;
            entry.rect = measure(item.label);
            entry.rect.right = measure(item.value).right;
            break;
        case kItemField:
            entry.control = g_hwndField[item.box];
            break;
        case kItemFaceList:
            entry.control = g_hwndFaceList;
            break;
        case kItemCreate:
            entry.control = g_hwndCreate;
            break;
        case kItemSample:
            entry.control = g_hwndSample;
            break;
        }
        if (entry.control)
            entry.rect = ControlRect(hwnd, entry.control);
        entries.push_back(entry);
    }
    if (hHeading)
        DeleteObject(hHeading);
}

// Writes the stored values into the field boxes; changed[j] tells whether box
// j held another text before.
void RestoreFieldBoxes(bool* changed) {
    FormatLogFontFields(g_lfCurrent, g_szLogFontText);
    for (int j = 0; j < kFieldCount; ++j) {
        char held[kFieldSlotBytes] = "";
        GetWindowTextA(g_hwndField[j], held, sizeof held);
        changed[j] = strcmp(held, g_szLogFontText[j]) != 0;
        SetWindowTextA(g_hwndField[j], g_szLogFontText[j]);
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
    // The table points at the texts, which the paint renews: what a reader
    // saw before is kept as a copy.
    MainTable table;
    BuildMainTable(g_cxChar, g_cyChar, g_szHeading, g_szTextMetricText, &table);
    PaintedTable before, after;
    FillEntries(hwnd, table, nullptr, before);

    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    SetBkMode(hdc, TRANSPARENT);
    bool boxChanged[kFieldCount];
    RestoreFieldBoxes(boxChanged);
    SelectCurrentFace();
    FillTextMetricTexts(g_tmCurrent, g_szFaceName, g_szTextMetricText);
    DrawTexts(hdc, table.texts);
    EndPaint(hwnd, &ps);

    // The new values are readable now. Wine's edit control does not announce
    // a text set from outside, so the boxes are announced here.
    FillEntries(hwnd, table, nullptr, after);
    AnnounceTableChanges(hwnd, before, after);
    for (int j = 0; j < kFieldCount; ++j)
        if (boxChanged[j])
            NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, g_hwndField[j], OBJID_CLIENT, CHILDID_SELF);
}

void ReadMainWindow(HWND hwnd, PaintedTable& entries) {
    MainTable table;
    BuildMainTable(g_cxChar, g_cyChar, g_szHeading, g_szTextMetricText, &table);
    HDC hdc = GetDC(hwnd);
    FillEntries(hwnd, table, hdc, entries);
    ReleaseDC(hwnd, hdc);
}
