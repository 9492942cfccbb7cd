// How both programs of the package appear on a screen of more than 96 DPI.
// They are not DPI aware: each window is laid out as at 96 DPI and the system
// scales it whole. This process is DPI aware from its start, so it measures in
// the screen's own pixels. The run at 96 DPI writes what it measured to the
// reference file; the runs at 144 and 192 DPI expect every length 1.5 or 2
// times as long, +-2 pixels. A copy of the programs whose manifest says they
// are DPI aware fails the same checks.
#undef WINVER
#define WINVER 0x0A00  // the DPI functions of Windows 10
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Fontloupe.h"
#include "Unpacked.h"

namespace fs = std::filesystem;

namespace {

const BOOL kAware = SetProcessDPIAware();

const char kEditorWindow[] = "Fontloupe [Editor]";
const char kAboutTitle[] = "Fontloupe について";

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// Who sets a window's size: the program, from the default font's metrics; the
// dialog manager, from a template in dialog units; or the system, as a share
// of the screen (CW_USEDEFAULT), which does not grow with the DPI.
enum class SizedBy { Program, Template, System };

// One window of a program as this process sees it, and the lengths on it that
// the system scales from 96 DPI: its size where the program sets it, and the
// rectangle of each of its controls in its client area. Wine 10 gives a
// template dialog that is not DPI aware a frame and caption sized for the
// screen's DPI around its client area, so the dialog comes out larger than
// Windows makes it; its controls are what the template lays out.
struct Window {
    DPI_AWARENESS awareness;
    UINT dpi;
    std::vector<long> lengths;
};
using Windows = std::map<std::string, Window>;

Window Measure(HWND hwnd, SizedBy sizedBy) {
    Window window{GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(hwnd)),
                  GetDpiForWindow(hwnd),
                  {}};
    if (sizedBy == SizedBy::System)
        return window;
    if (sizedBy == SizedBy::Program) {
        const RECT r = testkit::WindowRect(hwnd);
        window.lengths.insert(window.lengths.end(), {r.right - r.left, r.bottom - r.top});
    }
    for (HWND child : testkit::Children(hwnd)) {
        const RECT c = testkit::ChildRectInParent(child);
        window.lengths.insert(window.lengths.end(), {c.left, c.top, c.right, c.bottom});
    }
    return window;
}

// Posts command to owner and measures the window of the class and title that
// it opens, which is then closed.
bool MeasureOpened(HWND owner, int command, const char* className, const char* title,
                   SizedBy sizedBy, const std::string& name, Windows* windows) {
    const DWORD pid = testkit::ProcessOf(owner);
    const std::vector<HWND> known = testkit::TopWindows(pid);
    testkit::PostCommand(owner, command);
    HWND opened = testkit::WaitForNewWindow(pid, known, className);
    if (!opened || testkit::Text(opened) != title)
        return false;
    (*windows)[name] = Measure(opened, sizedBy);
    PostMessageW(opened, WM_CLOSE, 0, 0);
    return testkit::WaitForWindowGone(opened) && testkit::RoundTrip(owner);
}

// The main window, the sample-code window and the about box of both programs
// in folder.
Windows MeasurePrograms(const std::string& folder) {
    Windows windows;
    {
        testkit::Program program;
        HWND main = fontloupe::Start(program, folder, folder + "Fontloupe.exe");
        EXPECT_TRUE(main);
        if (!main)
            return windows;
        windows["Fontloupe"] = Measure(main, SizedBy::Program);
        EXPECT_TRUE(MeasureOpened(main, ID_SAMPLECODE_API, "#32770", "Fontloupe - サンプルコード",
                                  SizedBy::Template, "Fontloupe sample code", &windows));
        EXPECT_TRUE(MeasureOpened(main, ID_APP_ABOUT, "#32770", kAboutTitle, SizedBy::Template,
                                  "Fontloupe about", &windows));
    }
    testkit::Program program;
    EXPECT_TRUE(testkit::Start(program, folder + "Fontsmith.exe", folder));
    HWND main = testkit::WaitForWindow(program.Pid(), kFontsmithWindow, kFontsmithWindow);
    EXPECT_TRUE(main);
    if (!main)
        return windows;
    windows["Fontsmith"] = Measure(main, SizedBy::Program);
    EXPECT_TRUE(MeasureOpened(main, IDM_SAMPLECODE, kEditorWindow, kEditorWindow, SizedBy::System,
                              "Fontsmith sample code", &windows));
    EXPECT_TRUE(MeasureOpened(main, IDM_ABOUT, "#32770", kAboutTitle, SizedBy::Template,
                              "Fontsmith about", &windows));
    return windows;
}

