// The viewer's panel, its readable table, main dialog layout and print line
// step from any record, grid units and text widths: the caption is never read
// past its buffer, the value texts are the fields in decimal, the rows line
// up, every field is named by its unpadded label, and no position overflows
// (UBSan would stop the run).
#include <cstdlib>
#include <string>

#include "DialogLayout.h"
#include "FuzzSupport.h"
#include "LogFontFields.h"
#include "PanelItems.h"
#include "PrintLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const LOGFONTA lf = input.Take<LOGFONTA>();
    const int W = input.Take<int>(), H = input.Take<int>(), T = input.Take<int>();
    const int frame = input.Take<int>(), bars = input.Take<int>();
    const int tmHeight = input.Take<int>();
    const bool haveMetrics = input.Take<uint8_t>() & 1;
    const int width = input.Take<int>();
    const std::string kind = input.Rest();

    const auto block = ExactBlock(kind, std::min(kind.size() + 1, kFontKindSize));
    const auto items = BuildPanelItems(lf, block.get(), W, H, T);
    FUZZ_CHECK(items.size() == 43);
    FUZZ_CHECK(items[0].text == std::string(block.get(), strnlen(block.get(), kFontKindSize)));
    // Values: the first seven fields at items 22 to 28, the other six at 36 to 41;
    // plain decimal, the byte fields never negative.
    for (int k = 0; k < kLogFontFieldCount; ++k) {
        const std::string& text = items[k < 7 ? 22 + k : 29 + k].text;
        char* end = nullptr;
        const long number = std::strtol(text.c_str(), &end, 10);
        FUZZ_CHECK(!text.empty() && *end == '\0');
        FUZZ_CHECK(number == LogFontFieldValue(lf, kLogFontFields[k]));
        FUZZ_CHECK(kLogFontFields[k].isSigned || (number >= 0 && number <= 255));
    }
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 5; ++column)
            FUZZ_CHECK(items[1 + 7 * column + row].y == items[1 + row].y);

    const std::vector<int> widths(items.size(), width);
    const PaintedTable table = BuildPanelTable(items, widths, H, PanelControls());
    // Caption, 13 fields and the face-name box, hint, sample box, Close.
    FUZZ_CHECK(table.size() == 18);
    FUZZ_CHECK(table[0].name == items[0].text && table[15].name == items[42].text);
    for (int k = 0; k < kLogFontFieldCount; ++k) {
        const PaintedEntry& entry = table[k < 7 ? 1 + 2 * k : 2 * (k - 7) + 2];
        FUZZ_CHECK(entry.name == kLogFontFields[k].name);
        FUZZ_CHECK(entry.value == items[k < 7 ? 22 + k : 29 + k].text);
        FUZZ_CHECK(entry.rect.top == items[k < 7 ? 22 + k : 29 + k].y);
    }
    FUZZ_CHECK(table[14].name == "FaceName" && table[16].name == items[42].text);

    const DialogLayout layout = ComputeDialogLayout(W, H, T, frame, frame, bars, bars);
    FUZZ_CHECK(layout.window.x == 15 && layout.closeButton.width == 80);
    const int step = TestPrintLineStep(haveMetrics, tmHeight, lf.lfHeight);
    FUZZ_CHECK(haveMetrics || step > 0);
    return 0;
}
