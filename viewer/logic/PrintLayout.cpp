#include "PrintLayout.h"

int TestPrintLineStep(bool haveMetrics, int tmHeight, int lfHeight) {
    int height = tmHeight;
    if (!haveMetrics) {
        height = lfHeight < 0 ? -lfHeight : lfHeight;
        if (height == 0)
            height = kTestPrintFallbackHeight;
    }
    return height + height / 2;
}
