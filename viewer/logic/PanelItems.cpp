#include "PanelItems.h"

#include <cstring>

namespace {

const int kRows = 7;

const char* const kLeftLabels[kRows] = {
    "Height         ", "Width          ", "Escapement     ", "Orientation    ",
    "Weight         ", "Italic         ", "Underline      ",
};

const char* const kRightLabels[kRows] = {
    "StrikeOut      ", "CharSet        ", "OutPrecision   ", "ClipPrecision  ",
    "Quality        ", "PitchAndFamily ", "FaceName       ",
};

const char kHint[] = "サンプル （Screen Font 選択時のみ）";

}  // namespace

std::vector<PanelItem> BuildPanelItems(const LOGFONTA& lf, const char* fontKind, int W, int H,
                                       int T) {
    // The 32-bit fields keep their sign; BYTE fields widen to 0..255.
    const int leftValues[kRows] = {
        lf.lfHeight, lf.lfWidth,  lf.lfEscapement, lf.lfOrientation,
        lf.lfWeight, lf.lfItalic, lf.lfUnderline,
    };
    const int rightValues[kRows - 1] = {
        lf.lfStrikeOut,     lf.lfCharSet, lf.lfOutPrecision,
        lf.lfClipPrecision, lf.lfQuality, lf.lfPitchAndFamily,
    };
    auto rowY = [&](int i) { return T + i * H; };

    std::vector<PanelItem> items;
    items.reserve(43);
    const size_t kindLength = fontKind ? strnlen(fontKind, kFontKindSize) : 0;
    items.push_back({2 * W, H / 2, std::string(fontKind ? fontKind : "", kindLength)});
    for (int i = 1; i <= kRows; ++i)
        items.push_back({17 * W, rowY(i), "="});
    for (int i = 1; i <= kRows; ++i)
        items.push_back({45 * W, rowY(i), "="});
    for (int i = 1; i <= kRows; ++i)
        items.push_back({2 * W, rowY(i), kLeftLabels[i - 1]});
    for (int i = 1; i <= kRows; ++i)
        items.push_back({19 * W, rowY(i), std::to_string(leftValues[i - 1])});
    for (int i = 1; i <= kRows; ++i)
        items.push_back({30 * W, rowY(i), kRightLabels[i - 1]});
    for (int i = 1; i < kRows; ++i)
        items.push_back({48 * W, rowY(i), std::to_string(rightValues[i - 1])});
    items.push_back({2 * W, rowY(9), kHint});
    return items;
}
