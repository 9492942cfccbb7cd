#include "Layout.h"

#include <climits>

namespace {

// The units are font metrics, from outside the program: the arithmetic is done
// in 64 bits and held to the int range, so nothing overflows and every real
// size gives the plain result.
int ToPixels(long long value) {
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : (int)value;
}

}  // namespace

int HalfRow(int cy) { return cy / 2; }

int RowTop(int cy, int row) {
    const long long y = cy;
    return ToPixels(2 * y + HalfRow(cy) + row * y + 5 * (row - 1LL));
}

CtlRect SampleBoxRect(int cx, int cy) {
    const long long x = cx, y = cy;
    return {ToPixels(43 * x), ToPixels(20 * y + 2LL * HalfRow(cy)), ToPixels(52 * x),
            ToPixels(4 * y)};
}

CtlRect FieldBoxRect(int cx, int cy, int box) {
    const long long x = cx;
    return {ToPixels(19 * x), ToPixels(RowTop(cy, box + 1) - 1LL), ToPixels(6 * x),
            ToPixels(cy + 2LL)};
}

CtlRect FaceListRect(int cx, int cy) {
    const long long x = cx, y = cy;
    return {ToPixels(15 * x), ToPixels(RowTop(cy, 14) - 1LL), ToPixels(20 * x),
            ToPixels(5 * y + 2)};
}

CtlRect CreateButtonRect(int cx, int cy) {
    const long long x = cx, y = cy;
    return {ToPixels(28 * x), ToPixels(6 * y), ToPixels(11 * x), ToPixels(3 * y)};
}

void MainWindowSize(int cx, int cy, int cxFrame, int cyFrame, int cyMenu, int cyCaption, int* width,
                    int* height) {
    *width = ToPixels(99LL * cx + 2LL * cxFrame);
    *height = ToPixels(27LL * cy + 2LL * cyFrame + cyMenu + cyCaption);
}
