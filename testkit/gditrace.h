// Counting the GDI handles of a program a test starts, from Wine's +gdi trace
// (GetGuiResources returns 0 under Wine). The test runs under
// testkit/gdi_count.py, which reads the trace of the programs as it streams by
// and answers the test's questions.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testkit {

// While one lives, the programs the test starts trace their GDI handles
// (WINEDEBUG=+pid,+gdi in their environment).
class GdiTraceOn {
public:
    GdiTraceOn();
    ~GdiTraceOn();
    GdiTraceOn(const GdiTraceOn&) = delete;
    GdiTraceOn& operator=(const GdiTraceOn&) = delete;

private:
    bool had_;
    std::wstring value_;
};

struct GdiCounts {
    long made = 0;
    long freed = 0;
};

// The handles process pid has made and freed since it started, counting every
// trace line it wrote before the call; so the caller first makes sure that
// the process has done what is to be counted. False when the test does not
// run under the counter or the counter does not answer within timeoutMs.
bool ReadGdiCounts(DWORD pid, GdiCounts* counts, DWORD timeoutMs = 10000);

// What one process makes and frees over the phases of a long run, and the
// time they take, summed per phase.
class GdiLedger {
public:
    explicit GdiLedger(DWORD pid) : pid_(pid), lastTick_(0), lowest_(0) {}
    // Takes the current counts as the starting point; false as ReadGdiCounts.
    bool Open();
    // Charges what the process made and freed since the last reading, and the
    // time since then, to phase.
    bool Charge(const std::string& phase);
    // Handles made and not freed since Open, over all phases.
    long Held() const;
    // The fewest handles held, as Held counts them, at any reading since
    // Open or the last ResetLowest.
    long Lowest() const { return lowest_; }
    void ResetLowest() { lowest_ = Held(); }
    // One line per phase, in the order first charged: made, freed, held and
    // seconds.
    std::string Report() const;

private:
    struct Phase {
        std::string name;
        GdiCounts counts;
        DWORD ms;
    };
    DWORD pid_;
    GdiCounts last_;
    DWORD lastTick_;
    long lowest_;
    std::vector<Phase> phases_;
};

// A long run of a program started under GdiTraceOn, in numbered rounds; each
// round charges its phases to the ledger and stops at a fatal failure.
class GdiLongRun {
public:
    using Round = std::function<void(int round, GdiLedger& ledger)>;
    explicit GdiLongRun(HWND main);
    // Runs the first rounds, which make what Wine and the program keep for
    // good, and takes the program's top-level windows and its handle count
    // after them as the measure for the rounds that follow.
    void WarmUp(int rounds, const Round& round);
    // Runs the next rounds, each of which must leave the top-level windows as
    // they were, and expects the fewest handles held at any reading of their
    // last tenth to exceed those of their first tenth by less than one per
    // ten rounds: a handle kept by any command raises that floor by one each
    // time it runs. Prints the ledger of the warm-up and of the rounds.
    void Run(int rounds, const Round& round);

private:
    // Repaints every window of the program, so that no update is pending
    // when the handles are counted, and charges the repaint as a phase.
    void Repaint();
    std::vector<HWND> SortedTopWindows() const;

    HWND main_;
    DWORD pid_;
    GdiLedger ledger_;
    int next_;
    std::vector<HWND> windows_;
};

}  // namespace testkit
