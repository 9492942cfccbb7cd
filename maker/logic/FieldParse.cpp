#include "FieldParse.h"

#include <cstdint>

#include "LogFontFields.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Two's complement reading of a 32-bit pattern, without relying on an
// implementation-defined conversion.
LONG ToSigned(uint32_t v) {
    if (v <= 0x7FFFFFFFu)
        return (LONG)v;
    return -(LONG)(0xFFFFFFFFu - v) - 1;
}

}  // namespace

LONG ParseFieldText(const char* text) {
    int i = 0;
    auto at = [text](int k) { return k < kFieldTextBytes ? text[k] : '\0'; };
    for (; at(i) != '\0' && IsBlank(at(i)); ++i) {
    }
    bool negative = false;
    if (at(i) == '+' || at(i) == '-') {
        negative = at(i) == '-';
        ++i;
    }
    uint32_t value = 0;
    for (; at(i) >= '0' && at(i) <= '9'; ++i)
        value = value * 10u + (uint32_t)(at(i) - '0');
    return ToSigned(negative ? 0u - value : value);
}

void ParseLogFontFields(const char (*slots)[kFieldSlotBytes], LOGFONTA* lf) {
    for (int k = 0; k < kFieldCount; ++k)
        SetLogFontField(lf, kLogFontFields[k], ParseFieldText(slots[k]));
}
