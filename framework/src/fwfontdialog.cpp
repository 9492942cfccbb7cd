#include "fwfontdialog.h"

#include <cstring>

#include "fwapp.h"
#include "fwlatebind.h"

CFontDialog::CFontDialog(LPLOGFONTA lplfInitial, DWORD flags) : m_pCallerLogFont(lplfInitial) {
    std::memset(&m_cf, 0, sizeof(m_cf));
    m_lf = *lplfInitial;
    m_cf.lStructSize = sizeof(m_cf);
    m_cf.Flags = flags;
    m_cf.lpLogFont = &m_lf;
}

INT_PTR CFontDialog::DoModal() {
    CWinApp* app = AfxGetApp();
    CWnd* owner = app ? app->m_pMainWnd : nullptr;
    m_cf.hwndOwner = owner ? owner->m_hWnd : nullptr;
    if (!AfxChooseFont(&m_cf))
        return IDCANCEL;
    *m_pCallerLogFont = m_lf;
    return IDOK;
}
