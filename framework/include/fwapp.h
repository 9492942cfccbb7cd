// CWinApp: the application object, its start-up and the wait cursor.
#ifndef FW_FWAPP_H
#define FW_FWAPP_H

#include "fwres.h"
#include "fwwnd.h"

class CWinApp : public CCmdTarget {
public:
    HINSTANCE m_hInstance;
    CWnd* m_pMainWnd = nullptr;

    // Registers this object as the application (AfxGetApp).
    CWinApp();
    ~CWinApp() override;

    // Called at start; returning FALSE ends the program without a message loop.
    virtual BOOL InitInstance();
    // The message loop, until WM_QUIT; returns its exit code.
    virtual int Run();

    CWnd* GetMainWnd() const { return m_pMainWnd; }
    BOOL Enable3dControls() { return TRUE; }

    // Stock help command; this application family has no help file for it,
    // so it does nothing.
    afx_msg void OnHelp() {}

    // Hourglass cursor; calls nest, and the cursor shown before the first
    // BeginWaitCursor comes back with the last EndWaitCursor.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    DECLARE_MESSAGE_MAP()

private:
    int m_nWaitCursorCount = 0;
    HCURSOR m_hcurBeforeWait = nullptr;
};

class CWaitCursor {
public:
    CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    ~CWaitCursor();
    void Restore();
};

CWinApp* AfxGetApp();
CWinApp* AfxGetThread();
HINSTANCE AfxFindResourceHandle(LPCTSTR name, LPCTSTR type);

#endif
