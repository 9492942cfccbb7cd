// The font objects behind the sample box, seen from inside the program: the
// main dialog runs modally here while a second thread chooses fonts in it.
// (Another process cannot look: Wine answers its WM_GETFONT with nothing.)
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <thread>

#include "FontDialogAnswer.h"
#include "ViewerDlg.h"
#include "res/resource.h"
#include "testkit.h"

// The dialogs' owner is the application's main window.
CWinApp theApp;

namespace {

class ViewerProbe : public CViewerDlg {
public:
    using CViewerDlg::m_hScreenFont;
    using CViewerDlg::m_lfCurrent;
};

const fontdialog::Choice kGothic{"ＭＳ ゴシック", "太字", 20};
const fontdialog::Choice kMincho{"IPA明朝", "斜体", 12};
const fontdialog::Choice kTimes{"Times", "太字", 16};

// Runs the main dialog modally while script runs on a second thread with the
// dialog's window; the dialog is cancelled when the script returns.
void RunWithScript(const std::function<void(ViewerProbe&, HWND)>& script) {
    ViewerProbe probe;
    theApp.m_pMainWnd = &probe;
    std::thread driver([&] {
        HWND main = testkit::WaitForWindow(::GetCurrentProcessId(), "#32770", "Fontloupe");
        if (main)
            script(probe, main);
        else
            ADD_FAILURE() << "no main dialog";
        ::PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    });
    probe.DoModal();
    driver.join();
}

// Opens the font dialog of command, chooses and presses OK; returns once the
// command has run to its end.
bool Choose(HWND main, int command, const fontdialog::Choice& choice, LOGFONTA* chosen) {
    ::PostMessageA(main, WM_COMMAND, command, 0);
    HWND dialog = fontdialog::Wait(::GetCurrentProcessId());
    const bool ok = dialog && fontdialog::Select(dialog, choice, chosen) && fontdialog::Ok(dialog);
    if (dialog && !ok)
        fontdialog::Cancel(dialog);
    ::SendMessageA(main, WM_NULL, 0, 0);
    return ok;
}

HFONT SampleFont(HWND main) {
    return reinterpret_cast<HFONT>(
        ::SendMessageA(::GetDlgItem(main, IDC_SAMPLE_EDIT), WM_GETFONT, 0, 0));
}

// A font record as text, its face name up to the NUL (the bytes behind it
// are not part of the font).
std::string Describe(const LOGFONTA& lf) {
    char text[128];
    std::snprintf(text, sizeof text, "%ld %ld %ld %ld %ld %u %u %u %u %u %u %u %u %.32s",
                  lf.lfHeight, lf.lfWidth, lf.lfEscapement, lf.lfOrientation, lf.lfWeight,
                  lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision,
                  lf.lfClipPrecision, lf.lfQuality, lf.lfPitchAndFamily, lf.lfFaceName);
    return text;
}

std::string SampleText(HWND main) { return testkit::Text(::GetDlgItem(main, IDC_SAMPLE_EDIT)); }

// The sample box shows its text in a font made from the chosen record, the
// one the dialog holds; a printer font leaves both font and object alone.
TEST(FontObjects, SampleBoxGetsTheScreenFontAndKeepsItForAPrinterFont) {
    RunWithScript([](ViewerProbe& probe, HWND main) {
        LOGFONTA gothic, times, mincho;
        ASSERT_TRUE(Choose(main, ID_SCREEN_FONT, kGothic, &gothic));
        const HFONT gothicFont = SampleFont(main);
        EXPECT_EQ(probe.m_hScreenFont, gothicFont);
        LOGFONTA made{};
        ASSERT_EQ(static_cast<int>(sizeof made), ::GetObjectA(gothicFont, sizeof made, &made));
        EXPECT_EQ(Describe(gothic), Describe(made));
        EXPECT_EQ(Describe(gothic), Describe(probe.m_lfCurrent));
        EXPECT_FALSE(SampleText(main).empty());

        ASSERT_TRUE(Choose(main, ID_PRINTER_FONT, kTimes, &times));
        EXPECT_EQ(Describe(times), Describe(probe.m_lfCurrent));
        EXPECT_EQ("", SampleText(main));
        EXPECT_EQ(gothicFont, SampleFont(main));
        EXPECT_EQ(gothicFont, probe.m_hScreenFont);
        EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), ::GetObjectType(gothicFont));

        ASSERT_TRUE(Choose(main, ID_SCREEN_FONT, kMincho, &mincho));
        ASSERT_EQ(static_cast<int>(sizeof made), ::GetObjectA(SampleFont(main), sizeof made, &made));
        EXPECT_EQ(Describe(mincho), Describe(made));
        EXPECT_FALSE(SampleText(main).empty());
        EXPECT_EQ(0u, ::GetObjectType(gothicFont));
    });
}

// Each choice makes a new font for the sample box and deletes the one it
// replaces, so one alone is alive however many choices were made. (Each is
// looked at right after the choice that replaced it: Wine hands out a freed
// handle value again once its slot has been reused often enough, and the
// font dialog makes and deletes many fonts.)
TEST(FontObjects, ManyScreenFontChoicesLeaveOneFontAlive) {
    const int kChoices = 30;
    RunWithScript([](ViewerProbe& probe, HWND main) {
        HFONT previous = nullptr;
        for (int i = 0; i < kChoices; ++i) {
            LOGFONTA chosen;
            ASSERT_TRUE(Choose(main, ID_SCREEN_FONT, i % 2 ? kMincho : kGothic, &chosen));
            const HFONT font = SampleFont(main);
            EXPECT_EQ(probe.m_hScreenFont, font) << "choice " << i;
            EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), ::GetObjectType(font)) << "choice " << i;
            if (previous) {
                EXPECT_NE(previous, font) << "choice " << i;
                EXPECT_EQ(0u, ::GetObjectType(previous)) << "font replaced by choice " << i;
            }
            previous = font;
        }
    });
}

}  // namespace
