// CFontDialog: the common font dialog (ChooseFontA).
#ifndef FW_FWFONTDIALOG_H
#define FW_FWFONTDIALOG_H

#include <windows.h>
#include <commdlg.h>

class CDC;
class CWnd;

class CFontDialog {
public:
    CHOOSEFONTA m_cf;
    LOGFONTA m_lf;

    // lplfInitial, when given, is the dialog's initial record and receives
    // the chosen font; it is left unchanged when the dialog is cancelled.
    explicit CFontDialog(LPLOGFONTA lplfInitial = nullptr,
                         DWORD flags = CF_EFFECTS | CF_SCREENFONTS, CDC* pdcPrinter = nullptr,
                         CWnd* parent = nullptr);
    CFontDialog(const CFontDialog&) = delete;
    CFontDialog& operator=(const CFontDialog&) = delete;

    // IDOK when a font was chosen (m_lf and the caller's record hold it),
    // IDCANCEL otherwise.
    INT_PTR DoModal();

private:
    LPLOGFONTA m_pCallerLogFont;
    CWnd* m_pParentWnd;
};

#endif
