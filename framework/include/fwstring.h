// CString: a growable byte string (code page 932 text, lengths in bytes).
#ifndef FW_FWSTRING_H
#define FW_FWSTRING_H

#include <windows.h>
#include <string>

static_assert(sizeof(TCHAR) == 1, "the framework is ANSI only: do not define UNICODE");

// True for a byte that starts a double-byte character of code page 932; the
// byte after it belongs to the same character, even when it is 0x5C, a backslash.
inline bool AfxIsLeadByte(BYTE b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

class CString {
public:
    CString() = default;
    CString(const char* s);
    CString(const CString&) = default;
    CString& operator=(const CString&) = default;
    CString& operator=(const char* s);

    CString& operator+=(const CString& s);
    CString& operator+=(const char* s);

    operator LPCTSTR() const { return m_s.c_str(); }
    int GetLength() const { return static_cast<int>(m_s.size()); }

    // Byte position of the first occurrence of sub at or after start, or -1.
    // Double-byte characters are stepped over whole, so a match never starts
    // on a trail byte.
    int Find(const char* sub, int start = 0) const;
    // printf-style formatting; the result may be of any length.
    void Format(const char* fmt, ...);
    // Replaces every non-overlapping occurrence of old, left to right; the
    // inserted text is not scanned again. Returns the count; an empty old
    // replaces nothing.
    int Replace(const char* old, const char* nw);

    // Writable buffer of at least minLen bytes plus the terminating NUL.
    char* GetBuffer(int minLen);
    // Ends buffer use: len bytes are kept, or up to the first NUL when len < 0.
    void ReleaseBuffer(int len = -1);

private:
    std::string m_s;
};

#endif
