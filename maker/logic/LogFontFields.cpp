#include "LogFontFields.h"

#include <cstdint>
#include <cstring>

const LogFontField kLogFontFields[kFieldCount] = {
    {"Height", offsetof(LOGFONTA, lfHeight), true},
    {"Width", offsetof(LOGFONTA, lfWidth), true},
    {"Escapement", offsetof(LOGFONTA, lfEscapement), true},
    {"Orientation", offsetof(LOGFONTA, lfOrientation), true},
    {"Weight", offsetof(LOGFONTA, lfWeight), true},
    {"Italic", offsetof(LOGFONTA, lfItalic), false},
    {"Underline", offsetof(LOGFONTA, lfUnderline), false},
    {"StrikeOut", offsetof(LOGFONTA, lfStrikeOut), false},
    {"CharSet", offsetof(LOGFONTA, lfCharSet), false},
    {"OutPrecision", offsetof(LOGFONTA, lfOutPrecision), false},
    {"ClipPrecision", offsetof(LOGFONTA, lfClipPrecision), false},
    {"Quality", offsetof(LOGFONTA, lfQuality), false},
    {"PitchAndFamily", offsetof(LOGFONTA, lfPitchAndFamily), false},
};

LONG GetLogFontField(const LOGFONTA& lf, const LogFontField& field) {
    const BYTE* at = reinterpret_cast<const BYTE*>(&lf) + field.offset;
    if (!field.isSigned)
        return *at;
    LONG value;
    memcpy(&value, at, sizeof value);
    return value;
}

void SetLogFontField(LOGFONTA* lf, const LogFontField& field, LONG value) {
    BYTE* at = reinterpret_cast<BYTE*>(lf) + field.offset;
    if (field.isSigned)
        memcpy(at, &value, sizeof value);
    else
        *at = (BYTE)((uint32_t)value & 0xFFu);
}
