// Text items of the main dialog's property panel, computed without a window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

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
