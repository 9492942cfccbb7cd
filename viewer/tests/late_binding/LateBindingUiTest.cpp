// The common-dialog and shell libraries are bound at first use: the real
// Fontloupe.exe starts without loading them, and when they cannot be loaded
// the commands that need them fail quietly while the program goes on.
#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "FontDialog.h"
#include "Fontloupe.h"
#include "ViewerTexts.h"

namespace {

const char* const kLateLibraries[] = {"comdlg32.dll", "shell32.dll"};

// Lower-case names of the modules loaded in the process.
std::vector<std::string> Modules(DWORD pid) {
    std::vector<std::string> names;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snapshot == INVALID_HANDLE_VALUE)
        return names;
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32FirstW(snapshot, &entry); more;
         more = Module32NextW(snapshot, &entry)) {
        std::string name = testkit::ToCp932(entry.szModule);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        names.push_back(name);
    }
    CloseHandle(snapshot);
    return names;
}

bool Loaded(DWORD pid, const std::string& library) {
    const std::vector<std::string> names = Modules(pid);
    return std::find(names.begin(), names.end(), library) != names.end();
}

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

// Wine loads no library that a program's own DllOverrides key names with an
// empty value; Fontloupe.exe gets that key for the life of the object.
class LibrariesDisabled {
public:
    LibrariesDisabled() {
        RegDeleteTreeW(HKEY_CURRENT_USER, kAppKey);  // left by a run that crashed
        for (const char* library : kLateLibraries) {
            const std::wstring name = testkit::FromCp932(library);
            RegSetKeyValueW(HKEY_CURRENT_USER, kOverridesKey,
                            name.substr(0, name.size() - 4).c_str(), REG_SZ, L"", sizeof(wchar_t));
        }
    }
    ~LibrariesDisabled() { RegDeleteTreeW(HKEY_CURRENT_USER, kAppKey); }

private:
    static constexpr const wchar_t* kAppKey = L"Software\\Wine\\AppDefaults\\Fontloupe.exe";
    static constexpr const wchar_t* kOverridesKey =
        L"Software\\Wine\\AppDefaults\\Fontloupe.exe\\DllOverrides";
};

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
        ASSERT_TRUE(Loaded(program.Pid(), "user32.dll")) << "the module list cannot be read";
        ASSERT_TRUE(testkit::OpenAndCloseDialog(main, ID_APP_ABOUT, "Fontloupe について", IDOK));
        for (const char* library : kLateLibraries)
            EXPECT_FALSE(Loaded(program.Pid(), library)) << library;

        testkit::PostCommand(main, ID_SCREEN_FONT);
        HWND dialog = fontdialog::Wait(program.Pid());
        ASSERT_TRUE(dialog);
        EXPECT_TRUE(Loaded(program.Pid(), "comdlg32.dll"));
        EXPECT_TRUE(fontdialog::Close(dialog, IDCANCEL));
    }
}

// Without the libraries the program starts and runs as before; the font
// commands act as if their dialog was cancelled, the help command reports
// the missing page and the home-page button does nothing.
TEST(LateBindingUi, CommandsFailQuietlyWhenTheLibrariesCannotBeLoaded) {
    testkit::PrinterValueGuard restore;
    testkit::SetDefaultPrinterValue("PDF,wineps.drv,CUPS:PDF");
    LibrariesDisabled disabled;
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
        EXPECT_FALSE(Loaded(program.Pid(), library)) << library;
    testkit::PostCommand(main, ID_APP_CLOSE);
    DWORD exitCode = 1;
    EXPECT_TRUE(program.WaitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
