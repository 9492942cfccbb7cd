#include "Layout.h"

int HalfRow(int cy) { return cy / 2; }

int RowTop(int cy, int row) { return 2 * cy + HalfRow(cy) + row * cy + 5 * (row - 1); }

CtlRect SampleBoxRect(int cx, int cy) {
    return {43 * cx, 20 * cy + 2 * HalfRow(cy), 52 * cx, 4 * cy};
}

CtlRect FieldBoxRect(int cx, int cy, int box) {
    return {19 * cx, RowTop(cy, box + 1) - 1, 6 * cx, cy + 2};
}

CtlRect FaceListRect(int cx, int cy) { return {15 * cx, RowTop(cy, 14) - 1, 20 * cx, 5 * cy + 2}; }

CtlRect CreateButtonRect(int cx, int cy) { return {28 * cx, 6 * cy, 11 * cx, 3 * cy}; }

void MainWindowSize(int cx, int cy, int cxFrame, int cyFrame, int cyMenu, int cyCaption, int* width,
                    int* height) {
    *width = 99 * cx + 2 * cxFrame;
    *height = 27 * cy + 2 * cyFrame + cyMenu + cyCaption;
}
