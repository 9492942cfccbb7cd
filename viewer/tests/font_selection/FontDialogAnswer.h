// Answering the platform's font dialog (ChooseFont) the way a user does:
// picking a face, a style and a size from its lists, then OK or Cancel.
#pragma once

#include <windows.h>

#include <string>

namespace fontdialog {

// Control ids of the font dialog.
enum Control {
    kFaceCombo = 0x470,
    kStyleCombo = 0x471,
    kSizeCombo = 0x472,
    kCharSetCombo = 0x474,
    kStrikeOutCheck = 0x410,
    kUnderlineCheck = 0x411,
};

// Waits for the visible font dialog of the process; nullptr on timeout.
HWND Wait(DWORD pid, DWORD timeoutMs = 10000);

struct Choice {
    std::string face;   // CP932 face name, as listed
    std::string style;  // style name, as listed ("標準", "太字 斜体", ...)
    int points;         // size, as listed
};

// Selects the choice's items, each with the notification a user's click
// sends. Returns false when an item is not listed. *chosen receives the font
// record that the dialog hands back for this choice: face name and style
// (weight, italic) and pitch and family as its lists carry them, the height
// of the size at the screen's resolution, the selected character set, the
// effect boxes, everything else 0.
bool Select(HWND dialog, const Choice& choice, LOGFONTA* chosen);

// OK or Cancel; waits until the dialog has gone.
bool Ok(HWND dialog);
bool Cancel(HWND dialog);

// Texts of the selected face, style and size.
std::string SelectedFace(HWND dialog);
std::string SelectedStyle(HWND dialog);
std::string SelectedSize(HWND dialog);

}  // namespace fontdialog
