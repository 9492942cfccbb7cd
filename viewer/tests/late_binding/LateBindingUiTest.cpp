// The common-dialog, shell and accessibility libraries are bound at first
// use: the real Fontloupe.exe starts without loading them, and when they
// cannot be loaded the commands that need them fail quietly while the program
// goes on.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FontDialog.h"
#include "Fontloupe.h"
#include "ViewerTexts.h"
#include "accessible.h"

namespace {

const char* const kLateLibraries[] = {"comdlg32.dll", "shell32.dll"};

// The visible top-level windows of the process, sorted, once any window that
// was about to open has had time to.
std::vector<HWND> ShownWindows(DWORD pid) {
    testkit::Sleep(500);
    std::vector<HWND> shown;
    for (HWND window : testkit::TopWindows(pid))
        if (IsWindowVisible(window))
            shown.push_back(window);
    std::sort(shown.begin(), shown.end());
    return shown;
}

std::vector<HWND> Sorted(std::vector<HWND> windows) {
    std::sort(windows.begin(), windows.end());
    return windows;
}

HWND OpenAboutBox(HWND main) {
    testkit::PostCommand(main, ID_APP_ABOUT);
    return testkit::WaitForWindow(testkit::ProcessOf(main), "#32770", "Fontloupe について");
}

// oleacc and oleaut32 wait for the first screen reader that asks.
TEST(LateBindingUi, AccessibilityLibrariesWaitForTheFirstScreenReader) {
    testkit::Program program;
    HWND main = fontloupe::Start(program);
    ASSERT_TRUE(main);
    ASSERT_TRUE(testkit::ModuleLoaded(program.Pid(), "user32.dll"))
        << "the module list cannot be read";
    for (const char* library : {"oleacc.dll", "oleaut32.dll"})
        EXPECT_FALSE(testkit::ModuleLoaded(program.Pid(), library)) << library;
    EXPECT_EQ(testkit::AccessibleReader(main).ChildCount(), 18);
    EXPECT_TRUE(testkit::ModuleLoaded(program.Pid(), "oleacc.dll"));
}

// With and without a default printer, a start and the about box load neither
// library; the font dialog then loads its own.
TEST(LateBindingUi, StartLoadsNeitherLibraryUntilADialogNeedsIt) {
    testkit::PrinterValueGuard restore;
    for (bool printer : {true, false}) {
        SCOPED_TRACE(printer ? "with a default printer" : "without a default printer");
        if (printer)
            testkit::SetDefaultPrinterValue("PDF,wineps.drv,CUPS:PDF");
        else
            testkit::DeleteDefaultPrinterValue();
        testkit::Program program;
        HWND main = fontloupe::Start(program);
        ASSERT_TRUE(main);
        ASSERT_TRUE(testkit::ModuleLoaded(program.Pid(), "user32.dll"))
            << "the module list cannot be read";
        ASSERT_TRUE(testkit::OpenAndCloseDialog(main, ID_APP_ABOUT, "Fontloupe について", IDOK));
        for (const char* library : kLateLibraries)
            EXPECT_FALSE(testkit::ModuleLoaded(program.Pid(), library)) << library;

        testkit::PostCommand(main, ID_SCREEN_FONT);
        HWND dialog = fontdialog::Wait(program.Pid());
        ASSERT_TRUE(dialog);
        EXPECT_TRUE(testkit::ModuleLoaded(program.Pid(), "comdlg32.dll"));
        EXPECT_TRUE(fontdialog::Close(dialog, IDCANCEL));
    }
}

// Without the libraries the program starts and runs as before; the font
// commands act as if their dialog was cancelled, the help command reports
// the missing page and the home-page button does nothing.
TEST(LateBindingUi, CommandsFailQuietlyWhenTheLibrariesCannotBeLoaded) {
    testkit::PrinterValueGuard restore;
    testkit::SetDefaultPrinterValue("PDF,wineps.drv,CUPS:PDF");
    testkit::AppDefaults settings("Fontloupe.exe");
    for (const char* library : kLateLibraries)
        settings.DisableLibrary(library);
    testkit::Program program;
    HWND main = fontloupe::Start(program);
    ASSERT_TRUE(main);
    const std::string face = testkit::Text(GetDlgItem(main, IDC_FACENAME_EDIT));
    const LOGFONTA start = fontloupe::StartFont(main);

    for (int command : {ID_SCREEN_FONT, ID_PRINTER_FONT}) {
        SCOPED_TRACE(command);
        testkit::PostCommand(main, command);
        EXPECT_EQ(ShownWindows(program.Pid()), std::vector<HWND>{main});
    }
    EXPECT_EQ(testkit::Text(GetDlgItem(main, IDC_FACENAME_EDIT)), face);
    EXPECT_EQ(testkit::Text(GetDlgItem(main, IDC_SAMPLE_EDIT)), fontloupe::kSampleLines);
    EXPECT_EQ(fontloupe::PanelDifferences(main, start, fontloupe::kScreenCaption), 0);

    testkit::PostCommand(main, ID_HELP_PAGE);
    EXPECT_TRUE(fontloupe::AnswerMessage(
        main, kFileErrorCaption, "ヘルプファイルが見つかりません。再インストールしてください。"));

    HWND box = OpenAboutBox(main);
    ASSERT_TRUE(box);
    PostMessageW(GetDlgItem(box, IDC_HOMEPAGE_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(ShownWindows(program.Pid()), Sorted({main, box}));
    testkit::PressButton(box, IDOK);
    ASSERT_TRUE(testkit::WaitForWindowGone(box));

    for (const char* library : kLateLibraries)
        EXPECT_FALSE(testkit::ModuleLoaded(program.Pid(), library)) << library;
    testkit::PostCommand(main, ID_APP_CLOSE);
    DWORD exitCode = 1;
    EXPECT_TRUE(program.WaitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
