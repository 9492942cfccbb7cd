// The bench's clock and its summaries of repeated measurements.
#pragma once

#include <vector>

// Milliseconds on the performance counter.
double NowMs();

struct Summary {
    double min = 0, median = 0, max = 0;
    size_t count = 0;
};
// All zero when there are no values.
Summary Summarize(std::vector<double> values);
