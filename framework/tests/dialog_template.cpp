#include "dialog_template.h"

DialogTemplate::DialogTemplate(DWORD style, short cx, short cy, const std::wstring& caption) {
    PutDword(style | DS_SETFONT);
    PutDword(0); // extended style
    m_countIndex = m_words.size();
    m_words.push_back(0); // item count
    m_words.push_back(10);
    m_words.push_back(10);
    m_words.push_back(static_cast<WORD>(cx));
    m_words.push_back(static_cast<WORD>(cy));
    m_words.push_back(0); // no menu
    m_words.push_back(0); // standard class
    PutString(caption);
    m_words.push_back(9); // point size
    PutString(L"Tahoma");
}

void DialogTemplate::AddItem(WORD classAtom, WORD id, DWORD style, short x, short y, short cx,
                             short cy, const std::wstring& text) {
    AlignDword();
    PutDword(style | WS_CHILD | WS_VISIBLE);
    PutDword(0);
    m_words.push_back(static_cast<WORD>(x));
    m_words.push_back(static_cast<WORD>(y));
    m_words.push_back(static_cast<WORD>(cx));
    m_words.push_back(static_cast<WORD>(cy));
    m_words.push_back(id);
    m_words.push_back(0xFFFF);
    m_words.push_back(classAtom);
    PutString(text);
    m_words.push_back(0); // no creation data
    ++m_words[m_countIndex];
}

void DialogTemplate::PutDword(DWORD value) {
    m_words.push_back(LOWORD(value));
    m_words.push_back(HIWORD(value));
}

void DialogTemplate::PutString(const std::wstring& text) {
    for (wchar_t c : text)
        m_words.push_back(static_cast<WORD>(c));
    m_words.push_back(0);
}

void DialogTemplate::AlignDword() {
    if (m_words.size() % 2)
        m_words.push_back(0);
}
