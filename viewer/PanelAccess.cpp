// The panel as a screen reader reads it: the main dialog's accessible client
// object, whose table is built from the items the panel paints.
#include "ViewerDlg.h"

#include "Accessible.h"
#include "PanelItems.h"

namespace {

// The control's window rectangle in the dialog's client pixels.
RECT ClientRectOf(HWND hwndDialog, const CWnd& control) {
    RECT rect;
    ::GetWindowRect(control.GetSafeHwnd(), &rect);
    ::MapWindowPoints(HWND_DESKTOP, hwndDialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

LRESULT CViewerDlg::OnGetObject(WPARAM wParam, LPARAM lParam) {
    return AnswerAccessibleRequest(m_hWnd, wParam, lParam, ReadPanel);
}

void CViewerDlg::ReadPanel(HWND hwnd, PaintedTable& table) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hwnd);
    if (pWnd)
        table = static_cast<CViewerDlg*>(pWnd)->ReadablePanel();
}

PaintedTable CViewerDlg::ReadablePanel() {
    const std::vector<PanelItem> items =
        BuildPanelItems(m_lfCurrent, m_szFontKind, m_nCharWidth, m_nLineHeight, m_nTopMargin);
    // Widths in a fresh window device context's default font, as OnPaint
    // draws; the context is the window's, given back at once.
    std::vector<int> widths;
    widths.reserve(items.size());
    CDC* pDC = GetDC();
    for (const PanelItem& item : items) {
        SIZE size = {0, 0};
        ::GetTextExtentPoint32A(pDC->GetSafeHdc(), item.text.c_str(),
                                static_cast<int>(item.text.size()), &size);
        widths.push_back(size.cx);
    }
    ReleaseDC(pDC);

    CString faceNameText, sampleText, closeText;
    m_editFaceName.GetWindowText(faceNameText);
    m_editSample.GetWindowText(sampleText);
    m_btnClose.GetWindowText(closeText);
    const PanelControls controls = {
        m_editFaceName.GetSafeHwnd(),       ClientRectOf(m_hWnd, m_editFaceName),
        static_cast<LPCTSTR>(faceNameText), m_editSample.GetSafeHwnd(),
        ClientRectOf(m_hWnd, m_editSample), static_cast<LPCTSTR>(sampleText),
        m_btnClose.GetSafeHwnd(),           ClientRectOf(m_hWnd, m_btnClose),
        static_cast<LPCTSTR>(closeText)};
    return BuildPanelTable(items, widths, m_nLineHeight, controls);
}
