// Choosing the font shown: a screen font or a font of the default printer.
#include "ViewerDlg.h"

#include "Accessible.h"
#include "PrinterProfile.h"
#include "ViewerTexts.h"
#include "res/resource.h"

#include <mbstring.h>

BOOL CViewerDlg::IsPrinterFontCurrent() const {
    return _mbscmp(reinterpret_cast<const unsigned char*>(static_cast<LPCTSTR>(m_strSample)),
                   reinterpret_cast<const unsigned char*>("")) == 0;
}

void CViewerDlg::OnScreenFont() {
    // No printer device context and no parent: the main dialog owns it.
    CFontDialog dlg(&m_lfScreen, CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS);
    if (dlg.DoModal() == IDCANCEL)
        return;

    const PaintedTable before = ReadablePanel();
    m_lfCurrent = m_lfScreen;
    HFONT hReplaced = m_hScreenFont;
    m_hScreenFont = ::CreateFontIndirectA(&m_lfScreen);
    lstrcpynA(m_szFontKind, kScreenFontKind, sizeof m_szFontKind);
    // The sample box lets go of the old font before it is released.
    GetDlgItem(IDC_SAMPLE_EDIT)
        ->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_hScreenFont), TRUE);
    if (hReplaced)
        ::DeleteObject(hReplaced);
    m_strFaceName = m_lfScreen.lfFaceName;
    m_strSample = m_strSampleText;
    UpdateData(FALSE);
    InvalidateRect(nullptr, TRUE);
    AnnounceTableChanges(m_hWnd, before, ReadablePanel());
}

void CViewerDlg::OnPrinterFont() {
    HDC hPrinterDC = GetDefaultPrinterDC();
    if (!hPrinterDC) {
        MessageBox("システムにプリンタがインストールされていないためドライバが見つかりません。",
                   kNoPrinterCaption, MB_ICONINFORMATION);
        return;
    }

    CHOOSEFONTA cf;
    ZeroMemory(&cf, sizeof cf);
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = m_hWnd;
    cf.hDC = hPrinterDC;
    cf.lpLogFont = &m_lfPrinter;
    cf.Flags = CF_PRINTERFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
    cf.rgbColors = RGB(0, 0, 0);
    cf.nFontType = PRINTER_FONTTYPE;
    if (AfxChooseFont(&cf)) {
        const PaintedTable before = ReadablePanel();
        m_lfCurrent = m_lfPrinter;
        // An empty sample string, not a flag, marks a printer font as current
        // (IsPrinterFontCurrent); kept, as the box is read back only by
        // CDialog::OnOK when Enter ends the dialog, when the mark is done with.
        m_strSample = "";
        lstrcpynA(m_szFontKind, "☆ Printer Font ☆ ", sizeof m_szFontKind);
        AppendWholeChars(m_szFontKind, sizeof m_szFontKind, m_szPrinterName);
        m_strFaceName = m_lfCurrent.lfFaceName;
        UpdateData(FALSE);
        InvalidateRect(nullptr, TRUE);
        AnnounceTableChanges(m_hWnd, before, ReadablePanel());
    }
    ::DeleteDC(hPrinterDC);
}
