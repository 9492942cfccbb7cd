#include <windows.h>

#include "Timing.h"

#include <algorithm>

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

Summary Summarize(std::vector<double> values) {
    Summary s;
    s.count = values.size();
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    s.min = values.front();
    s.max = values.back();
    s.median = values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
    return s;
}
