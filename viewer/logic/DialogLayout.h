// Pixel layout of the main dialog and its three controls, from the grid units
// of the window's default font. Results beyond the int range are held at its
// limits.
#pragma once

struct LayoutRect {
    int x;
    int y;
    int width;
    int height;
};

struct DialogLayout {
    LayoutRect sampleBox;    // client pixels
    LayoutRect faceNameBox;  // client pixels
    LayoutRect window;       // screen pixels
    LayoutRect closeButton;  // client pixels
};

// W, H: average character width and height; T: offset of panel row 0. The
// frame, menu and caption sizes are the system metrics of the window.
DialogLayout ComputeDialogLayout(int W, int H, int T, int cxFrame, int cyFrame, int cyMenu,
                                 int cyCaption);
