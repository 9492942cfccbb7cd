// The release package as a user unpacks it: its files, what Windows reads from
// the programs (version resources and manifests), and both programs started
// from another current directory. Every version shown agrees with the ones
// the build was given.
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "Fontloupe.h"
#include "HomePage.h"
#include "PageOpener.h"
#include "Unpacked.h"

namespace fs = std::filesystem;

namespace {

const std::string kFontloupe = kFolder + "Fontloupe.exe";
const std::string kFontsmith = kFolder + "Fontsmith.exe";
// None of the package's files lie here.
const char kOtherDir[] = "C:\\";

fs::path Wide(const std::string& cp932) { return fs::path(testkit::FromCp932(cp932)); }

std::set<std::string> Names(const std::string& dir) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(Wide(dir)))
        names.insert(testkit::ToCp932(entry.path().filename().wstring()) +
                     (entry.is_directory() ? "\\" : ""));
    return names;
}

std::string Contents(const std::string& path) {
    std::ifstream in(Wide(path), std::ios::binary);
    return std::string{std::istreambuf_iterator<char>(in), {}};
}

TEST(Package, HoldsOneFolderWithBothProgramsTheirFilesAndAJapaneseReadme) {
    EXPECT_EQ(std::set<std::string>{"Fontloupe-" FONTLOUPE_VERSION "\\"}, Names(UNPACK_DIR));
    EXPECT_EQ((std::set<std::string>{"API.DAT", "FLPHELP.html", "Fontloupe.exe", "Fontsmith.exe",
                                     "Fontsmith.hlp", "Fontsmith.html", "MFC.DAT", "README.txt"}),
              Names(kFolder));

    const std::string file = Contents(kFolder + "README.txt");
    // UTF-8 throughout, after the signature that makes Notepad read it so
    // whatever the system's code page, and every line ends in CR LF.
    ASSERT_EQ(0u, file.rfind("\xEF\xBB\xBF", 0));
    const std::string utf8 = file.substr(3);
    std::wstring wide(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                          (int)utf8.size(), nullptr, 0),
                      L'\0');
    ASSERT_FALSE(wide.empty());
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), wide.data(), (int)wide.size());
    size_t lines = 0;
    for (size_t i = utf8.find('\n'); i != std::string::npos; i = utf8.find('\n', i + 1), ++lines)
        EXPECT_TRUE(i > 0 && utf8[i - 1] == '\r') << "line " << lines + 1;
    EXPECT_EQ(lines, (size_t)std::count(utf8.begin(), utf8.end(), '\r'));
    // The literals here are code page 932.
    const std::string readme = testkit::ToCp932(wide);
    for (const char* text :
         {"Fontloupe Ver" FONTLOUPE_VERSION "（付録 Fontsmith Ver" FONTSMITH_VERSION "）",
          "Fontloupe-" FONTLOUPE_VERSION " フォルダー", HOME_PAGE_ADDRESS,
          "日本語版 Windows（コードページ 932）", "インストールは不要です", "フォルダーごと削除",
          "Fontsmith.hlp   Fontsmith のヘルプファイル", "Copyright (c) 2026 the Fontloupe authors"})
        EXPECT_NE(std::string::npos, readme.find(text)) << text;
}

// README.txt's list of files, each name at the start of an indented line,
// names every file that the folder holds.
TEST(Package, ReadmeListsEveryFileOfTheFolder) {
    const std::string readme = Contents(kFolder + "README.txt");
    for (const std::string& name : Names(kFolder))
        EXPECT_NE(std::string::npos, readme.find("\r\n  " + name + " ")) << name;
}

// The help page as the browser reads it: UTF-8 that Windows decodes whole,
// declared as such and by nothing else, with the build's version in its footer.
TEST(Package, HelpPageIsUtf8WithTheBuildsVersion) {
    const std::string page = Contents(kFolder + "FLPHELP.html");
    EXPECT_NE(std::string::npos, page.find("<meta charset=\"utf-8\">"));
    EXPECT_EQ(std::string::npos, page.find("Shift_JIS"));
    EXPECT_LT(0, MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, page.data(), (int)page.size(),
                                     nullptr, 0));
    EXPECT_NE(std::string::npos, page.find("<footer>Fontloupe Ver" FONTLOUPE_VERSION "</footer>"));
}

