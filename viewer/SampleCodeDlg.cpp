#include "SampleCodeDlg.h"

#include "BesideProgram.h"
#include "ViewerTexts.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CSampleCodeDlg, CDialog)
END_MESSAGE_MAP()

CSampleCodeDlg::CSampleCodeDlg(CWnd* pParent) : CDialog(IDD_SAMPLECODE, pParent) { m_strCode = ""; }

CSampleCodeDlg::~CSampleCodeDlg() {}

void CSampleCodeDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CODE_EDIT, m_strCode);
}

BOOL CSampleCodeDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    // Check that the installed data file is still there, beside the program
    // (the current directory may be anywhere). Both commands check API.DAT:
    // with only MFC.DAT there, the MFC command shows this message and then
    // its code, as the help page tells.
    char szPath[256] = "";
    CStdioFile file;
    if (!GetPathBesideProgram("API.DAT", szPath, sizeof szPath) ||
        !file.Open(szPath, CFile::modeRead)) {
        ::MessageBoxA(m_hWnd, kDataFileMissingText, kFileErrorCaption, MB_ICONERROR);
    } else {
        file.Close();
    }
    return TRUE;
}
