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

// Where BuildPanelItems puts each kind of item.
const size_t kCaptionItem = 0;
const size_t kLeftLabelItems = 15;
const size_t kLeftValueItems = 22;
const size_t kRightLabelItems = 29;
const size_t kRightValueItems = 36;
const size_t kHintItem = 42;
const size_t kItemCount = 43;

// Every label is 15 characters, the name padded with blanks.
std::string Label(const char* name) {
    std::string label = name;
    label.resize(15, ' ');
    return label;
}

// The label without its padding; no trail byte of a double-byte character is
// a blank, so cutting blanks from the end splits none.
std::string Unpadded(const std::string& label) {
    const size_t end = label.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : label.substr(0, end + 1);
}

RECT RowRect(int left, int right, int top, int H) {
    return {left, top, right, ToPixels(static_cast<long long>(top) + H)};
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

PaintedTable BuildPanelTable(const std::vector<PanelItem>& items, const std::vector<int>& widths,
                             int H, const PanelControls& controls) {
    PaintedTable table;
    if (items.size() != kItemCount || widths.size() != kItemCount)
        return table;
    auto right = [&](size_t i) { return ToPixels(static_cast<long long>(items[i].x) + widths[i]); };
    auto text = [&](size_t i) {
        const PanelItem& item = items[i];
        table.push_back({item.text, "", RowRect(item.x, right(i), item.y, H), nullptr});
    };
    auto field = [&](size_t label, size_t value) {
        table.push_back({Unpadded(items[label].text), items[value].text,
                         RowRect(items[label].x, right(value), items[label].y, H), nullptr});
    };

    text(kCaptionItem);
    for (int row = 0; row < kRows; ++row) {
        field(kLeftLabelItems + row, kLeftValueItems + row);
        if (row + 1 < kRows)
            field(kRightLabelItems + row, kRightValueItems + row);
        else
            table.push_back(
                {kFaceNameLabel, controls.faceNameText, controls.faceNameRect, controls.faceName});
    }
    text(kHintItem);
    table.push_back({kHint, controls.sampleText, controls.sampleRect, controls.sample});
    table.push_back({controls.closeText, "", controls.closeRect, controls.close});
    return table;
}