// Fontsmith's help page names every command of its menu by the label the menu
// shows, read from the program's menu resource.
TEST(Package, FontsmithHelpPageNamesEveryMenuLabel) {
    const std::string page = Contents(kFolder + "Fontsmith.html");
    HMODULE exe = LoadLibraryExA(kFontsmith.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(exe);
    HMENU bar = LoadMenuA(exe, "HelloMenu");
    ASSERT_TRUE(bar);
    int labels = 0;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        HMENU popup = GetSubMenu(bar, i);
        for (int j = -1; popup && j < GetMenuItemCount(popup); ++j) {
            char label[64] = "";
            if (j < 0)
                GetMenuStringA(bar, i, label, sizeof label, MF_BYPOSITION);
            else if (!(GetMenuState(popup, j, MF_BYPOSITION) & MF_SEPARATOR))
                GetMenuStringA(popup, j, label, sizeof label, MF_BYPOSITION);
            if (label[0] == '\0')
                continue;
            ++labels;
            EXPECT_NE(std::string::npos, page.find(label)) << label;
        }
    }
    EXPECT_EQ(9, labels);
    DestroyMenu(bar);
    FreeLibrary(exe);
}

// The version resource's strings and numbers as Explorer reads them.
class VersionInfo {
public:
    explicit VersionInfo(const std::string& exe) {
        DWORD unused = 0;
        data_.resize(GetFileVersionInfoSizeA(exe.c_str(), &unused));
        if (!data_.empty() &&
            !GetFileVersionInfoA(exe.c_str(), 0, (DWORD)data_.size(), data_.data()))
            data_.clear();
    }
    bool Found() const { return !data_.empty(); }
    std::string Text(const std::string& name) const {
        const void* value = Query("\\StringFileInfo\\041103a4\\" + name);
        return value ? static_cast<const char*>(value) : "(none)";
    }
    const VS_FIXEDFILEINFO* Fixed() const {
        return static_cast<const VS_FIXEDFILEINFO*>(Query("\\"));
    }
    const WORD* Translation() const {
        return static_cast<const WORD*>(Query("\\VarFileInfo\\Translation"));
    }

private:
    const void* Query(const std::string& path) const {
        void* value = nullptr;
        UINT size = 0;
        if (data_.empty() || !VerQueryValueA(data_.data(), path.c_str(), &value, &size) ||
            size == 0)
            return nullptr;
        return value;
    }
    std::vector<char> data_;
};

// "1.40" as the high word 1 and the low word 40 of a version number.
DWORD VersionNumber(const std::string& version) {
    const size_t dot = version.find('.');
    return MAKELONG(std::stoi(version.substr(dot + 1)), std::stoi(version.substr(0, dot)));
}

std::string ManifestOf(const std::string& exe) {
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    std::string text;
    if (resource)
        text.assign(static_cast<const char*>(LockResource(LoadResource(module, resource))),
                    SizeofResource(module, resource));
    FreeLibrary(module);
    return text;
}

