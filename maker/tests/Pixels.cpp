#include "Pixels.h"

#include "testkit.h"

std::vector<unsigned> RenderText(const std::string& text, HFONT font, int width, int height,
                                 COLORREF background, UINT drawTextFormat)
{
    testkit::Canvas canvas(width, height, background);
    HDC dc = canvas.Dc();
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    RECT all{0, 0, width, height};
    if (drawTextFormat)
        DrawTextA(dc, text.c_str(), (int)text.size(), &all, drawTextFormat);
    else
        TextOutA(dc, 0, 0, text.c_str(), (int)text.size());
    std::vector<unsigned> pixels = canvas.Pixels();
    SelectObject(dc, oldFont);
    return pixels;
}

std::vector<unsigned> CaptureClient(HWND hwnd, int x, int y, int width, int height)
{
    RECT client = testkit::ClientRectOnScreen(hwnd);
    RECT r{client.left + x, client.top + y, client.left + x + width, client.top + y + height};
    return testkit::CaptureScreen(r);
}
