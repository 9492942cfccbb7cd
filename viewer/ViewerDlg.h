// The main dialog: holds the font now shown and dispatches the menu commands.
// Its members are implemented by feature:
//   ViewerDlg.cpp      construction, DoDataExchange, OnInitDialog, OnSysCommand,
//                      OnQueryDragIcon, OnCloseButton, OnAppExit, OnDestroy, OnCancelMode
//   PanelPaint.cpp     OnPaint
//   PanelAccess.cpp    OnGetObject, ReadablePanel, ReadPanel
//   FontSelection.cpp  OnScreenFont, OnPrinterFont, IsPrinterFontCurrent
//   DefaultPrinter.cpp GetDefaultPrinterDC, CreateDefaultPrinterDC
//   SampleCode.cpp     OnSampleCodeApi, OnSampleCodeMfc, ShowSampleCode
//   TestPrint.cpp      OnTestPrint
//   HelpAbout.cpp      OnHelpPage, OnAbout
#pragma once

#include "PaintedTable.h"
#include "framework.h"

class CViewerDlg : public CDialog {
public:
    explicit CViewerDlg(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    // Default printer (a device context, or none; the caller deletes it).
    HDC GetDefaultPrinterDC();
    HDC CreateDefaultPrinterDC(int bInformationOnly);

    // A printer font is current exactly while m_strSample is empty.
    BOOL IsPrinterFontCurrent() const;

    // The panel as a screen reader reads it now, from the items it paints.
    PaintedTable ReadablePanel();

    char m_szPrinterName[128];
    LOGFONTA m_lfCurrent;
    LOGFONTA m_lfScreen;
    LOGFONTA m_lfPrinter;
    HFONT m_hScreenFont;
    int m_nTopMargin;
    int m_nCharWidth;
    int m_nLineHeight;
    char m_szFontKind[100];
    CString m_strSampleText;
    CButton m_btnClose;
    CEdit m_editSample;
    CEdit m_editFaceName;
    CString m_strSample;
    CString m_strFaceName;
    HICON m_hIcon;

    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnScreenFont();
    afx_msg void OnPrinterFont();
    afx_msg void OnSampleCodeApi();
    afx_msg void OnSampleCodeMfc();
    afx_msg void OnHelpPage();
    afx_msg void OnAbout();
    afx_msg void OnDestroy();
    afx_msg void OnAppExit();
    afx_msg void OnCloseButton();
    afx_msg void OnCancelMode();
    afx_msg void OnTestPrint();
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // Builds the sample code from a template beside the program and shows it.
    void ShowSampleCode(const char* fileName);
    // The table source of the dialog's accessible client object.
    static void ReadPanel(HWND hwnd, PaintedTable& table);
};
