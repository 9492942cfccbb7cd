// The 13 numeric fields of a LOGFONT, in record order: the one list that the
// panel and the sample-code templates both go by.
#pragma once

#include <windows.h>

#include <cstddef>

struct LogFontField {
    const char* name;  // the panel's label, and the template placeholder "%%name%%"
    size_t offset;     // where the field lies in a LOGFONTA
    bool isSigned;     // a signed 32-bit field; otherwise an unsigned byte
};

const int kLogFontFieldCount = 13;
extern const LogFontField kLogFontFields[kLogFontFieldCount];

// The field's value: 32-bit fields keep their sign, bytes widen to 0..255.
int LogFontFieldValue(const LOGFONTA& lf, const LogFontField& field);
