#include "FontDialogAnswer.h"

#include "testkit.h"

namespace fontdialog {

namespace {

// Index of the item with this text, or -1.
int FindItem(HWND combo, const std::string& text) {
    const int count = testkit::ComboCount(combo);
    for (int i = 0; i < count; ++i)
        if (testkit::ComboItem(combo, i) == text)
            return i;
    return -1;
}

// Selects the item and tells the dialog, as a click in the list does.
bool SelectItem(HWND dialog, int id, const std::string& text, LPARAM* itemData) {
    HWND combo = ::GetDlgItem(dialog, id);
    const int index = FindItem(combo, text);
    if (index < 0)
        return false;
    ::SendMessageW(combo, CB_SETCURSEL, index, 0);
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(combo), SMTO_ABORTIFHUNG, 5000, &ignored);
    *itemData = ::SendMessageW(combo, CB_GETITEMDATA, index, 0);
    return true;
}

std::string SelectedText(HWND dialog, int id) {
    HWND combo = ::GetDlgItem(dialog, id);
    const int index = testkit::ComboSelection(combo);
    return index < 0 ? std::string() : testkit::ComboItem(combo, index);
}

bool Press(HWND dialog, int id) {
    testkit::PressButton(dialog, id);
    return testkit::WaitForWindowGone(dialog);
}

}  // namespace

HWND Wait(DWORD pid, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    do {
        for (HWND h : testkit::TopWindows(pid, "#32770"))
            if (::IsWindowVisible(h) && ::GetDlgItem(h, kFaceCombo) &&
                ::GetDlgItem(h, kSizeCombo))
                return h;
        testkit::Sleep(50);
    } while (::GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool Select(HWND dialog, const Choice& choice, LOGFONTA* chosen) {
    // The face first: it refills the style and size lists.
    LPARAM faceData = 0, styleData = 0, sizeData = 0;
    if (!SelectItem(dialog, kFaceCombo, choice.face, &faceData) ||
        !SelectItem(dialog, kStyleCombo, choice.style, &styleData) ||
        !SelectItem(dialog, kSizeCombo, std::to_string(choice.points), &sizeData))
        return false;

    HWND charSets = ::GetDlgItem(dialog, kCharSetCombo);
    const LRESULT charSet = ::SendMessageW(
        charSets, CB_GETITEMDATA, ::SendMessageW(charSets, CB_GETCURSEL, 0, 0), 0);
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);

    *chosen = LOGFONTA{};
    chosen->lfHeight = -::MulDiv(LOWORD(sizeData), dpi, 72);
    chosen->lfWeight = LOWORD(styleData);
    chosen->lfItalic = static_cast<BYTE>(HIWORD(styleData));
    chosen->lfUnderline = ::IsDlgButtonChecked(dialog, kUnderlineCheck) == BST_CHECKED;
    chosen->lfStrikeOut = ::IsDlgButtonChecked(dialog, kStrikeOutCheck) == BST_CHECKED;
    chosen->lfCharSet = static_cast<BYTE>(charSet);
    chosen->lfPitchAndFamily = static_cast<BYTE>(HIWORD(faceData) >> 8);
    lstrcpynA(chosen->lfFaceName, choice.face.c_str(), LF_FACESIZE);
    return true;
}

bool Ok(HWND dialog) { return Press(dialog, IDOK); }

bool Cancel(HWND dialog) { return Press(dialog, IDCANCEL); }

std::string SelectedFace(HWND dialog) { return SelectedText(dialog, kFaceCombo); }
std::string SelectedStyle(HWND dialog) { return SelectedText(dialog, kStyleCombo); }
std::string SelectedSize(HWND dialog) { return SelectedText(dialog, kSizeCombo); }

}  // namespace fontdialog
