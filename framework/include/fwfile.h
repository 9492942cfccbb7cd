// Read-only text files, line by line.
#ifndef FW_FWFILE_H
#define FW_FWFILE_H

#include <cstdio>

#include "fwstring.h"

class CFile {
public:
    enum OpenFlags { modeRead = 0x0000 };
};

class CStdioFile : public CFile {
public:
    CStdioFile() = default;
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;
    ~CStdioFile();

    // Opens path for reading (only modeRead exists); FALSE when it cannot.
    BOOL Open(const char* path, UINT flags);
    // The next line without its line end: a line ends at LF, a CR right
    // before the LF belongs to the line end, and a last line without a line
    // end counts too. The text ends at a NUL (the rest of that line is
    // dropped); Ctrl-Z bytes at the very end of the file are dropped, any
    // other Ctrl-Z is text. FALSE at end of file.
    BOOL ReadString(CString& line);
    void Close();

private:
    std::FILE* m_pStream = nullptr;
};

#endif
