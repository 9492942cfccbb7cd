#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "test_app.h"

namespace {

// Answers the font dialog, once it shows, with the button in s_answer.
int s_answer = 0;
HWND s_dialogOwner = nullptr;

BOOL CALLBACK FindFontDialog(HWND hwnd, LPARAM found) {
    char className[16] = {};
    ::GetClassNameA(hwnd, className, sizeof className);
    if (std::strcmp(className, "#32770") == 0 && ::IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK AnswerFontDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindFontDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog)
        return;
    ::KillTimer(nullptr, timer);
    s_dialogOwner = ::GetWindow(dialog, GW_OWNER);
    ::PostMessageA(dialog, WM_COMMAND, s_answer, 0);
}

int CALLBACK TakeFirstHorizontalTrueType(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM found) {
    if (!(type & TRUETYPE_FONTTYPE) || font->lfFaceName[0] == '@')
        return 1;
    *reinterpret_cast<LOGFONTA*>(found) = *font;
    return 0;
}

// A bold 16-pixel font of an installed TrueType face.
LOGFONTA InstalledFont() {
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    HDC dc = ::GetDC(nullptr);
    LOGFONTA found = {};
    ::EnumFontFamiliesExA(dc, &lf, TakeFirstHorizontalTrueType, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(nullptr, dc);
    lf = {};
    lf.lfHeight = -16;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = found.lfCharSet;
    std::strcpy(lf.lfFaceName, found.lfFaceName);
    return lf;
}

INT_PTR RunFontDialog(LOGFONTA* lf, int answer) {
    s_answer = answer;
    s_dialogOwner = nullptr;
    UINT_PTR timer = ::SetTimer(nullptr, 0, 100, AnswerFontDialog);
    CFontDialog dlg(lf, CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS);
    const INT_PTR result = dlg.DoModal();
    ::KillTimer(nullptr, timer);
    if (result == IDOK) {
        EXPECT_EQ(0, std::memcmp(lf, &dlg.m_lf, sizeof *lf));
    }
    return result;
}

TEST(FontDialogTest, CancelLeavesTheRecordAlone) {
    LOGFONTA lf = InstalledFont();
    lf.lfWidth = 77; // a width the dialog would not keep
    const LOGFONTA before = lf;
    EXPECT_EQ(IDCANCEL, RunFontDialog(&lf, IDCANCEL));
    EXPECT_EQ(0, std::memcmp(&before, &lf, sizeof lf));
}

TEST(FontDialogTest, OkWritesTheChosenFontBack) {
    LOGFONTA lf = InstalledFont();
    ASSERT_NE('\0', lf.lfFaceName[0]);
    const std::string face = lf.lfFaceName;
    lf.lfWidth = 77; // a width the dialog does not keep
    EXPECT_EQ(IDOK, RunFontDialog(&lf, IDOK));
    EXPECT_EQ(face, lf.lfFaceName);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    EXPECT_EQ(0, lf.lfWidth);
    EXPECT_EQ(nullptr, s_dialogOwner);
}

} // namespace
