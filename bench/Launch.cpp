#include "Launch.h"

#include "Timing.h"

HWND WaitForNewWindow(DWORD pid, const std::vector<HWND>& known) {
    return testkit::WaitForNewWindow(pid, known, "", 10000, 1);
}

void FinishPainting(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

HWND StartTimed(testkit::Program& program, const std::string& exe, double* ms) {
    const double start = NowMs();
    if (!testkit::Start(program, exe))  // returns after WaitForInputIdle
        return nullptr;
    HWND window = WaitForNewWindow(program.Pid(), {});
    if (!window || !testkit::RoundTrip(window))
        return nullptr;
    *ms = NowMs() - start;
    return window;
}

bool CloseTimed(testkit::Program& program, HWND window, double* ms) {
    const double start = NowMs();
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (!program.WaitForExit(10000))
        return false;
    *ms = NowMs() - start;
    return true;
}
