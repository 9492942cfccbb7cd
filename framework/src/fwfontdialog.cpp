#include "fwfontdialog.h"

#include <cstring>

#include "fwapp.h"
#include "fwgdi.h"

CFontDialog::CFontDialog(LPLOGFONTA lplfInitial, DWORD flags, CDC* pdcPrinter, CWnd* parent)
    : m_pCallerLogFont(lplfInitial), m_pParentWnd(parent) {
    std::memset(&m_cf, 0, sizeof(m_cf));
    std::memset(&m_lf, 0, sizeof(m_lf));
    m_cf.lStructSize = sizeof(m_cf);
    m_cf.Flags = flags;
    m_cf.lpLogFont = &m_lf;
    if (lplfInitial) {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    if (pdcPrinter) {
        m_cf.hDC = pdcPrinter->m_hDC;
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

INT_PTR CFontDialog::DoModal() {
    CWinApp* app = AfxGetApp();
    CWnd* owner = m_pParentWnd ? m_pParentWnd : (app ? app->m_pMainWnd : nullptr);
    m_cf.hwndOwner = owner ? owner->m_hWnd : nullptr;
    if (!::ChooseFontA(&m_cf))
        return IDCANCEL;
    if (m_pCallerLogFont)
        *m_pCallerLogFont = m_lf;
    return IDOK;
}
