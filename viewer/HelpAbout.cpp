// The "?" menu: the help page beside the program and the about box.
#include "ViewerDlg.h"

#include "AboutDlg.h"
#include "BesideProgram.h"
#include "ViewerTexts.h"

void CViewerDlg::OnHelpPage() {
    char szPath[256] = "";
    // A result of 32 or less is the shell's failure code.
    if (GetPathBesideProgram("FLPHELP.html", szPath, sizeof szPath) &&
        reinterpret_cast<INT_PTR>(
            AfxShellExecute(nullptr, "open", szPath, nullptr, nullptr, SW_SHOWNORMAL)) > 32)
        return;
    MessageBox("ヘルプファイルが見つかりません。再インストールしてください。", kFileErrorCaption,
               MB_ICONERROR);
}

void CViewerDlg::OnAbout() {
    CAboutDlg dlg;
    dlg.DoModal();
}
