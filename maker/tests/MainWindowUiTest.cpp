// The main window as it opens: position and size, the controls at their
// layout rectangles, the face list, the sample box and the first values.
#include <gtest/gtest.h>

#include "FieldText.h"
#include "FontsmithDriver.h"
#include "Layout.h"

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.Start());
        units = DefaultFontUnits();
    }
    void ExpectAt(HWND control, const CtlRect& r, const char* what)
    {
        RECT got = testkit::ChildRectInParent(control);
        EXPECT_EQ(r.x, got.left) << what;
        EXPECT_EQ(r.y, got.top) << what;
        EXPECT_EQ(r.width, got.right - got.left) << what;
        EXPECT_EQ(r.height, got.bottom - got.top) << what;
    }
    Fontsmith app;
    Units units;
};

int CALLBACK CollectFace(const LOGFONTA* lf, const TEXTMETRICA*, DWORD, LPARAM lp)
{
    reinterpret_cast<std::vector<std::string>*>(lp)->push_back(lf->lfFaceName);
    return 1;
}

TEST_F(MainWindow, OpensAtFifteenFifteenWithTheSizeOfItsUnits)
{
    int width = 0, height = 0;
    MainWindowSize(units.cx, units.cy, GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME),
                   GetSystemMetrics(SM_CYMENU), GetSystemMetrics(SM_CYCAPTION), &width, &height);
    RECT r = testkit::WindowRect(app.main);
    EXPECT_EQ(15, r.left);
    EXPECT_EQ(15, r.top);
    EXPECT_EQ(width, r.right - r.left);
    EXPECT_EQ(height, r.bottom - r.top);
    EXPECT_EQ(kMainClass, testkit::Text(app.main));
}

TEST_F(MainWindow, CannotBeMadeLargerThanItsFirstSize)
{
    RECT first = testkit::WindowRect(app.main);
    SetWindowPos(app.main, nullptr, 0, 0, 3000, 2000, SWP_NOMOVE | SWP_NOZORDER);
    RECT big = testkit::WindowRect(app.main);
    EXPECT_EQ(first.right - first.left, big.right - big.left);
    EXPECT_EQ(first.bottom - first.top, big.bottom - big.top);

    SetWindowPos(app.main, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
    RECT small = testkit::WindowRect(app.main);
    EXPECT_EQ(400, small.right - small.left);
    EXPECT_EQ(300, small.bottom - small.top);
}

TEST_F(MainWindow, ControlsStandAtTheirLayoutRectangles)
{
    for (int j = 0; j < 13; ++j)
        ExpectAt(app.fields[j], FieldBoxRect(units.cx, units.cy, j), ("field box " + std::to_string(j)).c_str());
    ExpectAt(app.faceList, FaceListRect(units.cx, units.cy), "face list");
    ExpectAt(app.create, CreateButtonRect(units.cx, units.cy), "button");
    ExpectAt(app.sample, SampleBoxRect(units.cx, units.cy), "sample box");
    EXPECT_EQ("Create →", testkit::Text(app.create));
    EXPECT_EQ(107, GetDlgCtrlID(app.create));
    EXPECT_EQ(0, GetDlgCtrlID(app.fields[0]));
    EXPECT_EQ(0, GetDlgCtrlID(app.faceList));
    EXPECT_EQ(CBS_SIMPLE, GetWindowLongW(app.faceList, GWL_STYLE) & 3);
}

TEST_F(MainWindow, FaceListHoldsBothEnumerationsUnsorted)
{
    std::vector<std::string> expected;
    HDC dc = GetDC(nullptr);
    EnumFontsA(dc, nullptr, CollectFace, (LPARAM)&expected);
    size_t firstRun = expected.size();
    EnumFontFamiliesA(dc, nullptr, CollectFace, (LPARAM)&expected);
    ReleaseDC(nullptr, dc);

    ASSERT_EQ((int)expected.size(), testkit::ComboCount(app.faceList));
    std::vector<std::string> items;
    for (int i = 0; i < (int)expected.size(); ++i) items.push_back(testkit::ComboItem(app.faceList, i));
    EXPECT_EQ(expected, items);
    // Every face of the first run is listed again in the second.
    for (size_t i = 0; i < firstRun; ++i)
        EXPECT_NE(items.end(), std::find(items.begin() + firstRun, items.end(), items[i])) << items[i];
    EXPECT_FALSE(std::is_sorted(items.begin(), items.end()));
}

TEST_F(MainWindow, FaceListUsesTheFifteenPixelInterfaceFont)
{
    HFONT font = CreateInterfaceFont();
    HDC dc = GetDC(nullptr);
    TEXTMETRICA systemTm{}, presetTm{};
    GetTextMetricsA(dc, &systemTm);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextMetricsA(dc, &presetTm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);

    ASSERT_NE(systemTm.tmHeight, presetTm.tmHeight);
    EXPECT_EQ(presetTm.tmHeight, SendMessageW(app.faceList, CB_GETITEMHEIGHT, 0, 0));
}

TEST_F(MainWindow, SampleBoxHoldsTheThreeSampleLines)
{
    EXPECT_EQ(" ABCDEFFGHIJKLMNOPQRSTUVWUXYZ\r\n"
              " Height値は 正の時はフォントのセルの高さ\r\n"
              " 負の時は文字の高さ（セルの高さ－内部レディング）",
              testkit::Text(app.sample));
}

TEST_F(MainWindow, FirstRepaintShowsTheDefaultFontValues)
{
    const LOGFONTA lf = StartRecord();
    const char* face = lf.lfFaceName;
    char slots[14][30] = {};
    FormatLogFontFields(lf, slots);
    for (int j = 0; j < 13; ++j) EXPECT_EQ(slots[j], app.Text(app.fields[j])) << "box " << j;
    int sel = testkit::ComboSelection(app.faceList);
    ASSERT_GE(sel, 0);
    EXPECT_EQ(face, testkit::ComboItem(app.faceList, sel));
}

}  // namespace
