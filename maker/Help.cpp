// The help command. Windows 10 and later have no WinHelp: there the help page
// beside the program goes to the shell, which opens it in the browser; earlier
// Windows show the WinHelp file.
#include <windows.h>

#include "Fontsmith.h"
#include "PathBeside.h"
#include "TextCopy.h"

namespace {

const char kHelpFileName[] = "Fontsmith.hlp";
const char kHelpPageName[] = "Fontsmith.html";

typedef LONG(WINAPI* RtlGetVersionProc)(OSVERSIONINFOW*);
typedef HINSTANCE(WINAPI* ShellExecuteProc)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

// ShellExecuteA once bound; shell32 then stays loaded until the program ends.
ShellExecuteProc g_pfnShellExecute;

// The major version of the running Windows. GetVersionEx answers what the
// manifest declares support for; RtlGetVersion answers the truth. ntdll is
// loaded in every process.
DWORD WindowsMajorVersion() {
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof info;
    RtlGetVersionProc pfnGetVersion =
        (RtlGetVersionProc)GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetVersion");
    if (pfnGetVersion == nullptr || pfnGetVersion(&info) != 0)
        return 0;
    return info.dwMajorVersion;
}

// Asks the shell to open file; false when it fails or cannot be bound. shell32
// is bound here at its first use rather than imported, so a start that asks
// for no help loads neither it nor the many libraries it pulls in.
bool ShellOpen(HWND hwnd, const char* file) {
    if (g_pfnShellExecute == nullptr) {
        HMODULE hShell = LoadLibraryA("shell32.dll");
        if (hShell != nullptr)
            g_pfnShellExecute = (ShellExecuteProc)GetProcAddress(hShell, "ShellExecuteA");
    }
    // A result of 32 or less is the shell's failure code.
    return g_pfnShellExecute != nullptr &&
           (INT_PTR)g_pfnShellExecute(hwnd, "open", file, nullptr, nullptr, SW_SHOWNORMAL) > 32;
}

// The path of fileName beside the program; false when it does not fit.
bool GetPathBesideProgram(const char* fileName, char* dst, size_t dstBytes) {
    char szProgram[MAX_PATH];
    const DWORD nLength = GetModuleFileNameA(nullptr, szProgram, sizeof szProgram);
    return nLength != 0 && nLength < sizeof szProgram &&
           MakePathBeside(szProgram, fileName, dst, dstBytes);
}

// WinHelp looks for a bare file name in the current directory, so it is given
// the help file beside the program; only a program path too long for the
// buffers falls back to the bare name.
void ShowHelpFile(HWND hwnd) {
    char szHelp[MAX_PATH];
    if (!GetPathBesideProgram(kHelpFileName, szHelp, sizeof szHelp))
        CopyText(szHelp, sizeof szHelp, kHelpFileName);
    WinHelpA(hwnd, szHelp, HELP_CONTENTS, 0);
}

// A page that is missing is reported before the shell is asked, which could
// answer with a notice of its own.
void ShowHelpPage(HWND hwnd) {
    char szPage[MAX_PATH];
    if (GetPathBesideProgram(kHelpPageName, szPage, sizeof szPage) &&
        GetFileAttributesA(szPage) != INVALID_FILE_ATTRIBUTES && ShellOpen(hwnd, szPage))
        return;
    MessageBoxA(hwnd, "ヘルプファイルが見つかりません。再インストールしてください。",
                kMainClassName, MB_ICONEXCLAMATION);
}

}  // namespace

void ShowHelp(HWND hwnd) {
    if (WindowsMajorVersion() >= 10)
        ShowHelpPage(hwnd);
    else
        ShowHelpFile(hwnd);
}
