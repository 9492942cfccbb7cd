#include "ProgramCopy.h"

#include <windows.h>

#include "FontloupeDriver.h"
#include "testkit.h"

namespace {

const char* const kDataFiles[] = {"API.DAT", "MFC.DAT", "FLPHELP.html"};

bool Copy(const std::string& from, const std::string& to) {
    return ::CopyFileW(testkit::FromCp932(from).c_str(), testkit::FromCp932(to).c_str(), FALSE);
}

}  // namespace

std::string TempDir() {
    wchar_t buffer[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, buffer);
    return testkit::ToCp932(buffer);
}

ProgramCopy::ProgramCopy(const std::string& dir, const std::string& exeName)
    : dir_(dir), exeName_(exeName) {
    // Each backslash after the drive ends a directory that may still be
    // missing (split in UTF-16: in CP932 a trail byte may be 0x5C).
    const std::wstring wide = testkit::FromCp932(dir);
    for (size_t end = wide.find(L'\\', 3); end != std::wstring::npos;
         end = wide.find(L'\\', end + 1)) {
        const std::wstring part = wide.substr(0, end);
        if (::CreateDirectoryW(part.c_str(), nullptr))
            madeDirs_.push_back(part);
    }
    ok_ = Copy(fontloupe::ExePath(), ExePath());
    for (const char* name : kDataFiles)
        ok_ = Copy(fontloupe::ExeDir() + name, dir_ + name) && ok_;
}

ProgramCopy::~ProgramCopy() {
    Remove(exeName_);
    for (const char* name : kDataFiles)
        Remove(name);
    for (auto it = madeDirs_.rbegin(); it != madeDirs_.rend(); ++it)
        ::RemoveDirectoryW(it->c_str());
}

void ProgramCopy::Remove(const std::string& fileName) {
    ::DeleteFileW(testkit::FromCp932(dir_ + fileName).c_str());
}

HWND ProgramCopy::Start(testkit::Program& program, const std::string& workDir) const {
    if (!testkit::Start(program, ExePath(), workDir))
        return nullptr;
    return testkit::WaitForWindow(program.Pid(), "#32770", "Fontloupe");
}
