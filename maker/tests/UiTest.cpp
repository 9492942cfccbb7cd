// Drives the real Fontsmith.exe. Each test suite shares one running program.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "FieldParse.h"
#include "FieldText.h"
#include "FontsmithDriver.h"
#include "Layout.h"
#include "PresetFont.h"
#include "SampleCodeText.h"

namespace {

class Session : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        app = new Fontsmith;
        started = app->Start();
    }
    static void TearDownTestSuite() { delete app; }
    void SetUp() override { ASSERT_TRUE(started) << "Fontsmith did not start"; }
    static Fontsmith* app;
    static bool started;
};
Fontsmith* Session::app;
bool Session::started;

// Left, top, width and height, to compare window rectangles with the layout.
std::array<long, 4> Box(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}
std::array<long, 4> Box(const CtlRect& r) { return {r.x, r.y, r.width, r.height}; }

std::string SampleCode(const LOGFONTA& lf) {
    static char lines[kCodeLineCount][kCodeLineBytes];
    static char text[kCodeTextBytes];
    return std::string(text, BuildSampleCodeText(lf, lines, text, sizeof text));
}

// The metrics and face of a font as realised here; the font is deleted.
TEXTMETRICA Realise(HFONT font, char* face = nullptr) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    if (face)
        GetTextFaceA(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return tm;
}

HWND WaitForAbout(const Fontsmith& app) {
    return testkit::WaitForWindow(app.program.Pid(), "#32770", "Fontloupe について");
}

class Opening : public Session {};

TEST_F(Opening, WindowAndControlsStandAtTheirLayoutRectangles) {
    const LOGFONTA units = StartRecord();
    const int cx = units.lfWidth, cy = units.lfHeight;
    int width = 0, height = 0;
    MainWindowSize(cx, cy, GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME),
                   GetSystemMetrics(SM_CYMENU), GetSystemMetrics(SM_CYCAPTION), &width, &height);
    EXPECT_EQ((std::array<long, 4>{15, 15, width, height}), Box(testkit::WindowRect(app->main)));

    for (int j = 0; j < 13; ++j)
        EXPECT_EQ(Box(FieldBoxRect(cx, cy, j)), Box(testkit::ChildRectInParent(app->fields[j])))
            << "field box " << j;
    EXPECT_EQ(Box(FaceListRect(cx, cy)), Box(testkit::ChildRectInParent(app->faceList)));
    EXPECT_EQ(Box(CreateButtonRect(cx, cy)), Box(testkit::ChildRectInParent(app->create)));
    EXPECT_EQ(Box(SampleBoxRect(cx, cy)), Box(testkit::ChildRectInParent(app->sample)));
    EXPECT_EQ("Create →", testkit::Text(app->create));
}

TEST_F(Opening, FaceListHoldsBothEnumerationsUnsorted) {
    std::vector<std::string> expected;
    auto collect = [](const LOGFONTA* lf, const TEXTMETRICA*, DWORD, LPARAM list) -> int {
        reinterpret_cast<std::vector<std::string>*>(list)->push_back(lf->lfFaceName);
        return 1;
    };
    HDC dc = GetDC(nullptr);
    EnumFontsA(dc, nullptr, collect, (LPARAM)&expected);
    EnumFontFamiliesA(dc, nullptr, collect, (LPARAM)&expected);
    ReleaseDC(nullptr, dc);

    std::vector<std::string> items;
    for (int i = 0; i < testkit::ComboCount(app->faceList); ++i)
        items.push_back(testkit::ComboItem(app->faceList, i));
    EXPECT_EQ(expected, items);
    EXPECT_FALSE(std::is_sorted(items.begin(), items.end()));
}

