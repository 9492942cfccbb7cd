// Text items of the main dialog's property panel, computed without a window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "PaintedTable.h"

// One text drawn by the panel: top-left corner in client pixels and its bytes.
struct PanelItem {
    int x;
    int y;
    std::string text;
};

// Size of the caption buffer the panel is given; the caption never exceeds it.
const size_t kFontKindSize = 100;

// The 43 texts of the panel in drawing order: caption, the 14 "=" signs, left
// labels, left values, right labels, right values (row 7 has none), hint line.
// W, H are the grid units and T the offset of row 0 (positions beyond the int
// range are held at its limits); fontKind is read up to its NUL but never past
// kFontKindSize bytes.
std::vector<PanelItem> BuildPanelItems(const LOGFONTA& lf, const char* fontKind, int W, int H,
                                       int T);

// The child controls that take places in the panel's reading order, with
// their rectangles in client pixels and their texts.
struct PanelControls {
    HWND faceName;
    RECT faceNameRect;
    std::string faceNameText;
    HWND sample;
    RECT sampleRect;
    std::string sampleText;
    HWND close;
    RECT closeRect;
    std::string closeText;
};

// What a screen reader reads of the panel, from its 43 items and the width of
// each as painted (widths[i] is items[i]'s): the caption, then row by row the
// left field before the right one (the face-name box, named "FaceName", in
// the last row), the hint, the sample box named by the hint, and Close (the
// boxes' texts as their values, to notice changes). A
// field's name is its label without the padding, its value the value text,
// its rectangle from the label's left to the value's right, H pixels high, as
// are the caption's and the hint's. Empty when the sizes do not match.
PaintedTable BuildPanelTable(const std::vector<PanelItem>& items, const std::vector<int>& widths,
                             int H, const PanelControls& controls);
