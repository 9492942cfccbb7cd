#include "Pixels.h"

#include "testkit.h"

std::vector<unsigned> RenderText(const std::string& text, HFONT font, int width, int height,
                                 COLORREF background, UINT drawTextFormat)
{
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBmp = SelectObject(mem, bmp);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, width, height};
    FillRect(mem, &all, brush);
    DeleteObject(brush);
    HGDIOBJ oldFont = SelectObject(mem, font);
    SetBkMode(mem, TRANSPARENT);
    if (drawTextFormat)
        DrawTextA(mem, text.c_str(), (int)text.size(), &all, drawTextFormat);
    else
        TextOutA(mem, 0, 0, text.c_str(), (int)text.size());
    GdiFlush();
    std::vector<unsigned> pixels((size_t)width * height);
    const unsigned* src = static_cast<const unsigned*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = src[i] & 0xFFFFFF;
    SelectObject(mem, oldFont);
    SelectObject(mem, oldBmp);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return pixels;
}

std::vector<unsigned> CaptureClient(HWND hwnd, int x, int y, int width, int height)
{
    RECT client = testkit::ClientRectOnScreen(hwnd);
    RECT r{client.left + x, client.top + y, client.left + x + width, client.top + y + height};
    return testkit::CaptureScreen(r);
}

int CountDifferences(const std::vector<unsigned>& a, const std::vector<unsigned>& b)
{
    if (a.size() != b.size()) return -1;
    int n = 0;
    for (size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
    return n;
}
