#include "TextCopy.h"

#include <cstring>

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

void CopyText(char* dst, size_t dstBytes, const char* src) {
    if (dstBytes == 0)
        return;
    size_t n = 0;
    while (src[n] != '\0') {
        size_t step = (IsLeadByte((unsigned char)src[n]) && src[n + 1] != '\0') ? 2 : 1;
        if (n + step > dstBytes - 1)
            break;
        n += step;
    }
    memcpy(dst, src, n);
    dst[n] = '\0';
}

void AppendText(char* dst, size_t dstBytes, const char* src) {
    size_t used = strnlen(dst, dstBytes);
    if (used >= dstBytes)
        return;
    CopyText(dst + used, dstBytes - used, src);
}
