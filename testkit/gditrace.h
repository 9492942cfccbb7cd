// Counting the GDI handles of a program a test starts, from Wine's +gdi trace
// (GetGuiResources returns 0 under Wine). The test runs under
// testkit/gdi_count.py, which reads the trace of the programs as it streams by
// and answers the test's questions.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace testkit {

// While one lives, the programs the test starts trace their GDI objects, and
// the calls by which module (such as L"Fontloupe.exe") makes its own.
class GdiTraceOn {
public:
    explicit GdiTraceOn(const wchar_t* module);
    ~GdiTraceOn();
    GdiTraceOn(const GdiTraceOn&) = delete;
    GdiTraceOn& operator=(const GdiTraceOn&) = delete;

private:
    bool had_;
    std::wstring value_;
    bool hadExclude_;
    std::wstring exclude_;
};

struct GdiCount {
    long made = 0;
    long freed = 0;
};
// Made and freed per kind of object, as gdi_count.py names them: the types of
// the objects the program made itself (FONT, BRUSH, DC for its printer and
// information contexts ...), and of Wine's own ("wine-BITMAP", "wine-DC" for
// the cached window contexts ...).
using GdiCounts = std::map<std::string, GdiCount>;

// The objects process pid has made and freed since it started, counting every
// trace line it wrote before the call; so the caller first makes sure that
// the process has done what is to be counted. False when the test does not
// run under the counter or the counter does not answer within timeoutMs.
bool ReadGdiCounts(DWORD pid, GdiCounts* counts, DWORD timeoutMs = 10000);

// What one program makes and frees over the phases of a long run, and the time
// they take, summed per phase. Once judging, each phase must free as many of
// the program's own objects of each type as it made; Wine's own objects
// (window surfaces, regions, cached window contexts, system colour brushes)
// come and go across phases and are reported, not judged.
class GdiLedger {
public:
    explicit GdiLedger(HWND main);
    // Takes the current counts as the starting point, clears the phases and
    // judges from now on when judge is true; false as ReadGdiCounts.
    bool Open(bool judge);
    // Charges what the program made and freed since the last reading, and the
    // time since then, to phase; when judging, a failure names the phase and
    // each kind of which it kept or freed more than it made.
    bool Charge(const std::string& phase);
    // One line per phase, in the order first charged: seconds, then made and
    // freed of each kind, the judged ones first.
    std::string Report() const;

private:
    // Reads the counts at a moment the program is between two messages.
    bool ReadSettled(GdiCounts* counts) const;

    struct Phase {
        std::string name;
        GdiCounts counts;
        DWORD ms;
    };
    HWND main_;
    DWORD pid_;
    bool judge_;
    GdiCounts last_;
    DWORD lastTick_;
    std::vector<Phase> phases_;
};

// A long run of a program started under GdiTraceOn, in numbered rounds; each
// round charges its phases to the ledger and stops at a fatal failure.
class GdiLongRun {
public:
    using Round = std::function<void(int round, GdiLedger& ledger)>;
    explicit GdiLongRun(HWND main);
    // Runs the first rounds, which make what Wine and the program keep for
    // good, and takes the program's top-level windows after them as the
    // measure for the rounds that follow.
    void WarmUp(int rounds, const Round& round);
    // Runs the next rounds, judged: each phase must leave the objects the
    // programs make as it found them, and each round the top-level windows.
    // Prints the ledger of the warm-up and of the rounds.
    void Run(int rounds, const Round& round);

private:
    // Repaints every window of the program, so that no update is pending
    // when the objects are counted, and charges the repaint as a phase.
    void Repaint();
    std::vector<HWND> SortedTopWindows() const;

    HWND main_;
    GdiLedger ledger_;
    int next_;
    std::vector<HWND> windows_;
};

}  // namespace testkit
