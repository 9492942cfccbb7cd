// A long session: more fonts pass through the program than a process may hold
// at once (about 65,000 GDI objects under Wine), so any font that is not
// released would make font creation fail before the end.
#include <gtest/gtest.h>

#include "FontsmithDriver.h"

namespace {

int LineHeight(HWND edit)
{
    LRESULT first = SendMessageW(edit, EM_POSFROMCHAR, 0, 0);
    LRESULT second = SendMessageW(edit, EM_POSFROMCHAR, SendMessageW(edit, EM_LINEINDEX, 1, 0), 0);
    return (short)HIWORD(second) - (short)HIWORD(first);
}

int FontHeight(const LOGFONTA& lf)
{
    HFONT font = CreateFontIndirectA(&lf);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return tm.tmHeight;
}

TEST(Stress, FontCreationStillSucceedsAfterALongSession)
{
    Fontsmith app;
    ASSERT_TRUE(app.Start());

    // Each round makes three fonts: one by "Create →", two by the repaint.
    const int rounds = 23000;
    for (int i = 0; i < rounds; ++i) {
        app.Type(app.fields[0], i % 2 ? "-20" : "-21");
        SendMessageW(app.main, WM_COMMAND, 107, 0);
        if (i % 1000 == 0)
            app.Repaint();
        else
            RedrawWindow(app.main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    // One font per sample-code window, one per about box. Closing a top-level
    // window takes Wine about two seconds without a window manager, so these
    // are fewer.
    for (int i = 0; i < 20; ++i) {
        HWND editor = app.OpenEditor();
        ASSERT_TRUE(editor) << "editor " << i;
        PostMessageW(editor, WM_CLOSE, 0, 0);
        ASSERT_TRUE(testkit::WaitForWindowGone(editor)) << "editor " << i;
    }
    for (int i = 0; i < 10; ++i) {
        testkit::PostCommand(app.main, 102);
        HWND about = testkit::WaitForWindow(app.program.Pid(), "#32770", "Fontloupe について");
        ASSERT_TRUE(about) << "about box " << i;
        testkit::PressButton(about, IDOK);
        ASSERT_TRUE(testkit::WaitForWindowGone(about));
    }

    app.Type(app.fields[0], "-40");
    app.PressCreate();
    EXPECT_EQ("-40", app.Text(app.fields[0]));
    LOGFONTA lf{};
    lf.lfHeight = -40;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpyA(lf.lfFaceName, testkit::ComboItem(app.faceList, testkit::ComboSelection(app.faceList)).c_str());
    EXPECT_EQ(FontHeight(lf), LineHeight(app.sample));

    HWND editor = app.OpenEditor();
    ASSERT_TRUE(editor);
    LOGFONTA preset{};
    preset.lfHeight = -15;
    preset.lfCharSet = SHIFTJIS_CHARSET;
    preset.lfPitchAndFamily = FF_MODERN | FIXED_PITCH;
    lstrcpyA(preset.lfFaceName, "ＭＳ ゴシック");
    EXPECT_EQ(FontHeight(preset), LineHeight(EditorEdit(editor)));
}

}  // namespace
