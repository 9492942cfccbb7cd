// The 13 numeric fields of a LOGFONT in record order: the one list that the
// field boxes, their labels, the generated code and the presets go by.
#pragma once
#include <windows.h>

#include <cstddef>

#include "TextSlots.h"

struct LogFontField {
    const char* label;  // as the main window labels it; the code names it "lf" + label
    size_t offset;      // where the field lies in a LOGFONTA
    bool isSigned;      // a signed 32-bit field; otherwise an unsigned byte
};

extern const LogFontField kLogFontFields[kFieldCount];

// The field's value: 32-bit fields keep their sign, bytes widen to 0..255.
LONG GetLogFontField(const LOGFONTA& lf, const LogFontField& field);

// Stores value in the field; a byte field keeps its low 8 bits.
void SetLogFontField(LOGFONTA* lf, const LogFontField& field, LONG value);
