// Test-only stand-in for the CFont operations that the MFC sample code and
// the round-trip test use; just enough to compile and run that code.
#pragma once

#include <windows.h>
#include <tchar.h>

class CFont {
public:
    CFont() = default;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    ~CFont() { DeleteObject(); }

    // Like MFC's, a CFont that holds a font takes no second one.
    BOOL CreateFontIndirect(const LOGFONT* lf) {
        if (m_hObject)
            return FALSE;
        m_hObject = ::CreateFontIndirect(lf);
        return m_hObject != nullptr;
    }
    BOOL DeleteObject() {
        if (!m_hObject)
            return FALSE;
        ::DeleteObject(m_hObject);
        m_hObject = nullptr;
        return TRUE;
    }
    int GetLogFont(LOGFONT* lf) const { return ::GetObject(m_hObject, sizeof *lf, lf); }

    HFONT m_hObject = nullptr;
};
