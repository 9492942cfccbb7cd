#include "fwstring.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

const char* orEmpty(const char* s) { return s ? s : ""; }

// Position of needle in hay at or after start, matching only at character
// starts (a lead byte and its trail byte form one character); npos if none.
size_t findAtCharStart(const std::string& hay, const char* needle, size_t start) {
    const size_t n = std::strlen(needle);
    size_t i = start;
    while (i + n <= hay.size()) {
        if (hay.compare(i, n, needle) == 0)
            return i;
        i += (AfxIsLeadByte(static_cast<BYTE>(hay[i])) && i + 1 < hay.size()) ? 2 : 1;
    }
    return std::string::npos;
}

}  // namespace

CString::CString(const char* s) : m_s(orEmpty(s)) {}

CString& CString::operator=(const char* s) {
    m_s = orEmpty(s);
    return *this;
}

CString& CString::operator+=(const CString& s) {
    m_s += s.m_s;
    return *this;
}

CString& CString::operator+=(const char* s) {
    m_s += orEmpty(s);
    return *this;
}

int CString::Find(const char* sub, int start) const {
    if (start < 0)
        start = 0;
    if (static_cast<size_t>(start) > m_s.size())
        return -1;
    const size_t pos = findAtCharStart(m_s, orEmpty(sub), static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

void CString::Format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    va_list again;
    va_copy(again, args);
    const int len = std::vsnprintf(nullptr, 0, fmt, args);
    va_end(args);
    if (len < 0) {
        m_s.clear();
    } else {
        std::string out(static_cast<size_t>(len), '\0');
        std::vsnprintf(&out[0], out.size() + 1, fmt, again);
        m_s.swap(out);
    }
    va_end(again);
}

int CString::Replace(const char* old, const char* nw) {
    old = orEmpty(old);
    nw = orEmpty(nw);
    const size_t oldLen = std::strlen(old);
    if (oldLen == 0)
        return 0;
    std::string out;
    int count = 0;
    size_t from = 0;
    for (size_t pos; (pos = findAtCharStart(m_s, old, from)) != std::string::npos;
         from = pos + oldLen) {
        out.append(m_s, from, pos - from);
        out += nw;
        ++count;
    }
    if (count > 0) {
        out.append(m_s, from, std::string::npos);
        m_s.swap(out);
    }
    return count;
}

char* CString::GetBuffer(int minLen) {
    if (minLen > 0 && static_cast<size_t>(minLen) > m_s.size())
        m_s.resize(static_cast<size_t>(minLen));
    return &m_s[0];
}

void CString::ReleaseBuffer(int len) {
    const size_t keep = len < 0 ? std::strlen(m_s.c_str()) : static_cast<size_t>(len);
    if (keep < m_s.size())
        m_s.resize(keep);
}
