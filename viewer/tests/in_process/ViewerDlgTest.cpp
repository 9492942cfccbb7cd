// The main dialog run in the test's own process, where its state and GDI
// objects can be seen: the default-printer routines against the CUPS printer
// and without a default printer, and the sample box's font objects while a
// second thread chooses fonts.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "FontDialog.h"
#include "InProcessDialog.h"
#include "res/resource.h"
#include "testkit.h"

// The dialogs' owner is the application's main window.
CWinApp theApp;

namespace {

using fontloupe::Probe;
using fontloupe::RunDialog;

// A font record as text, its face name up to the NUL.
std::string Describe(const LOGFONTA& lf) {
    char text[128];
    std::snprintf(text, sizeof text, "%ld %ld %ld %ld %ld %u %u %u %u %u %u %u %u %.32s",
                  lf.lfHeight, lf.lfWidth, lf.lfEscapement, lf.lfOrientation, lf.lfWeight,
                  lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision,
                  lf.lfClipPrecision, lf.lfQuality, lf.lfPitchAndFamily, lf.lfFaceName);
    return text;
}

HFONT SampleFont(HWND main) {
    return reinterpret_cast<HFONT>(
        SendMessageA(GetDlgItem(main, IDC_SAMPLE_EDIT), WM_GETFONT, 0, 0));
}

LOGFONTA RecordOf(HFONT font) {
    LOGFONTA lf{};
    GetObjectA(font, sizeof lf, &lf);
    return lf;
}

class ViewerDlgTest : public ::testing::Test {
protected:
    void SetUp() override { testkit::SetDefaultPrinterValue("PDF,wineps.drv,CUPS:PDF"); }
    testkit::PrinterValueGuard guard;  // restores the profile value afterwards
};

TEST_F(ViewerDlgTest, CupsPrinterIsFoundAndFillsThePrinterRecord) {
    HDC dc = CreateDCA("wineps.drv", "PDF", "CUPS:PDF", nullptr);
    ASSERT_TRUE(dc);
    const LOGFONTA expected = testkit::FontRecordOf(dc);
    ASSERT_GT(expected.lfHeight, 0);
    DeleteDC(dc);

    Probe probe;
    for (HDC printer : {probe.GetDefaultPrinterDC(), probe.CreateDefaultPrinterDC(1),
                        probe.CreateDefaultPrinterDC(0)}) {
        ASSERT_TRUE(printer);
        EXPECT_EQ(GetDeviceCaps(printer, TECHNOLOGY), DT_RASPRINTER);
        DeleteDC(printer);
    }
    EXPECT_STREQ(probe.m_szPrinterName, "PDF");

    std::memset(&probe.m_lfPrinter, 0xAB, sizeof probe.m_lfPrinter);
    HICON big = nullptr, small = nullptr;
    RunDialog(probe, [&](HWND main) {
        big = reinterpret_cast<HICON>(SendMessageA(main, WM_GETICON, ICON_BIG, 0));
        small = reinterpret_cast<HICON>(SendMessageA(main, WM_GETICON, ICON_SMALL, 0));
    });
    // Every byte, the ones after the face name's NUL included.
    EXPECT_EQ(std::memcmp(&probe.m_lfPrinter, &expected, sizeof expected), 0)
        << Describe(probe.m_lfPrinter) << " not " << Describe(expected);
    EXPECT_TRUE(probe.m_hIcon && big == probe.m_hIcon && small == probe.m_hIcon);
}

TEST_F(ViewerDlgTest, NoDefaultPrinterGivesNoneAndAnAllZeroPrinterRecord) {
    testkit::DeleteDefaultPrinterValue();
    Probe probe;
    lstrcpyA(probe.m_szPrinterName, "previous");
    EXPECT_EQ(probe.GetDefaultPrinterDC(), nullptr);
    EXPECT_EQ(probe.CreateDefaultPrinterDC(1), nullptr);
    EXPECT_EQ(probe.CreateDefaultPrinterDC(0), nullptr);
    std::memset(&probe.m_lfPrinter, 0xAB, sizeof probe.m_lfPrinter);
    RunDialog(probe, [](HWND) {});
    const LOGFONTA zero{};
    EXPECT_EQ(std::memcmp(&probe.m_lfPrinter, &zero, sizeof zero), 0)
        << Describe(probe.m_lfPrinter);
    EXPECT_STREQ(probe.m_szPrinterName, "previous");
}

// The sample box shows its text in a font made from the chosen record; a
// printer font leaves that font alone. Each screen font replaces the sample
// font and deletes the old one, so one alone is alive however many choices
// were made. (Each is looked at right after the choice that replaced it: Wine
// hands out a freed handle value again once its slot has been reused often
// enough, and the font dialog makes and deletes many fonts.)
TEST_F(ViewerDlgTest, SampleBoxFontFollowsScreenFontsAndOneStaysAlive) {
    const fontdialog::Choice gothic{"ＭＳ ゴシック", "太字", 20}, mincho{"IPA明朝", "斜体", 12},
        times{"Times", "太字", 16};
    Probe probe;
    RunDialog(probe, [&](HWND main) {
        LOGFONTA chosen;
        ASSERT_TRUE(fontdialog::Choose(main, ID_SCREEN_FONT, gothic, &chosen));
        HFONT previous = SampleFont(main);
        EXPECT_EQ(Describe(RecordOf(previous)), Describe(chosen));
        ASSERT_TRUE(fontdialog::Choose(main, ID_PRINTER_FONT, times, &chosen));
        EXPECT_EQ(Describe(probe.m_lfCurrent), Describe(chosen));
        EXPECT_EQ(SampleFont(main), previous);
        EXPECT_EQ(GetObjectType(previous), static_cast<DWORD>(OBJ_FONT));

        for (int i = 0; i < 20; ++i) {
            SCOPED_TRACE(i);
            ASSERT_TRUE(fontdialog::Choose(main, ID_SCREEN_FONT, i % 2 ? gothic : mincho, &chosen));
            const HFONT font = SampleFont(main);
            EXPECT_EQ(probe.m_hScreenFont, font);
            EXPECT_EQ(Describe(RecordOf(font)), Describe(chosen));
            EXPECT_NE(font, previous);
            EXPECT_EQ(GetObjectType(previous), 0u) << "the replaced font is still alive";
            previous = font;
        }
    });
}

}  // namespace
