// Counting the GDI objects of a program a test starts, from Wine's trace read
// by testkit/gdi_count.py, which runs the test (GetGuiResources returns 0).
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace testkit {

// From now on, the programs the test starts trace their GDI objects, and the
// calls by which module (such as L"Fontloupe.exe") makes its own.
void TraceGdiOf(const wchar_t* module);

// Made and freed per type of the program's own objects (FONT, BRUSH, DC for
// its printer contexts ...) and of Wine's ("wine-DC" for cached window ones);
// taken and given back of the window contexts the program borrows
// ("window-DC" from GetDC, GetDCEx, GetWindowDC; "paint-DC" from BeginPaint).
using GdiCounts = std::map<std::string, std::pair<long, long>>;

// A long run, in rounds of phases, of a program started after TraceGdiOf.
// Once judging, each phase must free as many of the program's own objects of
// each type as it made; Wine's own (window surfaces, regions, cached window
// contexts, brushes of system colours) come and go across phases and are
// reported, not judged. Each phase must also give back every window context
// it takes, and the start-up and warm-up every one they took.
class GdiLedger {
public:
    using Round = std::function<void(int round)>;
    explicit GdiLedger(HWND main);
    // Runs the first rounds, which make what Wine and the program keep for
    // good, and takes the top-level windows after them as the measure; a
    // window context not given back by then fails.
    void WarmUp(int rounds, const Round& round);
    // Runs the next rounds, judged; each must also leave the top-level
    // windows as they were. Prints the counts of each phase.
    void Run(int rounds, const Round& round);
    // Charges what the program made and freed since the last reading to
    // phase; when judging, a failure names the phase, the type and the counts.
    bool Charge(const std::string& phase);

private:
    // Starts a new ledger from the counts now; false as Charge.
    bool Open(bool judge);
    // Reads the counts at a moment when the program is between two messages.
    bool ReadSettled(GdiCounts* counts) const;
    // Repaints every window of the program and charges the repaint.
    void Repaint();
    void Print(const char* title, int rounds) const;
    std::vector<HWND> SortedTopWindows() const;

    HWND main_;
    DWORD pid_;
    bool judge_ = false;
    int next_ = 0;
    GdiCounts last_;
    std::vector<std::pair<std::string, GdiCounts>> phases_;
    std::vector<HWND> windows_;
};

}  // namespace testkit
