// The real Fontloupe.exe under Wine: where its main dialog and controls stand,
// what they hold right after start, its menu bar, and the three ways to end it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FontloupeDriver.h"
#include "WindowFont.h"

namespace {

using Menu = std::vector<std::vector<std::string>>;

const char kSampleLines[] =
    " ABCDEFFGHIJKLMNOPQRSTUVWUXYZ\r\n"
    " Height値は 正の時はフォントのセルの高さ\r\n"
    " 負の時は文字の高さ（セルの高さ－内部レディング）";

::testing::AssertionResult RectIs(const RECT& r, int x, int y, int width, int height) {
    if (r.left == x && r.top == y && r.right - r.left == width && r.bottom - r.top == height)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << r.left << ", " << r.top << ") " << r.right - r.left << " x "
           << r.bottom - r.top << ", expected (" << x << ", " << y << ") " << width << " x "
           << height;
}

// One program for the checks that only look at it.
class MainDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_program = new testkit::Program;
        s_dialog = fontloupe::Start(*s_program);
    }
    static void TearDownTestSuite() {
        delete s_program;  // ends the program
        s_program = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(s_dialog, nullptr) << "main dialog did not appear";
        font = MeasureWindowFont(s_dialog);
    }

    HWND Control(int id) const { return GetDlgItem(s_dialog, id); }

    static testkit::Program* s_program;
    static HWND s_dialog;
    WindowFont font;  // default font of the dialog's device context
};

testkit::Program* MainDialogTest::s_program = nullptr;
HWND MainDialogTest::s_dialog = nullptr;

int WindowWidth(int W) { return 67 * W + 2 * GetSystemMetrics(SM_CXFRAME); }

TEST_F(MainDialogTest, StandsAtFifteenFifteenSizedFromTheDefaultFont) {
    const int W = font.W(), H = font.H(), T = H;
    ASSERT_GT(W, 0);
    ASSERT_GT(H, 0);
    const int height = 2 * GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYMENU) +
                       GetSystemMetrics(SM_CYCAPTION) + 15 * H + T;
    EXPECT_TRUE(RectIs(testkit::WindowRect(s_dialog), 15, 15, WindowWidth(W), height));
    EXPECT_EQ(testkit::Text(s_dialog), "Fontloupe");
}

TEST_F(MainDialogTest, ControlsLieOnTheCharacterGrid) {
    const int W = font.W(), H = font.H(), T = H;
    const int faceHeight = static_cast<int>(1.5 * H);
    EXPECT_TRUE(RectIs(testkit::ChildRectInParent(Control(fontloupe::kSampleBox)), 5 * W,
                       T + 10 * H, 55 * W, 4 * H));
    EXPECT_TRUE(RectIs(testkit::ChildRectInParent(Control(fontloupe::kFaceNameBox)), 48 * W,
                       T + 7 * H, 16 * W, faceHeight));
    EXPECT_TRUE(RectIs(testkit::ChildRectInParent(Control(fontloupe::kCloseButton)),
                       WindowWidth(W) - 120, 10, 80, 25));
    EXPECT_EQ(testkit::Text(Control(fontloupe::kCloseButton)), "Close");
}

TEST_F(MainDialogTest, BoxesHoldTheDefaultFaceNameAndTheSampleLines) {
    ASSERT_FALSE(font.face.empty());
    EXPECT_EQ(testkit::Text(Control(fontloupe::kFaceNameBox)), font.face);
    EXPECT_EQ(testkit::Text(Control(fontloupe::kSampleBox)), kSampleLines);
}

TEST_F(MainDialogTest, FocusStartsOnTheCloseButton) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetGUIThreadInfo(s_program->pi.dwThreadId, &info));
    EXPECT_EQ(info.hwndFocus, Control(fontloupe::kCloseButton));
}

TEST_F(MainDialogTest, HasAOneLineMenuBar) {
    EXPECT_NE(GetMenu(s_dialog), nullptr);
    const RECT window = testkit::WindowRect(s_dialog);
    const RECT client = testkit::ClientRectOnScreen(s_dialog);
    // Above the client area: the frame (as wide as at the side), caption and menu bar.
    EXPECT_EQ((client.top - window.top) - (client.left - window.left),
              GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU));
}

// Wine does not let another process read a window's menu, so the menu is read
// from the program file, with the dialog template that names it.
class ProgramFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        exe = LoadLibraryExA(fontloupe::ExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(exe, nullptr);
    }
    void TearDown() override {
        if (exe)
            FreeLibrary(exe);
    }
    HMODULE exe = nullptr;
};

