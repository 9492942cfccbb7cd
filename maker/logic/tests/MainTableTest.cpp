// The main window's table of painted texts: where each text is drawn, in
// which order, and the order in which a reader meets them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Layout.h"
#include "MainTable.h"

namespace {

struct Tables {
    char tm[kTextMetricEntryCount][kTextMetricEntryBytes];
    MainTable table;
    Tables() {
        for (int k = 0; k < kTextMetricEntryCount; ++k)
            snprintf(tm[k], sizeof tm[k], "v%d", k);
        BuildMainTable(8, 16, "heading", tm, &table);
    }
};

std::string Placed(const MainText& t) {
    return std::to_string(t.x) + "," + std::to_string(t.y) + (t.heading ? " bold " : " ") + t.text;
}

TEST(MainTable, TextsComeInTheDrawingOrderAtTheirPlaces) {
    Tables t;
    const std::vector<MainText>& texts = t.table.texts;
    ASSERT_EQ(95u, texts.size());
    EXPECT_EQ("192,8 heading", Placed(texts[0]));
    EXPECT_EQ("16,32 bold LOGFONT構造体メンバ", Placed(texts[1]));
    EXPECT_EQ("328,32 bold TEXTMETRIC構造体メンバ", Placed(texts[2]));
    // The LOGFONT labels, then their "=" column, row by row.
    EXPECT_EQ("24,56 Height", Placed(texts[3]));
    EXPECT_EQ("24,77 Width", Placed(texts[4]));
    EXPECT_EQ("24,329 FaceName", Placed(texts[16]));
    EXPECT_EQ("136,56 =", Placed(texts[17]));
    EXPECT_EQ("136,329 =", Placed(texts[30]));
    // The TEXTMETRIC labels, each row left then right, the face name alone in row 11.
    EXPECT_EQ("344,56 tmHeight", Placed(texts[31]));
    EXPECT_EQ("552,56 tmStruckOut", Placed(texts[32]));
    EXPECT_EQ("552,245 tmDigitizedAspectY", Placed(texts[50]));
    EXPECT_EQ("344,266 FontFace", Placed(texts[51]));
    // The "=" columns, left one first, then the values row by row.
    EXPECT_EQ("480,56 =", Placed(texts[52]));
    EXPECT_EQ("688,56 =", Placed(texts[63]));
    EXPECT_EQ("496,56 v0", Placed(texts[73]));
    EXPECT_EQ("704,56 v10", Placed(texts[74]));
    EXPECT_EQ("496,266 v20", Placed(texts[93]));
    EXPECT_EQ("328,312 bold Create後　フォントサンプル", Placed(texts[94]));
    for (int r = 1; r <= 14; ++r)
        EXPECT_EQ(RowTop(16, r), texts[2 + r].y) << r;
}

TEST(MainTable, ReaderMeetsEachRowLeftToRight) {
    Tables t;
    std::string order;
    for (const MainItem& item : t.table.items) {
        order += item.label < 0 ? kCreateButtonText : t.table.texts[item.label].text;
        if (item.value >= 0)
            order += std::string("=") + t.table.texts[item.value].text;
        if (item.kind == kItemField)
            order += "#" + std::to_string(item.box);
        order += item.kind == kItemFaceList ? "[list]" : item.kind == kItemSample ? "[box]" : "";
        order += "|";
    }
    EXPECT_EQ("heading|LOGFONT構造体メンバ|TEXTMETRIC構造体メンバ|"
              "Height#0|tmHeight=v0|tmStruckOut=v10|"
              "Width#1|tmAscent=v1|tmFirstChar=v11|"
              "Escapement#2|tmDescent=v2|tmLastChar=v12|"
              "Orientation#3|Create →|tmInternalLeading=v3|tmDefaultChar=v13|"
              "Weight#4|tmExternalLeading=v4|tmBreakChar=v14|"
              "Italic#5|tmAveCharWidth=v5|tmPitchAndFamily=v15|"
              "Underline#6|tmMaxCharWidth=v6|tmCharSet=v16|"
              "StrikeOut#7|tmWeight=v7|tmOverhang=v17|"
              "CharSet#8|tmItalic=v8|tmDigitizedAspectX=v18|"
              "OutPrecision#9|tmUnderlined=v9|tmDigitizedAspectY=v19|"
              "ClipPrecision#10|FontFace=v20|"
              "Quality#11|PitchAndFamily#12|FaceName[list]|"
              "Create後　フォントサンプル|Create後　フォントサンプル[box]|",
              order);
    // A row's label and value share their line; the values point at the
    // program's texts, so the table shows them as they are when it is read.
    for (const MainItem& item : t.table.items)
        if (item.kind == kItemRow) {
            EXPECT_EQ(t.table.texts[item.label].y, t.table.texts[item.value].y);
            EXPECT_LT(t.table.texts[item.label].x, t.table.texts[item.value].x);
            const char* value = t.table.texts[item.value].text;
            bool isTextMetricText = false;
            for (const auto& text : t.tm)
                isTextMetricText = isTextMetricText || value == text;
            EXPECT_TRUE(isTextMetricText);
        }
}

}  // namespace
