// "Create →": the boxes are read by the parsing rule, the stored values come
// back into the boxes, and the painted tables show the realised font.
#include <gtest/gtest.h>

#include "FieldText.h"
#include "FontsmithDriver.h"
#include "Layout.h"
#include "Pixels.h"

namespace {

class Create : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.Start());
        units = DefaultFontUnits();
    }
    // The face named in line 35 of a freshly opened sample-code window, that
    // is the current record's face.
    std::string CurrentFace()
    {
        HWND editor = app.OpenEditor();
        std::vector<std::string> lines = SplitLines(testkit::Text(EditorEdit(editor)));
        SendMessageW(editor, WM_CLOSE, 0, 0);
        if (lines.size() < 35) return "?";
        const std::string& line = lines[34];
        size_t open = line.find('"'), close = line.rfind('"');
        return line.substr(open + 1, close - open - 1);
    }
    // Whether the value texts painted in a table row read `text`.
    bool PaintedValue(int x, int row, int widthInChars, const std::string& text)
    {
        int y = RowTop(units.cy, row);
        int width = widthInChars * units.cx;
        testkit::BringToFront(app.main);
        std::vector<unsigned> want = RenderText(text, (HFONT)GetStockObject(SYSTEM_FONT), width,
                                                units.cy, RGB(255, 255, 255));
        return testkit::CountDifferences(want, CaptureClient(app.main, x, y, width, units.cy)) == 0;
    }
    Fontsmith app;
    Units units;
};

struct Case {
    int box;
    const char* typed;
    const char* shown;
};

TEST_F(Create, StoresTheBoxesByTheParsingRule)
{
    const Case cases[] = {
        {0, " -7", "-7"},   {1, "+5", "5"},     {2, "12ab", "12"}, {3, "", "0"},
        {4, "700", "700"},  {5, "300", "44"},   {6, "1", "1"},     {7, "256", "0"},
        {8, "-1", "255"},   {9, "x9", "0"},     {10, "\t 2", "2"}, {11, "4294967299", "3"},
        {12, "-2147483649", "255"},
    };
    for (const Case& c : cases) app.Type(app.fields[c.box], c.typed);
    app.PressCreate();
    for (const Case& c : cases)
        EXPECT_EQ(c.shown, app.Text(app.fields[c.box])) << "box " << c.box << " typed '" << c.typed << "'";
}

TEST_F(Create, ReadsOnlyTheFirstTwentyNineBytesOfABox)
{
    app.Type(app.fields[0], std::string(28, ' ') + "9");
    app.Type(app.fields[1], std::string(28, '0') + "12");
    app.Type(app.fields[2], std::string(29, ' ') + "5");
    app.PressCreate();
    EXPECT_EQ("9", app.Text(app.fields[0]));
    EXPECT_EQ("1", app.Text(app.fields[1]));
    EXPECT_EQ("0", app.Text(app.fields[2]));
}

TEST_F(Create, TablesShowTheRealisedFont)
{
    const std::string face = "IPA明朝";
    int index = app.FindFace(face);
    ASSERT_GE(index, 0);
    app.SelectFace(index);
    const char* typed[13] = {"-30", "0", "0", "0", "700", "0", "0", "0", "128", "0", "0", "0", "0"};
    for (int j = 0; j < 13; ++j) app.Type(app.fields[j], typed[j]);
    app.PressCreate();

    LOGFONTA lf{};
    lf.lfHeight = -30;
    lf.lfWeight = 700;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpyA(lf.lfFaceName, face.c_str());
    HFONT font = CreateFontIndirectA(&lf);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    char realised[50] = "";
    GetTextFaceA(dc, sizeof realised, realised);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);

    char texts[21][50] = {};
    FillTextMetricTexts(tm, realised, texts);
    for (int r = 1; r <= 10; ++r) {
        EXPECT_TRUE(PaintedValue(62 * units.cx, r, 6, texts[r - 1])) << "column 1 row " << r << " " << texts[r - 1];
        EXPECT_TRUE(PaintedValue(88 * units.cx, r, 10, texts[r + 9])) << "column 2 row " << r << " " << texts[r + 9];
    }
    EXPECT_TRUE(PaintedValue(62 * units.cx, 11, 36, realised)) << "FontFace " << realised;
    // The comparison does see a wrong value.
    EXPECT_FALSE(PaintedValue(62 * units.cx, 1, 6, "18"));

    // The sample box draws with the new font: its second line starts one
    // font height below the first.
    LRESULT first = SendMessageW(app.sample, EM_POSFROMCHAR, 0, 0);
    LRESULT second = SendMessageW(app.sample, EM_POSFROMCHAR,
                                  SendMessageW(app.sample, EM_LINEINDEX, 1, 0), 0);
    EXPECT_EQ(tm.tmHeight, (short)HIWORD(second) - (short)HIWORD(first));
    EXPECT_EQ(face, CurrentFace());
}

