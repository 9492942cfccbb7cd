// Answering the platform's font dialog (ChooseFont) the way a user does:
// picking a face, character set, style and size from its lists, then OK or
// Cancel.
#pragma once

#include <windows.h>

#include <string>

namespace fontdialog {

// Combo boxes of the font dialog.
enum Combo { kFace = 0x470, kStyle = 0x471, kSize = 0x472, kCharSet = 0x474 };

struct Choice {
    std::string face;     // CP932 face name, as listed
    std::string style;    // as listed ("標準", "太字 斜体", ...)
    int points;           // as listed
    std::string charSet;  // as listed; empty keeps the dialog's selection
};

// Waits for the visible font dialog of the process; nullptr on timeout.
HWND Wait(DWORD pid, DWORD timeoutMs = 10000);

// Selects the choice's items, each with the notification a click sends
// (items selected already are left as they are); false when one is not
// listed. *chosen receives the record the dialog hands back for it: face,
// weight and italic, pitch and family as the lists carry them, the height of
// the size at the screen's resolution, the character set, the effect boxes,
// everything else 0.
bool Select(HWND dialog, const Choice& choice, LOGFONTA* chosen);

// Presses OK or Cancel and waits until the dialog has gone.
bool Close(HWND dialog, int button);

// Text of the selected item of a combo box.
std::string Selected(HWND dialog, Combo combo);

// Posts command to the main dialog, answers its font dialog with the choice
// and OK, and returns once the command has run to its end.
bool Choose(HWND mainDialog, int command, const Choice& choice, LOGFONTA* chosen);

}  // namespace fontdialog
