#include "fwfile.h"

#include <string>

namespace {

const int kCtrlZ = 0x1A;

}  // namespace

CStdioFile::~CStdioFile() { Close(); }

BOOL CStdioFile::Open(const char* path, UINT) {
    Close();
    // Binary mode: line ends and Ctrl-Z bytes are handled by ReadString, so
    // a Ctrl-Z inside the text does not end it early as text mode would.
    m_pStream = std::fopen(path, "rb");
    return m_pStream != nullptr;
}

BOOL CStdioFile::ReadString(CString& line) {
    if (!m_pStream)
        return FALSE;
    std::string bytes;
    int c;
    while ((c = std::getc(m_pStream)) != EOF && c != '\n') {
        if (c != kCtrlZ) {
            bytes += static_cast<char>(c);
            continue;
        }
        // Ctrl-Z bytes that run to the end of the file are the old end-of-file
        // mark, not text; anywhere else they are kept, and so is what follows.
        size_t run = 1;
        while ((c = std::getc(m_pStream)) == kCtrlZ)
            ++run;
        if (c == EOF)
            break;
        std::ungetc(c, m_pStream);
        bytes.append(run, static_cast<char>(kCtrlZ));
    }
    if (c == EOF && bytes.empty())
        return FALSE;
    if (c == '\n' && !bytes.empty() && bytes.back() == '\r')
        bytes.pop_back();
    // Taken as a C string: a NUL ends the line's text, as it ends the text
    // shown; the rest of this line is dropped and the next line still comes.
    line = bytes.c_str();
    return TRUE;
}

void CStdioFile::Close() {
    if (m_pStream) {
        std::fclose(m_pStream);
        m_pStream = nullptr;
    }
}
