// The menu: its entries, the printer-font note, the about box, and the two
// ways out.
#include <gtest/gtest.h>

#include "FontsmithDriver.h"
#include "Pixels.h"
#include "PresetFont.h"

namespace {

class Menu : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(app.Start()); }
    std::vector<std::string> FieldTexts()
    {
        std::vector<std::string> texts;
        for (HWND f : app.fields) texts.push_back(app.Text(f));
        return texts;
    }
    HWND WaitForAbout()
    {
        return testkit::WaitForWindow(app.program.Pid(), "#32770", "Fontloupe について");
    }
    Fontsmith app;
};

// Menus of another process cannot be read under Wine, so the menu resource
// is read from the program file itself.
TEST(MenuResource, HoldsItsThreePopupsWithTheScreenFontChecked)
{
    HMODULE exe = LoadLibraryExA(FONTSMITH_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(exe);
    HMENU bar = LoadMenuA(exe, "HelloMenu");
    ASSERT_TRUE(bar);
    std::vector<std::vector<std::string>> texts;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        char text[64] = "";
        GetMenuStringA(bar, i, text, sizeof text, MF_BYPOSITION);
        std::vector<std::string> popup{text};
        HMENU sub = GetSubMenu(bar, i);
        for (int j = 0; j < GetMenuItemCount(sub); ++j) {
            UINT id = GetMenuItemID(sub, j);
            GetMenuStringA(sub, j, text, sizeof text, MF_BYPOSITION);
            popup.push_back(id == 0 ? "-" : std::to_string(id) + " " + text);
        }
        texts.push_back(popup);
    }
    std::vector<std::vector<std::string>> expected = {
        {"ﾌｫﾝﾄ選択", "100 ｽｸﾘｰﾝﾌｫﾝﾄ", "101 ﾌﾟﾘﾝﾀﾌｫﾝﾄ", "-", "103 閉じる"},
        {"編集", "104 ｻﾝﾌﾟﾙｺｰﾄﾞ出力"},
        {"?", "106 ﾍﾙﾌﾟ", "-", "102 About..."},
    };
    EXPECT_EQ(expected, texts);
    EXPECT_TRUE(GetMenuState(bar, 100, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(bar, 101, MF_BYCOMMAND) & MF_CHECKED);
    DestroyMenu(bar);
    FreeLibrary(exe);
}

TEST_F(Menu, ScreenFontAndUnknownIdsChangeNothing)
{
    app.Type(app.fields[0], "-40");
    app.PressCreate();
    std::vector<std::string> before = FieldTexts();
    SendMessageW(app.main, WM_COMMAND, 100, 0);
    SendMessageW(app.main, WM_COMMAND, 105, 0);
    app.Repaint();
    EXPECT_EQ(before, FieldTexts());
    EXPECT_TRUE(app.Editors().empty());
    EXPECT_EQ(1u, testkit::TopWindows(app.program.Pid(), kMainClass).size());
}

TEST_F(Menu, PrinterFontShowsTheNowMakingNote)
{
    std::vector<std::string> before = FieldTexts();
    testkit::PostCommand(app.main, 101);
    testkit::MessageBoxInfo box = testkit::WaitForMessageBox(app.program.Pid());
    ASSERT_TRUE(box.hwnd);
    EXPECT_EQ("Now Making.", box.caption);
    EXPECT_EQ("現バージョンではスクリーンフォントのみの対応となります。", box.text);
    EXPECT_EQ(app.main, GetWindow(box.hwnd, GW_OWNER));
    testkit::PressButton(box.hwnd, IDOK);
    EXPECT_TRUE(testkit::WaitForWindowGone(box.hwnd));
    EXPECT_EQ(before, FieldTexts());
}

TEST_F(Menu, AboutBoxShowsItsTitleInTheBoldInterfaceFont)
{
    for (int round = 0; round < 2; ++round) {
        testkit::PostCommand(app.main, 102);
        HWND about = WaitForAbout();
        ASSERT_TRUE(about) << "round " << round;
        EXPECT_EQ(app.main, GetWindow(about, GW_OWNER));
        HWND title = GetDlgItem(about, 1000);
        EXPECT_EQ("Fontsmith Ver1.00", testkit::Text(title));
        EXPECT_EQ("Fontloupe 付録", testkit::Text(GetDlgItem(about, 1001)));
        EXPECT_EQ("OK", testkit::Text(GetDlgItem(about, IDOK)));

        RECT r{};
        GetClientRect(title, &r);
        LOGFONTA lf{};
        HFONT bold = MakePresetFont(&lf, 4);
        HFONT dialogFont = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0,
                                       0, "ＭＳ ゴシック");
        const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
        const COLORREF face = GetSysColor(COLOR_3DFACE);
        testkit::BringToFront(about);
        std::vector<unsigned> shown = CaptureClient(title, 0, 0, r.right, r.bottom);
        int offBold = testkit::CountDifferences(RenderText("Fontsmith Ver1.00", bold, r.right, r.bottom, face, format), shown);
        int offPlain = testkit::CountDifferences(RenderText("Fontsmith Ver1.00", dialogFont, r.right, r.bottom, face, format), shown);
        DeleteObject(bold);
        DeleteObject(dialogFont);
        EXPECT_EQ(0, offBold) << "round " << round;
        EXPECT_LT(0, offPlain);

        testkit::PressButton(about, IDOK);
        EXPECT_TRUE(testkit::WaitForWindowGone(about));
    }
}

