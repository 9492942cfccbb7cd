#include "ShellHandler.h"

namespace {

const wchar_t kTestProgId[] = L"FontloupeTest.Opener";

bool KeyExists(const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

bool GetValue(const std::wstring& key, const wchar_t* name, std::wstring* value) {
    wchar_t buffer[1024] = L"";
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return false;
    *value = buffer;
    return true;
}

void SetValue(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), name, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

ShellHandlerGuard::ShellHandlerGuard(const std::wstring& typeOrScheme, const std::wstring& command) {
    if (typeOrScheme[0] == L'.') {
        // A file type names a class; the class holds the command.
        Set(typeOrScheme, nullptr, kTestProgId);
        Set(std::wstring(kTestProgId) + L"\\shell\\open\\command", nullptr, command);
    } else {
        Set(typeOrScheme, nullptr, L"URL:" + typeOrScheme);
        Set(typeOrScheme, L"URL Protocol", L"");
        Set(typeOrScheme + L"\\shell\\open\\command", nullptr, command);
    }
}

void ShellHandlerGuard::Set(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    for (size_t end = 0; end != std::wstring::npos;) {
        end = key.find(L'\\', end + 1);
        const std::wstring part = key.substr(0, end);
        if (!KeyExists(part)) {
            createdKeys_.push_back(part);
            break;
        }
    }
    Saved saved{key, name ? name : L"", name == nullptr, false, L""};
    saved.existed = GetValue(key, name, &saved.value);
    saved_.push_back(saved);
    SetValue(key, name, value);
}

ShellHandlerGuard::~ShellHandlerGuard() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        const wchar_t* name = it->isDefault ? nullptr : it->name.c_str();
        if (it->existed)
            SetValue(it->key, name, it->value);
        else
            RegDeleteKeyValueW(HKEY_CLASSES_ROOT, it->key.c_str(), name);
    }
    for (auto it = createdKeys_.rbegin(); it != createdKeys_.rend(); ++it)
        RegDeleteTreeW(HKEY_CLASSES_ROOT, it->c_str());
}
