#include "fwddx.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.m_hWnd)
        return;
    if (HWND item = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id))
        control.Attach(item);
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
    HWND item = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
    if (!item)
        return;
    if (pDX->m_bSaveAndValidate)
        CWnd::FromHandle(item)->GetWindowText(value);
    else
        ::SetWindowTextA(item, value);
}
