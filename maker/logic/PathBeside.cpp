#include "PathBeside.h"

#include <cstring>

#include "TextCopy.h"

bool MakePathBeside(const char* programPath, const char* fileName, char* dst, size_t dstBytes) {
    if (dstBytes == 0)
        return false;
    dst[0] = '\0';
    size_t dirBytes = 0;
    for (size_t i = 0; programPath[i] != '\0'; ++i) {
        if (IsLeadByte((unsigned char)programPath[i]) && programPath[i + 1] != '\0')
            ++i;
        else if (programPath[i] == '\\' || programPath[i] == '/')
            dirBytes = i + 1;
    }
    const size_t nameBytes = strlen(fileName);
    if (dirBytes + nameBytes >= dstBytes)
        return false;
    memcpy(dst, programPath, dirBytes);
    memcpy(dst + dirBytes, fileName, nameBytes + 1);
    return true;
}
