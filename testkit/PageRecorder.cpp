// Stands in for the browser: registered as the program that opens a page, it
// writes the arguments it was given, one a line in code page 932, to the file
// named by its first argument.
#include <windows.h>

#include <shellapi.h>

int main() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args || count < 2)
        return 1;
    HANDLE file = CreateFileW(args[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    for (int i = 2; i < count; ++i) {
        char line[1024];
        int length =
            WideCharToMultiByte(932, 0, args[i], -1, line, sizeof line - 1, nullptr, nullptr);
        if (length == 0)
            continue;
        line[length - 1] = '\n';  // in place of the NUL
        DWORD written = 0;
        WriteFile(file, line, length, &written, nullptr);
    }
    CloseHandle(file);
    LocalFree(args);
    return 0;
}
