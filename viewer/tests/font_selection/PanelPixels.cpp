#include "PanelPixels.h"

#include <vector>

#include "testkit.h"

namespace {

struct Text {
    int x;
    int y;
    std::string text;
};

// Pixels of area (client coordinates) with the texts drawn on white.
std::vector<unsigned> Draw(const RECT& area, const std::vector<Text>& texts) {
    testkit::Canvas canvas(area.right - area.left, area.bottom - area.top);
    ::SetBkMode(canvas.Dc(), TRANSPARENT);
    for (const Text& t : texts)
        ::TextOutA(canvas.Dc(), t.x - area.left, t.y - area.top, t.text.data(),
                   static_cast<int>(t.text.size()));
    return canvas.Pixels();
}

int Differences(HWND mainDialog, const RECT& area, const std::vector<Text>& texts) {
    RECT onScreen = area;
    ::MapWindowPoints(mainDialog, nullptr, reinterpret_cast<POINT*>(&onScreen), 2);
    return testkit::CountDifferences(testkit::CaptureScreen(onScreen), Draw(area, texts));
}

}  // namespace

Grid PanelGrid(HWND mainDialog) {
    HDC dc = ::GetDC(mainDialog);
    TEXTMETRICA tm{};
    ::GetTextMetricsA(dc, &tm);
    ::ReleaseDC(mainDialog, dc);
    return Grid{tm.tmAveCharWidth, tm.tmHeight};
}

PanelDifferences ComparePanel(HWND mainDialog, const std::string& caption, const LOGFONTA& lf) {
    const Grid g = PanelGrid(mainDialog);
    const int top = g.H;  // row 0
    testkit::BringToFront(mainDialog);
    PanelDifferences result{};
    // Up to row 1, left of the "Close" button.
    result.caption = Differences(mainDialog, RECT{0, 0, 30 * g.W, top + g.H},
                                 {{2 * g.W, g.H / 2, caption}});

    const long left[] = {lf.lfHeight, lf.lfWidth, lf.lfEscapement, lf.lfOrientation,
                         lf.lfWeight, lf.lfItalic, lf.lfUnderline};
    const int right[] = {lf.lfStrikeOut,     lf.lfCharSet, lf.lfOutPrecision,
                         lf.lfClipPrecision, lf.lfQuality, lf.lfPitchAndFamily};
    std::vector<Text> leftTexts, rightTexts;
    for (int i = 0; i < 7; ++i)
        leftTexts.push_back({19 * g.W, top + (i + 1) * g.H, std::to_string(left[i])});
    for (int i = 0; i < 6; ++i)
        rightTexts.push_back({48 * g.W, top + (i + 1) * g.H, std::to_string(right[i])});
    result.values =
        Differences(mainDialog, RECT{19 * g.W, top + g.H, 29 * g.W, top + 8 * g.H}, leftTexts) +
        Differences(mainDialog, RECT{48 * g.W, top + g.H, 66 * g.W, top + 7 * g.H}, rightTexts);
    return result;
}
