#include <gtest/gtest.h>

#include "test_app.h"

TestApp theApp;

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
    ON_COMMAND(ID_APP_COMMAND, OnAppCommand)
END_MESSAGE_MAP()

namespace {

TEST(WinAppTest, IsTheRegisteredApplicationAndThread) {
    EXPECT_EQ(&theApp, AfxGetApp());
    EXPECT_EQ(&theApp, AfxGetThread());
    EXPECT_EQ(nullptr, AfxGetThread()->GetMainWnd());
    EXPECT_EQ(::GetModuleHandleA(nullptr), AfxGetInstanceHandle());
    EXPECT_EQ(::GetModuleHandleA(nullptr), AfxFindResourceHandle(MAKEINTRESOURCEA(1), RT_DIALOG));
    EXPECT_TRUE(theApp.Enable3dControls());
}

TEST(WinAppTest, RoutesItsOwnMapOnly) {
    const int before = theApp.appCommands;
    EXPECT_TRUE(theApp.OnCmdMsg(ID_APP_COMMAND, 0));
    EXPECT_TRUE(theApp.OnCmdMsg(ID_HELP, 0));
    EXPECT_FALSE(theApp.OnCmdMsg(ID_APP_EXIT, 0));
    EXPECT_EQ(before + 1, theApp.appCommands);
}

TEST(WinAppTest, WaitCursorNestsAndRestoresThePreviousCursor) {
    HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    HCURSOR wait = ::LoadCursorA(nullptr, IDC_WAIT);
    HCURSOR cross = ::LoadCursorA(nullptr, IDC_CROSS);
    ::SetCursor(arrow);
    {
        CWaitCursor outer;
        EXPECT_EQ(wait, ::GetCursor());
        {
            CWaitCursor inner;
            ::SetCursor(cross);
            inner.Restore();
            EXPECT_EQ(wait, ::GetCursor());
        }
        EXPECT_EQ(wait, ::GetCursor());
    }
    EXPECT_EQ(arrow, ::GetCursor());
    // Unbalanced calls change nothing.
    theApp.EndWaitCursor();
    theApp.RestoreWaitCursor();
    EXPECT_EQ(arrow, ::GetCursor());
}

} // namespace
