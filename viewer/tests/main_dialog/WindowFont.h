// The default font of a window's device context, measured in the test's own
// process: the font the main dialog lays itself out with and paints its panel in.
#pragma once

#include <windows.h>

#include <string>

struct WindowFont {
    TEXTMETRICA tm;
    std::string face;
    int W() const { return tm.tmAveCharWidth; }
    int H() const { return tm.tmHeight; }
};

// Metrics and face name of a device context's selected font.
WindowFont MeasureFont(HDC dc);

// The same for a fresh device context of the window (of any process), with no
// font selected.
WindowFont MeasureWindowFont(HWND wnd);

// The font record the main dialog shows right after start: the size fields of
// the default font's metrics, everything else zero, and its face name.
LOGFONTA ShownFontRecord(const WindowFont& font);
