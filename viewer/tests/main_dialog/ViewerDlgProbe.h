// The main dialog run in the test's own process: reaches its protected state,
// and its modal run ends as soon as its own start-up has run.
#pragma once

#include "ViewerDlg.h"

class ViewerDlgProbe : public CViewerDlg {
public:
    using CViewerDlg::CreateDefaultPrinterDC;
    using CViewerDlg::GetDefaultPrinterDC;
    using CViewerDlg::m_hIcon;
    using CViewerDlg::m_lfPrinter;
    using CViewerDlg::m_szPrinterName;

    // The icons the window answers with right after start-up.
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;

    explicit ViewerDlgProbe(const char* printerName = "previous") {
        lstrcpynA(m_szPrinterName, printerName, sizeof m_szPrinterName);
    }

protected:
    BOOL OnInitDialog() override {
        CViewerDlg::OnInitDialog();
        bigIcon = reinterpret_cast<HICON>(SendMessage(WM_GETICON, ICON_BIG));
        smallIcon = reinterpret_cast<HICON>(SendMessage(WM_GETICON, ICON_SMALL));
        EndDialog(IDOK);
        return TRUE;
    }
};
