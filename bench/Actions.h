// The latencies of single actions of the two tools (and the floor's repaint
// for comparison), driven from the bench's process.
#pragma once

#include <string>
#include <vector>

struct ActionTimes {
    std::string name;
    std::vector<double> ms;
};

struct BenchPrograms {
    std::string floor, fontloupe, fontsmith;  // Windows paths
};

// In each run every program is started afresh and each of its actions is
// timed once, so every time is that of a first use in a new process, as when
// the tool is opened for a quick look.
std::vector<ActionTimes> MeasureActions(const BenchPrograms& programs, int runs);
