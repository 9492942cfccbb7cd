// Answering the platform's font dialog that Fontloupe opens over its main dialog.
#pragma once

#include <windows.h>

#include <string>

namespace fontdialog {

// The font dialog of the process, other than the main dialog; nullptr on timeout.
HWND Wait(DWORD pid, HWND mainDialog, DWORD timeoutMs = 10000);

// Picks a face, a character set (as the dialog names it) and a size in
// points from the dialog's lists, presses OK and waits until it is gone.
// False, with the reason in *error, when an item is missing.
bool Choose(HWND dialog, const std::string& face, const std::string& charset, int points,
            std::string* error);

}  // namespace fontdialog
