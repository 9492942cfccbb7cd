// CFontDialog: the common font dialog (ChooseFontA) over the screen fonts.
#ifndef FW_FWFONTDIALOG_H
#define FW_FWFONTDIALOG_H

#include <windows.h>
#include <commdlg.h>

class CFontDialog {
public:
    // lplfInitial is the dialog's initial record and receives the chosen
    // font; it is left unchanged when the dialog is cancelled. The dialog is
    // owned by the application's main window.
    CFontDialog(LPLOGFONTA lplfInitial, DWORD flags);
    CFontDialog(const CFontDialog&) = delete;
    CFontDialog& operator=(const CFontDialog&) = delete;

    // IDOK when a font was chosen (the caller's record holds it), IDCANCEL
    // otherwise.
    INT_PTR DoModal();

private:
    CHOOSEFONTA m_cf;
    LOGFONTA m_lf;
    LPLOGFONTA m_pCallerLogFont;
};

#endif
