#include "ProgramPath.h"

#include <cstring>

#include "fwstring.h"

namespace {

// Length of the drive and directory part of path, as _splitpath would give it:
// everything up to the last separator, or just "X:" when there is none.
size_t DirectoryPartLength(const char* path) {
    size_t length = 0;
    for (size_t i = 0; path[i] != '\0'; ++i) {
        if (AfxIsLeadByte(static_cast<BYTE>(path[i]))) {
            if (path[i + 1] == '\0')
                break;
            ++i;  // the trail byte may be 0x5C and is no separator
        } else if (path[i] == '\\' || path[i] == '/') {
            length = i + 1;
        }
    }
    if (length == 0 && path[0] != '\0' && path[1] == ':')
        length = 2;
    return length;
}

}  // namespace

bool BuildPathBesideProgram(const char* programPath, const char* fileName, char* out,
                            size_t outSize) {
    if (!out || outSize == 0)
        return false;
    out[0] = '\0';
    if (!programPath || !fileName)
        return false;
    const size_t directoryLength = DirectoryPartLength(programPath);
    const size_t nameLength = strlen(fileName);
    if (directoryLength + nameLength >= outSize)
        return false;
    memcpy(out, programPath, directoryLength);
    memcpy(out + directoryLength, fileName, nameLength + 1);
    return true;
}
