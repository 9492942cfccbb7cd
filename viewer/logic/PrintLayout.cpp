#include "PrintLayout.h"

#include "PixelMath.h"

int TestPrintLineStep(bool haveMetrics, int tmHeight, int lfHeight) {
    long long height = tmHeight;
    if (!haveMetrics) {
        height = lfHeight < 0 ? -static_cast<long long>(lfHeight) : lfHeight;
        if (height == 0)
            height = kTestPrintFallbackHeight;
    }
    return ToPixels(height + height / 2);
}

int TestPrintLineTop(int index, int step) {
    return ToPixels(10 + static_cast<long long>(index) * step);
}
