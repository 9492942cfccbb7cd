// Builds dialog templates in memory, so tests can run dialogs without a
// resource script.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

class DialogTemplate {
public:
    DialogTemplate(DWORD style, short cx, short cy, const std::wstring& caption);
    // Adds a control of a predefined class (0x0080 button, 0x0081 edit).
    void AddItem(WORD classAtom, WORD id, DWORD style, short x, short y, short cx, short cy,
                 const std::wstring& text);
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void PutDword(DWORD value);
    void PutString(const std::wstring& text);
    void AlignDword();

    std::vector<WORD> m_words;
    size_t m_countIndex;
};
