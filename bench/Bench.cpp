// The start-up benchmark: how long the two tools take to start and to close
// against the floor, a window program that does the least, and how long their
// actions take. It measures and prints; nothing passes or fails on a time.
//   Bench.exe RUNS FLOOR.exe PLAIN_FLOOR.exe FONTLOUPE.exe FONTSMITH.exe
//             [LABEL=PROGRAM.exe ...]
// The floor is built twice: with the programs' flags, and plain, without the
// hardening flags; every program is set against both, so what they cost shows.
// Further programs (an earlier build, say) are measured side by side with the
// others. Every start is measured with the default printer and without one.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Actions.h"
#include "Launch.h"
#include "Timing.h"

namespace {

enum PrinterState { kWithPrinter, kWithoutPrinter, kPrinterStates };
const char* const kPrinterStateTitle[kPrinterStates] = {"With the default printer",
                                                        "Without a default printer"};

struct Entry {
    std::string label, exe;
    std::vector<double> start[kPrinterStates], close[kPrinterStates];
    int failures = 0;
};

// The profile value naming the default printer, put back at the end and on Ctrl+C.
std::string g_printerValue;

BOOL WINAPI RestorePrinterOnInterrupt(DWORD) {
    testkit::SetDefaultPrinterValue(g_printerValue);
    return FALSE;
}

void SetPrinterState(int state) {
    if (state == kWithPrinter)
        testkit::SetDefaultPrinterValue(g_printerValue);
    else
        testkit::DeleteDefaultPrinterValue();
}

bool MeasureOnce(const std::string& exe, double* startMs, double* closeMs) {
    testkit::Program program;
    HWND window = StartTimed(program, exe, startMs);
    if (!window)
        return false;
    Sleep(100);  // whatever the start left to do is done before the close
    return CloseTimed(program, window, closeMs);
}

// Alternating runs: every round starts each program once in each printer
// state, beginning with a different program each round. The first round
// only warms the file cache and is not counted. The state is set before
// every start: under Wine, a program that loads winspool.drv (comdlg32.dll
// does) names the CUPS default printer as the default printer again.
void MeasureStarts(std::vector<Entry>& entries, int runs) {
    const size_t n = entries.size();
    for (int run = -1; run < runs; ++run) {
        for (int state = 0; state < kPrinterStates; ++state) {
            for (size_t k = 0; k < n; ++k) {
                Entry& e = entries[(k + static_cast<size_t>(run + 1)) % n];
                SetPrinterState(state);
                double startMs = 0, closeMs = 0;
                if (!MeasureOnce(e.exe, &startMs, &closeMs))
                    ++e.failures;
                else if (run >= 0) {
                    e.start[state].push_back(startMs);
                    e.close[state].push_back(closeMs);
                }
                Sleep(100);
            }
        }
    }
    SetPrinterState(kWithPrinter);
}

void PrintRatio(double value, double floor) {
    if (floor > 0 && value > 0)
        std::printf(" %.2f |", value / floor);
    else
        std::printf(" n/a |");
}

// The entries of the two floors, which every program is set against.
enum { kFloorEntry, kPlainFloorEntry };

void PrintStarts(const std::vector<Entry>& entries, int runs) {
    std::printf("Start-up: process creation until WaitForInputIdle has returned and the first "
                "window has answered WM_NULL.\nClosing: WM_CLOSE until the process is gone.\n"
                "Times in ms over %d alternating runs; ratios are of medians, to the floor's "
                "(x floor: built with the programs' flags; x plain: without the hardening "
                "flags).\n",
                runs);
    for (int state = 0; state < kPrinterStates; ++state) {
        std::printf("\n%s:\n\n", kPrinterStateTitle[state]);
        std::printf("| program | start-up min | median | max | x floor | x plain | closing min "
                    "| median | max | x floor | x plain |\n"
                    "|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
        const Summary floorStart = Summarize(entries[kFloorEntry].start[state]);
        const Summary floorClose = Summarize(entries[kFloorEntry].close[state]);
        const Summary plainStart = Summarize(entries[kPlainFloorEntry].start[state]);
        const Summary plainClose = Summarize(entries[kPlainFloorEntry].close[state]);
        for (const Entry& e : entries) {
            const Summary start = Summarize(e.start[state]);
            const Summary close = Summarize(e.close[state]);
            std::printf("| %s | %.0f | %.0f | %.0f |", e.label.c_str(), start.min, start.median,
                        start.max);
            PrintRatio(start.median, floorStart.median);
            PrintRatio(start.median, plainStart.median);
            std::printf(" %.1f | %.1f | %.1f |", close.min, close.median, close.max);
            PrintRatio(close.median, floorClose.median);
            PrintRatio(close.median, plainClose.median);
            std::printf("\n");
        }
    }
    for (const Entry& e : entries)
        if (e.failures)
            std::printf("\n%s: %d start(s) showed no window or did not end\n", e.label.c_str(),
                        e.failures);
}

void PrintActions(const std::vector<ActionTimes>& actions, int runs) {
    std::printf("\nActions, driven from the bench's process, each the first in a freshly started "
                "program; ms over %d runs:\n\n| action | min | median | max |\n"
                "|---|---:|---:|---:|\n",
                runs);
    for (const ActionTimes& a : actions) {
        const Summary s = Summarize(a.ms);
        std::printf("| %s | %.1f | %.1f | %.1f |\n", a.name.c_str(), s.min, s.median, s.max);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
    if (argc < 6 || runs < 1) {
        std::fprintf(stderr, "usage: Bench RUNS FLOOR.exe PLAIN_FLOOR.exe FONTLOUPE.exe "
                             "FONTSMITH.exe [LABEL=PROGRAM.exe ...]\n");
        return 2;
    }
    if (!testkit::GetDefaultPrinterValue(&g_printerValue)) {
        std::fprintf(stderr, "There is no default printer to measure with and without.\n");
        return 2;
    }
    SetConsoleCtrlHandler(RestorePrinterOnInterrupt, TRUE);

    const BenchPrograms programs{argv[2], argv[4], argv[5]};
    std::vector<Entry> entries = {{"Floor", programs.floor},
                                  {"Floor plain", argv[3]},
                                  {"Fontloupe", programs.fontloupe},
                                  {"Fontsmith", programs.fontsmith}};
    for (int i = 6; i < argc; ++i) {
        const std::string arg = argv[i];
        const size_t eq = arg.find('=');
        if (eq == std::string::npos || eq == 0) {
            std::fprintf(stderr, "not LABEL=PROGRAM.exe: %s\n", argv[i]);
            return 2;
        }
        entries.push_back({arg.substr(0, eq), arg.substr(eq + 1)});
    }

    MeasureStarts(entries, runs);
    PrintStarts(entries, runs);
    std::fflush(stdout);
    PrintActions(MeasureActions(programs, runs), runs);
    return 0;
}
