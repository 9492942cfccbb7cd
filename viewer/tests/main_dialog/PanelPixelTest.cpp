// The painted property panel of the running Fontloupe.exe, pixel for pixel
// against the 43 panel items drawn here into a memory bitmap in the same font.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "FontloupeDriver.h"
#include "PanelItems.h"
#include "WindowFont.h"

namespace {

// A white bitmap of the given size with the panel items drawn in the default
// font of a memory device context compatible with the window's, as 0x00RRGGBB
// row by row.
std::vector<unsigned> DrawReference(const std::vector<PanelItem>& items, int width, int height,
                                    HWND window, const WindowFont& expectedFont) {
    HDC windowDC = GetDC(window);
    HDC mem = CreateCompatibleDC(windowDC);
    ReleaseDC(window, windowDC);
    // The memory context must carry the same default font as the window's.
    const WindowFont memFont = MeasureFont(mem);
    EXPECT_EQ(memFont.face, expectedFont.face);
    EXPECT_EQ(memFont.tm.tmHeight, expectedFont.tm.tmHeight);
    EXPECT_EQ(memFont.tm.tmAveCharWidth, expectedFont.tm.tmAveCharWidth);
    EXPECT_EQ(memFont.tm.tmWeight, expectedFont.tm.tmWeight);
    EXPECT_EQ(memFont.tm.tmCharSet, expectedFont.tm.tmCharSet);

    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(mem, bitmap);
    RECT all{0, 0, width, height};
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(mem, &all, white);
    DeleteObject(white);
    SetBkMode(mem, TRANSPARENT);
    for (const PanelItem& item : items)
        TextOutA(mem, item.x, item.y, item.text.c_str(), static_cast<int>(item.text.size()));
    GdiFlush();

    std::vector<unsigned> pixels(static_cast<size_t>(width) * height);
    const unsigned* src = static_cast<const unsigned*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = src[i] & 0xFFFFFF;
    SelectObject(mem, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(mem);
    return pixels;
}

bool Inside(const std::vector<RECT>& rects, int x, int y) {
    POINT p{x, y};
    for (const RECT& r : rects)
        if (PtInRect(&r, p))
            return true;
    return false;
}

TEST(PanelPixelTest, ClientAreaEqualsTheFortyThreeItemsInTheDefaultFont) {
    testkit::Program program;
    HWND dialog = fontloupe::Start(program);
    ASSERT_NE(dialog, nullptr) << "main dialog did not appear";
    const WindowFont font = MeasureWindowFont(dialog);
    const std::vector<PanelItem> items =
        BuildPanelItems(ShownFontRecord(font), "☆ Screen Font ☆", font.W(), font.H(), font.H());
    ASSERT_EQ(items.size(), 43u);
    testkit::BringToFront(dialog);

    const RECT client = testkit::ClientRectOnScreen(dialog);
    const int width = client.right - client.left, height = client.bottom - client.top;
    ASSERT_GT(width, 0);
    ASSERT_GT(height, 0);
    const std::vector<unsigned> shown = testkit::CaptureScreen(client);
    const std::vector<unsigned> expected = DrawReference(items, width, height, dialog, font);

    // The three controls cover parts of the panel; they are not its drawing.
    std::vector<RECT> controls;
    for (int id : {fontloupe::kSampleBox, fontloupe::kFaceNameBox, fontloupe::kCloseButton})
        controls.push_back(testkit::ChildRectInParent(GetDlgItem(dialog, id)));

    int differences = 0;
    std::ostringstream first;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const size_t i = static_cast<size_t>(y) * width + x;
            if (shown[i] == expected[i] || Inside(controls, x, y))
                continue;
            if (differences++ < 5)
                first << " (" << x << ", " << y << "): " << std::hex << shown[i] << " not "
                      << expected[i] << std::dec;
        }
    EXPECT_EQ(differences, 0) << "first differences:" << first.str();
}

}  // namespace
