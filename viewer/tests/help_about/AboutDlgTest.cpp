// The about box in-process: its title font while it shows, and that font
// released once the box has closed, at every opening.
#include <gtest/gtest.h>

#include "AboutDlg.h"

namespace {

// Records what the box shows once it is set up, then presses "OK".
class Probe : public CAboutDlg {
public:
    HFONT titleFont = nullptr;
    LOGFONTA titleLogFont{};
    bool titleFontValid = false;
    HICON icon = nullptr;

protected:
    BOOL OnInitDialog() override {
        const BOOL result = CAboutDlg::OnInitDialog();
        titleFont = reinterpret_cast<HFONT>(::SendMessageA(::GetDlgItem(m_hWnd, 1005), WM_GETFONT, 0, 0));
        titleFontValid = ::GetObjectA(titleFont, sizeof titleLogFont, &titleLogFont) == sizeof titleLogFont;
        for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                icon = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
        ::PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return result;
    }
};

void ExpectTitleFont(const Probe& probe) {
    ASSERT_TRUE(probe.titleFontValid);
    const LOGFONTA& lf = probe.titleLogFont;
    EXPECT_EQ(lf.lfHeight, -21);
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfItalic, 0);
    EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(lf.lfOutPrecision, OUT_STROKE_PRECIS);
    EXPECT_EQ(lf.lfClipPrecision, CLIP_STROKE_PRECIS);
    EXPECT_EQ(lf.lfQuality, DRAFT_QUALITY);
    EXPECT_EQ(lf.lfPitchAndFamily, FF_DECORATIVE | VARIABLE_PITCH);
    EXPECT_STREQ(lf.lfFaceName, "Tempus Sans ITC");
}

TEST(AboutDlg, TitleFontWhileShownReleasedAfterOk) {
    Probe probe;
    EXPECT_EQ(probe.DoModal(), IDOK);
    EXPECT_NE(probe.icon, nullptr);
    ExpectTitleFont(probe);
    EXPECT_EQ(GetObjectType(probe.titleFont), 0u) << "the title font outlived the box";
}

TEST(AboutDlg, EveryOpeningMakesItsOwnFontAndReleasesIt) {
    // The same object opened twice, then a second object.
    Probe probe;
    for (int opening = 0; opening < 2; ++opening) {
        EXPECT_EQ(probe.DoModal(), IDOK);
        ExpectTitleFont(probe);
        EXPECT_EQ(GetObjectType(probe.titleFont), 0u) << "opening " << opening;
    }
    Probe other;
    EXPECT_EQ(other.DoModal(), IDOK);
    ExpectTitleFont(other);
    EXPECT_EQ(GetObjectType(other.titleFont), 0u);
}

}  // namespace
