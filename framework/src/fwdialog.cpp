#include "fwdialog.h"

#include "fwapp.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

const DLGTEMPLATE* CDialog::FindTemplate() const {
    LPCSTR name = MAKEINTRESOURCEA(m_nIDTemplate);
    HINSTANCE module = AfxFindResourceHandle(name, RT_DIALOG);
    HRSRC resource = ::FindResourceA(module, name, RT_DIALOG);
    HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
    return loaded ? static_cast<const DLGTEMPLATE*>(::LockResource(loaded)) : nullptr;
}

HWND CDialog::ModalOwner() const {
    if (m_pParentWnd && m_pParentWnd->m_hWnd)
        return ::GetAncestor(m_pParentWnd->m_hWnd, GA_ROOT);
    CWinApp* app = AfxGetApp();
    CWnd* main = app ? app->m_pMainWnd : nullptr;
    return (main && main != this) ? main->m_hWnd : nullptr;
}

INT_PTR CDialog::DoModal() {
    const DLGTEMPLATE* dialogTemplate = FindTemplate();
    if (!dialogTemplate || m_hWnd)
        return -1;
    HWND owner = ModalOwner();
    const bool disabledOwner = owner && ::IsWindowEnabled(owner);
    if (disabledOwner)
        ::EnableWindow(owner, FALSE);

    m_nModalResult = -1;
    m_bContinueModal = true;
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCEA(m_nIDTemplate), RT_DIALOG);
    ::CreateDialogIndirectParamA(module, dialogTemplate, owner, DialogProc,
                                 reinterpret_cast<LPARAM>(this));
    if (m_hWnd && m_bContinueModal) {
        ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
        RunModalLoop();
    }
    m_bContinueModal = false;

    if (disabledOwner)
        ::EnableWindow(owner, TRUE);
    if (m_hWnd)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (owner && ::IsWindow(owner))
        ::SetActiveWindow(owner);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::RunModalLoop() {
    MSG msg;
    while (m_bContinueModal && m_hWnd) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Leave WM_QUIT for the loop outside this one.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (got == -1)
            return;
        if (!m_hWnd || !::IsDialogMessageA(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    m_bContinueModal = false;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnWindowGone() {
    if (m_bContinueModal) {
        m_nModalResult = IDABORT;
        m_bContinueModal = false;
    }
    CWnd::OnWindowGone();
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    // Menu commands the dialog does not handle get a second chance in the
    // application's map (stock commands such as ID_HELP).
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    CWinApp* app = AfxGetApp();
    return lParam == 0 && code == 0 && id >= 0x8000 && id < 0xF000 && app &&
           app->OnCmdMsg(id, code);
}

LRESULT CDialog::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The dialog manager calls DialogProc first; that call must answer
    // "not handled" so that the manager does its own processing.
    m_bPassToDialogManager = true;
    const LRESULT result = ::DefDlgProcA(m_hWnd, message, wParam, lParam);
    m_bPassToDialogManager = false;
    return result;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        reinterpret_cast<CDialog*>(lParam)->Attach(hWnd);
    // Messages that come before WM_INITDIALOG find no object and go to the
    // dialog manager.
    CDialog* dlg = dynamic_cast<CDialog*>(FromHandlePermanent(hWnd));
    if (!dlg)
        return FALSE;
    if (dlg->m_bPassToDialogManager) {
        dlg->m_bPassToDialogManager = false;
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        dlg->OnWindowGone();
        return FALSE;
    }
    if (message == WM_INITDIALOG)
        return dlg->OnInitDialog();

    LRESULT result = 0;
    if (!dlg->DispatchToMap(message, wParam, lParam, &result))
        return FALSE;
    // The dialog manager takes this message's result from the return value,
    // every other one from DWLP_MSGRESULT.
    if (message == WM_QUERYDRAGICON)
        return result;
    if (::IsWindow(hWnd))
        ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}
