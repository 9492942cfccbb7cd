// What Fontloupe's painted panel must look like: the caption and the value
// columns drawn here as the panel draws them (black, in the default font of a
// device context, on white), compared with the screen.
#pragma once

#include <windows.h>

#include <string>

// Grid units of the panel: the default font's average width and height
// (the offset of row 0 equals the height).
struct Grid {
    int W;
    int H;
};
Grid PanelGrid(HWND mainDialog);

// Pixels that differ from the panel drawn for caption and lf: in the caption
// line, caption at (2W, H/2); in the value columns, lf's field values in
// decimal (rows 1 to 7 at 19W, rows 1 to 6 at 48W).
struct PanelDifferences {
    int caption;
    int values;
};
PanelDifferences ComparePanel(HWND mainDialog, const std::string& caption, const LOGFONTA& lf);