TEST_F(Create, TypedButUnappliedTextIsReplacedOnTheNextRepaint)
{
    std::string stored = app.Text(app.fields[0]);
    app.Type(app.fields[0], "99");
    app.Type(app.fields[5], "1");
    app.Repaint();
    EXPECT_EQ(stored, app.Text(app.fields[0]));
    EXPECT_EQ("0", app.Text(app.fields[5]));

    // Minimised and restored, the window repaints and does the same.
    app.Type(app.fields[1], "77");
    ShowWindowAsync(app.main, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(app.main) != FALSE; }));
    ShowWindowAsync(app.main, SW_RESTORE);
    EXPECT_TRUE(WaitUntil([&] { return app.Text(app.fields[1]) != "77"; }));
}

// The face list is re-selected by whole name, never by a name that merely
// begins with the current one.
TEST_F(Create, FaceListSelectsTheItemEqualToTheCurrentFace)
{
    int index = app.FindFace("Nimbus Sans");
    ASSERT_GE(index, 0);
    app.SelectFace(index);
    app.PressCreate();
    ASSERT_EQ("Nimbus Sans", CurrentFace());

    // A longer name that begins with the current face, met first.
    SendMessageW(app.faceList, CB_INSERTSTRING, 1, (LPARAM)L"Nimbus Sans Narrow");
    app.Repaint();
    EXPECT_EQ("Nimbus Sans", testkit::ComboItem(app.faceList, testkit::ComboSelection(app.faceList)));
    app.PressCreate();
    EXPECT_EQ("Nimbus Sans", CurrentFace());

    // Letter case does not count.
    SendMessageW(app.faceList, CB_RESETCONTENT, 0, 0);
    SendMessageW(app.faceList, CB_ADDSTRING, 0, (LPARAM)L"Nimbus Sans Narrow");
    SendMessageW(app.faceList, CB_ADDSTRING, 0, (LPARAM)L"NIMBUS SANS");
    app.Repaint();
    EXPECT_EQ(1, testkit::ComboSelection(app.faceList));
}

TEST_F(Create, FaceNotInTheListLeavesTheSelectionAlone)
{
    int index = app.FindFace("Nimbus Sans");
    ASSERT_GE(index, 0);
    app.SelectFace(index);
    app.PressCreate();

    SendMessageW(app.faceList, CB_RESETCONTENT, 0, 0);
    SendMessageW(app.faceList, CB_ADDSTRING, 0, (LPARAM)L"Nimbus Sans Narrow");
    SendMessageW(app.faceList, CB_ADDSTRING, 0, (LPARAM)L"Nimbus Roman");
    app.SelectFace(1);
    app.Repaint();
    EXPECT_EQ(1, testkit::ComboSelection(app.faceList));
}

TEST_F(Create, WithoutASelectionTheCurrentFaceIsKept)
{
    int index = app.FindFace("Nimbus Roman");
    ASSERT_GE(index, 0);
    app.SelectFace(index);
    app.PressCreate();

    SendMessageW(app.faceList, CB_RESETCONTENT, 0, 0);
    SendMessageW(app.faceList, CB_ADDSTRING, 0, (LPARAM)L"Nimbus Sans");
    app.Type(app.fields[0], "-20");
    app.PressCreate();
    EXPECT_EQ(-1, testkit::ComboSelection(app.faceList));
    EXPECT_EQ("Nimbus Roman", CurrentFace());
    EXPECT_EQ("-20", app.Text(app.fields[0]));
}

}  // namespace
