#include "Launch.h"

#include <algorithm>

#include "Timing.h"

HWND WaitForNewWindow(DWORD pid, const std::vector<HWND>& known, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        for (HWND h : testkit::TopWindows(pid))
            if (IsWindowVisible(h) && std::find(known.begin(), known.end(), h) == known.end())
                return h;
        Sleep(1);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool RoundTrip(HWND hwnd) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored) != 0;
}

void FinishPainting(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

HWND StartTimed(testkit::Program& program, const std::string& exe, double* ms) {
    const double start = NowMs();
    if (!testkit::Start(program, exe))  // returns after WaitForInputIdle
        return nullptr;
    HWND window = WaitForNewWindow(program.Pid(), {});
    if (!window || !RoundTrip(window))
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
