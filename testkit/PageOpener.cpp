#include "PageOpener.h"

#include <windows.h>

#include <filesystem>
#include <fstream>

#include "testkit.h"

namespace {

// Wine's shell reads the machine's classes only, so the entries go to
// HKEY_CLASSES_ROOT.
const wchar_t kClass[] = L"FontloupeTest.Opener";

void Set(const std::wstring& key, const std::wstring& value) {
    RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

PageOpener::PageOpener(const std::string& record) : record_(record) {
    DeleteFileW(testkit::FromCp932(record_).c_str());
    wchar_t old[256] = L"";
    DWORD size = sizeof old;
    hadType_ = RegGetValueW(HKEY_CLASSES_ROOT, L".html", nullptr, RRF_RT_REG_SZ, nullptr, old,
                            &size) == ERROR_SUCCESS;
    oldType_ = old;
    Set(L".html", kClass);
    Set(std::wstring(kClass) + L"\\shell\\open\\command",
        L"\"" + testkit::FromCp932(RECORDER_EXE) + L"\" \"" + testkit::FromCp932(record_) +
            L"\" \"%1\"");
}

PageOpener::~PageOpener() {
    if (hadType_)
        Set(L".html", oldType_);
    else
        RegDeleteKeyValueW(HKEY_CLASSES_ROOT, L".html", nullptr);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kClass);
}

std::string PageOpener::Opened() const {
    std::string line;
    testkit::WaitUntil(
        [&] {
            std::ifstream in(std::filesystem::path(testkit::FromCp932(record_)));
            return static_cast<bool>(std::getline(in, line));
        },
        10000, 100);
    return line;
}
