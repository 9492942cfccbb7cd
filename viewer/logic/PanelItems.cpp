#include "PanelItems.h"

#include <cstring>

#include "LogFontFields.h"
#include "PixelMath.h"

namespace {

// The first seven fields fill the left column, the other six the right one,
// whose seventh row labels the face name (its box stands there, so no value).
const int kRows = 7;
const char kFaceNameLabel[] = "FaceName";
const char kHint[] = "サンプル （Screen Font 選択時のみ）";

// Every label is 15 characters, the name padded with blanks.
std::string Label(const char* name) {
    std::string label = name;
    label.resize(15, ' ');
    return label;
}

}  // namespace

std::vector<PanelItem> BuildPanelItems(const LOGFONTA& lf, const char* fontKind, int W, int H,
                                       int T) {
    const LogFontField* const left = kLogFontFields;
    const LogFontField* const right = kLogFontFields + kRows;
    auto rowY = [&](int i) { return ToPixels(T + static_cast<long long>(i) * H); };
    auto columnX = [&](int column) { return ToPixels(static_cast<long long>(column) * W); };

    std::vector<PanelItem> items;
    items.reserve(43);
    const size_t kindLength = fontKind ? strnlen(fontKind, kFontKindSize) : 0;
    items.push_back({columnX(2), H / 2, std::string(fontKind ? fontKind : "", kindLength)});
    for (int i = 1; i <= kRows; ++i)
        items.push_back({columnX(17), rowY(i), "="});
    for (int i = 1; i <= kRows; ++i)
        items.push_back({columnX(45), rowY(i), "="});
    for (int i = 1; i <= kRows; ++i)
        items.push_back({columnX(2), rowY(i), Label(left[i - 1].name)});
    for (int i = 1; i <= kRows; ++i)
        items.push_back({columnX(19), rowY(i), std::to_string(LogFontFieldValue(lf, left[i - 1]))});
    for (int i = 1; i <= kRows; ++i)
        items.push_back(
            {columnX(30), rowY(i), Label(i < kRows ? right[i - 1].name : kFaceNameLabel)});
    for (int i = 1; i < kRows; ++i)
        items.push_back(
            {columnX(48), rowY(i), std::to_string(LogFontFieldValue(lf, right[i - 1]))});
    items.push_back({columnX(2), rowY(9), kHint});
    return items;
}
