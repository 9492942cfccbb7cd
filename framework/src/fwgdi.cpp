#include "fwgdi.h"

#include "fwwnd.h"

CBrush::~CBrush() { DeleteObject(); }

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    DeleteObject();
    m_hBrush = ::CreateSolidBrush(color);
    return m_hBrush != nullptr;
}

BOOL CBrush::DeleteObject() {
    if (!m_hBrush)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hBrush);
    m_hBrush = nullptr;
    return deleted;
}

BOOL CDC::TextOut(int x, int y, const char* text, int length) {
    return ::TextOutA(m_hDC, x, y, text, length);
}

int CDC::SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
    ::FillRect(m_hDC, rect, brush ? static_cast<HBRUSH>(*brush) : nullptr);
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

BOOL CDC::GetTextMetrics(LPTEXTMETRICA metrics) const { return ::GetTextMetricsA(m_hDC, metrics); }

int CDC::GetTextFace(int count, char* faceName) const {
    return ::GetTextFaceA(m_hDC, count, faceName);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }

CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
