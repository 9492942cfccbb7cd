#include "ViewerApp.h"

#include "ViewerDlg.h"

BEGIN_MESSAGE_MAP(CViewerApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CViewerApp::CViewerApp() {}

CViewerApp theApp;

BOOL CViewerApp::InitInstance() {
    Enable3dControls();

    CViewerDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();

    // The dialog has ended: leave at once instead of starting a message loop.
    return FALSE;
}
