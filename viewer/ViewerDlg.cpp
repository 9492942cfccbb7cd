#include "ViewerDlg.h"

#include "Accessible.h"
#include "DialogLayout.h"
#include "ViewerTexts.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CViewerDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_COMMAND(ID_SCREEN_FONT, OnScreenFont)
    ON_COMMAND(ID_PRINTER_FONT, OnPrinterFont)
    ON_COMMAND(ID_SAMPLECODE_API, OnSampleCodeApi)
    ON_COMMAND(ID_SAMPLECODE_MFC, OnSampleCodeMfc)
    ON_COMMAND(ID_HELP_PAGE, OnHelpPage)
    ON_COMMAND(ID_APP_ABOUT, OnAbout)
    ON_WM_DESTROY()
    ON_COMMAND(ID_APP_CLOSE, OnAppExit)
    ON_BN_CLICKED(IDC_CLOSE_BUTTON, OnCloseButton)
    ON_WM_CANCELMODE()
    ON_COMMAND(ID_TEST_PRINT, OnTestPrint)
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
END_MESSAGE_MAP()

CViewerDlg::CViewerDlg(CWnd* pParent) : CDialog(IDD_FONTLOUPE_DIALOG, pParent) {
    m_strSample = "";
    m_strFaceName = "";
    m_hIcon = ::LoadIconA(AfxFindResourceHandle(MAKEINTRESOURCEA(IDI_MAINFRAME), RT_GROUP_ICON),
                          MAKEINTRESOURCEA(IDI_MAINFRAME));
    // Zero the rest so that no member is ever read undefined.
    m_szPrinterName[0] = '\0';
    ZeroMemory(&m_lfCurrent, sizeof m_lfCurrent);
    ZeroMemory(&m_lfScreen, sizeof m_lfScreen);
    ZeroMemory(&m_lfPrinter, sizeof m_lfPrinter);
    m_hScreenFont = nullptr;
    m_nTopMargin = m_nCharWidth = m_nLineHeight = 0;
    m_szFontKind[0] = '\0';
}

void CViewerDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CLOSE_BUTTON, m_btnClose);
    DDX_Control(pDX, IDC_SAMPLE_EDIT, m_editSample);
    DDX_Control(pDX, IDC_FACENAME_EDIT, m_editFaceName);
    DDX_Text(pDX, IDC_SAMPLE_EDIT, m_strSample);
    DDX_Text(pDX, IDC_FACENAME_EDIT, m_strFaceName);
}

// The size-relevant fields of a font record, as a device context realises them.
static void FillFromMetrics(LOGFONTA* lf, const TEXTMETRICA& tm) {
    ZeroMemory(lf, sizeof *lf);
    lf->lfHeight = tm.tmHeight;
    lf->lfWidth = tm.tmAveCharWidth;
    lf->lfWeight = tm.tmWeight;
    lf->lfItalic = tm.tmItalic;
    lf->lfUnderline = tm.tmUnderlined;
    lf->lfStrikeOut = tm.tmStruckOut;
    lf->lfCharSet = tm.tmCharSet;
}

BOOL CViewerDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    // Grid units from the default font of a fresh window device context: the
    // font the panel is drawn in.
    CDC* pDC = GetDC();
    TEXTMETRICA tm;
    ZeroMemory(&tm, sizeof tm);
    pDC->GetTextMetrics(&tm);
    m_nCharWidth = tm.tmAveCharWidth;
    m_nLineHeight = tm.tmHeight;
    m_nTopMargin = tm.tmHeight;

    lstrcpynA(m_szFontKind, kScreenFontKind, sizeof m_szFontKind);

    FillFromMetrics(&m_lfCurrent, tm);
    pDC->GetTextFace(LF_FACESIZE, m_lfCurrent.lfFaceName);
    m_strFaceName = m_lfCurrent.lfFaceName;
    m_lfScreen = m_lfCurrent;
    ReleaseDC(pDC);

    HDC hPrinterDC = GetDefaultPrinterDC();
    TEXTMETRICA tmPrinter;
    ZeroMemory(&tmPrinter, sizeof tmPrinter);
    ZeroMemory(&m_lfPrinter, sizeof m_lfPrinter);
    if (hPrinterDC) {
        ::GetTextMetricsA(hPrinterDC, &tmPrinter);
        FillFromMetrics(&m_lfPrinter, tmPrinter);
        ::GetTextFaceA(hPrinterDC, LF_FACESIZE, m_lfPrinter.lfFaceName);
        ::DeleteDC(hPrinterDC);
    }

    const DialogLayout layout =
        ComputeDialogLayout(m_nCharWidth, m_nLineHeight, m_nTopMargin,
                            ::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME),
                            ::GetSystemMetrics(SM_CYMENU), ::GetSystemMetrics(SM_CYCAPTION));
    const LayoutRect& sample = layout.sampleBox;
    const LayoutRect& face = layout.faceNameBox;
    const LayoutRect& window = layout.window;
    const LayoutRect& close = layout.closeButton;
    m_editSample.MoveWindow(sample.x, sample.y, sample.width, sample.height, TRUE);
    m_editFaceName.MoveWindow(face.x, face.y, face.width, face.height, TRUE);

    // Both programs show this letter line; its doubled F and stray U are no typos to fix.
    m_strSampleText = " ABCDEFFGHIJKLMNOPQRSTUVWUXYZ\r\n";
    m_strSampleText += " Height値は 正の時はフォントのセルの高さ\r\n";
    m_strSampleText += " 負の時は文字の高さ（セルの高さ－内部レディング）";
    m_strSample = m_strSampleText;
    UpdateData(FALSE);

    MoveWindow(window.x, window.y, window.width, window.height, TRUE);
    m_btnClose.MoveWindow(close.x, close.y, close.width, close.height, TRUE);
    return TRUE;
}

void CViewerDlg::OnSysCommand(UINT, LPARAM) { Default(); }

HCURSOR CViewerDlg::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(m_hIcon); }

void CViewerDlg::OnCloseButton() {
    CWnd* pMainWnd = AfxGetThread()->GetMainWnd();
    ::PostMessageA(pMainWnd->GetSafeHwnd(), WM_CLOSE, 0, 0);
    // Destroying the main window ends the modal loop and with it the program;
    // the WM_CLOSE posted before then finds no window. Both calls stay.
    DestroyWindow();
}

void CViewerDlg::OnAppExit() { OnCloseButton(); }

void CViewerDlg::OnDestroy() {
    // Clients still holding the panel's object get failures from now on.
    ReleaseAccessible(m_hWnd);
    CWnd::OnDestroy();
    if (m_hScreenFont) {
        ::DeleteObject(m_hScreenFont);
        m_hScreenFont = nullptr;
    }
}

void CViewerDlg::OnCancelMode() { Default(); }
