#include "fwfile.h"

#include <string>

CStdioFile::~CStdioFile() { Close(); }

BOOL CStdioFile::Open(const char* path, UINT) {
    Close();
    // Binary mode: line ends are handled by ReadString, and a stray
    // Ctrl-Z byte does not end the text early.
    m_pStream = std::fopen(path, "rb");
    return m_pStream != nullptr;
}

BOOL CStdioFile::ReadString(CString& line) {
    if (!m_pStream)
        return FALSE;
    std::string bytes;
    int c;
    while ((c = std::getc(m_pStream)) != EOF && c != '\n')
        bytes += static_cast<char>(c);
    if (c == EOF && bytes.empty())
        return FALSE;
    if (c == '\n' && !bytes.empty() && bytes.back() == '\r')
        bytes.pop_back();
    char* buffer = line.GetBuffer(static_cast<int>(bytes.size()));
    bytes.copy(buffer, bytes.size());
    line.ReleaseBuffer(static_cast<int>(bytes.size()));
    return TRUE;
}

void CStdioFile::Close() {
    if (m_pStream) {
        std::fclose(m_pStream);
        m_pStream = nullptr;
    }
}
