// What the system does with a window on a screen of more than 96 DPI.
#undef WINVER
#define WINVER 0x0A00  // the DPI functions of Windows 10
#include <windows.h>

#include "testkit.h"

namespace testkit {

bool ScaledBySystem(HWND hwnd) {
    if (GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(hwnd)) !=
        DPI_AWARENESS_UNAWARE)
        return false;
    // The screen's own DPI, which a process that is not aware is not told.
    const DPI_AWARENESS_CONTEXT old =
        SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_SYSTEM_AWARE);
    const UINT dpi = GetDpiForSystem();
    SetThreadDpiAwarenessContext(old);
    return dpi != USER_DEFAULT_SCREEN_DPI;
}

}  // namespace testkit