TEST(Package, ProgramsCarryTheirVersionsAndAManifest) {
    struct Expected {
        const std::string& exe;
        const char* name;
        const char* version;
        const char* description;
    };
    const Expected programs[] = {
        {kFontloupe, "Fontloupe", FONTLOUPE_VERSION, "Fontloupe - LOGFONT 表示ツール"},
        {kFontsmith, "Fontsmith", FONTSMITH_VERSION,
         "Fontsmith - LOGFONT 作成ツール (Fontloupe 付録)"}};
    for (const Expected& program : programs) {
        SCOPED_TRACE(program.name);
        const VersionInfo info(program.exe);
        ASSERT_TRUE(info.Found());
        const VS_FIXEDFILEINFO* fixed = info.Fixed();
        ASSERT_TRUE(fixed);
        EXPECT_EQ(VS_FFI_SIGNATURE, fixed->dwSignature);
        EXPECT_EQ(VersionNumber(program.version), fixed->dwFileVersionMS);
        EXPECT_EQ(0u, fixed->dwFileVersionLS);
        EXPECT_EQ(VersionNumber(FONTLOUPE_VERSION), fixed->dwProductVersionMS);
        EXPECT_EQ(0u, fixed->dwProductVersionLS);
        EXPECT_EQ((DWORD)VFT_APP, fixed->dwFileType);
        const WORD* translation = info.Translation();
        ASSERT_TRUE(translation);
        EXPECT_EQ(0x0411, translation[0]);
        EXPECT_EQ(932, translation[1]);

        EXPECT_EQ("Fontloupe 開発チーム", info.Text("CompanyName"));
        EXPECT_EQ(program.description, info.Text("FileDescription"));
        EXPECT_EQ(program.version, info.Text("FileVersion"));
        EXPECT_EQ(program.name, info.Text("InternalName"));
        EXPECT_EQ(std::string(program.name) + ".exe", info.Text("OriginalFilename"));
        EXPECT_EQ("Fontloupe", info.Text("ProductName"));
        EXPECT_EQ(FONTLOUPE_VERSION, info.Text("ProductVersion"));
        EXPECT_NE(std::string::npos, info.Text("LegalCopyright").find("Fontloupe 開発チーム"));

        // Wine ignores GDI scaling, so the manifest's text is what can be
        // checked of it; the scaling itself is measured by package_dpi.
        const std::string manifest = ManifestOf(program.exe);
        for (const char* part :
             {"<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
              "<gdiScaling xmlns=\"http://schemas.microsoft.com/SMI/2017/WindowsSettings\">true"
              "</gdiScaling>",
              "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
            EXPECT_NE(std::string::npos, manifest.find(part)) << part;
        for (const char* absent : {"Common-Controls", "dpiAware"})
            EXPECT_EQ(std::string::npos, manifest.find(absent)) << absent;
    }
}

std::string TempFile(const char* name) {
    char dir[MAX_PATH] = "";
    GetTempPathA(sizeof dir, dir);
    return std::string(dir) + name;
}

TEST(Package, FontloupeFindsTheFilesBesideItFromAnotherDirectory) {
    PageOpener opener(TempFile("package_opened.txt"));
    testkit::Program program;
    HWND main = fontloupe::Start(program, kOtherDir, kFontloupe);
    ASSERT_TRUE(main);
    const LOGFONTA font = fontloupe::StartFont(main);
    EXPECT_TRUE(fontloupe::ShowsSampleCode(main, ID_SAMPLECODE_API, kFolder + "API.DAT", font));
    EXPECT_TRUE(fontloupe::ShowsSampleCode(main, ID_SAMPLECODE_MFC, kFolder + "MFC.DAT", font));
    testkit::PostCommand(main, ID_HELP_PAGE);
    EXPECT_EQ(kFolder + "FLPHELP.html", opener.Opened());

    testkit::PostCommand(main, ID_APP_ABOUT);
    HWND about = testkit::WaitForWindow(program.Pid(), "#32770", "Fontloupe について");
    ASSERT_TRUE(about);
    EXPECT_EQ("Ver" FONTLOUPE_VERSION, testkit::Text(GetDlgItem(about, IDC_VERSION_STATIC)));
    EXPECT_EQ(HOME_PAGE_ADDRESS, testkit::Text(GetDlgItem(about, IDC_HOMEPAGE_BUTTON)));
    testkit::PressButton(about, IDOK);
    EXPECT_TRUE(testkit::WaitForWindowGone(about));
}

// Fontsmith's main window class, also its title, and its menu commands.

// Its help is the WinHelp file before Windows 10 and the page from 10 on, as
// Wine reports the version to the program.
TEST(Package, FontsmithFindsItsHelpFromAnotherDirectory) {
    for (const char* version : {"win7", "win10"}) {
        SCOPED_TRACE(version);
        testkit::AppDefaults settings("Fontsmith.exe");
        settings.SetVersion(version);
        PageOpener opener(TempFile("package_opened.txt"));
        testkit::Program program;
        ASSERT_TRUE(testkit::Start(program, kFontsmith, kOtherDir));
        HWND main = testkit::WaitForWindow(program.Pid(), kFontsmithWindow, kFontsmithWindow);
        ASSERT_TRUE(main);
        testkit::PostCommand(main, IDM_HELP);
        if (version == std::string("win10")) {
            EXPECT_EQ(kFolder + "Fontsmith.html", opener.Opened());
        } else {
            const std::string help = testkit::WinHelpShows();
            EXPECT_EQ(0u, help.find("Fontsmith ヘルプ")) << help;
        }

        testkit::PostCommand(main, IDM_ABOUT);
        HWND about = testkit::WaitForWindow(program.Pid(), "#32770", "Fontloupe について");
        ASSERT_TRUE(about);
        EXPECT_EQ("Fontsmith Ver" FONTSMITH_VERSION, testkit::Text(GetDlgItem(about, 1000)));
        testkit::PressButton(about, IDOK);
        EXPECT_TRUE(testkit::WaitForWindowGone(about));
    }
}

}  // namespace
