// The dialog's icon, in-process: Wine answers WM_GETICON from another process
// with nothing, so the real dialog is run here to see both icons set.
#include <gtest/gtest.h>

#include "ViewerDlgProbe.h"

// The application object the dialog's framework expects (AfxGetApp).
CWinApp theApp;

namespace {

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved, type, count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

TEST(MainDialogIconTest, BigAndSmallIconsAreTheLoadedIcon) {
    ViewerDlgProbe probe;
    ASSERT_NE(probe.m_hIcon, nullptr);
    probe.DoModal();
    EXPECT_EQ(probe.bigIcon, probe.m_hIcon);
    EXPECT_EQ(probe.smallIcon, probe.m_hIcon);
}

TEST(MainDialogIconTest, IconIs32By32In16Colours) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(130), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    const auto* group = static_cast<const GroupIconHeader*>(LockResource(LoadResource(module, found)));
    ASSERT_EQ(group->count, 1);
    EXPECT_EQ(group->entries[0].width, 32);
    EXPECT_EQ(group->entries[0].height, 32);
    EXPECT_EQ(group->entries[0].colourCount, 16);
}

}  // namespace
