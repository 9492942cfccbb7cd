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
// font of a memory device context, as 0x00RRGGBB row by row.
std::vector<unsigned> DrawReference(const std::vector<PanelItem>& items, int width, int height,
                                    const WindowFont& expectedFont) {
    testkit::Canvas canvas(width, height);
    HDC mem = canvas.Dc();
    // The memory context must carry the same default font as the window's.
    const WindowFont memFont = MeasureFont(mem);
    EXPECT_EQ(memFont.face, expectedFont.face);
    EXPECT_EQ(memFont.tm.tmHeight, expectedFont.tm.tmHeight);
    EXPECT_EQ(memFont.tm.tmAveCharWidth, expectedFont.tm.tmAveCharWidth);
    EXPECT_EQ(memFont.tm.tmWeight, expectedFont.tm.tmWeight);
    EXPECT_EQ(memFont.tm.tmCharSet, expectedFont.tm.tmCharSet);

    SetBkMode(mem, TRANSPARENT);
    for (const PanelItem& item : items)
        TextOutA(mem, item.x, item.y, item.text.c_str(), static_cast<int>(item.text.size()));
    return canvas.Pixels();
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
    const std::vector<unsigned> expected = DrawReference(items, width, height, font);

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
