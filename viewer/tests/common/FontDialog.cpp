#include "FontDialog.h"

#include "testkit.h"

namespace fontdialog {

namespace {

const int kStrikeOutCheck = 0x410;
const int kUnderlineCheck = 0x411;

// Selects the item with this text and tells the dialog, as a click in the
// list does, unless it is selected already (a new face refills the other
// lists, which takes the dialog most of a choice); *itemData receives the
// item's data.
bool SelectItem(HWND dialog, int id, const std::string& text, LPARAM* itemData) {
    HWND combo = ::GetDlgItem(dialog, id);
    const std::wstring wide = testkit::FromCp932(text);
    const LRESULT i = ::SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(wide.c_str()));
    // The search ignores case; the list's own text must match.
    if (i == CB_ERR || testkit::ComboItem(combo, static_cast<int>(i)) != text)
        return false;
    if (testkit::ComboSelection(combo) != i) {
        ::SendMessageW(combo, CB_SETCURSEL, i, 0);
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                              reinterpret_cast<LPARAM>(combo), SMTO_ABORTIFHUNG, 5000, &ignored);
    }
    *itemData = ::SendMessageW(combo, CB_GETITEMDATA, i, 0);
    return true;
}

}  // namespace

HWND Wait(DWORD pid, DWORD timeoutMs) {
    auto isFontDialog = [](HWND h) { return ::GetDlgItem(h, kFace) && ::GetDlgItem(h, kSize); };
    return testkit::WaitForTopWindow(pid, "#32770", isFontDialog, timeoutMs);
}

bool Select(HWND dialog, const Choice& choice, LOGFONTA* chosen) {
    // The face first: it refills the other lists.
    LPARAM face = 0, charSet = 0, style = 0, size = 0;
    if (!SelectItem(dialog, kFace, choice.face, &face) ||
        (!choice.charSet.empty() && !SelectItem(dialog, kCharSet, choice.charSet, &charSet)) ||
        !SelectItem(dialog, kStyle, choice.style, &style) ||
        !SelectItem(dialog, kSize, std::to_string(choice.points), &size))
        return false;

    HWND charSets = ::GetDlgItem(dialog, kCharSet);
    charSet =
        ::SendMessageW(charSets, CB_GETITEMDATA, ::SendMessageW(charSets, CB_GETCURSEL, 0, 0), 0);
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);

    *chosen = LOGFONTA{};
    chosen->lfHeight = -::MulDiv(LOWORD(size), dpi, 72);
    chosen->lfWeight = LOWORD(style);
    chosen->lfItalic = static_cast<BYTE>(HIWORD(style));
    chosen->lfUnderline = ::IsDlgButtonChecked(dialog, kUnderlineCheck) == BST_CHECKED;
    chosen->lfStrikeOut = ::IsDlgButtonChecked(dialog, kStrikeOutCheck) == BST_CHECKED;
    chosen->lfCharSet = static_cast<BYTE>(charSet);
    chosen->lfPitchAndFamily = static_cast<BYTE>(HIWORD(face) >> 8);
    lstrcpynA(chosen->lfFaceName, choice.face.c_str(), LF_FACESIZE);
    return true;
}

bool Close(HWND dialog, int button) {
    testkit::PressButton(dialog, button);
    return testkit::WaitForWindowGone(dialog);
}

std::string Selected(HWND dialog, Combo combo) {
    HWND box = ::GetDlgItem(dialog, combo);
    const int index = testkit::ComboSelection(box);
    return index < 0 ? std::string() : testkit::ComboItem(box, index);
}

bool Choose(HWND mainDialog, int command, const Choice& choice, LOGFONTA* chosen) {
    testkit::PostCommand(mainDialog, command);
    HWND dialog = Wait(testkit::ProcessOf(mainDialog));
    if (!dialog)
        return false;
    if (!Select(dialog, choice, chosen)) {
        Close(dialog, IDCANCEL);
        return false;
    }
    return Close(dialog, IDOK) && testkit::RoundTrip(mainDialog);
}

}  // namespace fontdialog
