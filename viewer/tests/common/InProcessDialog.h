// The main dialog run in the test's own process, where its state can be read
// (Wine answers WM_GETFONT and WM_GETICON from another process with nothing).
// The test program defines the application object, theApp.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "ViewerDlg.h"
#include "testkit.h"

extern CWinApp theApp;

namespace fontloupe {

class Probe : public CViewerDlg {
public:
    using CViewerDlg::CreateDefaultPrinterDC;
    using CViewerDlg::GetDefaultPrinterDC;
    using CViewerDlg::m_hIcon;
    using CViewerDlg::m_hScreenFont;
    using CViewerDlg::m_lfCurrent;
    using CViewerDlg::m_lfPrinter;
    using CViewerDlg::m_szFontKind;
    using CViewerDlg::m_szPrinterName;
};

// Runs the dialog modally while script runs on a second thread with its
// window; cancels the dialog when the script returns.
inline void RunDialog(Probe& probe, const std::function<void(HWND)>& script) {
    theApp.m_pMainWnd = &probe;
    std::thread driver([&] {
        HWND main = testkit::WaitForWindow(GetCurrentProcessId(), "#32770", "Fontloupe");
        if (main)
            script(main);
        else
            ADD_FAILURE() << "no main dialog";
        PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    });
    probe.DoModal();
    driver.join();
}

}  // namespace fontloupe
