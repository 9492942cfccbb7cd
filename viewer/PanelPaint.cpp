// The painted property panel of the main dialog.
#include "ViewerDlg.h"

#include "PanelItems.h"

void CViewerDlg::OnPaint() {
    CPaintDC dc(this);

    if (IsIconic()) {
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        const int cxIcon = ::GetSystemMetrics(SM_CXICON);
        const int cyIcon = ::GetSystemMetrics(SM_CYICON);
        RECT rect;
        GetClientRect(&rect);
        const int x = (rect.right - rect.left - cxIcon + 1) / 2;
        const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    } else {
        Default();
    }

    RECT client;
    GetClientRect(&client);
    CBrush brush;
    brush.CreateSolidBrush(RGB(255, 255, 255));
    dc.FillRect(&client, &brush);

    // No font is selected: the panel uses the device context's default font,
    // whose metrics gave the grid units.
    dc.SetBkMode(TRANSPARENT);
    for (const PanelItem& item :
         BuildPanelItems(m_lfCurrent, m_szFontKind, m_nCharWidth, m_nLineHeight, m_nTopMargin))
        dc.TextOut(item.x, item.y, item.text.c_str(), static_cast<int>(item.text.size()));

    brush.DeleteObject();
}