TEST_F(Menu, AboutBoxClosesWithCancelToo)
{
    testkit::PostCommand(app.main, 102);
    HWND about = WaitForAbout();
    ASSERT_TRUE(about);
    testkit::PressButton(about, IDCANCEL);
    EXPECT_TRUE(testkit::WaitForWindowGone(about));
    EXPECT_TRUE(app.program.Running());
}

TEST_F(Menu, CloseCommandEndsTheProgramWithItsEditorWindows)
{
    ASSERT_TRUE(app.OpenEditor());
    ASSERT_TRUE(app.OpenEditor());
    testkit::PostCommand(app.main, 103);
    DWORD code = 99;
    ASSERT_TRUE(app.program.WaitForExit(10000, &code));
    EXPECT_EQ(0u, code);
    EXPECT_TRUE(app.Editors().empty());
}

TEST_F(Menu, CloseBoxEndsTheProgramWithItsEditorWindows)
{
    ASSERT_TRUE(app.OpenEditor());
    PostMessageW(app.main, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(app.program.WaitForExit(10000, &code));
    EXPECT_EQ(0u, code);
    EXPECT_TRUE(app.Editors().empty());
}

// The text of the help viewer's page, read wide.
std::string HelpPageText()
{
    HWND page = FindWindowExA(FindWindowA("MS_WINHELP", nullptr), nullptr, "RichEdit20A", nullptr);
    std::wstring buf(8192, L'\0');
    DWORD_PTR got = 0;
    if (!page || !SendMessageTimeoutW(page, WM_GETTEXT, buf.size(), (LPARAM)&buf[0], SMTO_ABORTIFHUNG,
                                      5000, &got))
        return std::string();
    buf.resize(got);
    return testkit::ToCp932(buf);
}

// The help file is asked for by its bare name, so it is found in the
// program's working directory.
TEST(Help, OpensTheHelpFileOnItsContentsPage)
{
    std::string dir = FONTSMITH_EXE;
    dir = dir.substr(0, dir.rfind('\\'));
    Fontsmith app;
    ASSERT_TRUE(app.Start(dir));
    testkit::PostCommand(app.main, 106);
    std::string text;
    EXPECT_TRUE(WaitUntil([&] { return (text = HelpPageText()).find("使い方") != std::string::npos; },
                          15000)) << text;
    EXPECT_EQ(0u, text.find("Fontsmith ヘルプ"));
    EXPECT_NE(std::string::npos, text.find("GetLogFontHandle")) << text;
    HWND help;
    while ((help = FindWindowA("MS_WINHELP", nullptr)) != nullptr) {
        PostMessageW(help, WM_CLOSE, 0, 0);
        testkit::WaitForWindowGone(help);
    }
}

TEST(TwoCopies, RunSideBySide)
{
    Fontsmith one, two;
    ASSERT_TRUE(one.Start());
    ASSERT_TRUE(two.Start());
    one.Type(one.fields[0], "-22");
    one.PressCreate();
    EXPECT_EQ("-22", one.Text(one.fields[0]));
    EXPECT_NE("-22", two.Text(two.fields[0]));
    PostMessageW(one.main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(one.program.WaitForExit(10000));
    EXPECT_TRUE(two.program.Running());
}

}  // namespace
