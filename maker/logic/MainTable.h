// The texts the main window paints, where and in which font, and the order in
// which a screen reader meets them among the window's controls: the one list
// that both the paint and the accessible tree go by.
#pragma once

#include <vector>

#include "TextSlots.h"

// The text of the "Create →" button, which also names it to a reader.
extern const char kCreateButtonText[];

// One painted text: its top-left in client pixels, whether it is drawn in the
// bold heading font (else in the window's own) and the text in code page 932,
// which points into the strings given to BuildMainTable or into constants.
struct MainText {
    int x, y;
    bool heading;
    const char* text;
};

// What a reader meets.
enum MainItemKind {
    kItemText,      // a painted text on its own, named by it
    kItemRow,       // a TEXTMETRIC row: named by its label, its value the value text
    kItemField,     // a field box, named by the label beside it
    kItemFaceList,  // the face list, named by the label beside it
    kItemCreate,    // the "Create →" button, named by its text
    kItemSample,    // the sample box, named by the caption above it
};

struct MainItem {
    MainItemKind kind;
    int label;  // index in MainTable::texts of the naming text; -1 for the button
    int value;  // index of a row's value text; -1 for the rest
    int box;    // field box 0 to 12 of a kItemField; -1 for the rest
};

struct MainTable {
    std::vector<MainText> texts;  // in drawing order
    std::vector<MainItem> items;  // in reading order
};

// Builds the table for the layout units cx, cy (average character width and
// height), the heading line and the 21 TEXTMETRIC texts (FillTextMetricTexts):
//
// Drawing order: the heading; the two table titles (heading font); the
// LOGFONT labels, then their "=" column; the TEXTMETRIC labels, their "="
// columns and their values, each column pass row by row; the sample caption
// (heading font).
//
// Reading order, top to bottom and each row left to right: the heading; the
// LOGFONT and TEXTMETRIC titles; then table rows 1 to 13, each as its field
// box, the TEXTMETRIC row of the left column (face name in row 11) and that
// of the right column (rows 1 to 10); "Create →", which stands between the
// tables beside rows 3 to 5, comes in row 4 (its middle row), after the field
// box; the face list (row 14); last the block under the TEXTMETRIC table, its
// caption and the sample box.
void BuildMainTable(int cx, int cy, const char* heading,
                    const char (*tmTexts)[kTextMetricEntryBytes], MainTable* table);
