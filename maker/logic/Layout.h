// Where the main window puts its controls and text rows, in pixels from the
// layout units cx (average character width) and cy (character height).
// Results beyond the int range are held at its limits.
#pragma once

struct CtlRect {
    int x, y, width, height;
};

// Half a row, truncated toward zero.
int HalfRow(int cy);

// Text top of table row r (r counted from 1).
int RowTop(int cy, int row);

CtlRect SampleBoxRect(int cx, int cy);
CtlRect FieldBoxRect(int cx, int cy, int box);  // box 0 to 12
CtlRect FaceListRect(int cx, int cy);
CtlRect CreateButtonRect(int cx, int cy);

// Outer size of the main window for the given units and system metrics.
void MainWindowSize(int cx, int cy, int cxFrame, int cyFrame, int cyMenu, int cyCaption, int* width,
                    int* height);
