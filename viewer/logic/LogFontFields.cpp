#include "LogFontFields.h"

#include <cstring>

const LogFontField kLogFontFields[kLogFontFieldCount] = {
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

int LogFontFieldValue(const LOGFONTA& lf, const LogFontField& field) {
    const char* at = reinterpret_cast<const char*>(&lf) + field.offset;
    if (!field.isSigned)
        return static_cast<BYTE>(*at);
    LONG value;
    std::memcpy(&value, at, sizeof value);
    return value;
}
