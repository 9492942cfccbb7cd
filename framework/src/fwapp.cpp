#include "fwapp.h"

namespace {
CWinApp* g_app = nullptr;
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp() : m_hInstance(::GetModuleHandleA(nullptr)) { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void CWinApp::BeginWaitCursor() {
    HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    if (m_nWaitCursorCount++ == 0)
        m_hcurBeforeWait = previous;
}

void CWinApp::EndWaitCursor() {
    if (m_nWaitCursorCount == 0)
        return;
    if (--m_nWaitCursorCount == 0)
        ::SetCursor(m_hcurBeforeWait);
}

void CWinApp::RestoreWaitCursor() {
    if (m_nWaitCursorCount > 0)
        ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
}

CWaitCursor::CWaitCursor() {
    if (CWinApp* app = AfxGetApp())
        app->BeginWaitCursor();
}

CWaitCursor::~CWaitCursor() {
    if (CWinApp* app = AfxGetApp())
        app->EndWaitCursor();
}

void CWaitCursor::Restore() {
    if (CWinApp* app = AfxGetApp())
        app->RestoreWaitCursor();
}

CWinApp* AfxGetApp() { return g_app; }

CWinApp* AfxGetThread() { return g_app; }

// Resources come from the program file itself.
HINSTANCE AfxFindResourceHandle(LPCTSTR, LPCTSTR) {
    return g_app ? g_app->m_hInstance : ::GetModuleHandleA(nullptr);
}

// The program's entry point: the application object built by the program
// starts here. This lives with the CWinApp constructor so that every program
// that defines an application links it.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CWinApp* app = AfxGetApp();
    if (!app)
        return 0;
    app->m_hInstance = instance;
    if (!app->InitInstance())
        return 0;
    return app->Run();
}