TEST_F(Opening, BoxesShowTheSampleLinesAndTheDefaultFont) {
    EXPECT_EQ(" ABCDEFFGHIJKLMNOPQRSTUVWUXYZ\r\n"
              " Height値は 正の時はフォントのセルの高さ\r\n"
              " 負の時は文字の高さ（セルの高さ－内部レディング）",
              testkit::Text(app->sample));
    const LOGFONTA lf = StartRecord();
    char slots[kLogFontSlotCount][kFieldSlotBytes] = {};
    FormatLogFontFields(lf, slots);
    for (int j = 0; j < 13; ++j)
        EXPECT_EQ(slots[j], testkit::Text(app->fields[j])) << "box " << j;
    EXPECT_EQ(lf.lfFaceName,
              testkit::ComboItem(app->faceList, testkit::ComboSelection(app->faceList)));
}

class Create : public Session {};

TEST_F(Create, StoresTheBoxesByTheParsingRuleAndShowsOnlyWhatIsStored) {
    const char* const typed[13] = {" -7", "+5", "12ab", "",     "700",        "300",        "1",
                                   "256", "-1", "x9",   "\t 2", "4294967299", "-2147483649"};
    const char* const shown[13] = {"-7", "5",   "12", "0", "700", "44", "1",
                                   "0",  "255", "0",  "2", "3",   "255"};
    for (int j = 0; j < 13; ++j)
        app->Type(app->fields[j], typed[j]);
    app->PressCreate();
    for (int j = 0; j < 13; ++j)
        EXPECT_EQ(shown[j], testkit::Text(app->fields[j])) << "typed '" << typed[j] << "'";

    // Typed but not applied: the next repaint puts the stored values back.
    app->Type(app->fields[0], "99");
    app->Type(app->fields[5], "1");
    app->Repaint();
    EXPECT_EQ(shown[0], testkit::Text(app->fields[0]));
    EXPECT_EQ(shown[5], testkit::Text(app->fields[5]));
}

TEST_F(Create, TablesAndSampleBoxShowTheRealisedFont) {
    const char* typed[13] = {"-30", "0", "0", "0", "700", "0", "0", "0", "128", "0", "0", "0", "0"};
    for (int j = 0; j < 13; ++j)
        app->Type(app->fields[j], typed[j]);
    ASSERT_TRUE(app->SelectFace("IPA明朝"));
    app->PressCreate();

    char face[LF_FACESIZE] = "";
    const TEXTMETRICA tm = Realise(
        CreateFontA(-30, 0, 0, 0, 700, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "IPA明朝"), face);
    // The values of the two table columns, in display order.
    const long values[20] = {
        tm.tmHeight,          tm.tmAscent,       tm.tmDescent,          tm.tmInternalLeading,
        tm.tmExternalLeading, tm.tmAveCharWidth, tm.tmMaxCharWidth,     tm.tmWeight,
        tm.tmItalic,          tm.tmUnderlined,   tm.tmStruckOut,        tm.tmFirstChar,
        tm.tmLastChar,        tm.tmDefaultChar,  tm.tmBreakChar,        tm.tmPitchAndFamily,
        tm.tmCharSet,         tm.tmOverhang,     tm.tmDigitizedAspectX, tm.tmDigitizedAspectY};
    const LOGFONTA units = StartRecord();
    const int cx = units.lfWidth, cy = units.lfHeight;
    auto differences = [&](int column, int row, int chars, const std::string& text) {
        const int x = column * cx, y = RowTop(cy, row);
        return DifferencesFromText(app->main, {x, y, x + chars * cx, y + cy}, text,
                                   (HFONT)GetStockObject(SYSTEM_FONT), RGB(255, 255, 255));
    };
    testkit::BringToFront(app->main);
    // On a high-DPI screen the system scales the window, which is not DPI
    // aware: its layout is as at 96 DPI, and its painting is compared there.
    if (!testkit::ScaledBySystem(app->main)) {
        for (int r = 1; r <= 10; ++r) {
            EXPECT_EQ(0, differences(62, r, 6, std::to_string(values[r - 1]))) << "row " << r;
            EXPECT_EQ(0, differences(88, r, 10, std::to_string(values[r + 9]))) << "row " << r;
        }
        EXPECT_EQ(0, differences(62, 11, 36, face)) << face;
        EXPECT_LT(0, differences(62, 1, 6, "18"));  // the comparison does see a wrong value
    }

    EXPECT_EQ(tm.tmHeight, testkit::EditLineHeight(app->sample));
}

