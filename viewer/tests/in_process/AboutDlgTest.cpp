// The about box in-process: its title shows in the title font, and that font
// is released once the box has closed, at every opening.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "AboutDlg.h"
#include "res/resource.h"

namespace {

// Records the title's font once the box is set up, then presses "OK".
class AboutProbe : public CAboutDlg {
public:
    HFONT titleFont = nullptr;
    LOGFONTA shown{};

protected:
    BOOL OnInitDialog() override {
        const BOOL result = CAboutDlg::OnInitDialog();
        titleFont = reinterpret_cast<HFONT>(
            ::SendMessageA(::GetDlgItem(m_hWnd, IDC_TITLE_STATIC), WM_GETFONT, 0, 0));
        ::GetObjectA(titleFont, sizeof shown, &shown);
        ::PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return result;
    }
};

TEST(AboutDlg, TitleFontWhileShownReleasedAfterOkAtEveryOpening) {
    HFONT made = CreateTitleFont();
    ASSERT_TRUE(made);
    LOGFONTA expected{};
    GetObjectA(made, sizeof expected, &expected);
    DeleteObject(made);

    AboutProbe probe;
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        EXPECT_EQ(probe.DoModal(), IDOK);
        EXPECT_EQ(std::memcmp(&probe.shown, &expected, offsetof(LOGFONTA, lfFaceName)), 0);
        EXPECT_STREQ(probe.shown.lfFaceName, expected.lfFaceName);
        EXPECT_EQ(GetObjectType(probe.titleFont), 0u) << "the title font outlived the box";
    }
}

}  // namespace
