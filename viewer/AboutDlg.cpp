#include "AboutDlg.h"

#include "HomePage.h"
#include "res/resource.h"

const char kHomePageAddress[] = HOME_PAGE_ADDRESS;

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_BN_CLICKED(IDC_HOMEPAGE_BUTTON, OnHomePage)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX), m_hTitleFont(nullptr) {}

// The modal run destroys the box and its title label before it returns, so
// the font each opening made is no longer in use here.
INT_PTR CAboutDlg::DoModal() {
    const INT_PTR result = CDialog::DoModal();
    if (m_hTitleFont) {
        ::DeleteObject(m_hTitleFont);
        m_hTitleFont = nullptr;
    }
    return result;
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }

HFONT CreateTitleFont() {
    LOGFONTA lf;
    ZeroMemory(&lf, sizeof lf);
    lf.lfHeight = -21;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfOutPrecision = OUT_STROKE_PRECIS;
    lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    lf.lfQuality = DRAFT_QUALITY;
    lf.lfPitchAndFamily = FF_DECORATIVE | VARIABLE_PITCH;
    lstrcpynA(lf.lfFaceName, "Tempus Sans ITC", LF_FACESIZE);
    return ::CreateFontIndirectA(&lf);
}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_hTitleFont = CreateTitleFont();
    GetDlgItem(IDC_TITLE_STATIC)
        ->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_hTitleFont), TRUE);
    return TRUE;
}

void CAboutDlg::OnHomePage() {
    AfxShellExecute(nullptr, nullptr, kHomePageAddress, nullptr, nullptr, SW_SHOWNORMAL);
}
