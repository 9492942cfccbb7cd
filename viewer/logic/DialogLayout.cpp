#include "DialogLayout.h"

DialogLayout ComputeDialogLayout(int W, int H, int T, int cxFrame, int cyFrame, int cyMenu,
                                 int cyCaption) {
    DialogLayout layout;
    layout.sampleBox = {5 * W, T + 10 * H, 55 * W, 4 * H};
    // One and a half lines, rounded toward zero.
    layout.faceNameBox = {48 * W, T + 7 * H, 16 * W, static_cast<int>(1.5 * H)};
    const int width = 67 * W + 2 * cxFrame;
    layout.window = {15, 15, width, 2 * cyFrame + cyMenu + cyCaption + 15 * H + T};
    layout.closeButton = {width - 120, 10, 80, 25};
    return layout;
}