// One line a window: its name, a tab, its lengths.
void WriteReference(const Windows& windows) {
    std::ofstream out(fs::path(DPI_REFERENCE));
    for (const auto& [name, window] : windows) {
        out << name << '\t';
        for (long length : window.lengths)
            out << ' ' << length;
        out << '\n';
    }
}

std::map<std::string, std::vector<long>> ReadReference() {
    std::map<std::string, std::vector<long>> reference;
    std::ifstream in(fs::path(DPI_REFERENCE));
    std::string name, lengths;
    while (std::getline(in, name, '\t') && std::getline(in, lengths)) {
        std::istringstream numbers(lengths);
        reference[name].assign(std::istream_iterator<long>(numbers), {});
    }
    return reference;
}

// What keeps the windows measured at this screen's DPI from being those of a
// program that is not DPI aware: each reports no awareness and 96 DPI, and
// every length is its length at 96 DPI scaled to the screen, +-2 pixels.
// Empty when nothing does.
std::vector<std::string> Faults(const Windows& windows) {
    const int dpi = ScreenDpi();
    const std::map<std::string, std::vector<long>> reference = ReadReference();
    std::vector<std::string> faults;
    if (windows.size() != reference.size())
        faults.push_back("measured " + std::to_string(windows.size()) + " windows, reference " +
                         std::to_string(reference.size()));
    for (const auto& [name, window] : windows) {
        if (window.awareness != DPI_AWARENESS_UNAWARE)
            faults.push_back(name + ": awareness " + std::to_string(window.awareness));
        if (window.dpi != USER_DEFAULT_SCREEN_DPI)
            faults.push_back(name + ": window DPI " + std::to_string(window.dpi));
        const auto at96 = reference.find(name);
        if (at96 == reference.end())
            continue;
        if (window.lengths.size() != at96->second.size()) {
            faults.push_back(name + ": " + std::to_string(window.lengths.size()) +
                             " lengths, not " + std::to_string(at96->second.size()));
            continue;
        }
        for (size_t i = 0; i < window.lengths.size(); ++i) {
            const long scaled = MulDiv(at96->second[i], dpi, 96);
            if (std::labs(window.lengths[i] - scaled) > 2)
                faults.push_back(name + ": length " + std::to_string(i) + " is " +
                                 std::to_string(window.lengths[i]) + ", not " +
                                 std::to_string(scaled));
        }
    }
    return faults;
}

// A copy of the programs and their templates whose manifest says that they
// are DPI aware, as the programs once did.
std::string AwareCopy() {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "dpi_aware_copy\\";
    fs::remove_all(testkit::FromCp932(folder));
    fs::create_directories(testkit::FromCp932(folder));
    static const char manifest[] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
        "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">"
        "<application xmlns=\"urn:schemas-microsoft-com:asm.v3\"><windowsSettings>"
        "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>"
        "</windowsSettings></application></assembly>";
    for (const char* file : {"Fontloupe.exe", "Fontsmith.exe", "API.DAT", "MFC.DAT"}) {
        const std::string copy = folder + file;
        fs::copy_file(testkit::FromCp932(kFolder + file), testkit::FromCp932(copy));
        if (fs::path(file).extension() != ".exe")
            continue;
        HANDLE update = BeginUpdateResourceA(copy.c_str(), FALSE);
        EXPECT_TRUE(update);
        EXPECT_TRUE(UpdateResourceA(update, RT_MANIFEST, MAKEINTRESOURCEA(1),
                                    MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), (void*)manifest,
                                    sizeof manifest - 1));
        EXPECT_TRUE(EndUpdateResourceA(update, FALSE));
    }
    return folder;
}

TEST(DpiScaling, WindowsAreScaledWholeFromTheir96DpiLayout) {
    ASSERT_TRUE(kAware);
    const Windows windows = MeasurePrograms(kFolder);
    ASSERT_EQ(6u, windows.size());
    if (ScreenDpi() == 96)
        WriteReference(windows);
    for (const std::string& fault : Faults(windows))
        ADD_FAILURE() << fault;
}

TEST(DpiScaling, ProgramsThatSayTheyAreAwareFailTheChecks) {
    const Windows windows = MeasurePrograms(AwareCopy());
    ASSERT_EQ(6u, windows.size());
    const std::vector<std::string> faults = Faults(windows);
    EXPECT_FALSE(faults.empty());
    for (const std::string& fault : faults)
        std::cout << "found as it should: " << fault << '\n';
}

}  // namespace