// Texts of a menu's popups and items ("-" for a separator), and the item ids.
void ReadMenu(HMENU bar, Menu* texts, std::vector<std::vector<UINT>>* ids) {
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        char text[64] = "";
        GetMenuStringA(bar, i, text, sizeof text, MF_BYPOSITION);
        texts->push_back({text});
        ids->push_back({});
        HMENU popup = GetSubMenu(bar, i);
        for (int j = 0; popup && j < GetMenuItemCount(popup); ++j) {
            MENUITEMINFOA item{};
            item.cbSize = sizeof item;
            item.fMask = MIIM_FTYPE | MIIM_ID;
            GetMenuItemInfoA(popup, j, TRUE, &item);
            GetMenuStringA(popup, j, text, sizeof text, MF_BYPOSITION);
            texts->back().push_back((item.fType & MFT_SEPARATOR) ? "-" : text);
            ids->back().push_back(item.wID);
        }
    }
}

TEST_F(ProgramFileTest, MenuHoldsEveryItemInOrder) {
    HMENU bar = LoadMenuA(exe, MAKEINTRESOURCEA(129));
    ASSERT_NE(bar, nullptr);
    Menu texts;
    std::vector<std::vector<UINT>> ids;
    ReadMenu(bar, &texts, &ids);
    DestroyMenu(bar);

    const Menu expectedTexts = {
        {"ﾌｫﾝﾄ選択", "ｽｸﾘｰﾝﾌｫﾝﾄ", "ﾌﾟﾘﾝﾀﾌｫﾝﾄ", "-", "テスト印刷", "-", "閉じる"},
        {"編集", "ｻﾝﾌﾟﾙｺｰﾄﾞ出力(API)", "ｻﾝﾌﾟﾙｺｰﾄﾞ出力(MFC)"},
        {"?", "ﾍﾙﾌﾟ", "About..."},
    };
    const std::vector<std::vector<UINT>> expectedIds = {
        {fontloupe::kScreenFont, fontloupe::kPrinterFont, 0, fontloupe::kTestPrint, 0,
         fontloupe::kClose},
        {fontloupe::kSampleCodeApi, fontloupe::kSampleCodeMfc},
        {fontloupe::kHelpPage, fontloupe::kAbout},
    };
    EXPECT_EQ(texts, expectedTexts);
    EXPECT_EQ(ids, expectedIds);
}

TEST_F(ProgramFileTest, MainDialogTemplateNamesTheMenu) {
    HRSRC found = FindResourceA(exe, MAKEINTRESOURCEA(102), RT_DIALOG);
    ASSERT_NE(found, nullptr);
    const WORD* words = static_cast<const WORD*>(LockResource(LoadResource(exe, found)));
    // Extended template: version 1, signature 0xFFFF, help id, styles, item
    // count and the four coordinates, then the menu as 0xFFFF and its ordinal.
    ASSERT_EQ(words[0], 1);
    ASSERT_EQ(words[1], 0xFFFF);
    const WORD* menu = words + 2 + 2 + 2 + 2 + 1 + 4;
    EXPECT_EQ(menu[0], 0xFFFF);
    EXPECT_EQ(menu[1], 129);
}

// Each way out ends the process and leaves no window behind.
class MainDialogEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog = fontloupe::Start(program);
        ASSERT_NE(dialog, nullptr) << "main dialog did not appear";
    }
    void ExpectProgramGone() {
        EXPECT_TRUE(program.WaitForExit(10000)) << "program still running";
        EXPECT_FALSE(IsWindow(dialog));
    }
    testkit::Program program;
    HWND dialog = nullptr;
};

TEST_F(MainDialogEndTest, CloseButtonEndsTheProgram) {
    PostMessageW(GetDlgItem(dialog, fontloupe::kCloseButton), BM_CLICK, 0, 0);
    ExpectProgramGone();
}

TEST_F(MainDialogEndTest, CloseMenuItemEndsTheProgram) {
    testkit::PostCommand(dialog, fontloupe::kClose);
    ExpectProgramGone();
}

TEST_F(MainDialogEndTest, EscapeEndsTheProgram) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetGUIThreadInfo(program.pi.dwThreadId, &info));
    ASSERT_NE(info.hwndFocus, nullptr);
    PostMessageW(info.hwndFocus, WM_KEYDOWN, VK_ESCAPE, 1);
    ExpectProgramGone();
}

}  // namespace