// The face list is re-selected by the whole name, never by one that merely
// begins with the current face; with no selection "Create →" keeps the face.
// The IPA faces are installed with every runtime of the tests.
TEST_F(Create, FaceListFollowsTheWholeCurrentName) {
    ASSERT_TRUE(app->SelectFace("IPAゴシック"));
    app->PressCreate();
    auto selected = [&] {
        return testkit::ComboItem(app->faceList, testkit::ComboSelection(app->faceList));
    };
    SendMessageW(app->faceList, CB_INSERTSTRING, 0, (LPARAM)L"IPAゴシック Narrow");
    app->Repaint();
    EXPECT_EQ("IPAゴシック", selected());

    SendMessageW(app->faceList, CB_SETCURSEL, (WPARAM)-1, 0);
    app->PressCreate();
    EXPECT_EQ("IPAゴシック", selected());
    SendMessageW(app->faceList, CB_DELETESTRING, 0, 0);
}

class Editor : public Session {};

TEST_F(Editor, EachWindowKeepsTheValuesOfItsOpeningAndFollowsItsSize) {
    testkit::BringToFront(app->main);
    ASSERT_EQ(app->main, GetForegroundWindow());
    HWND first = app->OpenEditor();
    HWND second = app->OpenEditor();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(app->main, GetForegroundWindow());
    const std::string opening = EditorText(first);
    EXPECT_EQ(SampleCode(StartRecord()), opening);
    EXPECT_EQ(46, std::count(opening.begin(), opening.end(), '\n'));
    EXPECT_EQ(opening, EditorText(second));

    // The record whose text the unit tests hold byte for byte.
    char typed[kLogFontSlotCount][kFieldSlotBytes] = {"-15", "0",   "0", "0", "400", "0", "0",
                                                      "0",   "128", "3", "2", "1",   "49"};
    for (int j = 0; j < 13; ++j)
        app->Type(app->fields[j], typed[j]);
    ASSERT_TRUE(app->SelectFace("ＭＳ ゴシック"));
    app->PressCreate();
    HWND third = app->OpenEditor();
    ASSERT_TRUE(third);
    LOGFONTA lf{};
    ParseLogFontFields(typed, &lf);
    lstrcpyA(lf.lfFaceName, "ＭＳ ゴシック");
    EXPECT_EQ(1296u, EditorText(third).size());
    EXPECT_EQ(SampleCode(lf), EditorText(third));
    EXPECT_EQ(opening, EditorText(first));
    EXPECT_EQ(opening, EditorText(second));

    // The edit control follows a resize of its window.
    SetWindowPos(third, nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(third, &client);
    EXPECT_EQ(Box(client), Box(testkit::ChildRectInParent(EditorEdit(third))));
}

// Menus of another process cannot be read under Wine, so the menu is read
// from the program file: the tests send these ids for these entries.
TEST(MenuResource, EntriesCarryTheIdsTheTestsSend) {
    HMODULE exe = LoadLibraryExA(FONTSMITH_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HMENU bar = LoadMenuA(exe, "HelloMenu");
    ASSERT_TRUE(bar);
    std::string texts;
    for (UINT id : {101, 102, 103, 104}) {
        char text[64] = "";
        GetMenuStringA(bar, id, text, sizeof text, MF_BYCOMMAND);
        texts += std::to_string(id) + " " + text + ";";
    }
    EXPECT_EQ("101 ﾌﾟﾘﾝﾀﾌｫﾝﾄ;102 About...;103 閉じる;104 ｻﾝﾌﾟﾙｺｰﾄﾞ出力;", texts);
    DestroyMenu(bar);
    FreeLibrary(exe);
}

class Menu : public Session {};

TEST_F(Menu, PrinterFontShowsTheNowMakingNote) {
    testkit::PostCommand(app->main, 101);
    testkit::MessageBoxInfo box = testkit::WaitForMessageBox(app->program.Pid());
    ASSERT_TRUE(box.hwnd);
    EXPECT_EQ("Now Making.", box.caption);
    EXPECT_EQ("現バージョンではスクリーンフォントのみの対応となります。", box.text);
    testkit::PressButton(box.hwnd, IDOK);
    EXPECT_TRUE(testkit::WaitForWindowGone(box.hwnd));
}

TEST_F(Menu, AboutBoxShowsItsTitleInTheBoldPresetFont) {
    testkit::PostCommand(app->main, 102);
    HWND about = WaitForAbout(*app);
    ASSERT_TRUE(about);
    HWND title = GetDlgItem(about, 1000);
    ASSERT_EQ("Fontsmith Ver1.00", testkit::Text(title));

    RECT r{};
    GetClientRect(title, &r);
    LOGFONTA bold{}, plain{};
    FillPresetLogFont(&bold, 4);
    FillPresetLogFont(&plain, 1);  // the same face, not bold: the comparison must tell
    testkit::BringToFront(about);
    for (const LOGFONTA* lf : {&bold, &plain}) {
        HFONT font = CreateFontIndirectA(lf);
        int off =
            DifferencesFromText(title, r, "Fontsmith Ver1.00", font, GetSysColor(COLOR_3DFACE),
                                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        DeleteObject(font);
        EXPECT_EQ(lf == &bold, off == 0) << off;
    }
    testkit::PressButton(about, IDOK);
    EXPECT_TRUE(testkit::WaitForWindowGone(about));
}

TEST(Exit, CloseCommandAndCloseBoxEndTheProgramWithItsEditorWindows) {
    for (bool byCommand : {true, false}) {
        Fontsmith app;
        ASSERT_TRUE(app.Start());
        ASSERT_TRUE(app.OpenEditor());
        if (byCommand)
            testkit::PostCommand(app.main, 103);
        else
            PostMessageW(app.main, WM_CLOSE, 0, 0);
        DWORD code = 99;
        ASSERT_TRUE(app.program.WaitForExit(10000, &code)) << byCommand;
        EXPECT_EQ(0u, code) << byCommand;
    }
}

// A burst of posted commands and paints is handled in order, and the program
// still answers and still makes fonts afterwards. That no font is lost on the
// way is counted exactly by the long run.
TEST(Stress, FontCreationStillSucceedsAfterABurst) {
    Fontsmith app;
    ASSERT_TRUE(app.Start());
    // Posted "Create →" commands run back to back, each making one font, and
    // so do posted paint messages, each making two heading fonts; a character
    // posted after them to the sample box shows when they are done.
    for (int chunk = 0; chunk < 4; ++chunk) {
        app.Type(app.fields[0], chunk % 2 ? "-20" : "-21");
        const size_t sampleBytes = testkit::Text(app.sample).size();
        for (int k = 0; k < 200; ++k) {
            ASSERT_TRUE(PostMessageW(app.main, WM_COMMAND, 107, 0));
            if (k % 2) {
                ASSERT_TRUE(PostMessageW(app.main, WM_PAINT, 0, 0));
            }
        }
        ASSERT_TRUE(PostMessageW(app.sample, WM_CHAR, 'x', 0));
        ASSERT_TRUE(
            WaitUntil([&] { return testkit::Text(app.sample).size() > sampleBytes; }, 60000))
            << "chunk " << chunk;
    }
    app.Type(app.fields[0], "-40");
    app.PressCreate();
    EXPECT_EQ("-40", testkit::Text(app.fields[0]));
    const std::string face =
        testkit::ComboItem(app.faceList, testkit::ComboSelection(app.faceList));
    EXPECT_EQ(
        Realise(CreateFontA(-40, 0, 0, 0, 0, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, face.c_str()))
            .tmHeight,
        testkit::EditLineHeight(app.sample));

    HWND editor = app.OpenEditor();
    ASSERT_TRUE(editor);
    LOGFONTA lf{};
    EXPECT_EQ(Realise(MakePresetFont(&lf, 1)).tmHeight,
              testkit::EditLineHeight(EditorEdit(editor)));
}

}  // namespace
