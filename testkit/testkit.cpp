#include "testkit.h"

#include <tlhelp32.h>

#include <algorithm>

namespace testkit {

std::string ToCp932(const std::wstring& text) {
    if (text.empty())
        return std::string();
    int n =
        WideCharToMultiByte(932, 0, text.data(), (int)text.size(), nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(932, 0, text.data(), (int)text.size(), &out[0], n, nullptr, nullptr);
    return out;
}

std::wstring FromCp932(const std::string& text) {
    if (text.empty())
        return std::wstring();
    int n = MultiByteToWideChar(932, 0, text.data(), (int)text.size(), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(932, 0, text.data(), (int)text.size(), &out[0], n);
    return out;
}

void Sleep(DWORD ms) { ::Sleep(ms); }

Program::~Program() {
    if (pi.hProcess) {
        if (Running())
            Kill();
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
}

bool Program::Running() const {
    return pi.hProcess && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    if (WaitForSingleObject(pi.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        GetExitCodeProcess(pi.hProcess, exitCode);
    return true;
}

void Program::Kill() {
    TerminateProcess(pi.hProcess, 1);
    WaitForSingleObject(pi.hProcess, 5000);
}

bool Start(Program& program, const std::string& exePath, const std::string& workDir) {
    std::wstring cmd = L"\"" + FromCp932(exePath) + L"\"";
    std::wstring dir = FromCp932(workDir);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    if (!CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr,
                        dir.empty() ? nullptr : dir.c_str(), &si, &program.pi))
        return false;
    WaitForInputIdle(program.pi.hProcess, 10000);
    return true;
}

std::string ClassName(HWND hwnd) {
    wchar_t buf[256] = L"";
    GetClassNameW(hwnd, buf, 256);
    return ToCp932(buf);
}

std::string Text(HWND hwnd) {
    DWORD_PTR len = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &len);
    // The text is asked for with room for its own length first: Wine 10 fails
    // to carry a buffer of more than about 2 MB to another process (the
    // window's GetMessage returns -1), and a sample-code text can hold a
    // million characters. An ANSI window (a rich edit among them) may count
    // its length in characters yet need room for its code page 932 bytes, so
    // a short answer is asked again with twice the room.
    std::wstring buf;
    DWORD_PTR got = 0;
    for (DWORD_PTR room : {len + 1, 2 * len + 1}) {
        buf.assign(room, L'\0');
        SendMessageTimeoutW(hwnd, WM_GETTEXT, room, (LPARAM)&buf[0], SMTO_ABORTIFHUNG, 5000, &got);
        if (got >= len)
            break;
    }
    buf.resize(got);
    return ToCp932(buf);
}

namespace {
struct TopSearch {
    DWORD pid;
    std::string className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<TopSearch*>(lp);
    if (ProcessOf(hwnd) == s->pid && (s->className.empty() || ClassName(hwnd) == s->className))
        s->found.push_back(hwnd);
    return TRUE;
}

struct ChildSearch {
    HWND parent;
    std::string className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<ChildSearch*>(lp);
    if (GetParent(hwnd) == s->parent && (s->className.empty() || ClassName(hwnd) == s->className))
        s->found.push_back(hwnd);
    return TRUE;
}
}  // namespace

std::vector<HWND> TopWindows(DWORD pid, const std::string& className) {
    TopSearch s{pid, className, {}};
    EnumWindows(CollectTop, (LPARAM)&s);
    return s.found;
}

bool WaitUntil(const std::function<bool()>& holds, DWORD timeoutMs, DWORD pollMs) {
    const DWORD start = GetTickCount();
    while (!holds()) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        ::Sleep(pollMs);
    }
    return true;
}

HWND WaitForTopWindow(DWORD pid, const std::string& className,
                      const std::function<bool(HWND)>& match, DWORD timeoutMs, DWORD pollMs) {
    HWND found = nullptr;
    auto look = [&] {
        for (HWND h : TopWindows(pid, className))
            if (IsWindowVisible(h) && match(h))
                return (found = h) != nullptr;
        return false;
    };
    WaitUntil(look, timeoutMs, pollMs);
    return found;
}

HWND WaitForWindow(DWORD pid, const std::string& className, const std::string& title,
                   DWORD timeoutMs) {
    return WaitForTopWindow(
        pid, className, [&](HWND h) { return title.empty() || Text(h) == title; }, timeoutMs);
}

bool WaitForWindowGone(HWND hwnd, DWORD timeoutMs) {
    return WaitUntil([hwnd] { return !IsWindow(hwnd); }, timeoutMs);
}

HWND WaitForNewWindow(DWORD pid, const std::vector<HWND>& known, const std::string& className,
                      DWORD timeoutMs, DWORD pollMs) {
    auto isNew = [&](HWND h) { return std::find(known.begin(), known.end(), h) == known.end(); };
    return WaitForTopWindow(pid, className, isNew, timeoutMs, pollMs);
}

DWORD ProcessOf(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

bool RoundTrip(HWND hwnd) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored) != 0;
}

// Direct children only.
std::vector<HWND> Children(HWND parent, const std::string& className) {
    ChildSearch s{parent, className, {}};
    EnumChildWindows(parent, CollectChild, (LPARAM)&s);
    return s.found;
}

std::string ComboItem(HWND combo, int index) {
    DWORD_PTR len = 0;
    SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, index, 0, SMTO_ABORTIFHUNG, 5000, &len);
    if ((LONG_PTR)len < 0)
        return std::string();
    std::wstring buf(len + 1, L'\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutW(combo, CB_GETLBTEXT, index, (LPARAM)&buf[0], SMTO_ABORTIFHUNG, 5000, &got);
    buf.resize((LONG_PTR)got < 0 ? 0 : got);
    return ToCp932(buf);
}

int ComboCount(HWND combo) { return (int)SendMessageW(combo, CB_GETCOUNT, 0, 0); }
int ComboSelection(HWND combo) { return (int)SendMessageW(combo, CB_GETCURSEL, 0, 0); }

RECT WindowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

RECT ClientRectOnScreen(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, (POINT*)&r, 2);
    return r;
}

RECT ChildRectInParent(HWND child) {
    RECT r = WindowRect(child);
    MapWindowPoints(nullptr, GetParent(child), (POINT*)&r, 2);
    return r;
}

void PostCommand(HWND hwnd, int id) { PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

bool OpenAndCloseDialog(HWND owner, int command, const std::string& title, int button) {
    PostCommand(owner, command);
    HWND dialog = WaitForWindow(ProcessOf(owner), "#32770", title);
    if (!dialog)
        return false;
    PressButton(dialog, button);
    // With the dialog gone, the handler runs on to its end before the thread
    // takes the next message.
    return WaitForWindowGone(dialog) && RoundTrip(owner);
}

int EditLineHeight(HWND edit) {
    LRESULT first = SendMessageW(edit, EM_POSFROMCHAR, 0, 0);
    LRESULT second = SendMessageW(edit, EM_POSFROMCHAR, SendMessageW(edit, EM_LINEINDEX, 1, 0), 0);
    return (short)HIWORD(second) - (short)HIWORD(first);
}

MessageBoxInfo WaitForMessageBox(DWORD pid, DWORD timeoutMs) {
    MessageBoxInfo box;
    auto isBox = [&](HWND h) {
        HWND ok = GetDlgItem(h, IDOK);
        std::string text;
        for (HWND c : Children(h, "Static"))
            if (GetDlgCtrlID(c) == 0xFFFF || !Text(c).empty())
                text = Text(c);
        if (!ok || ClassName(ok) != "Button" || text.empty() || !Children(h, "Edit").empty())
            return false;
        box = MessageBoxInfo{h, Text(h), text};
        return true;
    };
    WaitForTopWindow(pid, "#32770", isBox, timeoutMs);
    return box;
}

void PressButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

Canvas::Canvas(int width, int height, COLORREF background) : width_(width), height_(height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const unsigned*>(bits);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

Canvas::~Canvas() {
    SelectObject(dc_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

std::vector<unsigned> Canvas::Pixels() const {
    GdiFlush();
    std::vector<unsigned> pixels((size_t)width_ * height_);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = bits_[i] & 0xFFFFFF;
    return pixels;
}

LOGFONTA FontRecordOf(HDC dc) {
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    LOGFONTA lf{};
    lf.lfHeight = tm.tmHeight;
    lf.lfWidth = tm.tmAveCharWidth;
    lf.lfWeight = tm.tmWeight;
    lf.lfItalic = tm.tmItalic;
    lf.lfUnderline = tm.tmUnderlined;
    lf.lfStrikeOut = tm.tmStruckOut;
    lf.lfCharSet = tm.tmCharSet;
    GetTextFaceA(dc, LF_FACESIZE, lf.lfFaceName);
    return lf;
}

std::vector<unsigned> CaptureScreen(const RECT& rect) {
    Canvas canvas(rect.right - rect.left, rect.bottom - rect.top);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.Dc(), 0, 0, rect.right - rect.left, rect.bottom - rect.top, screen, rect.left,
           rect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas.Pixels();
}

std::vector<unsigned> CapturePainted(HWND hwnd) {
    const RECT client = ClientRectOnScreen(hwnd);
    const int width = client.right - client.left, height = client.bottom - client.top;
    std::vector<unsigned> pixels = CaptureScreen(client);
    for (HWND child : Children(hwnd)) {
        const RECT r = ChildRectInParent(child);
        for (int y = std::max(0L, r.top); y < std::min<long>(height, r.bottom); ++y)
            for (int x = std::max(0L, r.left); x < std::min<long>(width, r.right); ++x)
                pixels[static_cast<size_t>(y) * width + x] = 0;
    }
    return pixels;
}

int CountDifferences(const std::vector<unsigned>& a, const std::vector<unsigned>& b) {
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (size_t i = 0; i < a.size(); ++i)
        count += a[i] != b[i];
    return count;
}

void BringToFront(HWND hwnd) {
    SetForegroundWindow(hwnd);
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ::Sleep(500);
}

static const wchar_t kWindowsKey[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

bool GetDefaultPrinterValue(std::string* value) {
    wchar_t buf[512] = L"";
    DWORD size = sizeof buf;
    if (RegGetValueW(HKEY_CURRENT_USER, kWindowsKey, L"Device", RRF_RT_REG_SZ, nullptr, buf,
                     &size) != ERROR_SUCCESS)
        return false;
    *value = ToCp932(buf);
    return true;
}

void SetDefaultPrinterValue(const std::string& value) {
    std::wstring w = FromCp932(value);
    RegSetKeyValueW(HKEY_CURRENT_USER, kWindowsKey, L"Device", REG_SZ, w.c_str(),
                    (DWORD)((w.size() + 1) * sizeof(wchar_t)));
}

void DeleteDefaultPrinterValue() { RegDeleteKeyValueW(HKEY_CURRENT_USER, kWindowsKey, L"Device"); }

// value_ is constructed only after had_, so it is filled in the body.
PrinterValueGuard::PrinterValueGuard() : had_(false) { had_ = GetDefaultPrinterValue(&value_); }

PrinterValueGuard::~PrinterValueGuard() {
    if (had_)
        SetDefaultPrinterValue(value_);
    else
        DeleteDefaultPrinterValue();
}

bool ModuleLoaded(DWORD pid, const std::string& fileName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    const std::wstring wanted = FromCp932(fileName);
    bool found = false;
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32FirstW(snapshot, &entry); more && !found;
         more = Module32NextW(snapshot, &entry))
        found = lstrcmpiW(entry.szModule, wanted.c_str()) == 0;
    CloseHandle(snapshot);
    return found;
}

AppDefaults::AppDefaults(const std::string& exeName)
    : key_(L"Software\\Wine\\AppDefaults\\" + FromCp932(exeName)) {
    RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str());
}

AppDefaults::~AppDefaults() { RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str()); }

void AppDefaults::SetVersion(const std::string& version) {
    const std::wstring value = FromCp932(version);
    RegSetKeyValueW(HKEY_CURRENT_USER, key_.c_str(), L"Version", REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void AppDefaults::DisableLibrary(const std::string& fileName) {
    const std::wstring name = FromCp932(fileName.substr(0, fileName.rfind('.')));
    RegSetKeyValueW(HKEY_CURRENT_USER, (key_ + L"\\DllOverrides").c_str(), name.c_str(), REG_SZ,
                    L"", sizeof(wchar_t));
}

std::string WinHelpShows() {
    std::string shown;
    HWND viewer = nullptr;
    auto look = [&] {
        viewer = FindWindowW(L"MS_WINHELP", nullptr);
        if (!viewer)
            return false;
        for (HWND box : TopWindows(ProcessOf(viewer), "#32770")) {
            for (HWND text : Children(box, "Static"))
                shown += Text(text);
            PressButton(box, IDNO);
        }
        if (shown.empty() && IsWindowVisible(viewer))
            shown = Text(FindWindowExW(viewer, nullptr, L"RichEdit20A", nullptr));
        return !shown.empty();
    };
    WaitUntil(look, 10000, 100);
    if (viewer) {
        PostMessageW(viewer, WM_CLOSE, 0, 0);
        WaitForWindowGone(viewer);
    }
    return shown;
}

}  // namespace testkit
