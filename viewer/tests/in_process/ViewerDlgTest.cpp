// The main dialog run in the test's own process, where its state and GDI
// objects can be seen (Wine answers WM_GETFONT and WM_GETICON from another
// process with nothing): the default-printer routines against the CUPS printer
// and without a default printer, the caption of a long printer name, and the
// sample box's font objects while a second thread chooses fonts.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "FontDialog.h"
#include "Fontloupe.h"
#include "ViewerDlg.h"
#include "res/resource.h"
#include "testkit.h"

// The dialogs' owner is the application's main window.
CWinApp theApp;

namespace {

class Probe : public CViewerDlg {
public:
    using CViewerDlg::CreateDefaultPrinterDC;
    using CViewerDlg::GetDefaultPrinterDC;
    using CViewerDlg::m_hIcon;
    using CViewerDlg::m_hScreenFont;
    using CViewerDlg::m_lfCurrent;
    using CViewerDlg::m_lfPrinter;
    using CViewerDlg::m_szFontKind;
    using CViewerDlg::m_szPrinterName;
};

// Runs the dialog modally while script runs on a second thread with its
// window; cancels the dialog when the script returns.
void RunDialog(Probe& probe, const std::function<void(HWND)>& script) {
    theApp.m_pMainWnd = &probe;
    std::thread driver([&] {
        HWND main = testkit::WaitForWindow(GetCurrentProcessId(), "#32770", "Fontloupe");
        if (main)
            script(main);
        else
            ADD_FAILURE() << "no main dialog";
        PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    });
    probe.DoModal();
    driver.join();
}

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

// The caption's share of a printer name: its whole characters, as the
// platform counts them, that fit in the 80 bytes behind "☆ Printer Font ☆ ".
std::string CaptionOf(const std::string& name) {
    const char* end = name.c_str();
    for (const char* next; *end; end = next) {
        next = CharNextExA(932, end, 0);
        if (next - name.c_str() > 80)
            break;
    }
    return "☆ Printer Font ☆ " + std::string(name.c_str(), end);
}

// Run by print_test.sh with a long-named printer: the caption the dialog holds,
// and paints, is the name as far as it fits, whole characters, not a byte less.
TEST(LongPrinterName, CaptionHoldsTheNameAsFarAsItFits) {
    testkit::PrinterValueGuard restore;
    const char* longPrinter = fontloupe::UseLongPrinter();
    if (!longPrinter)
        GTEST_SKIP() << "run by print_test.sh";
    Probe probe;
    RunDialog(probe, [](HWND main) {
        LOGFONTA lf;
        EXPECT_TRUE(
            fontdialog::Choose(main, ID_PRINTER_FONT, {"IPAゴシック", "標準", 72, "日本語"}, &lf));
    });
    EXPECT_EQ(probe.m_szFontKind, CaptionOf(longPrinter));
}

}  // namespace
