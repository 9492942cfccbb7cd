#include "DialogLayout.h"

#include "PixelMath.h"

DialogLayout ComputeDialogLayout(int W, int H, int T, int cxFrame, int cyFrame, int cyMenu,
                                 int cyCaption) {
    const long long w = W, h = H;
    DialogLayout layout;
    layout.sampleBox = {ToPixels(5 * w), ToPixels(T + 10 * h), ToPixels(55 * w), ToPixels(4 * h)};
    // One and a half lines, rounded toward zero.
    layout.faceNameBox = {ToPixels(48 * w), ToPixels(T + 7 * h), ToPixels(16 * w),
                          ToPixels(h + h / 2)};
    const long long width = 67 * w + 2LL * cxFrame;
    layout.window = {15, 15, ToPixels(width),
                     ToPixels(2LL * cyFrame + cyMenu + cyCaption + 15 * h + T)};
    layout.closeButton = {ToPixels(width - 120), 10, 80, 25};
    return layout;
}
