// Helpers for tests that drive the real programs from another process under
// Wine: start them, find their windows, read texts and rectangles, answer
// message boxes, capture pixels, switch the default printer, set what Wine
// tells a program and see what WinHelp shows.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace testkit {

// Code page 932 <-> UTF-16 (texts are read wide across processes, because Wine
// answers some ANSI requests from another process with one character only).
std::string ToCp932(const std::wstring& text);
std::wstring FromCp932(const std::string& text);

struct Program {
    PROCESS_INFORMATION pi{};
    ~Program();
    DWORD Pid() const { return pi.dwProcessId; }
    bool Running() const;
    // Waits for the process to end; false on timeout. exitCode may be null.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
    void Kill();
};

// Starts an executable (Windows path); workDir empty means the test's own
// current directory.
bool Start(Program& program, const std::string& exePath, const std::string& workDir = "");

// How long the waiting helpers sleep between two looks at another process.
const DWORD kPollMs = 5;

// Looks every pollMs until holds() is true; false if it is not after timeoutMs.
bool WaitUntil(const std::function<bool()>& holds, DWORD timeoutMs = 10000, DWORD pollMs = kPollMs);
// A visible top-level window of the process, of the class when one is given,
// for which match is true; null after timeoutMs.
HWND WaitForTopWindow(DWORD pid, const std::string& className,
                      const std::function<bool(HWND)>& match, DWORD timeoutMs = 10000,
                      DWORD pollMs = kPollMs);

// Top-level windows of a process; class and title filters are CP932 texts,
// empty matches any.  Waits up to timeoutMs for a visible match.
HWND WaitForWindow(DWORD pid, const std::string& className, const std::string& title,
                   DWORD timeoutMs = 10000);
std::vector<HWND> TopWindows(DWORD pid, const std::string& className = "");
// Waits until the window is gone.
bool WaitForWindowGone(HWND hwnd, DWORD timeoutMs = 10000);
// A visible top-level window of the process, of the class when one is given,
// that is not one of known; looked for every pollMs. Null after timeoutMs.
HWND WaitForNewWindow(DWORD pid, const std::vector<HWND>& known, const std::string& className = "",
                      DWORD timeoutMs = 10000, DWORD pollMs = kPollMs);

// The process a window belongs to.
DWORD ProcessOf(HWND hwnd);
// Sends WM_NULL and waits for the answer: the window's thread is back in its
// message loop, so whatever it was doing has run to its end.
bool RoundTrip(HWND hwnd);

std::string ClassName(HWND hwnd);
std::string Text(HWND hwnd);
std::vector<HWND> Children(HWND parent, const std::string& className = "");
std::string ComboItem(HWND combo, int index);
int ComboCount(HWND combo);
int ComboSelection(HWND combo);

// Rectangles: window rectangle on screen, client rectangle on screen, and a
// child's window rectangle in its parent's client coordinates.
RECT WindowRect(HWND hwnd);
RECT ClientRectOnScreen(HWND hwnd);
RECT ChildRectInParent(HWND child);

// Sends WM_COMMAND without waiting (the handler may run a modal loop).
void PostCommand(HWND hwnd, int id);

// Posts command to owner, waits for the dialog titled title that it opens,
// presses button there and returns once the dialog has gone and owner's
// thread has run the command to its end; false when no such dialog appeared
// or it stayed.
bool OpenAndCloseDialog(HWND owner, int command, const std::string& title, int button);

// The distance between the first two lines of a multi-line edit control: the
// height of the font it draws with.
int EditLineHeight(HWND edit);

struct MessageBoxInfo {
    HWND hwnd = nullptr;
    std::string caption;
    std::string text;
};
// Waits for a message box (dialog class "#32770" with a static text and an OK
// button) of the process; empty hwnd on timeout.
MessageBoxInfo WaitForMessageBox(DWORD pid, DWORD timeoutMs = 10000);
// Closes a message box or dialog with its OK/Cancel button id.
void PressButton(HWND dialog, int id);

// A 32-bit bitmap filled with one colour, selected into a memory device
// context compatible with the screen (whose font is the default font of a
// fresh device context): the place to draw reference pictures.
class Canvas {
public:
    Canvas(int width, int height, COLORREF background = RGB(255, 255, 255));
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    HDC Dc() const { return dc_; }
    // The pixels as 0x00RRGGBB, row by row.
    std::vector<unsigned> Pixels() const;

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ oldBitmap_;
    const unsigned* bits_;
};

// The font record both programs show for a device context's selected font:
// height, width, weight, style bits and character set from its metrics, the
// face name, every other field zero.
LOGFONTA FontRecordOf(HDC dc);

// Pixels of a screen rectangle as 0x00RRGGBB, row by row.
std::vector<unsigned> CaptureScreen(const RECT& rect);
// Pixels of a window's client area, as CaptureScreen, with the rectangles of
// its child windows black: what the window paints itself.
std::vector<unsigned> CapturePainted(HWND hwnd);
// Number of pixels that differ; -1 when the sizes differ.
int CountDifferences(const std::vector<unsigned>& a, const std::vector<unsigned>& b);
// True when the system scales the window to the screen: a window that is not
// DPI aware on a screen of more than 96 DPI, where Windows shows a scaled copy
// of what the window paints. Its pixels on the screen are then not its own
// painting, which is compared where nothing scales it.
bool ScaledBySystem(HWND hwnd);
// Brings a window to the front and lets it repaint before a capture.
void BringToFront(HWND hwnd);

// The profile value that names the default printer.
bool GetDefaultPrinterValue(std::string* value);
void SetDefaultPrinterValue(const std::string& value);
void DeleteDefaultPrinterValue();
// Restores the value as it was when constructed.
class PrinterValueGuard {
public:
    PrinterValueGuard();
    ~PrinterValueGuard();

private:
    bool had_;
    std::string value_;
};

// Whether the process has loaded the module of that file name ("shell32.dll",
// any case).
bool ModuleLoaded(DWORD pid, const std::string& fileName);

// Wine's settings for one program, HKCU\Software\Wine\AppDefaults\<exe>: made
// for the life of the object, so that the program's starts meanwhile read
// them, and removed afterwards, as are any that a crashed run left.
class AppDefaults {
public:
    // exeName: the program's file name, as "Fontsmith.exe".
    explicit AppDefaults(const std::string& exeName);
    ~AppDefaults();
    AppDefaults(const AppDefaults&) = delete;
    AppDefaults& operator=(const AppDefaults&) = delete;

    // The Windows version Wine reports to the program: "win7", "win10", ...
    void SetVersion(const std::string& version);
    // The program cannot load the library of that file name ("shell32.dll"):
    // its DllOverrides name the library with an empty value.
    void DisableLibrary(const std::string& fileName);

private:
    std::wstring key_;
};

// What WinHelp shows once asked: the text of its page, or the text of the box
// in which it asks whether to look for a file it cannot find (answered No).
// The help viewer is closed afterwards.
std::string WinHelpShows();

void Sleep(DWORD ms);

}  // namespace testkit
