// Starting a program and closing it again, timed from the bench's process,
// and waiting for the windows it opens.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "testkit.h"

// A visible top-level window of the process that is not one of known, looked
// for every millisecond, so that a wait adds at most about that much to a
// measured time. Null after ten seconds.
HWND WaitForNewWindow(DWORD pid, const std::vector<HWND>& known);

// Paints whatever of the window and its controls is still waiting to be
// painted, in the window's own thread, before it returns.
void FinishPainting(HWND hwnd);

// Starts exe and returns its first window: ms is the time from process
// creation until WaitForInputIdle has returned and that window has answered
// WM_NULL. Null when no window came.
HWND StartTimed(testkit::Program& program, const std::string& exe, double* ms);

// Posts WM_CLOSE to the window; ms is the time until the process is gone.
bool CloseTimed(testkit::Program& program, HWND window, double* ms);
