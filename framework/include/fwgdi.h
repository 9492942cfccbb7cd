// Device contexts and brushes.
#ifndef FW_FWGDI_H
#define FW_FWGDI_H

#include "fwstring.h"

class CWnd;

class CBrush {
public:
    CBrush() = default;
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;
    ~CBrush();

    // Replaces any brush held by a new solid one.
    BOOL CreateSolidBrush(COLORREF color);
    BOOL DeleteObject();
    operator HBRUSH() const { return m_hBrush; }

private:
    HBRUSH m_hBrush = nullptr;
};

// Wraps a device context handle; owns nothing by itself.
class CDC {
public:
    HDC m_hDC = nullptr;

    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    HDC GetSafeHdc() const { return m_hDC; }

    BOOL TextOut(int x, int y, const char* text, int length);
    int SetBkMode(int mode);
    void FillRect(LPCRECT rect, CBrush* brush);
    BOOL DrawIcon(int x, int y, HICON icon);
    BOOL GetTextMetrics(LPTEXTMETRICA metrics) const;
    int GetTextFace(int count, char* faceName) const;
};

// Begins painting on construction and ends it on destruction.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

private:
    PAINTSTRUCT m_ps;
    HWND m_hWnd;
};

#endif
