#include "fwlatebind.h"

#include <shellapi.h>

namespace {

// The function name of library, loading the library at the first call; it
// stays loaded until the program ends. Null when either cannot be found.
FARPROC BindProc(LPCSTR library, LPCSTR name) {
    HMODULE module = ::GetModuleHandleA(library);
    if (!module)
        module = ::LoadLibraryA(library);
    return module ? ::GetProcAddress(module, name) : nullptr;
}

// The bound function as its own type (through the one function-pointer type
// that every other converts to and from without a warning).
template <typename Function>
Function Bind(LPCSTR library, LPCSTR name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(BindProc(library, name)));
}

}  // namespace

BOOL AfxChooseFont(LPCHOOSEFONTA cf) {
    const auto chooseFont = Bind<BOOL(WINAPI*)(LPCHOOSEFONTA)>("comdlg32.dll", "ChooseFontA");
    return chooseFont ? chooseFont(cf) : FALSE;
}

HINSTANCE AfxShellExecute(HWND hwnd, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                          INT showCommand) {
    const auto shellExecute = Bind<HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT)>(
        "shell32.dll", "ShellExecuteA");
    if (!shellExecute)
        return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return shellExecute(hwnd, verb, file, parameters, directory, showCommand);
}
