// Text drawn in another program's window, compared with the same text drawn
// here: a way to see which font and which characters a window painted.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Pixels (0x00RRGGBB, row by row) of text drawn at (0, 0) on a background of
// the given colour, as TextOutA or, with a format, as DrawTextA in the box.
std::vector<unsigned> RenderText(const std::string& text, HFONT font, int width, int height,
                                 COLORREF background, UINT drawTextFormat = 0);

// Pixels of a rectangle of a window's client area, as on the screen.
std::vector<unsigned> CaptureClient(HWND hwnd, int x, int y, int width, int height);

