// One test page in the chosen printer font on the default printer.
#include "ViewerDlg.h"

#include "PrintLayout.h"
#include "ViewerTexts.h"

#include <cstring>
#include <iterator>

void CViewerDlg::OnTestPrint() {
    if (!IsPrinterFontCurrent()) {
        MessageBox(
            "スクリーンフォントが選択されています。プリンタフォントを選択してから再度実行してください。",
            "Fontloupe [ERROR]", MB_ICONERROR);
        return;
    }

    CWaitCursor wait;
    HDC hDC = CreateDefaultPrinterDC(0);
    if (!hDC) {
        MessageBox("エラーです。", kNoPrinterCaption, MB_ICONINFORMATION);
        return;
    }

    DOCINFOA di;
    ZeroMemory(&di, sizeof di);
    di.cbSize = sizeof di;
    // The job's name in the print queue, spelt so on purpose: not a typo to fix.
    di.lpszDocName = "Tarvel Print";
    if (::StartDocA(hDC, &di) != SP_ERROR) {
        ::StartPage(hDC);
        HFONT hFont = ::CreateFontIndirectA(&m_lfCurrent);
        HGDIOBJ hOldFont = ::SelectObject(hDC, hFont);
        TEXTMETRICA tm;
        ZeroMemory(&tm, sizeof tm);
        const bool haveMetrics = ::GetTextMetricsA(hDC, &tm) != FALSE;
        const int step = TestPrintLineStep(haveMetrics, tm.tmHeight, m_lfCurrent.lfHeight);

        static const char* const lines[] = {
            "0123456789",
            "abcdefghijklmn",
            "ABCDEFGHIJKLMN",
            "これは選択されたフォントでの出力サンプルです。",
        };
        for (int i = 0; i < static_cast<int>(std::size(lines)); ++i)
            ::TextOutA(hDC, 10, TestPrintLineTop(i, step), lines[i],
                       static_cast<int>(strlen(lines[i])));

        ::SelectObject(hDC, hOldFont);
        ::DeleteObject(hFont);
        ::EndPage(hDC);
        ::EndDoc(hDC);
    }
    ::DeleteDC(hDC);
    wait.Restore();
}
