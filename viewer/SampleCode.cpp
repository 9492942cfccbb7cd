// Sample source code for the font shown, from the template files beside the program.
#include "ViewerDlg.h"

#include "BesideProgram.h"
#include "SampleCodeDlg.h"
#include "TemplateExpand.h"
#include "ViewerTexts.h"

#include <vector>

void CViewerDlg::OnSampleCodeApi() { ShowSampleCode("API.DAT"); }

void CViewerDlg::OnSampleCodeMfc() { ShowSampleCode("MFC.DAT"); }

void CViewerDlg::ShowSampleCode(const char* fileName) {
    char szPath[256] = "";
    const bool fits = GetPathBesideProgram(fileName, szPath, sizeof szPath);

    CSampleCodeDlg dlg;
    std::vector<CString> lines;
    if (!fits || !ReadTemplateLines(szPath, &lines)) {
        ::MessageBoxA(m_hWnd, kDataFileMissingText, kFileErrorCaption, MB_ICONERROR);
        return;
    }
    dlg.m_strCode = ExpandTemplate(lines, m_lfCurrent);
    dlg.DoModal();
}
