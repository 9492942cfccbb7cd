// Sample-code windows: each holds the function for the values current when
// it opened, fills its client area with its edit control, and opens without
// taking activation from the main window.
#include <gtest/gtest.h>

#include "FontsmithDriver.h"
#include "SampleCodeText.h"

namespace {

class Editor : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(app.Start()); }
    static std::string Expected(const LOGFONTA& lf)
    {
        static char lines[kCodeLineCount][kCodeLineBytes];
        static char text[kCodeTextBytes];
        size_t n = BuildSampleCodeText(lf, lines, text, sizeof text);
        return std::string(text, n);
    }
    Fontsmith app;
};

TEST_F(Editor, TwoOpeningsGiveTwoWindowsWithTheSameTextAndKeepTheMainWindowActive)
{
    testkit::BringToFront(app.main);
    ASSERT_EQ(app.main, GetForegroundWindow());
    HWND first = app.OpenEditor();
    HWND second = app.OpenEditor();
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    EXPECT_EQ(kEditorClass, testkit::Text(first));
    EXPECT_EQ(app.main, GetForegroundWindow());

    std::string text = testkit::Text(EditorEdit(first));
    EXPECT_EQ(Expected(StartRecord()), text);
    EXPECT_EQ(text, testkit::Text(EditorEdit(second)));
    EXPECT_EQ(46u, SplitLines(text).size());
}

TEST_F(Editor, ANewCreateReachesOnlyWindowsOpenedAfterIt)
{
    HWND first = app.OpenEditor();
    HWND second = app.OpenEditor();
    std::string before = testkit::Text(EditorEdit(first));

    const char* typed[13] = {"-15", "0", "0", "0", "400", "0", "0", "0", "128", "3", "2", "1", "49"};
    for (int j = 0; j < 13; ++j) app.Type(app.fields[j], typed[j]);
    int face = app.FindFace("ＭＳ ゴシック");
    ASSERT_GE(face, 0);
    app.SelectFace(face);
    app.PressCreate();
    HWND third = app.OpenEditor();
    ASSERT_TRUE(third);

    std::string text = testkit::Text(EditorEdit(third));
    EXPECT_EQ(1296u, text.size());
    std::vector<std::string> lines = SplitLines(text);
    ASSERT_EQ(46u, lines.size());
    EXPECT_EQ("      lf->lfHeight         = -15 ;", lines[21]);
    EXPECT_EQ("      lf->lfCharSet        = 128 ;", lines[29]);
    EXPECT_EQ("      strcpy(lf->lfFaceName,\"ＭＳ ゴシック\") ;", lines[34]);
    EXPECT_EQ(before, testkit::Text(EditorEdit(first)));
    EXPECT_EQ(before, testkit::Text(EditorEdit(second)));
}

TEST_F(Editor, EditControlFillsTheClientAreaAfterAResize)
{
    HWND first = app.OpenEditor();
    HWND second = app.OpenEditor();
    RECT secondBefore = testkit::ChildRectInParent(EditorEdit(second));
    SetWindowPos(first, nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(first, &client);
    RECT edit = testkit::ChildRectInParent(EditorEdit(first));
    EXPECT_EQ(0, edit.left);
    EXPECT_EQ(0, edit.top);
    EXPECT_EQ(client.right, edit.right);
    EXPECT_EQ(client.bottom, edit.bottom);
    RECT secondAfter = testkit::ChildRectInParent(EditorEdit(second));
    EXPECT_TRUE(EqualRect(&secondBefore, &secondAfter));
}

TEST_F(Editor, TextIsDrawnInTheFifteenPixelInterfaceFont)
{
    HWND editor = app.OpenEditor();
    HWND edit = EditorEdit(editor);
    HFONT font = CreateInterfaceFont();
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE slash{};
    GetTextExtentPoint32A(dc, "/", 1, &slash);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);

    LRESULT a = SendMessageW(edit, EM_POSFROMCHAR, 0, 0);
    LRESULT b = SendMessageW(edit, EM_POSFROMCHAR, 1, 0);
    LRESULT line2 = SendMessageW(edit, EM_POSFROMCHAR, SendMessageW(edit, EM_LINEINDEX, 1, 0), 0);
    EXPECT_EQ(slash.cx, (short)LOWORD(b) - (short)LOWORD(a));
    EXPECT_EQ(tm.tmHeight, (short)HIWORD(line2) - (short)HIWORD(a));
}

TEST_F(Editor, ActivatingAWindowPutsTheFocusIntoItsOwnText)
{
    HWND first = app.OpenEditor();
    HWND second = app.OpenEditor();
    for (HWND editor : {second, first}) {
        testkit::BringToFront(editor);
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(editor, nullptr), &info));
        EXPECT_EQ(EditorEdit(editor), info.hwndFocus);
    }
}

TEST_F(Editor, ClosingOneLeavesTheOthersAndTheMainWindow)
{
    HWND first = app.OpenEditor();
    HWND second = app.OpenEditor();
    SendMessageW(first, WM_CLOSE, 0, 0);
    EXPECT_TRUE(testkit::WaitForWindowGone(first));
    EXPECT_TRUE(IsWindow(second));
    EXPECT_TRUE(app.program.Running());
    EXPECT_TRUE(IsWindow(app.main));
}

}  // namespace
