#include "Actions.h"

#include "Launch.h"
#include "Timing.h"
#include "maker/res/resource.h"
#include "viewer/res/resource.h"

namespace {

enum Program { kFloor, kFontloupe, kFontsmith, kProgramCount };

// Every timing takes the main window and the command it sends, if any.

// Everything of the main window and its controls drawn anew.
bool TimeRepaint(HWND main, int, double* ms) {
    const double start = NowMs();
    RedrawWindow(main, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    *ms = NowMs() - start;
    return true;
}

// A command that opens a window: posted (its handler may run a modal loop),
// until the new window is shown, back in its message loop and painted. The
// window is closed again afterwards.
bool TimeOpening(HWND main, int command, double* ms) {
    const DWORD pid = testkit::ProcessOf(main);
    const std::vector<HWND> before = testkit::TopWindows(pid);
    const double start = NowMs();
    testkit::PostCommand(main, command);
    HWND opened = WaitForNewWindow(pid, before);
    if (!opened || !testkit::RoundTrip(opened))
        return false;
    FinishPainting(opened);
    *ms = NowMs() - start;
    PostMessageW(opened, WM_CLOSE, 0, 0);
    return testkit::WaitForWindowGone(opened);
}

// Fontsmith's "Create →" with a new height typed, until the main window has
// repainted with the new font.
bool TimeCreate(HWND main, int, double* ms) {
    HWND button = GetDlgItem(main, IDC_CREATE);
    const std::vector<HWND> edits = testkit::Children(main, "Edit");
    if (!button || edits.size() < 2)
        return false;
    SetWindowTextW(edits[1], L"-24");  // the first field, lfHeight, after the sample box
    const double start = NowMs();
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_CREATE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    FinishPainting(main);
    *ms = NowMs() - start;
    return true;
}

struct Action {
    const char* name;
    Program program;
    bool (*time)(HWND main, int command, double* ms);
    int command;
};

const Action kActions[] = {
    {"Floor: full repaint of the main window", kFloor, TimeRepaint, 0},
    {"Fontloupe: full repaint of the main dialog", kFontloupe, TimeRepaint, 0},
    {"Fontloupe: sample-code dialog (API) shown", kFontloupe, TimeOpening, ID_SAMPLECODE_API},
    {"Fontloupe: about box shown", kFontloupe, TimeOpening, ID_APP_ABOUT},
    {"Fontloupe: screen-font dialog shown", kFontloupe, TimeOpening, ID_SCREEN_FONT},
    {"Fontsmith: full repaint of the main window", kFontsmith, TimeRepaint, 0},
    {"Fontsmith: \"Create ->\" until repainted", kFontsmith, TimeCreate, 0},
    {"Fontsmith: sample-code window shown", kFontsmith, TimeOpening, IDM_SAMPLECODE},
    {"Fontsmith: about box shown", kFontsmith, TimeOpening, IDM_ABOUT},
};

}  // namespace

std::vector<ActionTimes> MeasureActions(const BenchPrograms& programs, int runs) {
    const std::string* const exes[kProgramCount] = {&programs.floor, &programs.fontloupe,
                                                    &programs.fontsmith};
    std::vector<ActionTimes> times;
    for (const Action& action : kActions)
        times.push_back({action.name, {}});
    for (int run = 0; run < runs; ++run) {
        for (int program = 0; program < kProgramCount; ++program) {
            testkit::Program started;
            double ignored = 0;
            HWND main = StartTimed(started, *exes[program], &ignored);
            if (!main)
                continue;
            Sleep(200);  // whatever the start left to do is done
            for (size_t i = 0; i < times.size(); ++i) {
                if (kActions[i].program != program)
                    continue;
                double ms = 0;
                if (kActions[i].time(main, kActions[i].command, &ms))
                    times[i].ms.push_back(ms);
                Sleep(50);
            }
            CloseTimed(started, main, &ignored);
        }
    }
    return times;
}
