#include "MainTable.h"

#include "Layout.h"
#include "LogFontFields.h"

const char kCreateButtonText[] = "Create →";

namespace {

const char* const kTextMetricLabels[kTextMetricEntryCount] = {
    "tmHeight",         "tmAscent",       "tmDescent",  "tmInternalLeading",  "tmExternalLeading",
    "tmAveCharWidth",   "tmMaxCharWidth", "tmWeight",   "tmItalic",           "tmUnderlined",
    "tmStruckOut",      "tmFirstChar",    "tmLastChar", "tmDefaultChar",      "tmBreakChar",
    "tmPitchAndFamily", "tmCharSet",      "tmOverhang", "tmDigitizedAspectX", "tmDigitizedAspectY",
    "FontFace",
};

const int kRows = 14;  // table rows, counted from 1

// The text columns of both tables, by pass: the columns of one pass are drawn
// row by row, each row from left to right. The left TEXTMETRIC columns end
// in row 11 with entry 20: the label column with "FontFace", the value column
// with the face name. The "=" of LOGFONT row 14 lies under the face list and
// is drawn all the same.
enum Column {
    kLogFontLabel,
    kLogFontEquals,
    kLeftLabel,
    kRightLabel,
    kLeftEquals,
    kRightEquals,
    kLeftValue,
    kRightValue,
    kColumnCount
};
struct ColumnPlace {
    int pass, x, rows;  // x in character widths
};
const ColumnPlace kColumnPlaces[kColumnCount] = {
    {0, 3, 14},  {1, 17, 14}, {2, 43, 11}, {2, 69, 10},
    {3, 60, 11}, {4, 86, 10}, {5, 62, 11}, {5, 88, 10},
};
const int kPassCount = 6;

// The TEXTMETRIC entry shown in row r of the left or the right column.
int LeftEntry(int r) { return r <= 10 ? r - 1 : 20; }
int RightEntry(int r) { return r + 9; }

const char* ColumnText(Column c, int r, const char (*tmTexts)[kTextMetricEntryBytes]) {
    switch (c) {
    case kLogFontLabel:
        return r <= kFieldCount ? kLogFontFields[r - 1].label : "FaceName";
    case kLeftLabel:
        return kTextMetricLabels[LeftEntry(r)];
    case kRightLabel:
        return kTextMetricLabels[RightEntry(r)];
    case kLeftValue:
        return tmTexts[LeftEntry(r)];
    case kRightValue:
        return tmTexts[RightEntry(r)];
    default:
        return "=";
    }
}

}  // namespace

void BuildMainTable(int cx, int cy, const char* heading,
                    const char (*tmTexts)[kTextMetricEntryBytes], MainTable* table) {
    std::vector<MainText>& texts = table->texts;
    std::vector<MainItem>& items = table->items;
    texts.clear();
    items.clear();
    const int half = HalfRow(cy);
    auto put = [&](int x, int y, bool bold, const char* text) {
        texts.push_back(MainText{x, y, bold, text});
        return (int)texts.size() - 1;
    };
    auto read = [&](MainItemKind kind, int label, int value, int box) {
        items.push_back(MainItem{kind, label, value, box});
    };

    read(kItemText, put(24 * cx, half, false, heading), -1, -1);
    const int logFontTitle = put(2 * cx, 2 * cy, true, "LOGFONT構造体メンバ");
    const int textMetricTitle = put(41 * cx, 2 * cy, true, "TEXTMETRIC構造体メンバ");
    read(kItemText, logFontTitle, -1, -1);
    read(kItemText, textMetricTitle, -1, -1);

    // Where each column's text of each row went.
    int at[kColumnCount][kRows + 1] = {};
    for (int pass = 0; pass < kPassCount; ++pass)
        for (int r = 1; r <= kRows; ++r)
            for (int c = 0; c < kColumnCount; ++c) {
                const ColumnPlace& place = kColumnPlaces[c];
                if (place.pass == pass && r <= place.rows)
                    at[c][r] =
                        put(place.x * cx, RowTop(cy, r), false, ColumnText((Column)c, r, tmTexts));
            }
    const int caption = put(41 * cx, 2 * cy + half + 17 * cy, true, "Create後　フォントサンプル");

    for (int r = 1; r <= kFieldCount; ++r) {
        read(kItemField, at[kLogFontLabel][r], -1, r - 1);
        if (r == 4)
            read(kItemCreate, -1, -1, -1);
        if (r <= kColumnPlaces[kLeftLabel].rows)
            read(kItemRow, at[kLeftLabel][r], at[kLeftValue][r], -1);
        if (r <= kColumnPlaces[kRightLabel].rows)
            read(kItemRow, at[kRightLabel][r], at[kRightValue][r], -1);
    }
    read(kItemFaceList, at[kLogFontLabel][kRows], -1, -1);
    read(kItemText, caption, -1, -1);
    read(kItemSample, caption, -1, -1);
}
