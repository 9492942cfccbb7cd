// Registers, for the life of the object, a program as the shell's opener of a
// file type (".html") or of a URL scheme ("https"), and puts the registry back
// as it was afterwards. Wine's shell reads the classes of the machine only
// (HKEY_CLASSES_ROOT), not the user's own, so the entries go there.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class ShellHandlerGuard {
public:
    // command is the open command line, "%1" standing for the file or address.
    ShellHandlerGuard(const std::wstring& typeOrScheme, const std::wstring& command);
    ~ShellHandlerGuard();
    ShellHandlerGuard(const ShellHandlerGuard&) = delete;
    ShellHandlerGuard& operator=(const ShellHandlerGuard&) = delete;

private:
    // Writes a value (name nullptr: the key's default), remembering what to undo.
    void Set(const std::wstring& key, const wchar_t* name, const std::wstring& value);

    struct Saved {
        std::wstring key;
        std::wstring name;
        bool isDefault;
        bool existed;
        std::wstring value;
    };
    std::vector<Saved> saved_;
    std::vector<std::wstring> createdKeys_;  // outermost key made by each Set
};
