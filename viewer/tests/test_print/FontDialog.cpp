#include "FontDialog.h"

#include "testkit.h"

namespace fontdialog {

namespace {

// Combo boxes of the font dialog template.
const int kFaceList = 1136;
const int kSizeList = 1138;
const int kCharsetList = 1140;

// Selects the item with this text and tells the dialog, as a click would.
bool Select(HWND dialog, int id, const std::string& text) {
    HWND combo = GetDlgItem(dialog, id);
    for (int i = 0; combo && i < testkit::ComboCount(combo); ++i) {
        if (testkit::ComboItem(combo, i) != text)
            continue;
        SendMessageW(combo, CB_SETCURSEL, i, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
        return true;
    }
    return false;
}

}  // namespace

HWND Wait(DWORD pid, HWND mainDialog, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        for (HWND h : testkit::TopWindows(pid, "#32770"))
            if (h != mainDialog && IsWindowVisible(h) && GetDlgItem(h, kFaceList))
                return h;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool Choose(HWND dialog, const std::string& face, const std::string& charset, int points,
            std::string* error) {
    // The face first: choosing it refills the other lists.
    if (!Select(dialog, kFaceList, face)) {
        *error = "no face " + face;
        return false;
    }
    if (!Select(dialog, kCharsetList, charset)) {
        *error = "no character set " + charset;
        return false;
    }
    if (!Select(dialog, kSizeList, std::to_string(points))) {
        *error = "no size " + std::to_string(points);
        return false;
    }
    testkit::PressButton(dialog, IDOK);
    if (!testkit::WaitForWindowGone(dialog)) {
        *error = "the font dialog stayed open";
        return false;
    }
    return true;
}

}  // namespace fontdialog
